#include "XdgStartupEntry.h"

#include "common/Captions.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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
    for (const QChar c : program)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return {};
    // Inside the quotes of an argument, " ` $ and \ take a backslash.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    // Field codes start with %, so a literal one is doubled.
    quoted.replace(u'%', QStringLiteral("%%"));
    // The Exec key is a string value, in which each backslash is itself escaped.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + QStringLiteral("\" /q");
}

QString XdgStartupEntry::read()
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(64 * 1024)).trimmed();
}

void XdgStartupEntry::write(const QString& program)
{
    const QString exec = execValue(program);
    if (exec.isEmpty() || !QDir().mkpath(folder_))
        return;
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + QuickExercisesCaption +
                         QStringLiteral("\nExec=") + exec + QStringLiteral("\nTerminal=false\n");
    file.write(text.toUtf8());
    file.commit();
}

void XdgStartupEntry::remove()
{
    QFile::remove(filePath());
}

} // namespace clavora
