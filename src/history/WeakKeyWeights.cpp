// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeakKeyWeights.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace clavora {

WeakKeyWeights::WeakKeyWeights(const std::vector<KeyFigures>& keys, const std::vector<ConfusionPair>& confusions,
                               const QString& allowedPool)
{
    if (!allowedPool.isEmpty())
        blankShare_ = double(allowedPool.count(u' ')) / allowedPool.size();
    const auto allowed = [&](QChar key) { return key != u' ' && allowedPool.contains(key); };

    std::map<char16_t, double> weights;
    std::map<char16_t, int> strokes;
    for (const KeyFigures& figures : keys) {
        strokes[figures.key.unicode()] = figures.strokes;
        if (allowed(figures.key) && figures.strokes > 0)
            weights[figures.key.unicode()] = std::max(figures.errorRate.value_or(0), MinimumWeight);
    }
    // The share of the expected key's strokes that went to the struck key.
    for (const ConfusionPair& pair : confusions) {
        const int expectedStrokes = strokes[pair.expected.unicode()];
        if (!allowed(pair.struck) || expectedStrokes < KeyFigures::StrokesForRate)
            continue;
        double& weight = weights.try_emplace(pair.struck.unicode(), MinimumWeight).first->second;
        weight += double(pair.count) / expectedStrokes;
    }
    for (const auto& [key, weight] : weights)
        weights_.push_back({QChar(key), weight});
}

WeakKeyWeights WeakKeyWeights::fromHistory(const HistoryFigures& figures, const QString& allowedPool)
{
    // Every pair counts here, not just the most frequent that the progress window lists.
    constexpr int AllPairs = -1;
    return WeakKeyWeights(figures.keyFigures(HistoryPeriod::Month),
                          figures.confusionPairs(HistoryPeriod::Month, AllPairs), allowedPool);
}

QString WeakKeyWeights::pool() const
{
    QString pool;
    if (weights_.empty())
        return pool;
    double total = 0;
    for (const Weight& weight : weights_)
        total += weight.weight;
    const int blanks = int(std::lround(blankShare_ * PoolSize));
    const double keySlots = PoolSize - blanks;
    pool.reserve(PoolSize + qsizetype(weights_.size()));
    // Every key keeps at least one place, however small its weight.
    for (const Weight& weight : weights_)
        pool += QString(std::max(1L, std::lround(weight.weight / total * keySlots)), weight.key);
    pool += QString(blanks, u' ');
    return pool;
}

} // namespace clavora
