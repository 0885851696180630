// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/HeatMap.h"
#include "keyboard/KeyColour.h"

#include <gtest/gtest.h>

using namespace clavora;

namespace {
// q on key 13 with "@" on AltGr; "&" on key 0; key 1 types nothing.
KeyCapTable table()
{
    KeyCapTable t;
    t.lowerCaptions[0] = "&&";
    t.upperCaptions[0] = "&&";
    t.lowerCaptions[13] = "q";
    t.upperCaptions[13] = "Q";
    t.altGrCaption[13] = "@";
    t.lowerCaptions[14] = "w";
    t.upperCaptions[14] = "W";
    t.altGrCaption[14] = "\u0142"; // ł
    t.lowerCaptions[15] = "e";
    t.upperCaptions[15] = "E";
    return t;
}
} // namespace

TEST(HeatMap, ColoursEachKeyByTheRateOfAllItsCharacters)
{
    const Rgb grey = HeatMap::TooFewStrokesColour;
    const struct {
        const char* name;
        std::vector<CharacterStrokes> strokes;
        int key; // -1: the space bar
        Rgb expected;
        double scaleTop;
    } cases[] = {
        {"no strokes", {}, 13, grey, 0.05},
        {"too few strokes", {{u'q', 19, 19}}, 13, grey, 0.05},
        {"no errors: green", {{u'q', 20, 0}}, 13, HeatMap::colour(0, 0.05), 0.05},
        {"the weakest key: red", {{u'q', 100, 10}, {u'w', 100, 1}}, 13, PureRed, 0.1},
        {"a weaker one on the same scale", {{u'q', 100, 10}, {u'w', 100, 5}}, 14, HeatMap::colour(0.05, 0.1), 0.1},
        {"shifted and AltGr characters count with the key", {{u'q', 10, 0}, {u'Q', 5, 5}, {u'@', 5, 0}}, 13,
         HeatMap::colour(0.25, 0.5), 0.5},
        {"an ampersand key counts its character once", {{u'&', 40, 4}}, 0, PureRed, 0.1},
        {"a key that types nothing", {{QChar(), 100, 50}}, 1, grey, 0.05},
        {"the space bar has the blank's rate", {{u' ', 100, 100}}, -1, PureRed, 1.0},
        {"keys without characters of their own", {{u'q', 100, 10}}, 16, grey, 0.1},
        {"a letter a dead key makes counts on its letter's key", {{u'\u00E9', 20, 20}, {u'e', 20, 0}}, 15,
         HeatMap::colour(0.5, 0.5), 0.5},
        {"a capital of Shift and AltGr counts on its letter's key", {{u'\u0141', 20, 20}}, 14, PureRed, 1.0},
    };
    for (const auto& c : cases) {
        const HeatMap heatMap(table(), c.strokes, 20);
        const KeyShape& shape = c.key < 0 ? heatMap.keyboard.shape(NamedShape::Spacebar) : heatMap.keyboard.keys[c.key];
        EXPECT_EQ(shape.fill, c.expected) << c.name;
        EXPECT_DOUBLE_EQ(heatMap.scaleTop, c.scaleTop) << c.name;
        EXPECT_EQ(heatMap.keyboard.shape(NamedShape::TabKey).fill, grey) << c.name;
    }
}

TEST(HeatMap, CharactersNoKeyShowsAreNamed)
{
    // \u0436 has strokes enough, \u044F too few; \u00E9 has its letter's key.
    const HeatMap heatMap(table(), {{u'\u0436', 20, 1}, {u'\u044F', 19, 1}, {u'\u00E9', 20, 1}}, 20);
    EXPECT_EQ(heatMap.withoutKey, QString(u'\u0436'));
}

TEST(HeatMap, ScaleRunsFromGreenThroughYellowToRed)
{
    EXPECT_EQ(HeatMap::colour(0, 0.2), rgb(0, 200, 0));
    EXPECT_EQ(HeatMap::colour(0.1, 0.2), rgb(255, 200, 0));
    EXPECT_EQ(HeatMap::colour(0.2, 0.2), rgb(255, 0, 0));
    EXPECT_EQ(HeatMap::colour(0.9, 0.2), rgb(255, 0, 0)); // above the top: red
    // Continuous: neighbouring rates differ by small steps only.
    for (double rate = 0; rate < 0.2; rate += 0.001) {
        const Rgb a = HeatMap::colour(rate, 0.2), b = HeatMap::colour(rate + 0.001, 0.2);
        EXPECT_LE(std::abs(redOf(a) - redOf(b)) + std::abs(greenOf(a) - greenOf(b)), 6) << rate;
    }
}
