// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressControl.h"
#include "ClassReachSentence.h"
#include "HistoryExport.h"
#include "ProgressUi.h"
#include "history/HistoryRecorder.h"

#include "CsvWriter.h"

#include <QFileInfo>

namespace clavora {

ProgressControl::ProgressControl(HistoryRecorder& history, const HistoryFigures& figures, ProgressUi& ui,
                                 bool recording)
    : history_(history), figures_(figures), ui_(ui)
{
    open(recording);
}

void ProgressControl::open(bool recording)
{
    form_.period = ProgressForm().period;
    form_.recordChecked = recording;
    refresh();
}

void ProgressControl::refresh()
{
    form_.historyAvailable = figures_.available();
    form_.problem = figures_.problem();
    form_.days = figures_.dailyFigures(form_.period);
    form_.keys = figures_.keyFigures(form_.period);
    form_.confusions.clear();
    for (const ConfusionPair& pair : figures_.confusionPairs(form_.period))
        form_.confusions << tr("expected %1, struck %2: %3 %4")
                                .arg(keyName(pair.expected), keyName(pair.struck), QString::number(pair.count),
                                     pair.count == 1 ? tr("time") : tr("times"));
    form_.games = figures_.bestGames();
    form_.streak = figures_.streak();
    form_.calendar = figures_.calendar();
}

void ProgressControl::colourWindow(Rgb windowColour, Rgb textColour)
{
    form_.windowColour = windowColour;
    form_.textColour = textColour;
}

void ProgressControl::classReached(const std::optional<ClassReach>& reach, const QDateTime& now)
{
    form_.classReach = reach ? ClassReachSentence::of(*reach, now) : QString();
}

void ProgressControl::periodChosen(HistoryPeriod period)
{
    form_.period = period;
    refresh();
}

void ProgressControl::recordToggled(bool checked)
{
    form_.recordChecked = checked;
}

void ProgressControl::forgetClicked()
{
    // A class member's records already sent stay on the class's server, which only its
    // administrator empties; the store fetches none of them back.
    const QString question = form_.classReach.isEmpty()
                                 ? tr("Forget every recorded attempt, key and game? This cannot be undone.")
                                 : tr("Forget every attempt, key and game recorded on this computer? This cannot be "
                                      "undone. Your class's server keeps what was already sent, and your teacher still "
                                      "sees it; ask whoever runs the server to remove it. Nothing recorded until now is "
                                      "fetched back to this computer.");
    if (!ui_.confirm(tr("Forget My History"), question))
        return;
    if (!history_.forget())
        ui_.showMessage(tr("Forget Error"), tr("The history could not be emptied.\n%1").arg(figures_.problem()));
    refresh();
}

QString ProgressControl::keysFileName(const QString& attemptsFile)
{
    const QFileInfo info(attemptsFile);
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix();
    return info.path() + u'/' + info.completeBaseName() + QStringLiteral(" keys.") + suffix;
}

void ProgressControl::exportClicked(const QString& folder)
{
    const auto chosen = ui_.askSaveFileName(folder + QStringLiteral("/Clavora history.csv"),
                                            {tr("CSV Files (*.csv)"), tr("All Files (*.*)")}, tr("Export History As . . ."));
    if (!chosen)
        return;
    const HistoryExport exporter(figures_);
    const QString keysFile = keysFileName(*chosen);
    if (!CsvWriter::saveFiles({{*chosen, [&](QIODevice& device) { return exporter.writeAttempts(device); }},
                               {keysFile, [&](QIODevice& device) { return exporter.writeKeys(device); }}})) {
        ui_.showMessage(tr("Export Error"), tr("An error occurred while exporting the history."));
        return;
    }
    ui_.showMessage(tr("Export"),
                    tr("The attempts are in %1 and the keys in %2.")
                        .arg(QFileInfo(*chosen).fileName(), QFileInfo(keysFile).fileName()));
}

QString ProgressControl::keyName(QChar key)
{
    if (key == u' ')
        return tr("Space");
    return QString(key);
}

} // namespace clavora
