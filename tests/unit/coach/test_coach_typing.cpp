// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "coach/CoachMarks.h"
#include "coach/FirstKeyClock.h"
#include "keyboard/KeyToPress.h"
#include "coach/LiveMarking.h"
#include "common/MarkingColour.h"
#include "coach/MistakeList.h"
#include "keyboard/LayoutFile.h"

#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

TEST(LiveMarking, MarksTypedCharactersThatDifferInRuns)
{
    struct Case {
        QString exercise, typed;
        std::vector<MarkedRange> wrong;
    };
    const Case cases[] = {
        {"abc", "abc", {}},
        {"abc", "", {}},
        {"abcd", "xbzz", {{0, 1}, {2, 2}}},
        {"ab", "abcd", {{2, 2}}},      // past the exercise's end
        {"abcd", "bcd", {{0, 3}}},     // a left-out character shifts the rest
        {"Abc", "abc", {{0, 1}}},      // case counts
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrongRanges(c.exercise, c.typed), c.wrong) << c.exercise.toStdString() << " / " << c.typed.toStdString();
}

TEST(LiveMarking, TheMarkingColourReadsAgainstTheWindowAndDiffersFromTheText)
{
    const Rgb grey = rgb(128, 128, 128);
    struct Case {
        Rgb windowColour, textColour, marking;
    };
    const Case cases[] = {
        {DefaultWindowColour, DefaultTextColour, rgb(255, 64, 64)},
        {rgb(255, 255, 255), 0, rgb(200, 0, 0)},
        {0, rgb(255, 80, 80), rgb(255, 255, 0)},           // the text is light red already
        {grey, rgb(255, 255, 255), 0},                     // no red reads on mid grey
        {grey, 0, rgb(255, 255, 255)},                     // nothing reads well: the best
    };
    for (const Case& c : cases) {
        EXPECT_EQ(markingColour(c.windowColour, c.textColour), c.marking) << c.windowColour << " " << c.textColour;
    }
    EXPECT_NEAR(contrastRatio(0, rgb(255, 255, 255)), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(rgb(255, 0, 0), rgb(255, 255, 255)), 4.0, 0.01);
}

TEST(FirstKeyClock, CountsFromTheFirstTypedCharacter)
{
    FakeClock clock;
    FirstKeyClock attempt(clock);
    clock.now = 100.0;
    attempt.typingLineChanged("");
    clock.now = 107.0; // reading the line
    EXPECT_FALSE(attempt.started());
    EXPECT_EQ(attempt.elapsed(), 0.0);

    attempt.typingLineChanged("t");
    clock.now = 109.5;
    attempt.typingLineChanged("th");
    attempt.typingLineChanged(""); // erased again: the clock goes on
    EXPECT_DOUBLE_EQ(attempt.elapsed(), 2.5);

    clock.now = DaySeconds - 1.0; // past midnight
    attempt.reset();
    attempt.typingLineChanged("a");
    clock.now = 2.0;
    EXPECT_DOUBLE_EQ(attempt.elapsed(), 3.0);
    EXPECT_DOUBLE_EQ(attempt.elapsed(), 3.0);

    attempt.reset(); // the next line waits for its first key again
    EXPECT_EQ(attempt.elapsed(), 0.0);
}

TEST(MistakeList, ListsEachPairOnceMostFrequentFirst)
{
    struct Case {
        QString exercise, typed;
        int shown;
        QString text;
    };
    const Case cases[] = {
        {"the tree", "the tree", 3, ""},
        {"see her", "srr hrr", 3, "expected e, typed r (3 times)"},
        {"a bee", "s brr", 3, "expected e, typed r (2 times); expected a, typed s"},
        {"a bee", "s brr", 1, "expected e, typed r (2 times)"},
        {"a b", "aab", 3, "expected space, typed a"},
        {"abc", "a", 3, ""},       // characters left out were typed in place of nothing
        {"ab", "abcd", 3, ""},     // nor were characters typed past the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(MistakeList::compare(c.exercise, c.typed).text(c.shown), c.text) << c.typed.toStdString();

    // Ties keep the order they were met in; counts given with the pairs add up.
    const MistakeList given({{u'a', u's'}, {u'e', u'r', 2}, {u'a', u's', 2}, {u'o', u'p'}});
    EXPECT_EQ(given.mistakes(), (std::vector<Mistake>{{u'a', u's', 3}, {u'e', u'r', 2}, {u'o', u'p', 1}}));
}

TEST(CoachMarks, BothAccuracyAndSpeedMustBeMet)
{
    struct Case {
        int speedTarget;
        double accuracy, speed;
        bool met;
        int classAccuracyMark = 0;
    };
    const Case cases[] = {
        {DefaultSpeedTarget, 95, 10, true},
        {DefaultSpeedTarget, 94.9, 60, false},
        {DefaultSpeedTarget, 100, 9.9, false},
        {25, 100, 24, false},
        {25, 96, 25, true},
        {DefaultSpeedTarget, 97, 10, false, 98}, // a class's mark above the Coach's
        {DefaultSpeedTarget, 95, 10, true, 90},  // one below it asks no less
    };
    for (const Case& c : cases)
        EXPECT_EQ(meetsMarks(coachMarks(c.speedTarget, c.classAccuracyMark), c.accuracy, c.speed), c.met)
            << c.accuracy << " " << c.speed;
}

TEST(KeyToPress, FindsTheKeyFingerAndModifiersOfTheNextCharacter)
{
    const auto german = readLayoutFile(QStringLiteral(CLAVORA_SHIPPED_DATA "/Layouts/QWERTZ - German.kbl")).table;
    using S = KeyToPress::Shift;
    struct Case {
        QChar character;
        std::optional<KeyToPress> key;
    };
    const Case cases[] = {
        {u'a', KeyToPress{26, Finger::LeftPinky}},
        {u'A', KeyToPress{26, Finger::LeftPinky, S::Right}},
        {u'z', KeyToPress{18, Finger::RightIndex}},
        {u'&', KeyToPress{6, Finger::RightIndex, S::Left}}, // a caption of "&&"
        {u'@', KeyToPress{13, Finger::LeftPinky, S::None, true}},
        {u'<', KeyToPress{47, Finger::LeftPinky}}, // the 48th key
        {u' ', KeyToPress{-1, Finger::Thumb}},
        {u'\u00ea', std::nullopt}, // typed through a dead key
        {QChar(), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keyToPress(german, c.character), c.key) << int(c.character.unicode());

    EXPECT_EQ(nextCharacter("abc", "ax"), u'c');
    EXPECT_TRUE(nextCharacter("abc", "abc").isNull());
}
