// SPDX-License-Identifier: GPL-3.0-or-later
// The floor measure_process.py compares the program's memory with: a minimal Qt Widgets
// program, one window with a label and a line edit.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt Widgets program"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A label")));
    layout->addWidget(new QLineEdit);
    window.show();
    return app.exec();
}
