// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"

#include "common/Numbers.h"
#include "common/TextFile.h"

#include <QCoreApplication>

namespace clavora {

namespace {
QString sectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return {};
    const qsizetype close = t.indexOf(u']');
    return close > 0 ? t.mid(1, close - 1).trimmed() : QString();
}

bool splitKey(const QString& line, QString& key, QString& value)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0 || line.trimmed().startsWith(u';'))
        return false;
    key = line.left(eq).trimmed();
    value = line.mid(eq + 1);
    return true;
}

// What reading makes of a value as it stands after the "=": blanks around it dropped, then
// one layer of matching quotes.
QString unquoted(const QString& raw)
{
    QString value = raw.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

// A text as it is kept and written: nothing from a NUL on, and no line breaks, which would
// start lines of their own.
QString storable(const QString& value)
{
    const qsizetype nul = value.indexOf(QChar(u'\0'));
    QString clean = nul < 0 ? value : value.left(nul);
    return clean.replace(u'\r', u' ').replace(u'\n', u' ');
}
} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path))
{
    const BoundedRead read = readRegularFile(path_, MaxBytes);
    tooLarge_ = read.tooLarge;
    found_ = read.found;
    if (!tooLarge_)
        parse(read.bytes);
}

ProfileFile::ProfileFile(QString path, const QByteArray& bytes) : path_(std::move(path))
{
    parse(bytes);
}

void ProfileFile::parse(const QByteArray& bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < bytes.size())
            next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
        const QByteArray line = bytes.mid(start, end - start);
        lines_.append({decodeText(line), line, bytes.mid(end, next - end)});
        start = next;
    }
}

ProfileFile::Found ProfileFile::find(const QString& section, const QString& key) const
{
    Found found;
    bool inside = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString& line = lines_[i].text;
        const QString name = sectionName(line);
        if (!name.isNull()) {
            if (inside)
                break;
            inside = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inside)
                found.sectionLine = found.lastLine = i;
            continue;
        }
        if (!inside)
            continue;
        if (!line.trimmed().isEmpty())
            found.lastLine = i;
        QString k, v;
        if (found.keyLine < 0 && splitKey(line, k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
            found.keyLine = i;
    }
    return found;
}

bool ProfileFile::value(const QString& section, const QString& key, QString& out) const
{
    const Found found = find(section, key);
    if (found.keyLine < 0)
        return false;
    QString k, raw;
    splitKey(lines_[found.keyLine].text, k, raw);
    out = unquoted(raw);
    return true;
}

qint64 ProfileFile::readInt(const QString& section, const QString& key, qint64 fallback) const
{
    QString text;
    return value(section, key, text) ? leadingInteger(text) : fallback;
}

QString ProfileFile::readWholeString(const QString& section, const QString& key, const QString& fallback) const
{
    QString text;
    if (!value(section, key, text))
        text = fallback;
    return storable(text);
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    QString text = readWholeString(section, key, fallback);
    if (text.size() > MaxText)
        text.truncate(text[MaxText - 1].isHighSurrogate() ? MaxText - 1 : MaxText); // never half a character
    return text;
}

void ProfileFile::insert(qsizetype at, const QString& text)
{
    // New lines end as the file's lines do; a last line without its end gets one first.
    QByteArray end = "\n";
    for (const Line& line : lines_)
        if (!line.end.isEmpty()) {
            end = line.end;
            break;
        }
    if (at > 0 && lines_[at - 1].end.isEmpty())
        lines_[at - 1].end = end;
    lines_.insert(at, {text, text.toUtf8(), end});
}

void ProfileFile::write(const QString& section, const QString& key, const QString& value)
{
    QString text = storable(value);
    if (unquoted(text) != text)
        text = u'"' + text + u'"';
    const QString line = key + u'=' + text;
    const Found found = find(section, key);
    if (found.keyLine >= 0) {
        Line& old = lines_[found.keyLine];
        if (old.text != line) {
            old.text = line;
            old.bytes = line.toUtf8();
        }
    } else if (found.sectionLine >= 0) {
        insert(found.lastLine + 1, line);
    } else {
        insert(lines_.size(), u'[' + section + u']');
        insert(lines_.size(), line);
    }
}

QByteArray ProfileFile::bytes() const
{
    QByteArray bytes;
    for (const Line& line : lines_)
        bytes += line.bytes + line.end;
    return bytes;
}

SaveResult ProfileFile::save() const
{
    if (tooLarge_)
        return {false, QCoreApplication::translate("ProfileFile", "the file is larger than 4 MB")};
    return saveFileSafely(path_, bytes());
}

} // namespace clavora
