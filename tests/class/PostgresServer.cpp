// SPDX-License-Identifier: GPL-3.0-or-later
#include "PostgresServer.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace clavora::test {
namespace {

constexpr int port = 5432; // the socket lives in our own folder, so no other server collides
constexpr int poolerPort = 6432;

// The folder holding postgres, initdb and psql: the one behind PATH's postgres, else the
// newest of Debian's /usr/lib/postgresql/<version>/bin.
QString findBinaries()
{
    QStringList candidates;
    const QString onPath = QStandardPaths::findExecutable("postgres");
    if (!onPath.isEmpty())
        candidates << QFileInfo(QFileInfo(onPath).canonicalFilePath()).absolutePath();
    QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
    for (const QString& version : versions)
        candidates << QString("/usr/lib/postgresql/%1/bin").arg(version);
    static const char* const needed[] = {"postgres", "initdb", "psql"};
    for (const QString& folder : candidates) {
        const bool complete = std::all_of(std::begin(needed), std::end(needed),
            [&](const char* name) { return QFileInfo(QDir(folder).filePath(QLatin1String(name))).isExecutable(); });
        if (complete)
            return folder;
    }
    return {};
}

// The server refuses to run as root; there it runs as nobody. `dieWithParent` ends the
// server (immediate shutdown) when the test program ends, however it ends.
void runAsServerUser(QProcess& process, bool dieWithParent)
{
    uid_t uid = 0;
    gid_t gid = 0;
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        uid = nobody ? nobody->pw_uid : 65534;
        gid = nobody ? nobody->pw_gid : 65534;
    }
    process.setChildProcessModifier([uid, gid, dieWithParent] {
        if (uid != 0 && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0))
            _exit(126);
        if (dieWithParent)
            prctl(PR_SET_PDEATHSIG, SIGQUIT);
    });
}

} // namespace

