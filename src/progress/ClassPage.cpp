// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassPage.h"
#include "ClassReport.h"
#include "CsvWriter.h"
#include "common/FileAccess.h"
#include "ProgressControl.h"
#include "ProgressUi.h"

#include <QFileInfo>

namespace clavora {
namespace {

QString figure(std::optional<double> value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QString();
}

QString goal(std::optional<int> value)
{
    return value ? QString::number(*value) : QString();
}

QString yesOrNo(std::optional<bool> met)
{
    return !met ? QString() : *met ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

void ClassPage::serverChosen(const QString& server)
{
    form_ = {};
    form_.loading = !server.trimmed().isEmpty();
}

void ClassPage::answered(const ClassRoster& roster)
{
    // A server out of reach says nothing of the role: a page shown stays as it was, saying so.
    const bool unreachable = !roster.teacher && !roster.problem.isEmpty();
    if (!unreachable)
        form_.shown = roster.teacher;
    form_.loading = !roster.complete;
    // The rows shown stay until new ones come.
    if (roster.complete && roster.problem.isEmpty()) {
        form_.learners = roster.learners;
        form_.classes = roster.classes;
        form_.goalLines.clear();
        const LearnersByLogin learners = byLogin(form_.learners);
        for (const TaughtClass& taught : form_.classes) {
            if (const QString line = goalLine(taught, learners); !line.isEmpty())
                form_.goalLines << line;
        }
    }
    form_.status = !form_.shown                ? QString()
                   : form_.loading             ? tr("Loading…")
                   : !roster.problem.isEmpty() ? tr("Your class could not be read: %1").arg(roster.problem)
                   : form_.learners.empty()    ? tr("Your classes have no learners yet.")
                                               : QString();
}

void ClassPage::learnerChosen(const QString& name)
{
    form_.status = tr("Loading the progress of %1…").arg(name);
}

void ClassPage::learnerOpened(const QString& name, const QString& problem)
{
    form_.status = problem.isEmpty() ? QString() : tr("The progress of %1 could not be read: %2").arg(name, problem);
}

void ClassPage::goalsSent(const QString& className)
{
    form_.status = tr("Setting the goals of %1…").arg(className);
}

void ClassPage::goalsWritten(const QString& className, const QString& problem)
{
    form_.status = problem.isEmpty() ? QString() : tr("The goals of %1 could not be set: %2").arg(className, problem);
}

std::optional<double> ClassPage::trend(std::optional<double> now, std::optional<double> before)
{
    return now && before ? std::optional(*now - *before) : std::nullopt;
}

std::optional<bool> ClassPage::met(std::optional<double> figure, std::optional<int> goal)
{
    if (!goal)
        return std::nullopt;
    return figure && std::isfinite(*figure) && *figure >= *goal;
}

ClassPage::LearnersByLogin ClassPage::byLogin(const std::vector<LearnerFigures>& learners)
{
    LearnersByLogin index;
    index.reserve(qsizetype(learners.size()));
    for (const LearnerFigures& learner : learners)
        index.insert(learner.login, &learner);
    return index;
}

QString ClassPage::goalLine(const TaughtClass& taught, const LearnersByLogin& learners)
{
    const ClassGoals& goals = taught.goals;
    int minutes = 0, accuracy = 0, speed = 0;
    for (const QString& login : taught.learners) {
        const LearnerFigures* learner = learners.value(login);
        if (!learner)
            continue;
        minutes += met(learner->minutesThisWeek, goals.weeklyMinutes).value_or(false);
        accuracy += met(learner->medianAccuracy, goals.accuracyMark).value_or(false);
        speed += met(learner->medianSpeed, goals.speedTarget).value_or(false);
    }
    const qsizetype all = taught.learners.size();
    QStringList parts;
    if (goals.weeklyMinutes)
        parts << tr("%1 of %2 practised %3 minutes this week").arg(minutes).arg(all).arg(*goals.weeklyMinutes);
    if (goals.accuracyMark)
        parts << tr("%1 of %2 reached %3 % accuracy").arg(accuracy).arg(all).arg(*goals.accuracyMark);
    if (goals.speedTarget)
        parts << tr("%1 of %2 reached %3 WPM").arg(speed).arg(all).arg(*goals.speedTarget);
    if (parts.isEmpty())
        return QString();
    return taught.name + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString ClassPage::keyNames(const QString& keys)
{
    QStringList names;
    for (const QChar key : keys)
        names << ProgressControl::keyName(key);
    return names.join(u' ');
}

bool ClassPage::writeCsv(QIODevice& device) const
{
    CsvWriter csv(device);
    csv.writeRow({QStringLiteral("login"), QStringLiteral("name"), QStringLiteral("classes"),
                  QStringLiteral("last practice"), QStringLiteral("minutes this week"),
                  QStringLiteral("attempts this week"), QStringLiteral("median wpm"),
                  QStringLiteral("median wpm the four weeks before"), QStringLiteral("median accuracy"),
                  QStringLiteral("median accuracy the four weeks before"), QStringLiteral("weakest keys"),
                  QStringLiteral("course letters"), QStringLiteral("weekly minutes goal"),
                  QStringLiteral("minutes goal met"), QStringLiteral("accuracy mark"),
                  QStringLiteral("accuracy mark met"), QStringLiteral("speed target"),
                  QStringLiteral("speed target met")});
    for (const LearnerFigures& learner : form_.learners) {
        csv.writeRow({learner.login, learner.name, learner.classes, learner.lastPractice.toString(Qt::ISODate),
                      QString::number(learner.minutesThisWeek, 'f', 0), QString::number(learner.attemptsThisWeek),
                      figure(learner.medianSpeed, 1), figure(learner.medianSpeedBefore, 1),
                      figure(learner.medianAccuracy, 1), figure(learner.medianAccuracyBefore, 1),
                      keyNames(learner.weakestKeys), learner.courseLetters,
                      goal(learner.goals.weeklyMinutes), yesOrNo(met(learner.minutesThisWeek, learner.goals.weeklyMinutes)),
                      goal(learner.goals.accuracyMark), yesOrNo(met(learner.medianAccuracy, learner.goals.accuracyMark)),
                      goal(learner.goals.speedTarget), yesOrNo(met(learner.medianSpeed, learner.goals.speedTarget))});
    }
    return csv.good();
}

void ClassPage::exportClicked(const QString& folder)
{
    const auto chosen = ui_.askSaveFileName(folder + QStringLiteral("/Clavora class.csv"),
                                            {tr("CSV Files (*.csv)"), tr("All Files (*.*)")}, tr("Export Class As . . ."));
    if (!chosen)
        return;
    if (!CsvWriter::saveFiles({{*chosen, [this](QIODevice& device) { return writeCsv(device); }}})) {
        ui_.showMessage(tr("Export Error"), tr("An error occurred while exporting the class."));
        return;
    }
    ui_.showMessage(tr("Export"), tr("The class is in %1.").arg(QFileInfo(*chosen).fileName()));
}

void ClassPage::reportClicked(const QString& folder, QDate today)
{
    const auto chosen = ui_.askSaveFileName(folder + QStringLiteral("/Clavora class report.pdf"),
                                            {tr("PDF Files (*.pdf)"), tr("All Files (*.*)")}, tr("Save Report As . . ."));
    if (!chosen)
        return;
    const QByteArray document = ui_.printed(ClassReport::pages(form_.learners, form_.classes, today), tr("Class report"));
    const SaveResult saved = document.isEmpty() ? SaveResult{false, tr("The report could not be made.")}
                                                : saveFileSafely(*chosen, document);
    if (!saved.ok) {
        ui_.showMessage(tr("Report Error"), tr("The report could not be saved: %1").arg(saved.reason));
        return;
    }
    ui_.showMessage(tr("Report"), tr("The report is in %1.").arg(QFileInfo(*chosen).fileName()));
}

} // namespace clavora
