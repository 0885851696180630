// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassReport.h"
#include "ClassPage.h"
#include "ClassTableModel.h"

#include <algorithm>
#include <map>

namespace clavora {
namespace {

// The weeks a learner's figures hold, the longest of the class.
std::size_t weekCount(const std::vector<const LearnerFigures*>& learners)
{
    std::size_t count = 0;
    for (const LearnerFigures* learner : learners)
        count = std::max(count, learner->weeks.size());
    return count;
}

std::optional<double> medianOf(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Each week's minutes per learner and the median of the learners' median speeds; a learner
// counts in the weeks their figures hold, the last of them being this week.
WeekChart chartOf(const std::vector<const LearnerFigures*>& learners, QDate today)
{
    WeekChart chart;
    const std::size_t weeks = weekCount(learners);
    for (std::size_t week = 0; week < weeks; ++week) {
        const std::size_t weeksAgo = weeks - 1 - week;
        chart.weeks << today.addDays(-7 * qint64(weeksAgo)).toString(QStringLiteral("MM-dd"));
        double minutes = 0;
        int counted = 0;
        std::vector<double> speeds;
        for (const LearnerFigures* learner : learners) {
            if (learner->weeks.size() <= weeksAgo)
                continue;
            const WeekFigures& figures = learner->weeks[learner->weeks.size() - 1 - weeksAgo];
            if (std::isfinite(figures.minutes)) {
                minutes += figures.minutes;
                ++counted;
            }
            if (figures.medianSpeed && std::isfinite(*figures.medianSpeed))
                speeds.push_back(*figures.medianSpeed);
        }
        chart.minutes.push_back(counted ? minutes / counted : 0);
        chart.speed.push_back(medianOf(std::move(speeds)));
    }
    return chart;
}

QString oneLine(QString heading)
{
    return heading.replace(u'\n', u' ');
}

} // namespace

QStringList ClassReport::classNames(const QString& classes)
{
    return classes.split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

std::vector<ReportPage> ClassReport::pages(const std::vector<LearnerFigures>& learners,
                                           const std::vector<TaughtClass>& classes, QDate today)
{
    const QString subtitle = tr("This week is the seven days to %1; a trend compares it with the four weeks before.")
                                 .arg(today.toString(Qt::ISODate));
    // Each class with its learners, by name; learners in no class of the teacher's last.
    std::map<std::pair<bool, QString>, std::vector<const LearnerFigures*>> members;
    for (const LearnerFigures& learner : learners) {
        const QStringList names = classNames(learner.classes);
        for (const QString& name : names.isEmpty() ? QStringList{QString()} : names)
            members[{name.isEmpty(), name}].push_back(&learner);
    }
    const int tableColumns[] = {ClassTableModel::Learner,  ClassTableModel::LastPractice, ClassTableModel::Minutes,
                                ClassTableModel::Attempts, ClassTableModel::Speed,        ClassTableModel::Accuracy,
                                ClassTableModel::WeakestKeys, ClassTableModel::CourseLetters};
    const ClassPage::LearnersByLogin learnersByLogin = ClassPage::byLogin(learners);
    std::vector<ReportPage> pages;
    for (const auto& [key, learnersOfClass] : members) {
        const QString& name = key.second;
        ReportPage page;
        page.title = name.isEmpty() ? tr("Learners in no class") : tr("Class %1").arg(name);
        page.subtitle = subtitle;
        const auto taught = std::find_if(classes.begin(), classes.end(),
                                         [&](const TaughtClass& known) { return known.name == name; });
        if (taught != classes.end()) {
            if (const QString goals = ClassPage::goalLine(*taught, learnersByLogin); !goals.isEmpty())
                page.subtitle += u'\n' + goals;
        }
        for (const int column : tableColumns)
            page.headings << ClassTableModel::heading(column);
        for (const LearnerFigures* learner : learnersOfClass) {
            QStringList row;
            for (const int column : tableColumns)
                row << ClassTableModel::cellText(*learner, column);
            page.rows.push_back(row);
        }
        page.chart = chartOf(learnersOfClass, today);
        page.chartTitle = tr("Each week: minutes per learner (bars) and the learners' median WPM (line)");
        pages.push_back(page);

        for (const LearnerFigures* learner : learnersOfClass) {
            ReportPage own;
            own.title = ClassTableModel::cellText(*learner, ClassTableModel::Learner);
            if (own.title != learner->login)
                own.title += QStringLiteral(" (%1)").arg(learner->login);
            own.subtitle = page.title + u'\n' + subtitle;
            own.headings = QStringList{tr("Figure"), tr("Value")};
            for (const int column : tableColumns) {
                if (column != ClassTableModel::Learner)
                    own.rows.push_back({oneLine(ClassTableModel::heading(column)),
                                        ClassTableModel::cellText(*learner, column)});
            }
            own.chart = chartOf({learner}, today);
            own.chartTitle = tr("Each week: minutes (bars) and median WPM (line)");
            pages.push_back(own);
        }
    }
    return pages;
}

} // namespace clavora
