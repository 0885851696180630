// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyCodes.h"

#include <QStringView>
#include <array>
#include <utility>

namespace clavora {

namespace {
constexpr std::array<std::pair<char16_t, std::uint16_t>, 12> PunctuationCodes = {{
    {u'`', 223}, {u'-', 189}, {u'=', 187}, {u'[', 219}, {u']', 221}, {u'#', 222},
    {u';', 186}, {u'\'', 192}, {u',', 188}, {u'.', 190}, {u'/', 191}, {u'\\', 220}}};

char32_t firstCodePoint(const QString& text)
{
    const QChar first = text.front();
    if (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(1));
    return first.unicode();
}
} // namespace

std::uint16_t characterKeyCode(const QString& caption)
{
    if (caption.isEmpty())
        return 0;
    const char32_t c = firstCodePoint(caption);
    const char32_t upper = QChar::toUpper(c);
    const bool letter = QChar::toLower(c) != upper;
    const bool digit = c >= U'0' && c <= U'9';
    if (letter || digit)
        // The capital's Unicode value, which for Latin-1 is its Windows-1252 value too.
        return upper <= 0xFFFF ? std::uint16_t(upper) : 0;
    for (const auto& [mark, code] : PunctuationCodes)
        if (c == mark)
            return code;
    return 0;
}

} // namespace clavora
