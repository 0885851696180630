// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "progress/ClassRoster.h"

#include <QFutureWatcher>
#include <QObject>

namespace clavora {

// Reads the Class page from the class server on a worker thread with a connection of its
// own, so that a slow or absent server never holds up the window: first whether the login
// teaches, then the rows.
class ClassRosterLoader final : public QObject {
    Q_OBJECT
public:
    explicit ClassRosterLoader(QObject* parent = nullptr);

    // A read still under way is no longer heard.
    void load(const QString& server, QDate today);

signals:
    // Twice for a teacher (the role, then the rows: `complete`), once for anyone else.
    void answered(const clavora::ClassRoster& roster);

private:
    QFutureWatcher<ClassRoster> watcher_;
};

} // namespace clavora
