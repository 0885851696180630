// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/GameRecorder.h"
#include "history/TypingRecorder.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

struct Change {
    const char* typed;
    double seconds;
};

struct ExpectedPair {
    char expected;
    char struck;
    int count;
    int timedCount;
    double intervalSeconds;
};

struct RecorderCase {
    const char* name;
    std::vector<Change> changes;
    std::vector<ExpectedPair> pairs;
    int midLineEdits;
    int backspaces;
};

TEST(TypingRecorder, ClassifiesEachChangeOfTheTypingLine)
{
    const QString exercise = QStringLiteral("abc");
    const std::vector<RecorderCase> cases = {
        {"keys at the end pair with the exercise; the first has no interval",
         {{"a", 1.0}, {"ab", 1.25}, {"abc", 1.75}},
         {{'a', 'a', 1, 0, 0.0}, {'b', 'b', 1, 1, 0.25}, {'c', 'c', 1, 1, 0.5}}, 0, 0},
        {"a wrong key pairs the expected with the struck character",
         {{"x", 1.0}, {"xb", 1.5}},
         {{'a', 'x', 1, 0, 0.0}, {'b', 'b', 1, 1, 0.5}}, 0, 0},
        {"backspace at the end is counted apart and the next key pairs with its place",
         {{"x", 1.0}, {"", 1.5}, {"a", 2.0}},
         {{'a', 'x', 1, 0, 0.0}, {'a', 'a', 1, 1, 0.5}}, 0, 1},
        {"a key in place of the last one is a backspace and a key, timed from the one it replaced",
         {{"a", 1.0}, {"ax", 1.5}, {"ab", 2.5}},
         {{'a', 'a', 1, 0, 0.0}, {'b', 'x', 1, 1, 0.5}, {'b', 'b', 1, 1, 1.0}}, 0, 1},
        {"an insertion in the middle is an edit, not a key",
         {{"a", 1.0}, {"ac", 1.5}, {"abc", 2.0}},
         {{'a', 'a', 1, 0, 0.0}, {'b', 'c', 1, 1, 0.5}}, 1, 0},
        {"a deletion in the middle and a pasted text are edits",
         {{"a", 1.0}, {"ab", 1.5}, {"b", 2.0}, {"bbbb", 3.0}},
         {{'a', 'a', 1, 0, 0.0}, {'b', 'b', 1, 1, 0.5}}, 2, 0},
        {"a key past the end of the exercise has no expected character",
         {{"a", 1.0}, {"ab", 2.0}, {"abc", 3.0}, {"abcd", 4.0}},
         {{'a', 'a', 1, 0, 0.0}, {'b', 'b', 1, 1, 1.0}, {'c', 'c', 1, 1, 1.0}, {0, 'd', 1, 1, 1.0}}, 0, 0},
        {"the same pair twice adds up",
         {{"x", 1.0}, {"", 2.0}, {"x", 2.5}},
         {{'a', 'x', 2, 1, 0.5}}, 0, 1},
        {"an unchanged line is nothing",
         {{"a", 1.0}, {"a", 9.0}, {"ab", 9.5}},
         {{'a', 'a', 1, 0, 0.0}, {'b', 'b', 1, 1, 8.5}}, 0, 0},
        {"the interval runs on past midnight",
         {{"a", 86399.75}, {"ab", 0.25}},
         {{'a', 'a', 1, 0, 0.0}, {'b', 'b', 1, 1, 0.5}}, 0, 0},
    };
    for (const RecorderCase& testCase : cases) {
        TypingRecorder recorder;
        recorder.beginAttempt(0.0);
        for (const Change& change : testCase.changes)
            recorder.typingLineChanged(exercise, QString::fromLatin1(change.typed), change.seconds);
        const KeystrokeTally tally = recorder.finishAttempt();
        SCOPED_TRACE(testCase.name);
        ASSERT_EQ(tally.pairs.size(), testCase.pairs.size());
        for (std::size_t i = 0; i < tally.pairs.size(); ++i) {
            EXPECT_EQ(tally.pairs[i].expected, char16_t(testCase.pairs[i].expected)) << i;
            EXPECT_EQ(tally.pairs[i].struck, char16_t(testCase.pairs[i].struck)) << i;
            EXPECT_EQ(tally.pairs[i].count, testCase.pairs[i].count) << i;
            EXPECT_EQ(tally.pairs[i].timedCount, testCase.pairs[i].timedCount) << i;
            EXPECT_DOUBLE_EQ(tally.pairs[i].intervalSeconds, testCase.pairs[i].intervalSeconds) << i;
        }
        EXPECT_EQ(tally.midLineEdits, testCase.midLineEdits);
        EXPECT_EQ(tally.backspaces, testCase.backspaces);
    }
}

