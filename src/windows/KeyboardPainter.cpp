// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardPainter.h"

#include "Geometry.h"

#include <QGlyphRun>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace clavora {

namespace {
constexpr int OutlineWidth = 3;
constexpr int CaptionAlignment = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic;
// The readiness bar: this high, this far from the key's sides and foot, inside the outline.
constexpr int MeterHeight = 5;
constexpr int MeterMargin = 4;

QRect pixels(const TwipsBox& b)
{
    return twipsRect(b.left, b.top, b.width, b.height);
}

// A letter a font's own glyph shows as laid-out text shows it: no mark to place over another
// letter, no right-to-left run, no script whose letters change with their neighbours.
bool needsNoShaping(QChar letter)
{
    if (letter.isMark() || letter.isSurrogate())
        return false;
    switch (letter.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
        break;
    default:
        return false;
    }
    const QChar::Direction direction = letter.direction();
    return direction != QChar::DirR && direction != QChar::DirAL && direction != QChar::DirRLE &&
           direction != QChar::DirRLO && direction != QChar::DirRLI;
}

// The text a caption shows: "&&" as one "&"; empty where a lone "&" underlines a letter.
QString shownText(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 == caption.size() || caption[i + 1] != u'&')
                return {};
            ++i;
        }
        shown += caption[i];
    }
    return shown;
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

CaptionPainter::CaptionPainter(const QFont& font) : font_(QRawFont::fromFont(font)) {}

bool CaptionPainter::glyphsOf(const QString& text, QGlyphRun& glyphs, qreal& width) const
{
    const QString shown = shownText(text);
    if (shown.isEmpty() || !font_.isValid() || !std::all_of(shown.begin(), shown.end(), needsNoShaping))
        return false;
    const QList<quint32> indexes = font_.glyphIndexesForString(shown);
    if (indexes.size() != shown.size() || indexes.contains(0u)) // a letter the font lacks
        return false;
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(indexes);
    QList<QPointF> positions;
    positions.reserve(advances.size());
    width = 0;
    for (const QPointF& advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance.x();
    }
    glyphs.setRawFont(font_);
    glyphs.setGlyphIndexes(indexes);
    glyphs.setPositions(positions);
    return true;
}

void CaptionPainter::paint(QPainter& p, const KeyCaption& c) const
{
    if (!c.visible || c.text.isEmpty())
        return;
    p.setPen(toQColor(c.colour));
    const QRect box = pixels(c.box);
    QGlyphRun glyphs;
    qreal width = 0;
    // Laid-out text is clipped to a box it does not fit.
    if (glyphsOf(c.text, glyphs, width) && width <= box.width() && font_.ascent() + font_.descent() <= box.height())
        p.drawGlyphRun(QPointF(box.x() + (box.width() - width) / 2, box.y() + font_.ascent()), glyphs);
    else
        p.drawText(box, CaptionAlignment, c.text);
}

void paintKeyShape(QPainter& p, const KeyShape& s)
{
    if (!s.visible)
        return;
    const QRect key = pixels(s.box);
    if (s.outlined) {
        // Three pixels wide, inside the key.
        p.setBrush(toQColor(s.fill));
        p.setPen(QPen(toQColor(s.border), OutlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(key.adjusted(1, 1, -2, -2));
    } else {
        // A one-pixel border inside the key, filled as two rectangles: a fraction of what
        // stroking it costs, the same pixels.
        p.fillRect(key, toQColor(s.border));
        p.fillRect(key.adjusted(1, 1, -1, -1), toQColor(s.fill));
    }
    if (s.meter)
        paintKeyMeter(p, key, *s.meter);
}

void paintKeyboard(QPainter& p, const KeyboardForm& form)
{
    p.fillRect(twipsRect(0, 0, KeyboardClientWidthTwips, KeyboardClientHeightTwips), toQColor(form.windowColour));
    for (const KeyShape& s : form.keys)
        paintKeyShape(p, s);
    for (const KeyShape& s : form.namedShapes)
        paintKeyShape(p, s);
    const CaptionPainter captions(p.font());
    for (const KeyCaption& c : form.labels)
        captions.paint(p, c);
    for (const KeyCaption& c : form.altGrLabel)
        captions.paint(p, c);
    for (const KeyCaption& c : form.namedLabels)
        captions.paint(p, c);
}

} // namespace clavora
