// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

struct AppSettings;
struct KeyCapTable;
class Random;

// The characters of each key class on one layout, without the blanks that join them.
struct KeyClasses {
    QString lowerCase, upperCase, numbers, numberPunctuation, punctuation, shiftedPunctuation;
    QString altGr; // joins while a punctuation class is allowed
    bool operator==(const KeyClasses&) const = default;
};

// The classes of a layout made from the desktop's database, from what its keys type: the
// letters (and the marks of scripts that have them) without and with Shift, the digits, the
// other characters of the number row's digit keys, those of the other keys without and with
// Shift, and the ASCII characters and currency signs that only AltGr types. A dead key's
// accent, which no key types alone, is in none. Layout files keep the fixed classes:
// one set of symbols for "United Kingdom" layouts, one for the others, and no AltGr class.
KeyClasses layoutKeyClasses(const KeyCapTable& layout);

// The pool of characters that random exercises and the game draw from.
QString keysAllowed(const AppSettings& settings);
// The keys a weak-key drill may draw on: the allowed pool and, while any punctuation class
// is allowed, the characters a layout file types with AltGr.
QString drillKeysAllowed(const AppSettings& settings, const KeyCapTable& layout);
// How demanding the chosen key classes are, "+" appended for custom keys.
QString keyLevel(const AppSettings& settings);
// A line of at most 40 characters from the pool: never three blanks in a row, no blank at
// its end. A pool of blanks alone gives an empty line.
QString makeRandomExercise(const QString& pool, Random& random);

} // namespace clavora
