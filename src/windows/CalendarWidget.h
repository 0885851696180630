// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "progress/CalendarGrid.h"

#include <QWidget>

namespace clavora {

// The last 52 weeks, a column per week and Monday on top, each day a small square shaded by
// the minutes typed on it, with a legend beneath; a day's tooltip names its minutes.
class CalendarWidget final : public QWidget {
    Q_OBJECT
public:
    explicit CalendarWidget(QWidget* parent = nullptr);

    void setCalendar(const TypingCalendar& calendar);
    QSize sizeHint() const override;
    // Where the square of a week's day lies.
    QRect cellRect(int column, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintLegend(QPainter& painter, int top) const;

    CalendarGrid grid_;
};

} // namespace clavora
