// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"
#include "TempFolder.h"
#include "exercises/RandomExercises.h"
#include "game/GameLetters.h"
#include "history/HistoryFixture.h"
#include "history/WeakKeyWeights.h"

namespace clavora::test {
namespace {

// A day of 100 strokes for each of `letters`: the `weak` ones missed 40 times, the others 4
// times, each struck as the next character.
void addMistakes(HistoryStore& store, const QString& letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
                 const QString& weak = QStringLiteral("qp"))
{
    AttemptRecord record = attempt(at(2024, 3, 9), 30);
    for (const QChar letter : letters) {
        const int errors = weak.contains(letter) ? 40 : 4;
        const char16_t next = letter.unicode() + 1;
        record.keystrokes.pairs.push_back({letter.unicode(), letter.unicode(), 100 - errors, 0, 0});
        record.keystrokes.pairs.push_back({letter.unicode(), next, errors, 0, 0});
    }
    ASSERT_TRUE(store.addAttempt(record));
}

TEST(GameLettersTest, WeakKeysOnlyWhenTickedAndTheHistoryHasSome)
{
    HistoryFixture history;
    addMistakes(history.store);
    HistoryFixture empty;
    HistoryFixture upperCaseOnly;
    addMistakes(upperCaseOnly.store, QStringLiteral("ABCPQ"));
    const TempFolder folder;
    const HistoryStore unavailable(folder.write(QStringLiteral("History.sqlite"), QByteArray(4096, 'x')));
    ASSERT_FALSE(unavailable.available());

    AppSettings settings; // lower case and the space bar
    const QString allowed = keysAllowed(settings);
    const QString weighted = WeakKeyWeights::fromHistory(history.queries, allowed).pool();
    ASSERT_GT(weighted.count(u'q'), 3 * weighted.count(u'a'));
    struct Case {
        const char* name;
        bool ticked;
        const HistoryStore* store;
        QString pool;
        bool noWeakKeys;
    } cases[] = {
        {"unticked, a history is left alone", false, &history.store, allowed, false},
        {"unticked without a store", false, nullptr, allowed, false},
        {"ticked: the weights of the history", true, &history.store, weighted, false},
        {"ticked without a store", true, nullptr, allowed, true},
        {"ticked with a store set aside", true, &unavailable, allowed, true},
        {"ticked with an empty history", true, &empty.store, allowed, true},
        {"ticked, mistakes only outside the allowed keys", true, &upperCaseOnly.store, allowed, true},
    };
    for (const Case& c : cases) {
        settings.weakKeyGame = c.ticked;
        const GameLetters letters = gameLetters(settings, c.store, history.clock);
        EXPECT_EQ(letters.pool, c.pool) << c.name;
        EXPECT_EQ(letters.noWeakKeys, c.noWeakKeys) << c.name;
    }
}

// The game window's logic with a history and the lower-case letters.
class WeakKeyGameTest : public GameTest {
protected:
    WeakKeyGameTest()
    {
        settings = AppSettings();
        clock.dateTime = history.clock.dateTime;
    }
    QString weighted() const { return WeakKeyWeights::fromHistory(history.queries, keysAllowed(settings)).pool(); }

    HistoryFixture history;
    GameControl weakGame{settings, clock, random, beep, ui, &history.store};
};

TEST_F(WeakKeyGameTest, TickedTheLettersFollowTheMistakesReadOnceAGame)
{
    addMistakes(history.store);
    const QString before = weighted();
    settings.weakKeyGame = true;
    weakGame.startGame();
    EXPECT_EQ(weakGame.state().allowedKeys, before);
    EXPECT_EQ(weakGame.form().noticeText, gameText(PauseNotice));
    // Mistakes made meanwhile count from the next game on.
    addMistakes(history.store, QStringLiteral("a"), QStringLiteral("a"));
    ASSERT_NE(weighted(), before);
    weakGame.tick();
    EXPECT_EQ(weakGame.state().allowedKeys, before);
    weakGame.endGame();
    weakGame.startGame();
    EXPECT_EQ(weakGame.state().allowedKeys, weighted());
}

} // namespace
} // namespace clavora::test
