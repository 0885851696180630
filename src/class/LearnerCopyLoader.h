// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFutureWatcher>
#include <QObject>

namespace clavora {

// Copies one learner's rows from the class server into a new store file on a worker thread
// (a store's connection belongs to the thread that opens it, so the copy is a file the
// window's thread opens afterwards), so that a teacher's window never waits on the network.
class LearnerCopyLoader final : public QObject {
    Q_OBJECT
public:
    explicit LearnerCopyLoader(QObject* parent = nullptr);

    void load(const QString& server, const QString& login, const QString& storePath);

signals:
    // Empty once the store holds the learner's rows, else why not.
    void finished(const QString& problem);

private:
    QFutureWatcher<QString> watcher_;
};

} // namespace clavora
