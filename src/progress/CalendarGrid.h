// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"
#include "history/HistoryFigures.h"

#include <QCoreApplication>
#include <QString>
#include <iterator>
#include <optional>

namespace clavora {

// The typing calendar as the progress window draws it: a column per week, Monday on the top
// row, each day shaded by the minutes typed on it.
class CalendarGrid {
    Q_DECLARE_TR_FUNCTIONS(CalendarGrid)

public:
    static constexpr int Rows = 7;
    static constexpr int Columns = TypingCalendar::Weeks;
    // Shade 0 is a day without typing; from shade 1 on, a day with at least this many minutes.
    static constexpr double ShadeMinutes[] = {0, 0, 5, 15, 30};
    static constexpr int Shades = int(std::size(ShadeMinutes));

    explicit CalendarGrid(TypingCalendar calendar = {});

    // The day a cell stands for; none for the days after today.
    std::optional<QDate> day(int column, int row) const;
    double minutes(int column, int row) const;
    int shade(int column, int row) const;
    // "Mon 4 Mar 2024: 12 minutes" in the person's language.
    QString toolTip(int column, int row) const;

    static int shadeOf(double minutes);
    static Rgb shadeColour(int shade);
    // The legend's caption of a shade: "0", "5+" ...
    static QString shadeCaption(int shade);

private:
    std::optional<std::size_t> indexOf(int column, int row) const;

    TypingCalendar calendar_;
};

} // namespace clavora
