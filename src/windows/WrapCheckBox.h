// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>

namespace clavora {

// A check box whose caption wraps onto further lines beside the box when it is wider than
// the control, so that a long caption fits the control's fixed twips size; the whole
// control takes clicks.
class WrapCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    WrapCheckBox(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

} // namespace clavora
