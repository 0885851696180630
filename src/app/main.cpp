#include "app/Hub.h"
#include "common/Captions.h"
#include "windows/Geometry.h"

#include <QApplication>
#include <QFileInfo>
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
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    clavora::Hub hub(clavora::ProgramPaths(exe.absolutePath(), exe.absoluteFilePath()),
                     clavora::commandLineText(app.arguments()));
    hub.start();
    return app.exec();
}
