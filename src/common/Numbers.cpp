// SPDX-License-Identifier: GPL-3.0-or-later
#include "Numbers.h"

#include <cmath>
#include <limits>

namespace clavora {

LeadingNumber leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].unicode() < 128 && text[i].isDigit()) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return {};
    qsizetype end = i;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype exponentStart = j;
        while (j < n && text[j].unicode() < 128 && text[j].isDigit())
            ++j;
        if (j > exponentStart)
            end = j;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toString().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {0.0, false};
    return {value, true};
}

qint64 leadingInteger(QStringView text)
{
    constexpr qint64 Cap = qint64(1) << 40;
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    qint64 number = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        number = std::min<qint64>(number * 10 + (text[i].unicode() - u'0'), Cap);
    return negative ? -number : number;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

template <typename T>
static T saturate(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (value >= double(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return T(value);
}

std::int16_t saturateToInt16(double value) { return saturate<std::int16_t>(value); }
std::int32_t saturateToInt32(double value) { return saturate<std::int32_t>(value); }

QString formatTenths(double seconds, const QLocale& locale)
{
    // Digits and the decimal mark only: a grouping mark would be misread as the decimal one.
    QLocale ungrouped = locale;
    ungrouped.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return ungrouped.toString(seconds, 'f', 1);
}

} // namespace clavora
