#include "app/Hub.h"
#include "common/Captions.h"
#include "common/Translations.h"
#include "windows/Geometry.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

int main(int argc, char* argv[])
{
    // Qt's file and colour dialogs keep a history in QtProject.conf among the user's
    // settings; a portable program writes nothing outside its own folder, so they keep none.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QApplication app(argc, argv);
    app.setApplicationName(clavora::ProductName);
    // The program ends when the exercise window closes, not when its last window does.
    app.setQuitOnLastWindowClosed(false);
    QApplication::setFont(clavora::interfaceFont());
    // The language of LANGUAGE, LC_ALL, LC_MESSAGES or LANG; numbers follow LC_NUMERIC.
    clavora::Translations translations(QLocale::system().uiLanguages());
    translations.install();
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    clavora::ProgramPaths paths(exe.absolutePath(), exe.absoluteFilePath());
    paths.setLanguage(translations.language());
    clavora::Hub hub(paths, clavora::commandLineText(app.arguments()));
    hub.start();
    return app.exec();
}
