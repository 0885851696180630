// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/ClassGoals.h"
#include "progress/ClassReach.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

namespace clavora {

class ClassSender;

// The learner's side of the class: sends this machine's records to the class server and
// fetches the learner's records from their other machines, on a thread of its own, so that
// neither typing nor the end of the program waits for the network. Its methods are called
// from the thread that made it, which also receives reachChanged.
class ClassSync final : public QObject {
    Q_OBJECT
public:
    // `storePath`: the history file, which the store has already brought to its current
    // version.
    explicit ClassSync(QString storePath);
    // Stops as stop() does.
    ~ClassSync() override;

    // A libpq connection string, such as "service=clavora-class" (passwords come from
    // libpq's own files, never from here); empty: no class, and sending stops.
    void setServer(const QString& connection);
    // After each write: sends what the store has queued.
    void sendNow();
    // The letters the learner's Coach has unlocked, sent with the next records when they changed.
    void setCourseLetters(const QString& letters);
    ClassReach reach() const { return reach_; }
    // Ends the work, waiting at most `milliseconds`: for the sends already asked for, then for
    // a send under way to stop between two statements; a connection that hangs in the network
    // is left to the end of the process.
    void stop(int milliseconds = 1000);

signals:
    // When the server was last reached, and why not while it cannot be: said once, not at
    // every try.
    void reachChanged(const clavora::ClassReach& reach);
    // At each connection, the goals of the learner's classes: the stricter of their goals,
    // empty goals in no class or classes without goals.
    void goalsRead(const clavora::ClassGoals& goals);

private:
    QThread* thread_;
    ClassSender* sender_;
    // Shared with the sender, which outlives this object when its connection hangs.
    std::shared_ptr<std::atomic_bool> stopping_;
    ClassReach reach_;
};

} // namespace clavora
