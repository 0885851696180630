// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardPainter.h"

#include "Geometry.h"

#include <QPainter>

namespace clavora {

namespace {
QRect pixels(const TwipsBox& b)
{
    return twipsRect(b.left, b.top, b.width, b.height);
}

} // namespace

void paintKeyShape(QPainter& p, const KeyShape& s)
{
    if (!s.visible)
        return;
    p.setPen(toQColor(s.border));
    p.setBrush(toQColor(s.fill));
    p.drawRect(pixels(s.box).adjusted(0, 0, -1, -1)); // the border lies inside the key
}

void paintKeyCaption(QPainter& p, const KeyCaption& c)
{
    if (!c.visible || c.text.isEmpty())
        return;
    p.setPen(toQColor(c.colour));
    // Like a label's caption, "&&" shows as one "&".
    p.drawText(pixels(c.box), Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, c.text);
}

void paintKeyboard(QPainter& p, const KeyboardForm& form)
{
    p.fillRect(twipsRect(0, 0, KeyboardClientWidthTwips, KeyboardClientHeightTwips), toQColor(form.windowColour));
    for (const KeyShape& s : form.keys)
        paintKeyShape(p, s);
    for (const KeyShape& s : form.namedShapes)
        paintKeyShape(p, s);
    for (const KeyCaption& c : form.labels)
        paintKeyCaption(p, c);
    for (const KeyCaption& c : form.altGrLabel)
        paintKeyCaption(p, c);
    for (const KeyCaption& c : form.namedLabels)
        paintKeyCaption(p, c);
}

} // namespace clavora
