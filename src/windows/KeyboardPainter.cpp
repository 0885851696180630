// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardPainter.h"

#include "Geometry.h"

#include <QPainter>
#include <cmath>

namespace clavora {

namespace {
constexpr int OutlineWidth = 3;
// The readiness bar: this high, this far from the key's sides and foot, inside the outline.
constexpr int MeterHeight = 5;
constexpr int MeterMargin = 4;

QRect pixels(const TwipsBox& b)
{
    return twipsRect(b.left, b.top, b.width, b.height);
}

void paintKeyMeter(QPainter& p, const QRect& key, const KeyMeter& meter)
{
    const QRect bar(key.left() + MeterMargin, key.bottom() - MeterMargin - MeterHeight + 1,
                    key.width() - 2 * MeterMargin, MeterHeight);
    p.fillRect(bar, Qt::black);
    const QRect inside = bar.adjusted(1, 1, -1, -1);
    p.fillRect(QRect(inside.topLeft(), QSize(int(std::lround(meter.level * inside.width())), inside.height())),
               toQColor(meter.colour));
}

} // namespace

void paintKeyShape(QPainter& p, const KeyShape& s)
{
    if (!s.visible)
        return;
    p.setBrush(toQColor(s.fill));
    if (s.outlined) {
        // Three pixels wide, inside the key.
        p.setPen(QPen(toQColor(s.border), OutlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(pixels(s.box).adjusted(1, 1, -2, -2));
    } else {
        p.setPen(toQColor(s.border));
        p.drawRect(pixels(s.box).adjusted(0, 0, -1, -1)); // the border lies inside the key
    }
    if (s.meter)
        paintKeyMeter(p, pixels(s.box), *s.meter);
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
