// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/KeyboardControl.h"
#include "keyboard/KeyboardUi.h"

#include <QWidget>

class QTimer;

namespace clavora {

// The on-screen keyboard: owns the keyboard logic; one widget paints every key from the
// logic's form.
class KeyboardWindow final : public QWidget, public KeyboardUi {
    Q_OBJECT
public:
    KeyboardWindow(const AppSettings& settings, ProgramPaths paths, const KeyState& keys);

    const KeyboardControl& control() const { return control_; }
    void colourWindow(Rgb window, Rgb text);
    void loadLayout();
    // Repaints when a key's look has changed since the last paint.
    void apply();

    // KeyboardUi
    void showNotice(const QString& text) override;

    static constexpr int TickMilliseconds = 25;

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:

    KeyboardControl control_;
    KeyboardForm painted_;
    QTimer* keyStateTimer_;
};

} // namespace clavora
