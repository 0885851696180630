// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/FileAccess.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace clavora {

// An INI file read leniently, so that a file edited by hand reads as meant: section and
// key names match without regard to case, a missing file, section or key gives the default, an
// integer is the number at the start of its value, and writing replaces an existing key's
// line in place, appends new keys to their section and new sections to the file, and keeps
// every line the program does not know. Each line is decoded on its own (UTF-8 when it is
// valid UTF-8, else Windows-1252), and a line the program did not change is written back
// byte for byte. Changes stay in memory until `save`, which replaces the file whole.
class ProfileFile {
public:
    // Reads the file; one over `MaxBytes` is not read at all and never saved over.
    explicit ProfileFile(QString path);
    // A file of these bytes, to be saved at `path`.
    ProfileFile(QString path, const QByteArray& bytes);

    const QString& path() const { return path_; }
    bool tooLarge() const { return tooLarge_; }
    // The file was there to be read: a start without it is the program's first.
    bool found() const { return found_; }
    bool hasSection(const QString& section) const { return find(section, QString()).sectionLine >= 0; }
    bool hasKey(const QString& section, const QString& key) const { return find(section, key).keyLine >= 0; }
    qint64 readInt(const QString& section, const QString& key, qint64 fallback) const;
    // At most `MaxText` characters of the value, as a 255-character buffer would hold, and
    // nothing from a NUL character on.
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    // The value however long, for a setting refused whole rather than cut short.
    QString readWholeString(const QString& section, const QString& key, const QString& fallback) const;
    // The value is quoted exactly when reading it back would otherwise change it.
    void write(const QString& section, const QString& key, const QString& value);
    // The file's contents as `save` writes them.
    QByteArray bytes() const;
    // Refused for a file over the limit, which stays as it was.
    SaveResult save() const;

    static constexpr int MaxText = 254;
    static constexpr qint64 MaxBytes = 4 * 1024 * 1024;

private:
    struct Line {
        QString text;
        QByteArray bytes; // as read, or the text in UTF-8 once the program wrote the line
        QByteArray end;   // the line's own line end; empty for a last line without one
    };
    struct Found {
        qsizetype sectionLine = -1; // the "[section]" line, -1 when absent
        qsizetype keyLine = -1;     // the key's line, -1 when absent
        qsizetype lastLine = -1;    // last non-blank line of the section
    };
    void parse(const QByteArray& bytes);
    Found find(const QString& section, const QString& key) const;
    bool value(const QString& section, const QString& key, QString& out) const;
    void insert(qsizetype at, const QString& text);

    QString path_;
    QList<Line> lines_;
    bool tooLarge_ = false;
    bool found_ = true;
};

} // namespace clavora
