// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <vector>

namespace clavora {

// A run of typed characters to show in the error colour.
struct MarkedRange {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const MarkedRange&) const = default;
};

// The typed characters that differ from the exercise's character at the same place, as the
// evaluation compares them, in runs; characters typed past the exercise's end are wrong too.
std::vector<MarkedRange> wrongRanges(const QString& exercise, const QString& typed);

} // namespace clavora
