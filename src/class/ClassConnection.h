// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSqlDatabase>
#include <QString>

namespace clavora {

// A connection to the class server named in the settings: a libpq connection string of
// keyword=value pairs. libpq finds the password itself, in ~/.pgpass or the service file.
// A connection belongs to the thread that opens it.
class ClassConnection {
public:
    // Opens the connection `name`; check isOpen() and lastError().
    static QSqlDatabase open(const QString& name, const QString& server);
};

} // namespace clavora
