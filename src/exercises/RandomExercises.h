// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

struct AppSettings;
struct KeyCapTable;
class Random;

// The pool of characters that random exercises and the game draw from.
QString keysAllowed(const AppSettings& settings);
// The keys a weak-key drill may draw on: the allowed pool and, while any punctuation class
// is allowed, the characters the layout types with AltGr.
QString drillKeysAllowed(const AppSettings& settings, const KeyCapTable& layout);
// How demanding the chosen key classes are, "+" appended for custom keys.
QString keyLevel(const AppSettings& settings);
// A line of at most 40 characters from the pool: never three blanks in a row, no blank at
// its end. A pool of blanks alone gives an empty line.
QString makeRandomExercise(const QString& pool, Random& random);

} // namespace clavora
