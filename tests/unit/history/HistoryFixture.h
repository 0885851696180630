// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Fakes.h"
#include "SampleRecords.h"
#include "history_store/HistoryStore.h"
#include "history_store/ProgressQueries.h"

#include <QSqlQuery>

namespace clavora::test {

// One value from the store, for checks that read its tables directly.
inline QVariant scalar(const HistoryStore& store, const QString& sql)
{
    QSqlQuery query(store.database());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}

// An in-memory store whose "today" the test sets through the fake clock.
struct HistoryFixture {
    FakeClock clock;
    HistoryStore store{HistoryStore::InMemory};
    ProgressQueries queries{store, clock};

    HistoryFixture() { clock.dateTime = at(2024, 3, 10, 18); }
};

} // namespace clavora::test
