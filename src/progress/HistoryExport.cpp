// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryExport.h"
#include "CsvWriter.h"
#include "history/HistoryFigures.h"

namespace clavora {
namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

bool HistoryExport::writeAttempts(QIODevice& device) const
{
    if (!figures_.available())
        return false;
    CsvWriter csv(device);
    csv.writeRow({QStringLiteral("finished"), QStringLiteral("type"), QStringLiteral("quick run"),
                  QStringLiteral("preset file"), QStringLiteral("exercise number"), QStringLiteral("exercise"),
                  QStringLiteral("typed"), QStringLiteral("seconds"), QStringLiteral("correct characters"),
                  QStringLiteral("accuracy"), QStringLiteral("wpm"), QStringLiteral("correct wpm"),
                  QStringLiteral("passed")});
    const bool read = figures_.forEachAttempt([&](const AttemptRecord& attempt) {
        const bool random = attempt.source.kind == AttemptKind::Random;
        csv.writeRow({attempt.finished.toString(Qt::ISODate), random ? QStringLiteral("random") : QStringLiteral("preset"),
                      yesNo(attempt.source.quickRun), attempt.source.presetFile,
                      random ? QString() : QString::number(attempt.source.exerciseNumber), attempt.exercise,
                      attempt.typed, QString::number(attempt.seconds, 'f', 1), QString::number(attempt.correct),
                      QString::number(attempt.accuracy), QString::number(attempt.speed),
                      QString::number(attempt.correctSpeed), yesNo(attempt.passed)});
    });
    return read && csv.good();
}

bool HistoryExport::writeKeys(QIODevice& device) const
{
    if (!figures_.available())
        return false;
    CsvWriter csv(device);
    csv.writeRow({QStringLiteral("key"), QStringLiteral("strokes"), QStringLiteral("errors"),
                  QStringLiteral("error rate %"), QStringLiteral("median interval ms"),
                  QStringLiteral("most struck instead")});
    for (const KeyFigures& key : figures_.keyFigures(HistoryPeriod::Everything)) {
        csv.writeRow({QString(key.key), QString::number(key.strokes), QString::number(key.errors),
                      key.errorRate ? QString::number(100 * *key.errorRate, 'f', 1) : QString(),
                      key.medianIntervalMilliseconds ? QString::number(*key.medianIntervalMilliseconds, 'f', 0) : QString(),
                      key.mostStruckInstead ? QString(*key.mostStruckInstead) : QString()});
    }
    return csv.good();
}

} // namespace clavora
