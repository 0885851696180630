// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppWiring.h"
#include "common/Captions.h"
#include "common/Translations.h"
#include "platform/RunningCopy.h"
#include "platform/TerminationSignals.h"
#include "session/CommandLine.h"
#include "session/DisplayPlatform.h"
#include "windows/Geometry.h"
#include "windows/KeyboardAccessible.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QPixmapCache>
#include <QSettings>
#include <cstdio>

namespace {

// The installed theme's icon (a theme may draw it its own way), else the picture the program
// carries, read by Qt's own PNG reader without asking every image plug-in whether it reads PNG
// as well. A theme's icon engine may ignore pixmaps added to it, so the carried picture goes
// into an icon of its own. A portable copy does not look in the theme, which takes
// milliseconds at start. One size, the one window managers show; a dock scales it.
QIcon windowIcon(const QString& applicationId, bool installed)
{
    if (installed) {
        const QIcon themeIcon = QIcon::fromTheme(applicationId);
        if (!themeIcon.availableSizes().isEmpty())
            return themeIcon;
    }
    QImageReader reader(QStringLiteral(":/icons/%1-48.png").arg(applicationId), "png");
    reader.setAutoDetectImageFormat(false);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImageReader(&reader));
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The language of LANGUAGE, LC_ALL, LC_MESSAGES or LANG; numbers follow LC_NUMERIC.
    clavora::Translations translations(QLocale::system().uiLanguages());
    // Answered before Qt connects to a display, so it works in a terminal without one; a plain
    // application object carries the translation.
    if (!clavora::informationText(arguments).isEmpty()) {
        QCoreApplication core(argc, argv);
        translations.install();
        std::fputs(clavora::informationText(arguments).toLocal8Bit().constData(), stdout);
        return 0;
    }

    // Asked of Qt alone: the programs the help opens choose their own platform.
    const QByteArray platform = clavora::chosenPlatform(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    app.setApplicationName(clavora::ProductName);
    // The style caches its pixmaps per palette, and each new game window brings a new
    // palette: Qt's 10 MB would fill with pixmaps never drawn again. 1 MB holds those of the
    // windows on screen.
    QPixmapCache::setCacheLimit(1024);
    // The desktop entry's name and (below) its icon, so that docks and task bars show the
    // program's own.
    const QString applicationId = QStringLiteral("org.orvella.Clavora");
    app.setDesktopFileName(applicationId);
    // The program ends when the exercise window closes, not when its last window does.
    app.setQuitOnLastWindowClosed(false);
    QApplication::setFont(clavora::interfaceFont());
    // A steady caret: a blinking one wakes the program twice a second while nothing happens,
    // as in the game window, whose start-level box holds the focus until a game starts.
    QApplication::setCursorFlashTime(0);
    translations.install();
    QAccessible::installFactory(clavora::keyboardAccessibleFactory);
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    // A folder whose settings file alone may be written (an administrator's choice) stays
    // portable: the file is then saved in place.
    const bool writable = QFileInfo(exe.absolutePath()).isWritable()
                          || QFileInfo(clavora::ProgramPaths(exe.absolutePath(), {}).settingsFile()).isWritable();
    auto paths = clavora::ProgramPaths::forProgram(exe.absoluteFilePath(), writable,
                                                   QProcessEnvironment::systemEnvironment());
    // Qt's file and colour dialogs keep a history in QtProject.conf among the user's
    // settings; a portable program writes nothing outside its own folder, so they keep none.
    if (!paths.installed())
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    paths.setLanguage(translations.language());
    QApplication::setWindowIcon(windowIcon(applicationId, paths.installed()));
    const QString commandLine = clavora::commandLineText(app.arguments());
    // A second copy on the same settings file brings the first forward and ends; "/k" saves
    // nothing, so it may run beside another copy.
    clavora::RunningCopy runningCopy(paths.settingsFile());
    if (clavora::findStartMode(commandLine) != clavora::StartMode::KeyboardOnly && !runningCopy.claim())
        return 0;
    clavora::AppWiring wiring(paths, commandLine);
    QObject::connect(&runningCopy, &clavora::RunningCopy::startedAgain, &wiring, &clavora::AppWiring::startedAgain);
    wiring.start();
    // A log-out or a kill saves the settings as closing the exercise window does, but waits on
    // no box to tell what failed: a log-out would otherwise wait on it until the session
    // manager gives up.
    clavora::TerminationSignals termination;
    QObject::connect(&termination, &clavora::TerminationSignals::received, &wiring, &clavora::AppWiring::terminate);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &wiring, &clavora::AppWiring::commitRequested);
    return app.exec();
}
