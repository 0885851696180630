// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

struct AppSettings;
class Random;

// The pool of characters that random exercises and the game draw from.
QString keysAllowed(const AppSettings& settings);
// How demanding the chosen key classes are, "+" appended for custom keys.
QString keyLevel(const AppSettings& settings);
// A line of at most 40 characters from the pool: never three blanks in a row, no blank at
// its end. A pool of blanks alone gives an empty line.
QString makeRandomExercise(const QString& pool, Random& random);

} // namespace clavora
