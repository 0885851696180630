#include "app/Hub.h"
#include "windows/Geometry.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orvella Clavora"));
    // The program ends when the exercise window closes, not when its last window does.
    app.setQuitOnLastWindowClosed(false);
    QApplication::setFont(clavora::interfaceFont());
    // A steady caret: a blinking one wakes the program twice a second while nothing happens,
    // as in the game window, whose start-level box holds the focus until a game starts.
    QApplication::setCursorFlashTime(0);
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    clavora::Hub hub(clavora::ProgramPaths(exe.absolutePath(), exe.absoluteFilePath()),
                     clavora::CommandLineText(app.arguments()));
    hub.start();
    return app.exec();
}
