// SPDX-License-Identifier: GPL-3.0-or-later
#include "XdgStartupEntry.h"

#include "common/Captions.h"
#include "common/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace clavora {

XdgStartupEntry::XdgStartupEntry(QString folder) : folder_(std::move(folder)) {}

QString XdgStartupEntry::defaultFolder()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

QString XdgStartupEntry::filePath() const
{
    return folder_ + QStringLiteral("/clavora-quick-exercises.desktop");
}

QString XdgStartupEntry::execValue(const QString& program)
{
    // Launchers differ: GLib applies the Desktop Entry quoting, Openbox's runner hands the
    // line to /bin/sh, systemd's generator skips "%" and "\\". Inside double quotes every
    // one of them reads a path without these characters exactly as it is.
    for (const QChar c : program)
        if (c.category() == QChar::Other_Control || QStringLiteral("$`\"\\%").contains(c))
            return {};
    return u'"' + program + QStringLiteral("\" /q");
}

QString XdgStartupEntry::read()
{
    return QString::fromUtf8(readRegularFile(filePath(), 64 * 1024).bytes).trimmed();
}

StartupEntry::Written XdgStartupEntry::write(const QString& program)
{
    const QString exec = execValue(program);
    if (exec.isEmpty()) {
        remove(); // an entry left from before would start a program the user no longer has there
        return {Written::Outcome::UnsafePath, {}};
    }
    if (!QDir().mkpath(folder_))
        return {Written::Outcome::Failed, QCoreApplication::translate("XdgStartupEntry", "the folder could not be created")};
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + QuickExercisesCaption +
                         QStringLiteral("\nExec=") + exec + QStringLiteral("\nTerminal=false\n");
    const SaveResult saved = saveFileSafely(filePath(), text.toUtf8());
    if (!saved.ok)
        return {Written::Outcome::Failed, saved.reason};
    return {};
}

void XdgStartupEntry::remove()
{
    QFile::remove(filePath());
}

} // namespace clavora
