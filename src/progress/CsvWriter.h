// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>
#include <functional>
#include <vector>

class QIODevice;

namespace clavora {

// A file an export writes, and what writes it.
struct CsvFile {
    QString path;
    std::function<bool(QIODevice&)> write;
};

// Writes rows as comma-separated values in valid UTF-8: a field that a spreadsheet would take
// for a formula gets a leading apostrophe; a field holding a comma, a double quote or a line
// break is quoted, its quotes doubled; every row ends with CR LF.
class CsvWriter {
public:
    explicit CsvWriter(QIODevice& device) : device_(device) {}

    // False once any write has failed.
    bool writeRow(const QStringList& fields);
    bool good() const { return good_; }

    // Writes every file whole, or leaves every old one as it was: all are made in memory
    // first, each is saved through a new file renamed over the old, and when one cannot be
    // saved (a full disk) those saved before it get their old contents back.
    static bool saveFiles(const std::vector<CsvFile>& files);

private:
    QIODevice& device_;
    bool good_ = true;
};

} // namespace clavora
