// SPDX-License-Identifier: GPL-3.0-or-later
#include "WrapCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace clavora {

WrapCheckBox::WrapCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent)
{
    setBackgroundRole(QPalette::Window); // the window's colour, not a button's
}

void WrapCheckBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus; // the focus frame goes round the caption below
    painter.drawControl(QStyle::CE_CheckBox, option);
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    const int gap = 3; // narrower than the style's, so that each word of a caption fits the box's width
    const QRect area = rect().adjusted(indicator.right() + 1 + gap, 0, 0, 0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption)
                         .adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrapCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace clavora
