// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassRoster.h"

#include <QCoreApplication>
#include <QStringList>

namespace clavora {

// A chart of the last weeks, the oldest first: minutes as bars, the median speed as a line.
struct WeekChart {
    QStringList weeks; // each week's last day, "12-07"
    std::vector<double> minutes;
    std::vector<std::optional<double>> speed;
};

// One printed page of the report: a heading, a table, and the chart of the weeks.
struct ReportPage {
    QString title;
    QString subtitle;
    QStringList headings; // a heading may break into lines
    std::vector<QStringList> rows;
    WeekChart chart;
    QString chartTitle;
};

// The report a teacher hands out: for each class, a page of its learners and the class's
// weeks, then a page for each of its learners with their own figures and weeks.
class ClassReport {
    Q_DECLARE_TR_FUNCTIONS(ClassReport)

public:
    // `classes`: the goals of the teacher's classes, said on their pages.
    static std::vector<ReportPage> pages(const std::vector<LearnerFigures>& learners,
                                         const std::vector<TaughtClass>& classes, QDate today);
    // The class names of a learner's "classes", as the server joins them.
    static QStringList classNames(const QString& classes);
};

} // namespace clavora
