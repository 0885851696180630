// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HistoryFigures.h"

#include <QString>
#include <vector>

namespace clavora {

// How strongly each key is drilled: in proportion to its error rate, over the keys with data
// that the allowed key classes hold. A key often struck in place of another gains that
// key's mistakes, so the two come up together.
class WeakKeyWeights {
public:
    struct Weight {
        QChar key;
        double weight = 0;
    };

    // A key never missed, or with too few strokes for a rate, keeps this much, so drill lines
    // still mix in the keys around the weak ones.
    static constexpr double MinimumWeight = 0.01;
    // The length of the weighted pool: fine enough for a weight of a tenth of a percent.
    static constexpr int PoolSize = 1000;

    // `allowedPool` is the pool of the allowed key classes: its characters bound the keys,
    // and its share of blanks is kept.
    WeakKeyWeights(const std::vector<KeyFigures>& keys, const std::vector<ConfusionPair>& confusions,
                   const QString& allowedPool);
    // The weights the drills and the weak-key game use: the last month's keys and mistakes,
    // so that keys the learner has since mastered fade out.
    static WeakKeyWeights fromHistory(const HistoryFigures& figures, const QString& allowedPool);

    // No allowed key has data: there is nothing to drill.
    bool empty() const { return weights_.empty(); }
    // In key order.
    const std::vector<Weight>& weights() const { return weights_; }
    // The keys, each repeated in proportion to its weight, and the allowed pool's share of
    // blanks: random lines and the game draw from it as from any pool.
    QString pool() const;

private:
    std::vector<Weight> weights_;
    double blankShare_ = 0;
};

} // namespace clavora
