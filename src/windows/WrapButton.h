// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPushButton>

namespace clavora {

// A push button whose caption wraps onto a second line when it is wider than the button,
// so that two-word captions fit the buttons' fixed twips size; the "&" access key works
// as usual.
class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace clavora
