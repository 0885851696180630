// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveMarking.h"

namespace clavora {

std::vector<MarkedRange> wrongRanges(const QString& exercise, const QString& typed)
{
    std::vector<MarkedRange> ranges;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (i < exercise.size() && typed[i] == exercise[i])
            continue;
        if (!ranges.empty() && ranges.back().start + ranges.back().length == i)
            ++ranges.back().length;
        else
            ranges.push_back({i, 1});
    }
    return ranges;
}

} // namespace clavora
