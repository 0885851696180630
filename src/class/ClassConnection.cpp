// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassConnection.h"

#include <QThreadPool>
#include <atomic>
#include <clocale>

namespace clavora {
namespace {

// libpq's own messages in English on the thread that talks to the server, whatever the
// desktop's language, so that the plain-words reasons can read them; the thread's other
// texts are Qt's, which follow the desktop's language as before.
class EnglishDriverMessages {
public:
    EnglishDriverMessages()
    {
        if (const locale_t desktop = duplocale(LC_GLOBAL_LOCALE)) {
            english_ = newlocale(LC_MESSAGES_MASK, "C", desktop);
            if (english_)
                uselocale(english_);
            else
                freelocale(desktop);
        }
    }
    ~EnglishDriverMessages()
    {
        if (english_) {
            uselocale(LC_GLOBAL_LOCALE);
            freelocale(english_);
        }
    }
    EnglishDriverMessages(const EnglishDriverMessages&) = delete;
    EnglishDriverMessages& operator=(const EnglishDriverMessages&) = delete;

private:
    locale_t english_ = nullptr;
};

} // namespace

QSqlDatabase ClassConnection::open(const QString& server)
{
    thread_local const EnglishDriverMessages englishMessages;
    static std::atomic<int> connections = 0;
    QSqlDatabase connection =
        QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("clavora-class-%1").arg(++connections));
    // A server that answers nothing fails in seconds rather than at the system's TCP limit,
    // and one that stops answering on an open connection within a minute (keepalives, and
    // unacknowledged data given up after 60 s); the person's own settings, given later, win.
    connection.setConnectOptions(QStringLiteral("connect_timeout=10 keepalives=1 keepalives_idle=20 "
                                                "keepalives_interval=10 keepalives_count=3 tcp_user_timeout=60000 ")
                                 + server);
    connection.open();
    return connection;
}

void ClassConnection::use(const QString& server, const std::function<void(const QSqlDatabase&)>& work)
{
    QString name;
    {
        const QSqlDatabase connection = open(server);
        name = connection.connectionName();
        work(connection);
    }
    QSqlDatabase::removeDatabase(name);
}

QThreadPool* ClassConnection::threads()
{
    static QThreadPool* const pool = new QThreadPool; // never destroyed, so never waited for
    return pool;
}

} // namespace clavora
