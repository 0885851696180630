// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "TemporaryFolder.h"
#include "coach/CoachStrokes.h"
#include "coach/RecentStrokes.h"
#include "exercises/ExerciseControl.h"
#include "history/NoHistory.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

namespace {
struct Control : ::testing::Test {
    TemporaryFolder folder;
    AppSettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeClipboard clipboard;
    FakeExerciseUi ui;
    NoHistory history;
    std::unique_ptr<CoachStrokes> strokes;
    std::unique_ptr<ExerciseControl> control;

    Control()
    {
        QDir().mkpath(folder.path("Exercises"));
        QByteArray text;
        for (int i = 1; i <= 5; ++i)
            text += "exercise " + QByteArray::number(i) + "\r\n";
        folder.write("Exercises/set.txt", text);
        settings.presetFile = "set";
        settings.repeats = 1;
        settings.quickExerciseCount = 3;
        settings.quickRepeats = 2;
        settings.quickNumberFrom = 1;
        settings.quickNumberTo = 5;
        strokes = std::make_unique<CoachStrokes>(settings, ProgramPaths(folder.path(""), "clavora").recentStrokesFile());
        control = std::make_unique<ExerciseControl>(settings, ProgramPaths(folder.path(""), "clavora"), clock,
                                                    random, clipboard, ui, history, history, *strokes);
        control->load();
    }
    const MainForm& form() const { return control->form(); }
    void setNumber(const QString& text) { control->numberChanged(text); }
    // Types the current exercise after `seconds` and presses ENTER.
    void typeExercise(double seconds = 12.0, const QString& typed = {})
    {
        clock.now += seconds;
        control->tick();
        control->typingLineChanged(typed.isNull() ? form().typeThisText : typed);
        control->enterPressed();
    }
    QString lastMessage() const { return ui.messages.empty() ? QString() : ui.messages.back().second; }
};
} // namespace

TEST_F(Control, StartEntersTheRunningStateWithTheExercise)
{
    setNumber("2");
    control->startExercises();
    EXPECT_TRUE(control->running());
    EXPECT_EQ(form().typeThisText, "exercise 2");
    EXPECT_EQ(form().exerciseText, "");
    EXPECT_FALSE(form().startEnabled);
    EXPECT_TRUE(form().stopEnabled && form().exerciseNumberReadOnly && form().exerciseEnabled && form().timerEnabled);
    EXPECT_EQ(form().timeText, "0.0");
    EXPECT_EQ(ui.typingFocus, 1);

    control->stopExercises();
    EXPECT_FALSE(control->running());
    EXPECT_EQ(form().typeThisText, SampleText);
    EXPECT_EQ(form().exerciseText, SampleText);
    EXPECT_TRUE(form().startEnabled && !form().stopEnabled && !form().timerEnabled);
    EXPECT_EQ(form().timeText, "");
    EXPECT_EQ(form().exerciseNumberText, "2");
}

TEST_F(Control, NumbersThatFindNoExerciseReportNotFound)
{
    for (const QString number : {"500", "0", "-4", "abc", "99999999999"}) {
        ui.messages.clear();
        setNumber(number);
        control->startExercises();
        EXPECT_FALSE(control->running()) << number.toStdString();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].first, "Exercise Not Found");
        EXPECT_EQ(ui.messages[0].second, "Invalid exercise number.  Please try a lower number.");
        EXPECT_EQ(form().exerciseNumberText, number); // left for correction
    }
    EXPECT_EQ(ui.numberFocus, 5);
    setNumber("2.5"); // rounds to the even 2
    control->startExercises();
    EXPECT_EQ(form().typeThisText, "exercise 2");
}

TEST_F(Control, NumberBoxIsNormalisedWhenItLosesTheFocus)
{
    const std::pair<QString, QString> cases[] = {{"0", "1"},   {"-4", "1"},    {"abc", "1"}, {"", "1"},
                                                 {"12.9", "12"}, {"7x", "7"}, {"1e400", "1"}, {"3000000000", "1"}};
    for (const auto& [in, out] : cases) {
        setNumber(in);
        control->numberFocusLost();
        EXPECT_EQ(form().exerciseNumberText, out) << in.toStdString();
    }
}

TEST_F(Control, TypeCannotChangeWhileRunningAndTypingANumberChoosesPreset)
{
    control->randomClicked();
    EXPECT_EQ(settings.exerciseType, ExerciseType::Random);
    setNumber("3");
    EXPECT_EQ(settings.exerciseType, ExerciseType::Preset);
    EXPECT_TRUE(form().presetSelected);
    control->startExercises();
    control->randomClicked();
    EXPECT_TRUE(form().presetSelected);
    EXPECT_EQ(settings.exerciseType, ExerciseType::Preset);
}

