#pragma once
#include <QString>
#include <QStringList>

namespace clavora {

// An INI file read leniently, so that a file edited by hand reads as meant: section and
// key names match without regard to case, a missing file, section or key gives the default, an
// integer is the number at the start of its value, and writing replaces an existing key's
// line in place, appends new keys to their section and new sections to the file, and keeps
// every line the program does not know. Changes stay in memory until `save`, which writes
// the whole file to a temporary file and renames it over the old one.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return path_; }
    qint64 readInt(const QString& section, const QString& key, qint64 fallback) const;
    // At most `MaxText` characters of the value, as a 255-character buffer would hold.
    QString readString(const QString& section, const QString& key, const QString& fallback) const;
    void write(const QString& section, const QString& key, const QString& value);
    bool save() const;

    static constexpr int MaxText = 254;

private:
    struct Found {
        qsizetype sectionLine = -1; // the "[section]" line, -1 when absent
        qsizetype keyLine = -1;     // the key's line, -1 when absent
        qsizetype lastLine = -1;    // last non-blank line of the section
    };
    Found find(const QString& section, const QString& key) const;
    bool value(const QString& section, const QString& key, QString& out) const;

    QString path_;
    QStringList lines_;
};

} // namespace clavora
