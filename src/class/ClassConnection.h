// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSqlDatabase>
#include <QString>
#include <functional>

class QThreadPool;

namespace clavora {

// A connection to the class server named in the settings: a libpq connection string of
// keyword=value pairs. libpq finds the password itself, in ~/.pgpass or the service file.
// A connection belongs to the thread that opens it.
class ClassConnection {
public:
    // Adds a connection of a name no other has and opens it; the caller removes it by its
    // connectionName().
    static QSqlDatabase open(const QString& server);
    // Runs `work` on a connection of its own, open or not, and closes it.
    static void use(const QString& server, const std::function<void(const QSqlDatabase&)>& work);
    // The threads the windows' reads run on. Never waited for: a connection that hangs in
    // the network is left to the end of the process rather than holding up its exit.
    static QThreadPool* threads();
};

} // namespace clavora
