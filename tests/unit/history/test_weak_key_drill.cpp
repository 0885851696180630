// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExerciseHistoryFixture.h"
#include "exercises/RandomExercises.h"
#include "keyboard/DesktopLayouts.h"
#include "history/NoHistory.h"
#include "keyboard/LayoutFile.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace clavora::test {
namespace {

// 100 strokes of each home-row letter; q missed 50 times, struck as w.
void addWeakQ(FakeHistory& history)
{
    for (const QChar letter : QStringLiteral("asdfjkl"))
        history.addStrokes(letter, 100, 0);
    history.addStrokes(u'q', 100, 50, u'w');
}

struct WeakKeyDrill : ::testing::Test, ExerciseHistoryFixture {
    WeakKeyDrill()
    {
        settings.exerciseType = ExerciseType::Preset;
        settings.lowerCase = true;
        settings.space = true;
        random.seed(7);
        load();
    }
    void typeExercise()
    {
        clock.now += 10;
        control->tick();
        control->typingLineChanged(form().typeThisText);
        control->enterPressed();
    }
};

TEST_F(WeakKeyDrill, RunsTheExerciseFlowOnTheWeakKeysAndLeavesTheTypeAlone)
{
    addWeakQ(history);
    ASSERT_TRUE(control->startWeakKeyDrill());
    EXPECT_TRUE(control->running() && control->drilling());
    EXPECT_FALSE(form().presetSelected); // a random line, so Random shows
    EXPECT_TRUE(ui.messages.empty());
    const QString first = form().typeThisText;
    EXPECT_GT(first.count(u'q') + first.count(u'w'), first.size() / 2) << first.toStdString();
    EXPECT_TRUE(QString(first).remove(QRegularExpression(QStringLiteral("[asdfjklqw ]"))).isEmpty())
        << first.toStdString();

    // Clicking Preset while it runs neither changes the saved type nor the buttons.
    control->presetClicked();
    EXPECT_FALSE(form().presetSelected);
    typeExercise();
    ASSERT_EQ(ui.messages.size(), std::size_t(1));
    EXPECT_TRUE(ui.messages[0].second.startsWith(QStringLiteral("Weak-Key Drill: "))) << ui.messages[0].second.toStdString();
    EXPECT_TRUE(form().logText.startsWith(QStringLiteral("Weak-Key Drill: ")));
    // Passed: the next line comes from the same pool.
    EXPECT_TRUE(control->running() && control->drilling());
    EXPECT_NE(form().typeThisText, first);
    // Kept as a random attempt, the store's kinds unchanged.
    const auto kept = std::find_if(history.attempts.begin(), history.attempts.end(),
                                   [&](const AttemptRecord& attempt) { return attempt.exercise == first; });
    ASSERT_NE(kept, history.attempts.end());
    EXPECT_EQ(kept->source.kind, AttemptKind::Random);

    control->stopExercises();
    EXPECT_FALSE(control->running() || control->drilling());
    EXPECT_EQ(settings.exerciseType, ExerciseType::Preset);
    EXPECT_TRUE(form().presetSelected); // the saved type shows again
    control->startExercises();
    EXPECT_EQ(form().typeThisText, "abc"); // Start is the preset exercises again
}

TEST_F(WeakKeyDrill, NothingToDrillSaysSoAndStartsNothing)
{
    struct Case {
        const char* name;
        bool withStore;
        bool history;
        bool lowerCase;
    } cases[] = {
        {"no store", false, false, true},
        {"no history yet", true, false, true},
        {"no allowed key has data", true, true, false},
    };
    for (const Case& c : cases) {
        FakeHistory fake;
        NoHistory none;
        if (c.history)
            addWeakQ(fake);
        const HistoryFigures& figures = c.withStore ? static_cast<const HistoryFigures&>(fake) : none;
        settings.lowerCase = c.lowerCase;
        settings.numbers = true;
        settings.exerciseType = ExerciseType::Random;
        FakeExerciseUi messages;
        CoachStrokes strokes(settings, folder.path("Coach strokes.txt"));
        ExerciseControl drill(settings, ProgramPaths(folder.path(""), "clavora"), clock, random, clipboard, messages,
                              recorder, figures, strokes);
        drill.load();
        drill.startExercises(); // a running exercise is left alone
        const QString line = drill.form().typeThisText;
        EXPECT_FALSE(drill.startWeakKeyDrill()) << c.name;
        ASSERT_EQ(messages.messages.size(), std::size_t(1)) << c.name;
        EXPECT_EQ(messages.messages[0].first, "No Weak Keys Yet") << c.name;
        EXPECT_TRUE(drill.running() && !drill.drilling()) << c.name;
        EXPECT_EQ(drill.form().typeThisText, line) << c.name;
    }
}

TEST_F(WeakKeyDrill, AltGrCharactersOfTheLayoutFileAreDrilledWithPunctuation)
{
    QDir().mkpath(folder.path("Layouts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CLAVORA_SHIPPED_DATA "/Layouts/QWERTZ - German.kbl"),
                            folder.path("Layouts/QWERTZ - German.kbl")));
    settings.layoutFile = "QWERTZ - German";
    history.addStrokes(u'a', 100, 0);
    history.addStrokes(u'€', 60, 30, u'e');
    for (const bool punctuation : {true, false}) {
        settings.punctuation = punctuation;
        ASSERT_TRUE(control->startWeakKeyDrill());
        // € is missed half the time, struck as e: the two fill the line, € only while allowed.
        const QString line = form().typeThisText;
        EXPECT_EQ(line.count(u'€') > line.size() / 5, punctuation) << line.toStdString();
        EXPECT_GT(line.count(u'e'), line.size() / 5) << line.toStdString();
        control->stopExercises();
    }
}

TEST(DrillKeysAllowed, AltGrCharactersJoinWithThePunctuationClasses)
{
    KeyCapTable layout;
    layout.altGrCaption[0] = QStringLiteral("@");
    layout.altGrCaption[1] = QStringLiteral("€");
    layout.altGrCaption[2] = QStringLiteral("&&");
    layout.altGrCaption[3] = QStringLiteral("{");
    layout.altGrCaption[4] = QStringLiteral("€"); // a second key with the same character
    struct Case {
        const char* name;
        bool punctuation;
        bool shiftedPunctuation;
        bool numberPunctuation;
        bool space;
        QString added; // to the allowed pool
    } cases[] = {
        {"no punctuation class: none", false, false, false, true, ""},
        {"punctuation: each new character once, with blanks", true, false, false, true, "@€&{  "},
        {"shifted punctuation has its own {", false, true, false, true, "@€&  "},
        {"number punctuation has its own @ and &", false, false, true, true, "€{  "},
        {"no blanks without the space", true, false, false, false, "@€&{"},
    };
    for (const Case& c : cases) {
        AppSettings settings;
        settings.lowerCase = true;
        settings.punctuation = c.punctuation;
        settings.shiftedPunctuation = c.shiftedPunctuation;
        settings.numberPunctuation = c.numberPunctuation;
        settings.space = c.space;
        EXPECT_EQ(drillKeysAllowed(settings, layout).toStdString(), (keysAllowed(settings) + c.added).toStdString())
            << c.name;
    }
    // Without an AltGr line the pool is the allowed pool.
    AppSettings settings;
    settings.punctuation = true;
    EXPECT_EQ(drillKeysAllowed(settings, KeyCapTable()), keysAllowed(settings));
    // A desktop layout's allowed pool holds its AltGr class already.
    settings.desktopLayout = QStringLiteral("se");
    EXPECT_EQ(drillKeysAllowed(settings, *desktopLayoutTable({"se", ""})), keysAllowed(settings));
}

} // namespace
} // namespace clavora::test
