// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/Hub.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace clavora::test {

// A program folder of its own for a window test, with the autostart folder kept inside it.
class ProgramFolder {
public:
    ProgramFolder() { qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8()); }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    ProgramPaths paths() const { return ProgramPaths(dir_.path(), dir_.filePath("clavora")); }

    void writeSettings(const QByteArray& text) const
    {
        QFile f(dir_.filePath("Clavora.ini"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text);
    }
    std::unique_ptr<Hub> startHub(const QString& commandLine = {}) const
    {
        auto hub = std::make_unique<Hub>(paths(), commandLine);
        hub->start();
        return hub;
    }

private:
    QTemporaryDir dir_;
};

} // namespace clavora::test
