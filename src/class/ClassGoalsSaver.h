// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "progress/ClassGoalsWriter.h"

#include <QFutureWatcher>
#include <QObject>

namespace clavora {

// Sets a class's goals on the class server on a worker thread with a connection of its own,
// so that a slow or absent server never holds up the window.
class ClassGoalsSaver final : public QObject, public ClassGoalsWriter {
    Q_OBJECT
public:
    explicit ClassGoalsSaver(QObject* parent = nullptr);

    void write(const QString& server, const QString& className, const ClassGoals& goals,
               std::function<void(const QString& problem)> written) override;

private:
    QFutureWatcher<QString> watcher_;
    std::function<void(const QString&)> written_;
};

} // namespace clavora
