// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvWriter.h"

#include <QIODevice>

namespace clavora {
namespace {

QString quoted(const QString& field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n'))
        return field;
    QString text = field;
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
        line += quoted(fields.at(i));
    }
    line += QStringLiteral("\r\n");
    const QByteArray bytes = line.toUtf8();
    good_ = good_ && device_.write(bytes) == bytes.size();
    return good_;
}

} // namespace clavora
