// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExerciseHistoryFixture.h"
#include "game/GameControl.h"

#include <QSqlError>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace clavora::test {
namespace {

// The rows of a query as text, columns joined by "|", rows by ";".
QString rows(const HistoryStore& store, const QString& sql)
{
    QSqlQuery query(store.database());
    QStringList result;
    if (!query.exec(sql))
        return query.lastError().text();
    while (query.next()) {
        QStringList columns;
        for (int i = 0; i < query.record().count(); ++i)
            columns << query.value(i).toString();
        result << columns.join(u'|');
    }
    return result.join(u';');
}

struct ExerciseRecording : ::testing::Test, ExerciseHistoryFixture {
    ExerciseRecording()
    {
        settings.quickExerciseCount = 5;
        settings.quickRepeats = 1;
        settings.quickNumberFrom = 2;
        settings.quickNumberTo = 2;
        settings.lowerCase = false;
        settings.space = false;
        settings.custom = true;
        settings.customKeys = "q";
        load();
    }
    // Puts each line into the typing line in turn, `step` seconds apart, then presses ENTER.
    void typeLines(const QStringList& lines, double step = 0.5)
    {
        for (const QString& line : lines) {
            clock.now += step;
            control->tick();
            control->typingLineChanged(line);
        }
        control->enterPressed();
    }
    QString attempts() const
    {
        return rows(store, "SELECT kind, quick_run, preset_file, exercise_number, typed, seconds, correct, accuracy,"
                           " passed FROM attempts ORDER BY id");
    }
};

TEST_F(ExerciseRecording, EachAttemptIsKeptAtEnterWithItsSource)
{
    struct Case {
        const char* what;
        std::function<void(ExerciseRecording&)> start;
        const char* attempt;
    };
    const Case cases[] = {
        {"preset",
         [](ExerciseRecording& t) { t.control->startExercises(); },
         "0|0|set|1|abc|1.5|3|100|1"},
        {"random",
         [](ExerciseRecording& t) {
             t.control->randomClicked();
             t.random.fallback = 0.0;
             t.control->startExercises();
         },
         "1|0||0|abc|1.5|0|0|1"},
        {"quick run",
         [](ExerciseRecording& t) { t.control->startQuickRun(); },
         "0|1|set|2|abc|1.5|0|0|1"},
    };
    for (const Case& c : cases) {
        QSqlQuery(store.database()).exec("DELETE FROM attempts");
        c.start(*this);
        const QString exercise = form().typeThisText;
        typeLines({"a", "ab", "abc"});
        EXPECT_EQ(attempts(), c.attempt) << c.what;
        EXPECT_EQ(rows(store, "SELECT exercise FROM attempts"), exercise) << c.what;
        control->stopExercises();
    }
}

TEST_F(ExerciseRecording, KeysArePairedWithTheExerciseAndNothingIsWrittenBeforeEnter)
{
    control->startExercises(); // "abc"
    const QStringList lines = {"a", "ax", "a", "ab", "Zab", "Zabc", "Zabcd"};
    for (const QString& line : lines) {
        clock.now += 0.25;
        control->typingLineChanged(line);
    }
    EXPECT_EQ(rows(store, "SELECT COUNT(*) FROM attempts"), "0");
    EXPECT_EQ(rows(store, "SELECT COUNT(*) FROM keystrokes"), "0");
    control->enterPressed();
    // The first key has no interval. After "Z" went in mid-line, "c" and "d" were struck
    // past the exercise's end.
    EXPECT_EQ(rows(store, "SELECT expected, struck, count, timed_count, interval_sum FROM keystrokes"
                          " ORDER BY expected, struck"),
              "0|99|1|1|0.25;0|100|1|1|0.25;97|97|1|0|0;98|98|1|1|0.25;98|120|1|1|0.25");
    EXPECT_EQ(rows(store, "SELECT mid_line_edits, backspaces FROM line_edits"), "1|1");
}

TEST_F(ExerciseRecording, NothingIsKeptWhenStoppedOrNotRecording)
{
    control->startExercises();
    control->typingLineChanged("ab");
    control->stopExercises();

    settings.recordProgress = false;
    control->startExercises();
    typeLines({"abc"});
    control->stopExercises();

    // Switched off in the middle of an attempt: that attempt is not kept either.
    settings.recordProgress = true;
    control->startExercises();
    control->typingLineChanged("a");
    settings.recordProgress = false;
    typeLines({"ab"});

    // A random line drawn from no keys at all.
    settings.recordProgress = true;
    settings.custom = false;
    control->stopExercises();
    control->randomClicked();
    control->startExercises();
    typeLines({"x"});
    EXPECT_EQ(rows(store, "SELECT COUNT(*) FROM attempts"), "0");
    EXPECT_EQ(rows(store, "SELECT COUNT(*) FROM keystrokes"), "0");
}

TEST_F(ExerciseRecording, AFailingStoreNeverStopsTheExercises)
{
    HistoryStore broken(QStringLiteral("/proc/clavora-no-such-place/History.sqlite"));
    ExerciseControl other(settings, ProgramPaths(folder.path(""), "clavora"), clock, random, clipboard, ui, &broken);
    other.load();
    other.startExercises();
    other.typingLineChanged("abc");
    other.enterPressed();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(other.running());
    EXPECT_EQ(other.form().typeThisText, "xyz");
}

// The game window's logic with an in-memory history; "a" is the only letter.
struct GameRecording : ::testing::Test, HistoryFixture {
    AppSettings settings;
    FakeRandom random;
    FakeBeep beep;
    FakeGameUi ui;
    GameControl game{settings, clock, random, beep, ui, &store};

