// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace clavora::test {

// How many server connections a pooler keeps for each role and for all roles together (0: no
// limit), and the seconds each lives after it was opened or last used.
struct PoolerShape {
    int roleConnections = 2;
    int databaseConnections = 0;
    int serverLifetimeSeconds = 1;
};

// A private PostgreSQL server for one test program: a fresh cluster in a temporary folder,
// reached only through a Unix socket in that folder, with the superuser `postgres` and
// password-less local logins. The server runs as the program's child and dies with it, so
// a crashed or killed test leaves no server behind. Under root (which the server refuses)
// it runs as `nobody`.
class PostgresServer {
public:
    PostgresServer() = default;
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;
    ~PostgresServer();

    // Empty when the server is up; otherwise why not (for a skip when the binaries are
    // missing, a failure otherwise). `missing` tells the two apart.
    QString start(bool* missing);
    void stop();
    // Starts a stopped server again on the same data.
    QString resume();
    // Creates the database "clavora" with the class schema from the file `schema`; returns
    // psql's output on failure, else nothing.
    QString loadClassDatabase(const QString& schema) const;
    // A libpq connection string to the database "clavora" as `role`.
    QString connection(const QString& role) const;
    QString dataFolder() const;
    // The postmaster's process, whose children are the server's sessions.
    qint64 processId() const { return server_.processId(); }
    // Writes the database "clavora" to `file`, as a nightly backup would.
    QString dump(const QString& file) const;
    // Replaces the database "clavora" with the one `file` holds, ending its sessions.
    QString restore(const QString& file) const;
    // Copies the running server's data (pg_basebackup), as a standby has it.
    QString backUp() const;
    // Stops the server and starts the copy in its place: a standby that stopped receiving
    // when the copy was made, promoted.
    QString promoteBackup();
    // PgBouncer in front of the database "clavora" in transaction mode, as a school shares
    // few server connections among many programs. `roles` may log in. Empty when it runs,
    // else why not; `missing` tells whether it is not installed.
    QString startPooler(const QStringList& roles, bool* missing, PoolerShape shape = {});
    // A libpq connection string to the database "clavora" through the pooler as `role`.
    QString poolerConnection(const QString& role) const;

    // A Qt SQL connection of `role` to `database`, opened; `name` names the connection.
    QSqlDatabase connect(const QString& name, const QString& role, const QString& database) const;
    // psql as `postgres`, reading `input`; returns the exit code, with its output in `output`.
    int psql(const QStringList& arguments, QString* output = nullptr, const QByteArray& input = {}) const;

private:
    QString binary(const char* name) const;
    QString run(const QString& program, const QStringList& arguments) const;

    QTemporaryDir folder_;
    QString binaries_;
    QProcess server_;
    QProcess pooler_;
    QString data_ = "data"; // the cluster's folder in folder_
};

} // namespace clavora::test

// Starts `server` in a test slot; skips the test program where PostgreSQL is not installed.
#define CLAVORA_START_POSTGRES(server)                                                                 \
    do {                                                                                               \
        bool missing = false;                                                                          \
        const QString problem = (server).start(&missing);                                              \
        if (missing)                                                                                   \
            QSKIP(qPrintable(problem));                                                                \
        QVERIFY2(problem.isEmpty(), qPrintable(problem));                                              \
    } while (false)