TEST(TypingRecorder, KeepsNothingOutsideAnAttempt)
{
    TypingRecorder recorder;
    recorder.typingLineChanged(QStringLiteral("abc"), QStringLiteral("a"), 1.0);
    EXPECT_TRUE(recorder.finishAttempt().empty());

    recorder.beginAttempt(0.0);
    recorder.typingLineChanged(QStringLiteral("abc"), QStringLiteral("a"), 1.0);
    recorder.discardAttempt();
    EXPECT_FALSE(recorder.recording());
    recorder.typingLineChanged(QStringLiteral("abc"), QStringLiteral("ab"), 2.0);
    EXPECT_TRUE(recorder.finishAttempt().empty());

    // A new attempt starts from an empty line, whatever the last one left.
    recorder.beginAttempt(0.0);
    recorder.typingLineChanged(QStringLiteral("abc"), QStringLiteral("a"), 1.0);
    recorder.finishAttempt();
    recorder.beginAttempt(5.0);
    recorder.typingLineChanged(QStringLiteral("xyz"), QStringLiteral("x"), 6.0);
    const KeystrokeTally tally = recorder.finishAttempt();
    ASSERT_EQ(tally.pairs.size(), 1u);
    EXPECT_EQ(tally.pairs[0].expected, u'x');
    EXPECT_EQ(tally.midLineEdits, 0);
}

TEST(GameRecorder, GathersEachLetterAndTheGame)
{
    GameRecorder recorder;
    recorder.letterHit(u'q', 1.0); // before the game: not kept
    const QDateTime start(QDate(2024, 3, 1), QTime(10, 0));
    recorder.beginGame(start, 3);
    recorder.letterHit(u'a', 1.5);
    recorder.letterHit(u'b', 0.5);
    recorder.letterHit(u'a', 2.0);
    recorder.letterExploded(u'b');
    recorder.strayKey(u'z');
    recorder.strayKey(u'a');
    const GameRecord game = recorder.finishGame(start.addSecs(90), 7, 1234);
    EXPECT_FALSE(recorder.recording());
    EXPECT_EQ(game.started, start);
    EXPECT_EQ(game.ended, start.addSecs(90));
    EXPECT_EQ(game.startLevel, 3);
    EXPECT_EQ(game.levelReached, 7);
    EXPECT_EQ(game.score, 1234);
    ASSERT_EQ(game.letters.size(), 3u);
    const GameLetter& a = game.letters[0];
    EXPECT_EQ(a.letter, u'a');
    EXPECT_EQ(a.hits, 2);
    EXPECT_DOUBLE_EQ(a.hitSeconds, 3.5);
    EXPECT_EQ(a.strayKeys, 1);
    EXPECT_EQ(game.letters[1].explosions, 1);
    EXPECT_EQ(game.letters[2].letter, u'z');
    EXPECT_EQ(game.letters[2].strayKeys, 1);
    EXPECT_EQ(game.letters[2].hits, 0);
}

} // namespace
} // namespace clavora