TEST_F(Control, TypingLineKeepsFortyCharacters)
{
    control->startExercises();
    control->typingLineChanged(QString(100, 'x'));
    EXPECT_EQ(form().exerciseText, QString(40, 'x'));
}

TEST_F(Control, ClockCountsAcrossMidnight)
{
    clock.now = 86399.0;
    control->startExercises();
    clock.now = 0.5;
    control->tick();
    EXPECT_EQ(form().timeText, QLocale().toString(1.5, 'f', 1));
    clock.now = 2.0;
    control->tick();
    EXPECT_EQ(form().timeText, QLocale().toString(3.0, 'f', 1));
}

TEST_F(Control, ClipboardGuardReplacesOnlyPiecesOfTheExercise)
{
    control->startExercises(); // "exercise 1"
    struct Case {
        QString content;
        bool holdsText;
        bool replaced;
    };
    const Case cases[] = {{"cise", true, true}, {"e", true, true}, {"other", true, false},
                          {"", true, false},    {"", false, false}};
    for (const Case& c : cases) {
        clipboard.content = c.content;
        clipboard.holdsText = c.holdsText;
        clipboard.writes = 0;
        control->tick();
        EXPECT_EQ(clipboard.writes, c.replaced ? 1 : 0) << c.content.toStdString();
        if (c.replaced) {
            EXPECT_EQ(clipboard.content, " LOL, nice try xD ");
        }
    }
    control->stopExercises();
    clipboard.content = "cise";
    control->tick();
    EXPECT_EQ(clipboard.content, "cise");
}

TEST_F(Control, PassesRepeatAndAdvanceToTheEndOfTheFile)
{
    settings.repeats = 2;
    setNumber("4");
    control->startExercises();
    typeExercise();
    EXPECT_TRUE(lastMessage().startsWith("Preset Exercise #4 (1 of 2): 10/10 (100%) correct, 12"));
    EXPECT_EQ(form().typeThisText, "exercise 4");
    typeExercise();
    EXPECT_TRUE(lastMessage().startsWith("Preset Exercise #4 (2 of 2)"));
    EXPECT_EQ(form().typeThisText, "exercise 5");
    EXPECT_EQ(form().exerciseNumberText, "5");
    typeExercise();
    typeExercise();
    EXPECT_FALSE(control->running()); // no exercise 6: stopped silently
    EXPECT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(form().exerciseNumberText, "5");
    EXPECT_EQ(settings.exerciseNumber, 6);
    EXPECT_EQ(form().logText.count("\r\n"), 3);
}

TEST_F(Control, MissedMarkRepeatsThePassWithTheSameNumber)
{
    settings.repeats = 3;
    settings.minAccuracy = 90;
    control->startExercises();
    typeExercise(12.0, "exercise 9"); // 9 of 10 right: 90% passes
    typeExercise(12.0, "xxxxxxxxxx");
    EXPECT_TRUE(lastMessage().startsWith("Preset Exercise #1 (2 of 3)"));
    EXPECT_TRUE(lastMessage().endsWith("\r\nLess than 90% correct - try again."));
    typeExercise();
    EXPECT_TRUE(lastMessage().startsWith("Preset Exercise #1 (2 of 3)"));
    EXPECT_TRUE(form().logText.endsWith("correct WPM."));
    EXPECT_TRUE(form().logText.contains("WPM.  Less than 90% correct - try again.\r\n"));
}

TEST_F(Control, RepeatsBeyondSixteenBitsAreClamped)
{
    settings.repeats = 100000;
    control->startExercises();
    typeExercise();
    EXPECT_TRUE(lastMessage().startsWith("Preset Exercise #1 (1 of 32767)"));
}

TEST_F(Control, QuickRunClosesAfterItsNumberOfExercises)
{
    random.fallback = 0.5; // picks exercise 3 of 1..5
    control->startQuickRun();
    EXPECT_TRUE(control->quickRun());
    EXPECT_EQ(form().caption, QuickExercisesCaption);
    EXPECT_EQ(form().exerciseNumberText, "3");
    for (int pass = 1; pass <= 5; ++pass) {
        typeExercise();
        EXPECT_EQ(ui.quickRunEnds, 0) << pass;
    }
    typeExercise();
    EXPECT_EQ(ui.quickRunEnds, 1);
    EXPECT_TRUE(lastMessage().startsWith("Preset Exercise #3 (2 of 2)"));
}

