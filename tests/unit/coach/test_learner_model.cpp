// SPDX-License-Identifier: GPL-3.0-or-later
// A simulated learner types the course's lines, so that the course is tested as a whole:
// how many lines a new letter takes, and that every letter of every shipped layout comes.
#include "Fakes.h"
#include "TemporaryFolder.h"
#include "coach/CoachCourse.h"
#include "coach/RecentStrokes.h"
#include "keyboard/ChosenLayout.h"
#include "settings/AppSettings.h"

#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <random>

using namespace clavora;
using namespace clavora::test;

namespace {

struct Learner {
    double wordsPerMinute = 20;
    // The share of wrong keys on the line of that number (from 0); each is put right with
    // BackSpace, as the learner would.
    std::function<double(int line)> errorRate = [](int) { return 0.0; };
};

// The number of the line at which each letter after the home row's came.
struct Course {
    std::vector<int> unlockedAtLine;
};

class LearnerModel {
public:
    // `desktopLayout`: a layout of the desktop's database, named `layout`, whose words come from
    // `systemWords`.
    explicit LearnerModel(const QString& layout, const QString& desktopLayout = {}, const QString& systemWords = {})
        : paths_(QStringLiteral("clavora"), folder_.path("config"), folder_.path("user"),
                 QStringLiteral(CLAVORA_SHIPPED_DATA))
        , course_(settings_, paths_, strokes_, systemWords.isEmpty() ? folder_.path("no system lists") : systemWords)
    {
        settings_.layoutFile = layout;
        settings_.desktopLayout = desktopLayout;
        settings_.coachSpeedTarget = 10;
        random_.seed(11);
    }

    Course learn(const Learner& learner, int lines)
    {
        std::mt19937 slips(5);
        std::uniform_real_distribution<double> chance(0.0, 1.0);
        const double interval = 60.0 / (learner.wordsPerMinute * 5);
        Course course;
        for (int line = 0; line < lines && !finished(); ++line) {
            const qsizetype before = settings_.coachKeys.size();
            const QString text = course_.nextLine(random_);
            if (before > 0 && settings_.coachKeys.size() > before)
                course.unlockedAtLine.push_back(line);
            for (const QChar c : text) {
                if (chance(slips) < learner.errorRate(line))
                    strokes_.add(c, false, interval);
                strokes_.add(c, true, interval);
            }
        }
        return course;
    }

    const QString& unlocked() const { return settings_.coachKeys; }
    QString nextLine() { return course_.nextLine(random_); }
    bool finished() const
    {
        return unlocked() == courseKeys(readChosenLayout(settings_, paths_).table).letters;
    }

private:
    TemporaryFolder folder_;
    AppSettings settings_;
    ProgramPaths paths_;
    RecentStrokes strokes_;
    CoachCourse course_;
    FakeRandom random_;
};

double linesPerLetter(const Course& course)
{
    return course.unlockedAtLine.empty() ? 0 : double(course.unlockedAtLine.back()) / course.unlockedAtLine.size();
}

} // namespace

TEST(LearnerModel, ALearnerAtFifteenPercentWrongKeysUnlocksNothing)
{
    LearnerModel model("QWERTY - United States");
    const Course course = model.learn({30, [](int) { return 0.15; }}, 200);
    EXPECT_TRUE(course.unlockedAtLine.empty()) << model.unlocked().toStdString();
}

TEST(LearnerModel, ANewLetterComesWithinTenLinesOnceMistakesFallBelowFivePercent)
{
    // 12 % wrong keys for ten lines, then 8, 6, 4 and 2 % for ten lines each.
    const auto falling = [](int line) {
        constexpr double rates[] = {0.12, 0.08, 0.06, 0.04, 0.02};
        return rates[std::min(line / 10, 4)];
    };
    LearnerModel model("QWERTY - United States");
    const Course course = model.learn({20, falling}, 40);
    ASSERT_FALSE(course.unlockedAtLine.empty());
    EXPECT_GE(course.unlockedAtLine.front(), 10) << "not at 12 %";
    EXPECT_LT(course.unlockedAtLine.front(), 30 + 10);
}

TEST(LearnerModel, EveryShippedLayoutsCourseIsFinishedInItsLanguage)
{
    struct Case {
        const char* layout;
        Learner learner;
        double mostLinesPerLetter; // on average
    };
    const Case cases[] = {
        {"QWERTY - United States", {40}, 5},
        {"QWERTY - United Kingdom", {40}, 5},
        {"QWERTZ - German", {40}, 5},
        {"AZERTY - French", {40}, 5},
        {"Dvorak - United States", {40}, 5},
        {"Colemak - United States", {40}, 5},
        // Slower, with a slip in fifty: still done, a little more slowly.
        {"QWERTY - United States", {15, [](int) { return 0.02; }}, 10},
        {"QWERTZ - German", {15, [](int) { return 0.02; }}, 10},
        {"AZERTY - French", {15, [](int) { return 0.02; }}, 10},
    };
    for (const Case& c : cases) {
        LearnerModel model(c.layout);
        const Course course = model.learn(c.learner, 1000);
        EXPECT_TRUE(model.finished()) << c.layout << ": " << model.unlocked().toStdString();
        EXPECT_LE(linesPerLetter(course), c.mostLinesPerLetter) << c.layout;
        std::printf("%s at %g WPM: %d letters in %d lines, %.1f lines a letter\n", c.layout, c.learner.wordsPerMinute,
                    int(course.unlockedAtLine.size()), course.unlockedAtLine.empty() ? 0 : course.unlockedAtLine.back(),
                    linesPerLetter(course));
    }
}

TEST(LearnerModel, TheCourseOfADesktopLayoutIsFinishedInItsLanguagesWords)
{
    const struct {
        const char* layout;
        const char* desktopLayout;
        const char* wordList; // installed for the tests: wswedish, wspanish, wpolish
    } cases[] = {
        {"Swedish", "se", "swedish"},
        {"Spanish", "es", "spanish"},
        {"Polish", "pl", "polish"},
    };
    for (const auto& c : cases) {
        const QString words = QStringLiteral("/usr/share/dict/") + c.wordList;
        ASSERT_TRUE(QFileInfo::exists(words)) << c.wordList << " is not installed";
        LearnerModel model(c.layout, c.desktopLayout, QStringLiteral("/usr/share/dict"));
        const Course course = model.learn({40}, 1000);
        EXPECT_TRUE(model.finished()) << c.layout << ": " << model.unlocked().toStdString();
        EXPECT_LE(linesPerLetter(course), 5) << c.layout;
        // Its words are the language's: the lines of a finished course hold its own letters.
        const QString line = model.nextLine();
        EXPECT_FALSE(line.isEmpty()) << c.layout;
        std::printf("%s: %d letters in %d lines, %.1f lines a letter; \"%s\"\n", c.layout,
                    int(course.unlockedAtLine.size()), course.unlockedAtLine.empty() ? 0 : course.unlockedAtLine.back(),
                    linesPerLetter(course), line.toStdString().c_str());
    }
}
