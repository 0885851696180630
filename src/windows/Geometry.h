// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"
#include "common/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>

namespace clavora {

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline void placeTwips(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

// A control with its name and caption, placed in twips. Tests find controls by name.
template <typename W>
W* makeAt(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height)
{
    auto* widget = new W(text, parent);
    widget->setObjectName(QLatin1String(name));
    placeTwips(widget, left, top, width, height);
    return widget;
}

inline QColor toQColor(Rgb c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline Rgb fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

// The fixed-pitch font of the exercise lines and the game: every character as wide as
// the next, so that each typed character stands under the one it copies.
inline QFont fixedFont(int points)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"), points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

// The program's interface font: small enough for the controls' twips sizes, which were
// laid out for an 8-point font.
inline QFont interfaceFont()
{
    QFont font(QStringLiteral("DejaVu Sans"), 8);
    return font;
}

// The whole screen the window stands on, in pixels; the primary one before it stands on any.
QRect screenGeometry(const QWidget& window);
// Whether the platform lets a program place its own windows: a Wayland compositor does not.
bool windowsCanBePlaced();

// Text colour (and optionally the background) of one control.
void paintControl(QWidget* w, Rgb textColour, const Rgb* windowColour = nullptr);

} // namespace clavora
