// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

namespace clavora {

// Opens `path` for reading only when it is a regular file (symbolic links followed).
// A FIFO, a device or a folder counts as missing, so no read can block or never end.
bool openRegularFile(QFile& file, const QString& path);

struct BoundedRead {
    QByteArray bytes;      // at most the limit
    bool found = false;    // a regular file that opened
    bool tooLarge = false; // the file holds more than the limit
};
// The start of a regular file, at most `maxBytes` of it.
BoundedRead readRegularFile(const QString& path, qint64 maxBytes);

struct SaveResult {
    bool ok = false;
    QString reason; // the system's words for the failure, e.g. "No space left on device"
};
// Writes `bytes` to a new file beside `path` and renames it over `path`, so a save that
// fails at any step (a full disk included) leaves the old file as it was. Where the folder
// cannot take a new file but the file itself is writable, the file is rewritten in place,
// its space reserved first.
SaveResult saveFileSafely(const QString& path, const QByteArray& bytes);

} // namespace clavora
