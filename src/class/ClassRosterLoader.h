// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "progress/ClassRosterSource.h"

#include <QFutureWatcher>
#include <QObject>

namespace clavora {

// Reads the Class page from the class server on a worker thread with a connection of its
// own, so that a slow or absent server never holds up the window: first whether the login
// teaches, then the rows.
class ClassRosterLoader final : public QObject, public ClassRosterSource {
    Q_OBJECT
public:
    explicit ClassRosterLoader(QObject* parent = nullptr);

    void load(const QString& server, QDate today, std::function<void(const ClassRoster&)> answered) override;

private:
    QFutureWatcher<ClassRoster> watcher_;
    std::function<void(const ClassRoster&)> answered_;
};

} // namespace clavora