TEST_F(Control, QuickPickHandlesAReversedRange)
{
    settings.quickNumberFrom = 10;
    settings.quickNumberTo = 5; // width -4: picks from 6 to 10
    for (const auto& [r, expected] : std::vector<std::pair<double, QString>>{{0.0, "10"}, {0.99, "6"}}) {
        random.queued = {r};
        control->startQuickRun();
        EXPECT_EQ(form().exerciseNumberText, expected);
        control->stopExercises();
    }
}

TEST_F(Control, StopEndsTheQuickRun)
{
    control->startQuickRun();
    control->stopExercises();
    EXPECT_FALSE(control->quickRun());
    EXPECT_EQ(form().caption, ExercisesCaption);
}

TEST_F(Control, RandomExercisesAreReplacedWhenDone)
{
    settings.exerciseType = ExerciseType::Random;
    control->load();
    random.fallback = 0.0; // always "a"
    control->startExercises();
    EXPECT_EQ(form().typeThisText, QString(40, 'a'));
    typeExercise();
    EXPECT_TRUE(lastMessage().startsWith("Random Key Exercise - level 2: 40/40"));
    EXPECT_TRUE(control->running());
}

TEST_F(Control, EmptyRandomPoolStartsAnEmptyLine)
{
    settings.exerciseType = ExerciseType::Random;
    settings.lowerCase = false;
    settings.space = false;
    control->load();
    control->startExercises();
    EXPECT_TRUE(control->running());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(form().typeThisText, QString());
    control->enterPressed();
    EXPECT_TRUE(lastMessage().startsWith("Random Key Exercise - level 0: 0/0 (0%) correct"));
    EXPECT_TRUE(control->running());
}

TEST_F(Control, EnterBeforeTheFirstTickGivesZeroSpeed)
{
    control->startExercises();
    control->typingLineChanged("exercise 1");
    control->enterPressed();
    EXPECT_TRUE(lastMessage().contains(": 10/10 (100%) correct, 0.0 seconds, 0 WPM, 0 correct WPM."));
}

TEST_F(Control, SaveLogProposesADatedNameAndReportsFailures)
{
    ui.saveAnswer = std::nullopt;
    control->saveLogClicked();
    EXPECT_EQ(ui.proposedName, folder.path("Logs/2010-12-11 14-05-09.txt"));
    EXPECT_EQ(ui.saveTitle, "Save Log As . . .");
    EXPECT_EQ(ui.filters, (QStringList{"Text Documents (*.txt)", "Log Files (*.log)", "All Files (*.*)"}));
    EXPECT_TRUE(QDir(folder.path("Logs")).exists());
    EXPECT_TRUE(ui.messages.empty());

    ui.saveAnswer = folder.path("no/such/folder/log");
    control->saveLogClicked();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].first, "Save Error");
    EXPECT_EQ(ui.messages[0].second, "An error occurred while saving the log.");

    control->startExercises();
    ui.saveAnswer = folder.path("log");
    control->saveLogClicked();
    EXPECT_TRUE(form().timerEnabled); // saving does not stop the clock
    EXPECT_TRUE(QFile::exists(folder.path("log")));
}

TEST_F(Control, CoachedLinesTimeFromTheFirstKeyMarkMistakesAndRepeatBelowTheCoachsMarks)
{
    settings.coach = true;
    control->startExercises();
    clock.now += 30.0; // reading the line
    control->tick();
    EXPECT_EQ(form().timeText, "0.0");
    control->typingLineChanged("exr");
    EXPECT_EQ(form().wrongCharacters, (std::vector<MarkedRange>{{2, 1}}));
    struct Case {
        double seconds;
        QString typed;
        QString strip;
        QString next;
    };
    const Case cases[] = {
        // A failed line's own figures beside the missed mark, and every mistake the log has.
        {6.0, "exercize 1", "(90%) correct, 6.0 seconds, 20 WPM, 18 correct WPM.  Less than 95% correct - try again.\n"
                            "Mistakes: expected s, typed z", "exercise 1"},
        {6.0, "exercise 1", "20 WPM, 20 correct WPM.", "exercise 2"},
        {60.0, "exercise 2", "Slower than 10 WPM - try again.", "exercise 2"},
    };
    for (const Case& c : cases) {
        control->typingLineChanged(c.typed.left(1));
        clock.now += c.seconds;
        control->typingLineChanged(c.typed);
        control->enterPressed();
        EXPECT_TRUE(form().resultStripText.endsWith(c.strip)) << form().resultStripText.toStdString();
        EXPECT_EQ(form().typeThisText, c.next);
    }
    control->speedTargetChanged(30); // the learner's own target, at once
    control->typingLineChanged("e");
    clock.now += 6.0;
    typeExercise(0.0);
    EXPECT_TRUE(form().resultStripText.endsWith("Slower than 30 WPM - try again.")) << form().resultStripText.toStdString();
    EXPECT_EQ(settings.coachSpeedTarget, 30);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(form().logText.contains("try again.  Mistakes: expected s, typed z\r\n"));
}

