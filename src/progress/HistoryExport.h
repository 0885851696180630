// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIODevice;

namespace clavora {

class HistoryStore;
class ProgressQueries;

// The history as two CSV files: every attempt, and the figures of every key.
class HistoryExport {
public:
    HistoryExport(const HistoryStore& store, const ProgressQueries& queries)
        : store_(store), queries_(queries) {}

    // Each returns false when the store cannot be read or a write fails.
    bool writeAttempts(QIODevice& device) const;
    bool writeKeys(QIODevice& device) const;

private:
    const HistoryStore& store_;
    const ProgressQueries& queries_;
};

} // namespace clavora
