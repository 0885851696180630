// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppWiring.h"

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
    std::unique_ptr<AppWiring> startWiring(const QString& commandLine = {}) const
    {
        auto wiring = std::make_unique<AppWiring>(paths(), commandLine);
        wiring->start();
        return wiring;
    }

private:
    QTemporaryDir dir_;
};

} // namespace clavora::test
