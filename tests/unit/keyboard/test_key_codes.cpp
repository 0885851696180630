// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyCodes.h"
#include "keyboard/KeyColour.h"

#include <gtest/gtest.h>

using namespace clavora;

TEST(CharKeyCode, LettersByCapitalDigitsAndTwelveMarksByTheirKey)
{
    const struct {
        const char16_t* caption;
        std::uint16_t code;
    } cases[] = {
        {u"a", 65}, {u"A", 65}, {u"z", 90}, {u"0", 48}, {u"9", 57},
        {u"`", 223}, {u"-", 189}, {u"=", 187}, {u"[", 219}, {u"]", 221}, {u"#", 222},
        {u";", 186}, {u"'", 192}, {u",", 188}, {u".", 190}, {u"/", 191}, {u"\\", 220},
        {u"é", 201}, {u"ü", 220}, {u"ö", 214}, // Latin-1 capitals: É, Ü, Ö
        {u"ж", 0x0416},                        // a letter beyond Latin-1 keeps its capital's value
        {u"ß", 0},                             // no single capital: not a letter here
        {u"&&", 0}, {u"&", 0}, {u" ", 0}, {u"!", 0}, {u"£", 0}, {u"²", 0}, {u"", 0},
        {u"ab", 65},                           // only the first character counts
        {u"\U00010428", 0},                    // a capital beyond 16 bits has no code
    };
    for (const auto& c : cases)
        EXPECT_EQ(characterKeyCode(QString::fromUtf16(c.caption)), c.code) << QString::fromUtf16(c.caption).toStdString();
}

TEST(KeyColour, FollowsTheFingerColumns)
{
    constexpr Rgb DB = 0xC00000, DY = 0x00C0C0, DR = 0x0000C0, DG = 0x00C000;
    constexpr Rgb G = 0x00FF00, R = 0x0000FF, Y = 0x00FFFF, B = 0xFF0000;
    const Rgb expected[48] = {
        DB, DB, DY, DR, DG, DG, G, G, R, Y, B, B, B,     // number row
        DB, DY, DR, DG, DG, G, G, R, Y, B, B, B, B,      // top letter row
        DB, DY, DR, DG, DG, G, G, R, Y, B, B,            // home row
        DB, DY, DR, DG, DG, G, G, R, Y, B,               // bottom row
        DB};                                             // the extra key
    for (int i = 0; i < 48; ++i)
        EXPECT_EQ(keyColour(std::int16_t(i)), expected[i]) << "key " << i;
    EXPECT_EQ(keyColour(-1), B);
    EXPECT_EQ(keyColour(48), B);
}
