// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

namespace clavora {

// Text in the files the program reads: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString decodeText(const QByteArray& bytes);

// Reads a file line by line without holding more than one capped line in memory.
// CR LF, a lone CR and a lone LF each end a line; a last line without its end still counts.
// Only the first `keepBytes` bytes of a line are kept, so a huge line costs nothing.
// A read error ends the reading as if the file ended there.
class LineReader {
public:
    LineReader(QIODevice& device, qsizetype keepBytes);
    // False at the end of the file (or at the first read error).
    bool next(QString& line);

private:
    bool fill();

    QIODevice& device_;
    qsizetype keepBytes_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool eof_ = false;
};

// The first `count` lines of a file (fewer when it ends sooner; none when it does not open).
QStringList readFirstLines(const QString& path, int count, qsizetype keepBytes);

} // namespace clavora
