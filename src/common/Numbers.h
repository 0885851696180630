// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace clavora {

// The number a text starts with: leading blanks skipped, then sign, digits, one decimal
// point and an exponent, as far as they form a number. A text that does not start with a
// number reads as 0. `ok` is false only when the digits lie beyond the range of a double.
struct LeadingNumber {
    double value = 0.0;
    bool ok = true;
};
LeadingNumber leadingNumber(QStringView text);

// The integer a text starts with: an optional sign and the decimal digits that follow, 0 when
// there are none. Its size is capped at 2^40, beyond every field's width.
qint64 leadingInteger(QStringView text);

// Nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// Narrowing that saturates instead of wrapping; NaN becomes 0.
std::int16_t saturateToInt16(double value);
std::int32_t saturateToInt32(double value);

// Seconds with exactly one decimal, rounded to the nearest tenth, never grouped: "0.0",
// "7.3", "1770.7".
QString formatTenths(double seconds, const QLocale& locale = QLocale());

} // namespace clavora
