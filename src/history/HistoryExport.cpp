// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryExport.h"
#include "CsvWriter.h"
#include "HistoryStore.h"
#include "ProgressQueries.h"

#include <QSqlError>
#include <QSqlQuery>

namespace clavora {
namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

// Texts are read as their bytes and decoded here, so that bytes that are not UTF-8 (a store
// written by another program) come out as U+FFFD.
QString text(const QVariant& bytes)
{
    return QString::fromUtf8(bytes.toByteArray());
}

} // namespace

bool HistoryExport::writeAttempts(QIODevice& device) const
{
    if (!store_.available())
        return false;
    CsvWriter csv(device);
    csv.writeRow({QStringLiteral("finished"), QStringLiteral("type"), QStringLiteral("quick run"),
                  QStringLiteral("preset file"), QStringLiteral("exercise number"), QStringLiteral("exercise"),
                  QStringLiteral("typed"), QStringLiteral("seconds"), QStringLiteral("correct characters"),
                  QStringLiteral("accuracy"), QStringLiteral("wpm"), QStringLiteral("correct wpm"),
                  QStringLiteral("passed")});
    QSqlQuery query(store_.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT finished, kind, quick_run, CAST(preset_file AS BLOB), exercise_number,"
                                   " CAST(exercise AS BLOB), CAST(typed AS BLOB),"
                                   " seconds, correct, accuracy, speed, correct_speed, passed FROM attempts ORDER BY id")))
        return false;
    while (query.next()) {
        const bool random = query.value(1).toInt() == int(AttemptKind::Random);
        csv.writeRow({query.value(0).toString(), random ? QStringLiteral("random") : QStringLiteral("preset"),
                      yesNo(query.value(2).toBool()), text(query.value(3)),
                      random ? QString() : query.value(4).toString(), text(query.value(5)),
                      text(query.value(6)), QString::number(query.value(7).toDouble(), 'f', 1),
                      query.value(8).toString(), query.value(9).toString(), query.value(10).toString(),
                      query.value(11).toString(), yesNo(query.value(12).toBool())});
    }
    return csv.good() && query.lastError().type() == QSqlError::NoError;
}

bool HistoryExport::writeKeys(QIODevice& device) const
{
    if (!store_.available())
        return false;
    CsvWriter csv(device);
    csv.writeRow({QStringLiteral("key"), QStringLiteral("strokes"), QStringLiteral("errors"),
                  QStringLiteral("error rate %"), QStringLiteral("median interval ms"),
                  QStringLiteral("most struck instead")});
    for (const KeyFigures& key : queries_.keyFigures(HistoryPeriod::Everything)) {
        csv.writeRow({QString(key.key), QString::number(key.strokes), QString::number(key.errors),
                      key.errorRate ? QString::number(100 * *key.errorRate, 'f', 1) : QString(),
                      key.medianIntervalMilliseconds ? QString::number(*key.medianIntervalMilliseconds, 'f', 0) : QString(),
                      key.mostStruckInstead ? QString(*key.mostStruckInstead) : QString()});
    }
    return csv.good();
}

} // namespace clavora
