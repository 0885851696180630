// SPDX-License-Identifier: GPL-3.0-or-later
// The Class page's own cost on 300 and 3,000 learners, answered at once by a fake source (no
// server): from asking until the rows are painted, the same answer again, and a sort by
// another column. Prints the median and the slowest of ten runs.
#include "history/NoHistory.h"
#include "windows/ProgressWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>

using namespace clavora;

namespace {

constexpr int Runs = 10;
const QString Server = QStringLiteral("service=clavora-class");

// Learners in classes of thirty, with figures that differ from row to row.
ClassRoster rosterOf(int learners)
{
    ClassRoster roster{true, true, {}, {}};
    for (int n = 1; n <= learners; ++n) {
        LearnerFigures learner;
        learner.login = QStringLiteral("learner%1").arg(n);
        learner.name = QStringLiteral("Learner Number %1").arg(n);
        learner.classes = QStringLiteral("class %1").arg((n - 1) / 30 + 1);
        learner.lastPractice = QDate(2026, 12, 7).addDays(-(n % 9));
        learner.minutesThisWeek = (n * 7) % 45;
        learner.attemptsThisWeek = (n * 3) % 40;
        learner.medianSpeed = 15 + (n * 13) % 40;
        learner.medianSpeedBefore = 15 + (n * 11) % 40;
        learner.medianAccuracy = 80 + (n * 7) % 20;
        learner.medianAccuracyBefore = 80 + (n * 5) % 20;
        learner.weakestKeys = QStringLiteral("qzx;p").left(3 * (n % 2));
        learner.courseLetters = QStringLiteral("fjdksla;ghrueitywoqpvmc").left(6 + n % 17);
        learner.goals.weeklyMinutes = 30;
        learner.goals.accuracyMark = 92;
        learner.goals.speedTarget = 25;
        roster.learners.push_back(learner);
        if ((n - 1) % 30 == 0)
            roster.classes.push_back({learner.classes, learner.goals, {}});
        roster.classes.back().learners << learner.login;
    }
    return roster;
}

// Answers as the server would, only at once: the role, then the rows.
class FakeRoster final : public ClassRosterSource {
public:
    ClassRoster roster;
    void load(const QString&, QDate, std::function<void(const ClassRoster&)> answered) override
    {
        answered({true, false, {}, {}});
        answered(roster);
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(int learners, const char* what, const std::vector<double>& milliseconds)
{
    std::printf("%5d learners, %-40s median %7.1f ms, slowest %7.1f ms\n", learners, what, median(milliseconds),
                *std::max_element(milliseconds.begin(), milliseconds.end()));
}

QAbstractItemView* classTable(const ProgressWindow& window)
{
    return window.findChild<QAbstractItemView*>(QStringLiteral("ClassTable"));
}

void measure(QApplication& application, int learners)
{
    NoHistory history;
    ProgressWindow window(history, history, false, QString());
    FakeRoster source;
    source.roster = rosterOf(learners);
    window.setRosterSource(&source);
    window.show();
    QAbstractItemView* table = classTable(window);
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("ProgressTabs"));
    QElapsedTimer clock;
    std::vector<double> shown, again, sorted;
    for (int run = 0; run < Runs; ++run) {
        window.setClassServer(QString());
        application.processEvents();
        clock.start();
        window.setClassServer(Server);
        tabs->setCurrentWidget(tabs->widget(tabs->count() - 1));
        window.repaint();
        shown.push_back(clock.nsecsElapsed() / 1e6);
        if (table->model()->rowCount() != learners) {
            std::fprintf(stderr, "%d rows shown of %d\n", table->model()->rowCount(), learners);
            std::exit(1);
        }

        clock.restart();
        window.refresh();
        window.repaint();
        again.push_back(clock.nsecsElapsed() / 1e6);

        auto* header = window.findChild<QAbstractItemView*>(QStringLiteral("ClassTable"))->findChild<QHeaderView*>();
        clock.restart();
        header->setSortIndicator(run % 2 ? 0 : 3, Qt::DescendingOrder);
        window.repaint();
        sorted.push_back(clock.nsecsElapsed() / 1e6);
    }
    report(learners, "asked until the rows are painted", shown);
    report(learners, "the same answer again, painted", again);
    report(learners, "sorted by another column, painted", sorted);
}

// A class of thirty in a window 1,280 pixels wide, saved as a PNG file to look at.
void picture(QApplication& application, const QString& file)
{
    NoHistory history;
    ProgressWindow window(history, history, false, QString());
    FakeRoster source;
    source.roster = rosterOf(30);
    window.setRosterSource(&source);
    window.show();
    window.setClassServer(Server);
    window.resize(1280, 800);
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("ProgressTabs"));
    tabs->setCurrentWidget(tabs->widget(tabs->count() - 1));
    application.processEvents();
    window.grab().save(file);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    for (const int learners : {300, 3000})
        measure(application, learners);
    // To look at the page: CLASS_PAGE_PICTURE names a PNG file.
    if (const QString file = qEnvironmentVariable("CLASS_PAGE_PICTURE"); !file.isEmpty())
        picture(application, file);
    return 0;
}
