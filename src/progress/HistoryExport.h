// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIODevice;

namespace clavora {

class HistoryFigures;

// The history as two CSV files: every attempt, and the figures of every key.
class HistoryExport {
public:
    explicit HistoryExport(const HistoryFigures& figures) : figures_(figures) {}

    // Each returns false when the store cannot be read or a write fails.
    bool writeAttempts(QIODevice& device) const;
    bool writeKeys(QIODevice& device) const;

private:
    const HistoryFigures& figures_;
};

} // namespace clavora