TEST_F(Control, StoppingAtAWrongKeyHoldsTheLineUntilTheRightOne)
{
    settings.coach = true; // the line is "exercise 1"
    struct Case {
        bool stops;
        QString keys; // each struck at the end of the line
        QString shown;
        std::vector<MarkedRange> wrong;
    };
    const Case cases[] = {
        {false, "exzzc", "exzzc", {{2, 2}}},
        {true, "exzqe", "exe", {}}, // z, then q in its place, until the e came
        {true, "exzq", "exq", {{2, 1}}},
    };
    for (const Case& c : cases) {
        settings.coachStopsAtWrongKey = c.stops;
        control->startExercises();
        for (const QChar key : c.keys)
            control->typingLineChanged(form().exerciseText + key);
        EXPECT_EQ(form().exerciseText, c.shown) << c.keys.toStdString();
        EXPECT_EQ(form().wrongCharacters, c.wrong) << c.keys.toStdString();
        control->stopExercises();
    }
}

TEST_F(Control, CoachedRandomLinesFollowTheCourseAndUnlockFromTheRecentStrokes)
{
    QDir().mkpath(folder.path("Layouts"));
    QFile::copy(CLAVORA_SHIPPED_DATA "/Layouts/QWERTY - United States.kbl", folder.path("Layouts/QWERTY - United States.kbl"));
    settings.coach = true;
    settings.layoutFile = "QWERTY - United States";
    for (const bool learnt : {false, true}) {
        // Twenty right strokes of each home key at 30 WPM, kept from an earlier run.
        RecentStrokes earlier;
        for (const QChar key : QStringLiteral("fghjdksla"))
            for (int i = 0; i < RecentStrokes::Kept; ++i)
                earlier.add(key, learnt, 0.4);
        ASSERT_TRUE(earlier.save(ProgramPaths(folder.path(""), "clavora").recentStrokesFile()).ok);
        settings.coachKeys.clear();
        CoachStrokes kept(settings, ProgramPaths(folder.path(""), "clavora").recentStrokesFile());
        ExerciseControl coached(settings, ProgramPaths(folder.path(""), "clavora"), clock, random, clipboard, ui,
                                history, history, kept);
        coached.load();
        coached.randomClicked();
        coached.startExercises();
        EXPECT_EQ(settings.coachKeys, learnt ? "fghjdkslar" : "fghjdksla");
        const QString line = coached.form().typeThisText;
        EXPECT_TRUE(QRegularExpression(learnt ? "^[fghjdklsar ]+$" : "^[fghjdkls a]+$").match(line).hasMatch()) << line.toStdString();
        EXPECT_EQ(coached.form().resultStripText, learnt ? "9 of 10 letters ready; needing more strokes: r"
                                                         : "0 of 9 letters ready; needing accuracy: f, g, h, j, d, k, s, l, a");
        // The same for the keyboard, letter by letter.
        EXPECT_EQ(coached.form().keyReadiness.size(), settings.coachKeys.size());
        EXPECT_EQ(coached.form().keyReadiness.value(u'f'), learnt ? 1.0 : 0.0);
        for (int typed = 1; typed <= line.size(); ++typed)
            coached.typingLineChanged(line.left(typed));
        coached.enterPressed();
        EXPECT_TRUE(coached.form().logText.startsWith(learnt ? "Coach's course - keys fghjdksla" "r, next t"
                                                             : "Coach's course - keys fghjdksla, next r"))
            << coached.form().logText.toStdString();
        // The line's strokes are kept for the next run.
        EXPECT_NE(RecentStrokes::read(ProgramPaths(folder.path(""), "clavora").recentStrokesFile()).text(), earlier.text());
    }

    // The letters kept in the settings are where the course goes on from.
    settings.coachKeys = "fghjdkslart";
    ExerciseControl goesOn(settings, ProgramPaths(folder.path(""), "clavora"), clock, random, clipboard, ui, history,
                           history, *strokes);
    goesOn.load();
    goesOn.randomClicked();
    goesOn.startExercises();
    EXPECT_TRUE(goesOn.form().resultStripText.contains(" of 11 letters ready")) << goesOn.form().resultStripText.toStdString();
}
