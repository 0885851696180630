// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassStatement.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>

namespace clavora {

QSqlQuery ClassStatement::run(const QSqlDatabase& connection, const QString& sql, const QVariantList& values)
{
    QString text;
    text.reserve(sql.size());
    qsizetype next = 0;
    QChar quote; // the quote being read, null outside quotes
    for (const QChar character : sql) {
        if (!quote.isNull()) {
            if (character == quote)
                quote = QChar();
        } else if (character == u'\'' || character == u'"') {
            quote = character;
        } else if (character == u'?' && next < values.size()) {
            const QVariant& value = values[next++];
            QSqlField field(QString(), value.metaType());
            field.setValue(value);
            text += connection.driver()->formatValue(field);
            continue;
        }
        text += character;
    }
    QSqlQuery query(connection);
    query.setForwardOnly(true);
    query.exec(text);
    return query;
}

QSqlError ClassStatement::limitTime(const QSqlDatabase& connection)
{
    return run(connection, QStringLiteral("SET LOCAL statement_timeout = '60s'")).lastError();
}

} // namespace clavora
