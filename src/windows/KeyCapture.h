// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

namespace clavora {

// An unseen box that holds the focus during a game and passes on every character typed,
// control characters included. Tab and Shift+Tab move the focus instead, as in any box.
class KeyCapture final : public QWidget {
    Q_OBJECT
public:
    explicit KeyCapture(QWidget* parent);

signals:
    void typed(QChar code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
};

} // namespace clavora
