// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>

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
    // Passes over one line without keeping any of it.
    bool skip();
    // The start of the next line, reading no further than needed to know it: the search for
    // the line's end stops once its first `keepBytes` bytes are kept. Ends the reading.
    bool nextStart(QString& line);

private:
    enum class Until { LineEnd, KeptFull };
    bool read(QByteArray* kept, Until until);
    bool fill();
    qsizetype lineEnd();

    QIODevice& device_;
    qsizetype keepBytes_;
    QByteArray buffer_;
    qsizetype size_ = 0;
    qsizetype position_ = 0;
    // Where the next CR and LF stand in the buffer (its size when it holds none); each is
    // searched for again only once the reading has passed it.
    qsizetype nextCr_ = -1;
    qsizetype nextLf_ = -1;
    bool eof_ = false;
};

} // namespace clavora
