// SPDX-License-Identifier: GPL-3.0-or-later
#include "Geometry.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace clavora {

QRect screenGeometry(const QWidget& window)
{
    const QScreen* screen = window.screen();
    return screen ? screen->geometry() : QRect();
}

bool windowsCanBePlaced()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void paintControl(QWidget* w, Rgb text, const Rgb* background)
{
    QPalette p = w->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::WindowText, toQColor(text));
    p.setColor(QPalette::Disabled, QPalette::WindowText, toQColor(text).darker(160));
    if (background) {
        // Check boxes and option buttons fill their background with the Button role.
        p.setColor(QPalette::Window, toQColor(*background));
        p.setColor(w->backgroundRole(), toQColor(*background));
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

} // namespace clavora