    GameRecording()
    {
        settings.lowerCase = false;
        settings.space = false;
        settings.custom = true;
        settings.customKeys = "a";
        random.fallback = 0.5;
        clock.now = 1000.0;
        game.load();
        game.startLevelChanged("3");
    }
    void at(double seconds, std::optional<QChar> key = {})
    {
        clock.now = seconds;
        if (key)
            game.keyPressed(*key);
        else
            game.tick();
    }
    QString games() const { return rows(store, "SELECT start_level, level_reached, score FROM games"); }
    QString letters() const
    {
        return rows(store,
                    "SELECT letter, hits, hit_seconds > 0, explosions, stray_keys FROM game_letters ORDER BY letter");
    }
};

TEST_F(GameRecording, HitsStrayKeysAndTheExplosionAreKeptWhenTheGameEnds)
{
    game.startGame();
    at(1001.0);          // the first letter
    at(1001.5, u'a');    // a hit
    at(1001.6, u'b');    // no b on screen: a stray key, and a penalty letter
    EXPECT_EQ(games(), "");
    for (double t = 1001.625; game.running(); t += 0.025)
        at(t);
    EXPECT_EQ(games(), "3|3|0");
    EXPECT_EQ(letters(), "97|1|1|1|0;98|0|0|0|1");
}

TEST_F(GameRecording, AGameIsKeptWhenEndedOrClosedAndOnlyWhileRecording)
{
    game.startGame();
    at(1001.0);
    game.endGame();
    EXPECT_EQ(rows(store, "SELECT COUNT(*) FROM games"), "1");

    game.startGame();
    game.pauseClicked();
    game.unload(); // the window closes on a paused game
    EXPECT_EQ(rows(store, "SELECT COUNT(*) FROM games"), "2");
    game.leaving(); // nothing under way: nothing more
    EXPECT_EQ(rows(store, "SELECT COUNT(*) FROM games"), "2");

    settings.recordProgress = false;
    game.startGame();
    game.endGame();
    EXPECT_EQ(rows(store, "SELECT COUNT(*) FROM games"), "2");
}

} // namespace
} // namespace clavora::test
