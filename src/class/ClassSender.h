// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassBackoff.h"
#include "common/ClassGoals.h"
#include "progress/ClassReach.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <memory>

namespace clavora {

class ClassUpload;
class HistoryStore;

// The class's work on its own thread (see ClassSync): connects to the server with a Qt SQL
// connection of its own, sends the store's outbox, fetches the learner's rows from their
// other machines at its first send and every five minutes, closes the connection after half
// a minute unused, and after a failure tries again after pauses that grow from a second to
// five minutes. The store is read and written through a connection
// of its own to the same file, in short transactions, so that the program's own writes
// never wait long for it.
class ClassSender final : public QObject {
    Q_OBJECT
public:
    ClassSender(QString storePath, std::shared_ptr<const std::atomic_bool> stopping);
    ~ClassSender() override;

    // Empty: no class; the connection is closed and nothing more is sent.
    void setServer(const QString& connection);
    // Sends what is queued, unless a pause after a failure is under way.
    void sendNow();
    // The letters the learner's Coach has unlocked, sent with the next records when they changed.
    void setCourseLetters(const QString& letters);

signals:
    void reachChanged(const clavora::ClassReach& reach);
    // At each connection, the goals of the learner's classes.
    void goalsRead(const clavora::ClassGoals& goals);

private:
    // Empty once the server is open and of the known schema, else the problem.
    QString openServer();
    void closeServer();
    // Empty once everything queued has been sent, else the problem.
    QString sendQueued();
    void report(const ClassReach& reach);

    QString storePath_;
    std::shared_ptr<const std::atomic_bool> stopping_; // between two statements, end at once
    std::unique_ptr<HistoryStore> store_;
    QString server_;
    QString connectionName_;
    std::unique_ptr<ClassUpload> upload_; // on the open connection
    bool learner_ = false; // the login is a learner's, whose records the class takes
    bool goals_ = false;   // the server keeps the classes' goals and the course letters
    QString letters_;
    QString lettersSent_; // on this run of the program
    bool gapsChecked_ = false; // what the server lost of this machine's records, since connecting
    QElapsedTimer fetched_; // since the rows of the other machines were last fetched
    QTimer retry_;
    QTimer idle_; // closes the connection when it has not been used for a while
    ClassBackoff backoff_;
    ClassReach reach_;
};

} // namespace clavora
