// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExerciseHistoryFixture.h"
#include "game/GameControl.h"

#include <gtest/gtest.h>

namespace clavora::test {
namespace {

// Records as text, fields joined by "|", records by ";".
template<typename Record>
QString rows(const std::vector<Record>& records, const std::function<QVariantList(const Record&)>& fields)
{
    QStringList result;
    for (const Record& record : records) {
        QStringList columns;
        for (const QVariant& field : fields(record))
            columns << field.toString();
        result << columns.join(u'|');
    }
    return result.join(u';');
}

std::vector<KeystrokePair> keystrokes(const FakeHistory& history)
{
    std::vector<KeystrokePair> pairs;
    for (const AttemptRecord& attempt : history.attempts)
        pairs.insert(pairs.end(), attempt.keystrokes.pairs.begin(), attempt.keystrokes.pairs.end());
    std::sort(pairs.begin(), pairs.end(), [](const KeystrokePair& a, const KeystrokePair& b) {
        return std::pair(a.expected, a.struck) < std::pair(b.expected, b.struck);
    });
    return pairs;
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
        return rows<AttemptRecord>(history.attempts, [](const AttemptRecord& a) -> QVariantList {
            return {int(a.source.kind), int(a.source.quickRun), a.source.presetFile, a.source.exerciseNumber, a.typed,
                    a.seconds, a.correct, a.accuracy, int(a.passed)};
        });
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
        history.attempts.clear();
        c.start(*this);
        const QString exercise = form().typeThisText;
        typeLines({"a", "ab", "abc"});
        EXPECT_EQ(attempts(), c.attempt) << c.what;
        EXPECT_EQ(rows<AttemptRecord>(history.attempts, [](const AttemptRecord& a) -> QVariantList { return {a.exercise}; }),
                  exercise) << c.what;
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
    EXPECT_EQ(history.attempts.size(), 0u);
    control->enterPressed();
    // The first key has no interval. After "Z" went in mid-line, "c" and "d" were struck
    // past the exercise's end.
    EXPECT_EQ(rows<KeystrokePair>(keystrokes(history),
                                  [](const KeystrokePair& k) -> QVariantList {
                                      return {int(k.expected), int(k.struck), k.count, k.timedCount, k.intervalSeconds};
                                  }),
              "0|99|1|1|0.25;0|100|1|1|0.25;97|97|1|0|0;98|98|1|1|0.25;98|120|1|1|0.25");
    EXPECT_EQ(rows<AttemptRecord>(history.attempts,
                                  [](const AttemptRecord& a) -> QVariantList {
                                      return {a.keystrokes.midLineEdits, a.keystrokes.backspaces};
                                  }),
              "1|1");
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
    EXPECT_EQ(history.attempts.size(), 0u);

    // A random line drawn from no keys at all.
    settings.recordProgress = true;
    settings.custom = false;
    control->stopExercises();
    control->randomClicked();
    control->startExercises();
    typeLines({"x"});
    EXPECT_EQ(history.attempts.size(), 0u);
}

TEST_F(ExerciseRecording, AFailingStoreNeverStopsTheExercises)
{
    FakeHistory broken;
    broken.writable = false;
    ExerciseControl other(settings, ProgramPaths(folder.path(""), "clavora"), clock, random, clipboard, ui, broken,
                          broken, strokes);
    other.load();
    other.startExercises();
    other.typingLineChanged("abc");
    other.enterPressed();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(other.running());
    EXPECT_EQ(other.form().typeThisText, "xyz");
}

// The game window's logic with a history in memory; "a" is the only letter.
struct GameRecording : ::testing::Test {
    FakeClock clock;
    AppSettings settings;
    FakeHistory history;
    RecordingSwitch recorder{settings, history};
    FakeRandom random;
    FakeBeep beep;
    FakeGameUi ui;
    CoachStrokes strokes{settings, QString()};
    GameControl game{settings, clock, random, beep, ui, recorder, history, strokes};

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
    QString games() const
    {
        return rows<GameRecord>(history.games, [](const GameRecord& g) -> QVariantList {
            return {g.startLevel, g.levelReached, qint64(g.score)};
        });
    }
    QString letters() const
    {
        std::vector<GameLetter> letters;
        for (const GameRecord& game : history.games)
            letters.insert(letters.end(), game.letters.begin(), game.letters.end());
        std::sort(letters.begin(), letters.end(), [](const GameLetter& a, const GameLetter& b) { return a.letter < b.letter; });
        return rows<GameLetter>(letters, [](const GameLetter& l) -> QVariantList {
            return {int(l.letter), l.hits, int(l.hitSeconds > 0), l.explosions, l.strayKeys};
        });
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
    EXPECT_EQ(history.games.size(), 1u);

    game.startGame();
    game.pauseClicked();
    game.unload(); // the window closes on a paused game
    EXPECT_EQ(history.games.size(), 2u);
    game.leaving(); // nothing under way: nothing more
    EXPECT_EQ(history.games.size(), 2u);

    settings.recordProgress = false;
    game.startGame();
    game.endGame();
    EXPECT_EQ(history.games.size(), 2u);
}

} // namespace
} // namespace clavora::test
