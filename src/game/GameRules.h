// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"

#include <QString>
#include <QStringView>
#include <cstdint>

namespace clavora {

constexpr double FuseSeconds = 5.0;
constexpr double AdvanceSeconds = 30.0;
constexpr double FullRed = 255.0;
// The rate Level * 5 + 50 must fit 16 bits; advancing stops here.
constexpr std::int16_t MaxLevel = 6543;
constexpr int MinStartLevel = 1;
constexpr int MaxStartLevel = 200;

// Seconds between two letters at this level.
double spawnInterval(std::int16_t level);

// Green at 0, red at 255, through olive: the fuse's rim and the fading "GAME OVER!".
Rgb burnColour(double redAmount);

// Points for a letter hit at this age: 10 down to 1 by half seconds. A late tick can let an
// overdue letter be hit; that earns nothing rather than costing points.
int hitPoints(double age);

// "Time elapsed: m:ss" for this many seconds of play, rounded halves to even.
QString elapsedText(double seconds);

// The start-level box's text after validation: the whole part of its number, or "1" when
// that is not a level from 1 to 200.
QString validStartLevel(QStringView text);

} // namespace clavora
