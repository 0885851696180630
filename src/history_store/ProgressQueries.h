// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "history/HistoryFigures.h"

#include <QVariantList>

class QSqlQuery;

namespace clavora {

class Clock;
class HistoryStore;

// The figures, read from the store; "today" comes from the clock. An unavailable store has
// no figures.
class ProgressQueries final : public HistoryFigures {
public:
    ProgressQueries(const HistoryStore& store, const Clock& clock);

    bool available() const override;
    QString problem() const override;
    bool knownUnavailable() const override;
    std::vector<DayFigures> dailyFigures(HistoryPeriod period) const override;
    std::vector<KeyFigures> keyFigures(HistoryPeriod period) const override;
    std::vector<ConfusionPair> confusionPairs(HistoryPeriod period, int limit = ListedRows) const override;
    std::vector<GameFigures> bestGames(int limit = ListedRows) const override;
    std::vector<DayMinutes> minutesPerDay(HistoryPeriod period) const override;
    int streak() const override;
    TypingCalendar calendar() const override;
    bool forEachAttempt(const std::function<void(const AttemptRecord&)>& visit) const override;

private:
    qint64 firstDay(HistoryPeriod period) const;
    // `allDays` for everything, else `periodDays` with the period's first day bound before
    // `values`.
    QSqlQuery overPeriod(HistoryPeriod period, const QString& allDays, const QString& periodDays,
                         QVariantList values = {}) const;

    const HistoryStore& store_;
    const Clock& clock_;
};

} // namespace clavora
