// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>

namespace clavora {

// What may be kept as the class server: a libpq connection string of keyword=value pairs
// (service=clavora-class), which the settings file holds in plain text, one line of at most
// its text limit. A password
// never goes there: libpq reads it from ~/.pgpass or the service file.
class ClassServerCheck {
    Q_DECLARE_TR_FUNCTIONS(ClassServerCheck)

public:
    // Why `server` cannot be kept, in words for the person who typed it; empty when it can.
    // A blank server can: it leaves the class.
    static QString refusal(const QString& server);
};

} // namespace clavora
