// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"

#include "common/TextFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

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
    value = line.mid(eq + 1).trimmed();
    return true;
}
} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path))
{
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) {
        // A settings file is small; a larger one is read no further than this.
        static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
        lines_ = decodeText(file.read(4 * 1024 * 1024)).split(lineEnd);
        if (!lines_.isEmpty() && lines_.last().isEmpty())
            lines_.removeLast();
    }
}

ProfileFile::Found ProfileFile::find(const QString& section, const QString& key) const
{
    Found found;
    bool inside = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString name = sectionName(lines_[i]);
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
        if (!lines_[i].trimmed().isEmpty())
            found.lastLine = i;
        QString k, v;
        if (found.keyLine < 0 && splitKey(lines_[i], k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
            found.keyLine = i;
    }
    return found;
}

bool ProfileFile::value(const QString& section, const QString& key, QString& out) const
{
    const Found found = find(section, key);
    if (found.keyLine < 0)
        return false;
    QString k;
    splitKey(lines_[found.keyLine], k, out);
    if (out.size() >= 2 && (out.front() == u'"' || out.front() == u'\'') && out.back() == out.front())
        out = out.mid(1, out.size() - 2);
    return true;
}

qint64 ProfileFile::readInt(const QString& section, const QString& key, qint64 fallback) const
{
    QString text;
    if (!value(section, key, text))
        return fallback;
    // An optional sign and the decimal digits at the start; anything after them is ignored.
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    qint64 number = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        number = std::min<qint64>(number * 10 + (text[i].unicode() - u'0'), qint64(1) << 40);
    return negative ? -number : number;
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    QString text;
    if (!value(section, key, text))
        return fallback.left(MaxText);
    return text.left(MaxText);
}

void ProfileFile::write(const QString& section, const QString& key, const QString& value)
{
    // A line break in a value would start a line of its own in the file.
    QString clean = value;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString line = key + u'=' + clean;
    const Found found = find(section, key);
    if (found.keyLine >= 0)
        lines_[found.keyLine] = line;
    else if (found.sectionLine >= 0)
        lines_.insert(found.lastLine + 1, line);
    else {
        lines_.append(u'[' + section + u']');
        lines_.append(line);
    }
}

bool ProfileFile::save() const
{
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString& line : lines_)
        bytes += line.toUtf8() + '\n';
    file.write(bytes);
    return file.commit();
}

} // namespace clavora
