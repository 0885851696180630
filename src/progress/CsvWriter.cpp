// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvWriter.h"

#include "common/FileAccess.h"

#include <QBuffer>
#include <QFileInfo>

namespace clavora {
namespace {

// A spreadsheet takes a cell that starts with one of these for a formula (OWASP's list); a
// leading apostrophe keeps it text.
bool looksLikeFormula(const QString& field)
{
    return !field.isEmpty() && QStringView(u"=+-@\t\r").contains(field.front());
}

// Half a surrogate pair has no UTF-8 form: it becomes U+FFFD, so that the file is valid UTF-8.
QString withoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString cell(const QString& field)
{
    QString text = withoutLoneSurrogates(looksLikeFormula(field) ? u'\'' + field : field);
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

} // namespace

bool CsvWriter::writeRow(const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        line += cell(fields.at(i));
    }
    line += QStringLiteral("\r\n");
    const QByteArray bytes = line.toUtf8();
    good_ = good_ && device_.write(bytes) == bytes.size();
    return good_;
}

bool CsvWriter::saveFiles(const std::vector<CsvFile>& files)
{
    std::vector<QByteArray> contents;
    for (const CsvFile& file : files) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!file.write(buffer))
            return false;
        contents.push_back(buffer.data());
    }
    std::vector<BoundedRead> old;
    for (size_t i = 0; i < files.size(); ++i) {
        old.push_back(readRegularFile(files[i].path, QFileInfo(files[i].path).size()));
        if (saveFileSafely(files[i].path, contents[i]).ok)
            continue;
        for (size_t saved = 0; saved < i; ++saved) {
            if (old[saved].found)
                saveFileSafely(files[saved].path, old[saved].bytes);
            else
                QFile::remove(files[saved].path);
        }
        return false;
    }
    return true;
}

} // namespace clavora
