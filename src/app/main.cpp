#include "app/Hub.h"
#include "common/Captions.h"
#include "windows/Geometry.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
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
