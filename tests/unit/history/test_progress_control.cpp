// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFixture.h"
#include "TemporaryFolder.h"
#include "progress/ProgressControl.h"
#include "progress/ProgressUi.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

using namespace test;

class FakeProgressUi final : public ProgressUi {
public:
    std::vector<std::pair<QString, QString>> messages;
    bool answerYes = false;
    int questions = 0;
    std::optional<QString> saveAnswer;
    QString proposedName;
    void showMessage(const QString& title, const QString& text) override { messages.emplace_back(title, text); }
    bool confirm(const QString&, const QString& text) override
    {
        ++questions;
        question = text;
        return answerYes;
    }
    QString question;
    std::optional<QString> askSaveFileName(const QString& proposed, const QStringList&, const QString&) override
    {
        proposedName = proposed;
        return saveAnswer;
    }
    QByteArray printed(const std::vector<ReportPage>&, const QString&) override { return {}; }
};

class ProgressControlTest : public ::testing::Test {
protected:
    ProgressControlTest()
    {
        AttemptRecord record = attempt(at(2024, 3, 10), 40, 35, 90);
        record.keystrokes.pairs = {{u'e', u'r', 37}, {u' ', u'x', 1}};
        history.store.addAttempt(record);
        history.store.addAttempt(attempt(at(2024, 2, 1), 20, 15, 80));
    }

    HistoryFixture history;
    FakeProgressUi ui;
};

TEST_F(ProgressControlTest, ShowsThePeriodChosen)
{
    ProgressControl control(history.store, history.queries, ui, true);
    EXPECT_EQ(control.form().period, HistoryPeriod::Month);
    EXPECT_EQ(control.form().days.size(), 1u);
    EXPECT_EQ(control.form().confusions,
              QStringList({QStringLiteral("expected e, struck r: 37 times"), QStringLiteral("expected Space, struck x: 1 time")}));
    control.periodChosen(HistoryPeriod::Everything);
    EXPECT_EQ(control.form().days.size(), 2u);
    EXPECT_TRUE(control.form().historyAvailable);
    EXPECT_TRUE(control.form().problem.isEmpty());

    EXPECT_TRUE(control.recording());
    control.recordToggled(false);
    EXPECT_FALSE(control.recording());
    EXPECT_FALSE(control.form().recordChecked);

    // Opened again, as a new window: the first period, recording as set now.
    control.open(true);
    EXPECT_EQ(control.form().period, HistoryPeriod::Month);
    EXPECT_EQ(control.form().days.size(), 1u);
    EXPECT_TRUE(control.form().recordChecked);
}

TEST_F(ProgressControlTest, ForgetsOnlyAfterYes)
{
    ProgressControl control(history.store, history.queries, ui, true);
    control.forgetClicked();
    EXPECT_EQ(ui.questions, 1);
    EXPECT_EQ(control.form().days.size(), 1u);
    ui.answerYes = true;
    control.forgetClicked();
    EXPECT_TRUE(control.form().days.empty());
    EXPECT_TRUE(control.form().confusions.isEmpty());
    EXPECT_TRUE(ui.messages.empty());
    // A class member is told what stays on the server.
    EXPECT_FALSE(ui.question.contains(QStringLiteral("server")));
    control.classReached(ClassReach{}, QDateTime::currentDateTime());
    control.forgetClicked();
    EXPECT_TRUE(ui.question.contains(QStringLiteral("Your class's server keeps what was already sent")));
}

TEST_F(ProgressControlTest, ExportsTwoFilesOrNothing)
{
    TemporaryFolder folder;
    ProgressControl control(history.store, history.queries, ui, true);
    control.exportClicked(folder.path(QStringLiteral("")));
    EXPECT_TRUE(ui.proposedName.endsWith(QStringLiteral("/Clavora history.csv")));
    EXPECT_TRUE(ui.messages.empty()); // cancelled

    ui.saveAnswer = folder.path(QStringLiteral("mine.csv"));
    control.exportClicked(folder.path(QStringLiteral("")));
    EXPECT_EQ(folder.read(QStringLiteral("mine.csv")).count("\r\n"), 3);
    EXPECT_TRUE(folder.read(QStringLiteral("mine keys.csv")).startsWith("key,strokes,"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].second, QStringLiteral("The attempts are in mine.csv and the keys in mine keys.csv."));

    ui.saveAnswer = folder.path(QStringLiteral("no such folder/mine.csv"));
    control.exportClicked(folder.path(QStringLiteral("")));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].first, QStringLiteral("Export Error"));
}

TEST(ProgressControl, KeysFileSitsBesideTheAttemptsFile)
{
    const std::pair<const char*, const char*> cases[] = {{"/a/b/history.csv", "/a/b/history keys.csv"},
                                                         {"/a/my.data.csv", "/a/my.data keys.csv"},
                                                         {"/a/noext", "/a/noext keys.csv"}};
    for (const auto& [attempts, keys] : cases)
        EXPECT_EQ(ProgressControl::keysFileName(QLatin1String(attempts)), QLatin1String(keys)) << attempts;
}

TEST(ProgressControl, SaysWhyThereIsNoHistory)
{
    FakeClock clock;
    FakeProgressUi ui;
    HistoryStore store(QStringLiteral("/proc/clavora-no-such-place/History.sqlite"));
    ProgressQueries queries(store, clock);
    ProgressControl control(store, queries, ui, true);
    EXPECT_FALSE(control.form().historyAvailable);
    EXPECT_TRUE(control.form().problem.contains(QStringLiteral("without recording your history")));
}

} // namespace
} // namespace clavora
