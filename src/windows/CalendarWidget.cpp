// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarWidget.h"

#include "Geometry.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace clavora {

namespace {
constexpr int Cell = 11;
constexpr int Gap = 2;
constexpr int Pitch = Cell + Gap;
constexpr int LegendHeight = 24;
} // namespace

CalendarWidget::CalendarWidget(QWidget* parent) : QWidget(parent)
{
    setFont(interfaceFont());
    setFixedSize(sizeHint());
}

QSize CalendarWidget::sizeHint() const
{
    return {CalendarGrid::Columns * Pitch, CalendarGrid::Rows * Pitch + LegendHeight};
}

void CalendarWidget::setCalendar(const TypingCalendar& calendar)
{
    grid_ = CalendarGrid(calendar);
    update();
}

QRect CalendarWidget::cellRect(int column, int row) const
{
    return {column * Pitch, row * Pitch, Cell, Cell};
}

void CalendarWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int column = 0; column < CalendarGrid::Columns; ++column) {
        for (int row = 0; row < CalendarGrid::Rows; ++row) {
            if (grid_.day(column, row))
                p.fillRect(cellRect(column, row), toQColor(CalendarGrid::shadeColour(grid_.shade(column, row))));
        }
    }
    paintLegend(p, CalendarGrid::Rows * Pitch + Gap);
}

void CalendarWidget::paintLegend(QPainter& p, int top) const
{
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics = p.fontMetrics();
    const int baseline = top + Cell;
    int x = 0;
    const QString title = tr("Minutes a day:");
    p.drawText(x, baseline, title);
    x += metrics.horizontalAdvance(title) + 2 * Gap * 3;
    for (int shade = 0; shade < CalendarGrid::Shades; ++shade) {
        p.fillRect(QRect(x, top + 1, Cell, Cell), toQColor(CalendarGrid::shadeColour(shade)));
        x += Cell + 2 * Gap;
        const QString caption = CalendarGrid::shadeCaption(shade);
        p.drawText(x, baseline, caption);
        x += metrics.horizontalAdvance(caption) + 4 * Gap * 2;
    }
}

bool CalendarWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int column = help->pos().x() / Pitch;
        const int row = help->pos().y() / Pitch;
        const QString tip = help->pos().x() >= 0 && help->pos().y() >= 0 ? grid_.toolTip(column, row) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this, cellRect(column, row));
        return true;
    }
    return QWidget::event(event);
}

} // namespace clavora
