// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/KeyboardForm.h"

#include <QRawFont>

class QFont;
class QGlyphRun;
class QPainter;

namespace clavora {

// Draws key captions in one font, as a label draws its caption ("&&" shows as one "&"). A
// caption whose letters the font holds, none of them needing shaping, goes straight to the
// font's glyphs: laying out and shaping each of a keyboard's captions afresh is most of what
// its first paint costs. Any other caption is laid out as text, with the font's fallbacks.
class CaptionPainter {
public:
    explicit CaptionPainter(const QFont& font);
    // Hidden or empty captions draw nothing.
    void paint(QPainter& painter, const KeyCaption& caption) const;

private:
    // The caption's glyphs from its baseline's left end, and their width; false when the
    // caption must be laid out as text.
    bool glyphsOf(const QString& text, QGlyphRun& glyphs, qreal& width) const;

    QRawFont font_;
};

// Draws a keyboard form at the painter's origin: the window colour, the keys, then their
// captions in the painter's font.
void paintKeyboard(QPainter& painter, const KeyboardForm& form);
// One key's shape as paintKeyboard draws it; a hidden one draws nothing.
void paintKeyShape(QPainter& painter, const KeyShape& shape);

} // namespace clavora
