// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/KeyboardControl.h"
#include "keyboard/KeyboardUi.h"

#include <QTimer>
#include <QWidget>

namespace clavora {

// The on-screen keyboard: one widget paints every key from the logic's form, and repaints
// only when a key's look has changed since it last painted.
class KeyboardWindow final : public QWidget, public KeyboardUi {
    Q_OBJECT
public:
    KeyboardWindow(const AppSettings& settings, ProgramPaths paths, const KeyState& keys);

    void setColours(Rgb back, Rgb fore);
    void LoadLayout();
    const KeyboardControl& control() const { return control_; }

    // KeyboardUi
    void showNotice(const QString& text) override;

    static constexpr int TickMilliseconds = 25;

signals:
    void closing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void tick();
    void apply();

    KeyboardControl control_;
    KeyboardForm painted_;
    QTimer keyStateTimer_;
};

} // namespace clavora
