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

void paintControl(QWidget* w, Rgb textColour, const Rgb* windowColour)
{
    QPalette p = w->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::WindowText, toQColor(textColour));
    p.setColor(QPalette::Disabled, QPalette::WindowText, toQColor(textColour).darker(160));
    if (windowColour) {
        // Check boxes and option buttons fill their background with the Button role.
        p.setColor(QPalette::Window, toQColor(*windowColour));
        p.setColor(w->backgroundRole(), toQColor(*windowColour));
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

} // namespace clavora
