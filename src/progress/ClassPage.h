// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassRoster.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

class QIODevice;

namespace clavora {

class ProgressUi;

// What the progress window's Class page shows.
struct ClassPageForm {
    bool shown = false; // only a teacher's login has a class to show
    bool loading = false;
    QString status; // "Loading…", or why the class cannot be read; empty otherwise
    std::vector<LearnerFigures> learners;
    std::vector<TaughtClass> classes;
    QStringList goalLines; // for each class with goals, how many of its learners meet each
};

// The teacher's Class page: the learners of their classes as the class server answers,
// and the export of the page.
class ClassPage {
    Q_DECLARE_TR_FUNCTIONS(ClassPage)

public:
    explicit ClassPage(ProgressUi& ui) : ui_(ui) {}

    const ClassPageForm& form() const { return form_; }

    // A new server is being asked; none: no class.
    void serverChosen(const QString& server);
    void answered(const ClassRoster& roster);
    // A learner's progress is being fetched to be shown, and then was, or could not be.
    void learnerChosen(const QString& name);
    void learnerOpened(const QString& name, const QString& problem);
    // The goals of a class are being set, and then were, or could not be.
    void goalsSent(const QString& className);
    void goalsWritten(const QString& className, const QString& problem);
    // `folder`: where the save dialog starts.
    void exportClicked(const QString& folder);
    bool writeCsv(QIODevice& device) const;
    // The report to hand out, as of the teacher's `today`, saved where the teacher chooses.
    void reportClicked(const QString& folder, QDate today);

    // This week's figure less the four weeks before's; absent unless both are there.
    static std::optional<double> trend(std::optional<double> now, std::optional<double> before);
    // Whether a figure meets its goal; absent without a goal, not met without a figure.
    static std::optional<bool> met(std::optional<double> figure, std::optional<int> goal);
    // The learners by login.
    using LearnersByLogin = QHash<QString, const LearnerFigures*>;
    static LearnersByLogin byLogin(const std::vector<LearnerFigures>& learners);
    // The class's learners meeting each of its goals, in a line; empty without goals.
    static QString goalLine(const TaughtClass& taught, const LearnersByLogin& learners);
    // The keys by the names the key table uses, the weakest first.
    static QString keyNames(const QString& keys);

private:
    ProgressUi& ui_;
    ClassPageForm form_;
};

} // namespace clavora
