// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassSync.h"
#include "ClassSender.h"

namespace clavora {

ClassSync::ClassSync(QString storePath)
    : thread_(new QThread), stopping_(std::make_shared<std::atomic_bool>(false))
{
    sender_ = new ClassSender(std::move(storePath), stopping_);
    sender_->moveToThread(thread_);
    // The sender ends on its own thread, which owns its connections.
    connect(thread_, &QThread::finished, sender_, &QObject::deleteLater);
    connect(sender_, &ClassSender::reachChanged, this, [this](const ClassReach& reach) {
        reach_ = reach;
        emit reachChanged(reach);
    });
    connect(sender_, &ClassSender::goalsRead, this, &ClassSync::goalsRead);
    thread_->setObjectName(QStringLiteral("class"));
    thread_->start();
}

ClassSync::~ClassSync()
{
    stop();
}

void ClassSync::setServer(const QString& connection)
{
    if (thread_)
        QMetaObject::invokeMethod(sender_, [sender = sender_, connection] { sender->setServer(connection); });
}

void ClassSync::sendNow()
{
    if (thread_)
        QMetaObject::invokeMethod(sender_, &ClassSender::sendNow);
}

void ClassSync::setCourseLetters(const QString& letters)
{
    if (thread_)
        QMetaObject::invokeMethod(sender_, [sender = sender_, letters] { sender->setCourseLetters(letters); });
}

void ClassSync::stop(int milliseconds)
{
    if (!thread_)
        return;
    // After the sends already asked for, which get the first half of the time; then a send
    // under way stops after its statement.
    QMetaObject::invokeMethod(sender_, [thread = thread_] { thread->quit(); });
    bool ended = thread_->wait(milliseconds / 2);
    if (!ended) {
        *stopping_ = true;
        ended = thread_->wait(milliseconds - milliseconds / 2);
    }
    if (ended)
        delete thread_;
    // else a connection hangs in the network: the thread is left to the end of the process,
    // as destroying it while it runs would end the program at once.
    thread_ = nullptr;
}

} // namespace clavora
