// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryHeatMap.h"

namespace clavora {

HeatMap historyHeatMap(const KeyCapTable& table, const std::vector<KeyFigures>& keys)
{
    std::vector<CharacterStrokes> strokes;
    strokes.reserve(keys.size());
    for (const KeyFigures& key : keys)
        strokes.push_back({key.key, key.strokes, key.errors});
    return HeatMap(table, strokes, KeyFigures::StrokesForRate);
}

} // namespace clavora
