// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HeatMap.h"
#include "history/ProgressQueries.h"

namespace clavora {

// The heat map of a layout from the history's key figures: a key is grey below the strokes
// the history needs for an error rate.
HeatMap historyHeatMap(const KeyCapTable& table, const std::vector<KeyFigures>& keys);

} // namespace clavora
