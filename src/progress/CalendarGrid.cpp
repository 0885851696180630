// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarGrid.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace clavora {

CalendarGrid::CalendarGrid(TypingCalendar calendar) : calendar_(std::move(calendar)) {}

std::optional<std::size_t> CalendarGrid::indexOf(int column, int row) const
{
    if (column < 0 || column >= Columns || row < 0 || row >= Rows)
        return std::nullopt;
    const auto index = std::size_t(column * Rows + row);
    if (index >= calendar_.minutes.size())
        return std::nullopt;
    return index;
}

std::optional<QDate> CalendarGrid::day(int column, int row) const
{
    const auto index = indexOf(column, row);
    if (!index)
        return std::nullopt;
    return calendar_.firstDay.addDays(qint64(*index));
}

double CalendarGrid::minutes(int column, int row) const
{
    const auto index = indexOf(column, row);
    return index ? calendar_.minutes[*index] : 0.0;
}

int CalendarGrid::shade(int column, int row) const
{
    return shadeOf(minutes(column, row));
}

int CalendarGrid::shadeOf(double minutes)
{
    if (!(minutes > 0))
        return 0;
    int shade = 1;
    while (shade + 1 < Shades && minutes >= ShadeMinutes[shade + 1])
        ++shade;
    return shade;
}

Rgb CalendarGrid::shadeColour(int shade)
{
    // From a pale grey for a day without typing to a deep green for half an hour or more.
    static constexpr Rgb Colours[Shades] = {rgb(224, 224, 224), rgb(170, 222, 170), rgb(102, 190, 102),
                                            rgb(46, 150, 60), rgb(16, 96, 32)};
    return Colours[std::clamp(shade, 0, Shades - 1)];
}

QString CalendarGrid::shadeCaption(int shade)
{
    if (shade <= 0)
        return tr("none");
    if (shade == 1)
        return tr("under %1").arg(ShadeMinutes[2]);
    return tr("%1+").arg(ShadeMinutes[std::min(shade, Shades - 1)]);
}

QString CalendarGrid::toolTip(int column, int row) const
{
    const auto shown = day(column, row);
    if (!shown)
        return {};
    const long whole = std::lround(minutes(column, row));
    const QString date = QLocale().toString(*shown, QStringLiteral("ddd d MMM yyyy"));
    if (minutes(column, row) > 0 && whole == 0)
        return tr("%1: under a minute").arg(date);
    return whole == 1 ? tr("%1: 1 minute").arg(date) : tr("%1: %2 minutes").arg(date).arg(whole);
}

} // namespace clavora