QString PostgresServer::start(bool* missing)
{
    *missing = false;
    binaries_ = findBinaries();
    if (binaries_.isEmpty()) {
        *missing = true;
        return "PostgreSQL's server is not installed (no postgres, initdb and psql in PATH or "
               "/usr/lib/postgresql/*/bin): apt-get install postgresql";
    }
    if (!QSqlDatabase::isDriverAvailable("QPSQL")) {
        *missing = true;
        return "Qt SQL's PostgreSQL driver is not installed: apt-get install libqt6sql6-psql";
    }
    if (!folder_.isValid())
        return "no temporary folder";
    // Settings of the person running the tests must not redirect our connections.
    for (const QString& variable : QProcessEnvironment::systemEnvironment().keys()) {
        if (variable.startsWith(QLatin1String("PG")))
            qunsetenv(variable.toLocal8Bit().constData());
    }
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (!nobody || chown(QFile::encodeName(folder_.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
            return "cannot hand the temporary folder to nobody";
    }
    const QString error =
        run(binary("initdb"), {"-D", dataFolder(), "-U", "postgres", "-A", "trust", "-E", "UTF8", "--no-locale", "--no-sync"});
    return error.isEmpty() ? resume() : error;
}

PostgresServer::~PostgresServer()
{
    if (pooler_.state() != QProcess::NotRunning) {
        pooler_.kill();
        pooler_.waitForFinished();
    }
    stop();
}

QString PostgresServer::startPooler(const QStringList& roles, bool* missing, PoolerShape shape)
{
    const QString program = QStandardPaths::findExecutable("pgbouncer", {"/usr/sbin", "/usr/bin"});
    *missing = program.isEmpty();
    if (*missing)
        return "PgBouncer is not installed: apt-get install pgbouncer";
    QFile users(folder_.filePath("pooler-users.txt"));
    QFile settings(folder_.filePath("pgbouncer.ini"));
    if (!users.open(QIODevice::WriteOnly) || !settings.open(QIODevice::WriteOnly))
        return "cannot write the pooler's files";
    for (const QString& role : roles)
        users.write(QString("\"%1\" \"\"\n").arg(role).toUtf8());
    users.close();
    settings.write(QString("[databases]\n"
                           "clavora = host=%1 port=%2 dbname=clavora\n"
                           "[pgbouncer]\n"
                           "listen_addr =\n"
                           "listen_port = %3\n"
                           "unix_socket_dir = %1\n"
                           "auth_type = trust\n"
                           "auth_file = %4\n"
                           "pool_mode = transaction\n"
                           "default_pool_size = %5\n"
                           "max_db_connections = %6\n"
                           "server_lifetime = %7\n"
                           "server_idle_timeout = %7\n"
                           "logfile = %1/pgbouncer.log\n")
                       .arg(folder_.path())
                       .arg(port)
                       .arg(poolerPort)
                       .arg(users.fileName())
                       .arg(shape.roleConnections)
                       .arg(shape.databaseConnections)
                       .arg(shape.serverLifetimeSeconds)
                       .toUtf8());
    settings.close();
    runAsServerUser(pooler_, true);
    pooler_.setProcessChannelMode(QProcess::MergedChannels);
    pooler_.start(program, {settings.fileName()});
    const QString socket = folder_.filePath(QString(".s.PGSQL.%1").arg(poolerPort));
    for (int tries = 0; tries < 100 && !QFile::exists(socket) && pooler_.state() != QProcess::NotRunning; ++tries)
        QThread::msleep(100);
    if (!QFile::exists(socket))
        return QString("PgBouncer did not start: %1").arg(QString::fromLocal8Bit(pooler_.readAll()));
    return {};
}

QString PostgresServer::poolerConnection(const QString& role) const
{
    return QString("host=%1 port=%2 dbname=clavora user=%3").arg(folder_.path()).arg(poolerPort).arg(role);
}

QString PostgresServer::dataFolder() const
{
    return folder_.filePath(data_);
}

QString PostgresServer::dump(const QString& file) const
{
    return run(binary("pg_dump"), {"-h", folder_.path(), "-p", QString::number(port), "-U", "postgres", "-Fc", "-f",
                                   file, "clavora"});
}

QString PostgresServer::restore(const QString& file) const
{
    QString output;
    if (psql({"-d", "postgres", "-c", "DROP DATABASE clavora WITH (FORCE)"}, &output) != 0)
        return output;
    return run(binary("pg_restore"), {"-h", folder_.path(), "-p", QString::number(port), "-U", "postgres", "-C", "-d",
                                      "postgres", file});
}

QString PostgresServer::backUp() const
{
    return run(binary("pg_basebackup"), {"-h", folder_.path(), "-p", QString::number(port), "-U", "postgres", "-D",
                                         folder_.filePath("standby"), "-X", "stream", "--no-sync", "--checkpoint=fast"});
}

QString PostgresServer::promoteBackup()
{
    stop();
    data_ = "standby";
    return resume();
}

QString PostgresServer::resume()
{
    runAsServerUser(server_, true);
    server_.setWorkingDirectory(folder_.path());
    server_.setProcessChannelMode(QProcess::MergedChannels);
    const QString log = folder_.filePath("server.log");
    server_.setStandardOutputFile(log, QIODevice::Append);
    // Durability is of no use to a test server: leave it out for speed. Its time zone is UTC
    // whatever the machine's, so that tests can set the client's apart.
    server_.start(binary("postgres"), {"-D", dataFolder(), "-k", folder_.path(), "-p", QString::number(port), "-c",
                                          "listen_addresses=", "-c", "fsync=off", "-c", "full_page_writes=off", "-c",
                                          "synchronous_commit=off", "-c", "timezone=UTC"});
    bool ready = false;
    for (int tries = 0; tries < 600 && !ready && server_.state() != QProcess::NotRunning; ++tries) {
        ready = connect("clavora-probe", "postgres", "postgres").isOpen();
        QSqlDatabase::removeDatabase("clavora-probe");
        if (!ready)
            QThread::msleep(100);
    }
    if (!ready) {
        QFile file(log);
        file.open(QIODevice::ReadOnly);
        return QString("the server did not start: %1").arg(QString::fromLocal8Bit(file.readAll()));
    }
    return {};
}

QString PostgresServer::loadClassDatabase(const QString& schema) const
{
    QString output;
    if (psql({"-d", "postgres", "-c", "CREATE DATABASE clavora"}, &output) != 0 ||
        psql({"-d", "clavora", "-f", schema}, &output) != 0)
        return output;
    return {};
}

QString PostgresServer::connection(const QString& role) const
{
    return QString("host=%1 port=%2 dbname=clavora user=%3").arg(folder_.path()).arg(port).arg(role);
}

void PostgresServer::stop()
{
    if (server_.state() == QProcess::NotRunning)
        return;
    ::kill(static_cast<pid_t>(server_.processId()), SIGINT); // fast shutdown: ends open sessions
    if (!server_.waitForFinished(30000)) {
        server_.kill();
        server_.waitForFinished();
    }
}

QSqlDatabase PostgresServer::connect(const QString& name, const QString& role, const QString& database) const
{
    QSqlDatabase connection = QSqlDatabase::addDatabase("QPSQL", name);
    connection.setHostName(folder_.path());
    connection.setPort(port);
    connection.setUserName(role);
    connection.setDatabaseName(database);
    connection.open();
    return connection;
}

int PostgresServer::psql(const QStringList& arguments, QString* output, const QByteArray& input) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(binary("psql"),
        QStringList {"-X", "-q", "-h", folder_.path(), "-p", QString::number(port), "-U", "postgres"} + arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString PostgresServer::binary(const char* name) const
{
    return QDir(binaries_).filePath(QLatin1String(name));
}

QString PostgresServer::run(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    runAsServerUser(process, false);
    process.setWorkingDirectory(folder_.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return {};
    return QString("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAll()));
}

} // namespace clavora::test
