// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRules.h"

#include "common/Numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace clavora {

double spawnInterval(std::int16_t level)
{
    return 60.0 / std::int16_t(level * 5 + 50);
}

Rgb burnColour(double redAmount)
{
    return rgb(int(roundHalfEven(redAmount)), int(roundHalfEven(255.0 - redAmount)), 0);
}

int hitPoints(double age)
{
    return int(std::clamp(std::floor((FuseSeconds + 0.5 - age) * 2.0), 0.0, 10.0));
}

QString elapsedText(double seconds)
{
    const auto e = std::int64_t(roundHalfEven(seconds));
    return QCoreApplication::translate("GameForm", "Time elapsed: %1:%2")
        .arg(e / 60)
        .arg(e % 60, 2, 10, QLatin1Char('0'));
}

QString validStartLevel(QStringView text)
{
    const LeadingNumber number = leadingNumber(text);
    const double whole = std::floor(number.value);
    if (!number.ok || whole < MinStartLevel || whole > MaxStartLevel)
        return QStringLiteral("1");
    return QString::number(int(whole));
}

} // namespace clavora
