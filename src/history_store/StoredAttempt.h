// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "history/HistoryRecords.h"

class QSqlDatabase;
class QSqlQuery;

namespace clavora {

// How the store keeps a time: ISO 8601 local time with its offset.
QString storedTime(const QDateTime& time);
QDateTime readStoredTime(const QVariant& value);
// Qt binds a null text as NULL; the columns hold empty texts instead.
QString storedText(const QString& text);

// The columns of the attempts table that make an attempt's record, in the order
// storedAttempt reads them.
QString storedAttemptColumns();
// The attempt whose columns start at `first` in the query's current row; its key strokes
// are kept per day, not per attempt, and so stay empty.
AttemptRecord storedAttempt(const QSqlQuery& query, int first);

// `sql` run forward only with `values` bound in order: every read of the store is one pass.
QSqlQuery readStore(const QSqlDatabase& store, const QString& sql, const QVariantList& values);

} // namespace clavora
