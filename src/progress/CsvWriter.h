// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>
#include <functional>

class QIODevice;

namespace clavora {

// Writes rows as comma-separated values in valid UTF-8: a field that a spreadsheet would take
// for a formula gets a leading apostrophe; a field holding a comma, a double quote or a line
// break is quoted, its quotes doubled; every row ends with CR LF.
class CsvWriter {
public:
    explicit CsvWriter(QIODevice& device) : device_(device) {}

    // False once any write has failed.
    bool writeRow(const QStringList& fields);
    bool good() const { return good_; }

    // Writes a whole file through `write`, or leaves any old one as it was.
    static bool saveFile(const QString& path, const std::function<bool(QIODevice&)>& write);

private:
    QIODevice& device_;
    bool good_ = true;
};

} // namespace clavora
