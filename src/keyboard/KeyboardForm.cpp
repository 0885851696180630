// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardForm.h"

#include "KeyColour.h"

#include <QCoreApplication>
#include <QLocale>
#include <utility>

namespace clavora {

namespace {
constexpr int KeySize = 555;
constexpr int CaptionHeight = 255;
constexpr int KeyPitch = 600;
constexpr int UpperLabel = CharacterKeyCount;
constexpr int MovingKey = 25; // end of the top row, or inside the tall ENTER key's notch
constexpr int ExtraKeyIndex = 47;
// The AltGr caption's part of a key, at its right.
constexpr int AltGrWidth = 285;

TwipsBox characterKeyBox(int k)
{
    if (k <= 12)
        return {60 + KeyPitch * k, 60, KeySize, KeySize};
    if (k <= 24)
        return {960 + KeyPitch * (k - 13), 660, KeySize, KeySize};
    if (k == 25)
        return {8160, 660, 855, KeySize}; // end of the top letter row until a layout says otherwise
    if (k <= 36)
        return {1140 + KeyPitch * (k - 26), 1260, KeySize, KeySize};
    if (k <= 46)
        return {1440 + KeyPitch * (k - 37), 1860, KeySize, KeySize};
    return {840, 1860, KeySize, KeySize};
}

void setShape(KeyboardForm& f, NamedShape s, TwipsBox box, Rgb zone, bool visible = true)
{
    f.shape(s) = {box, visible, zone, 0};
}

void setLabel(KeyboardForm& f, NamedLabel l, int left, int top, int width, const char* text)
{
    f.label(l) = {{left, top, width, CaptionHeight}, QCoreApplication::translate("KeyboardForm", text), true, 0};
}

void move(TwipsBox& box, int left, int top, int width)
{
    box.left = left;
    box.top = top;
    box.width = width;
}

void applyArrangement(KeyboardForm& form, bool extra)
{
    move(form.shape(NamedShape::EnterKey).box, extra ? 8340 : 7740, 1260, extra ? 675 : 1275);
    move(form.label(NamedLabel::EnterLabel).box, extra ? 8340 : 7740, 1440, extra ? 675 : 1275);
    form.shape(NamedShape::EnterKeyExt).visible = extra;
    if (extra)
        move(form.keys[MovingKey].box, 7740, 1260, 555);
    else
        move(form.keys[MovingKey].box, 8160, 660, 855);
    form.shape(NamedShape::LeftShiftKey).box.width = extra ? 735 : 1335;
    form.label(NamedLabel::LeftShiftLabel).box.width = extra ? 735 : 1335;
    form.keys[ExtraKeyIndex].visible = extra;
    form.labels[ExtraKeyIndex].visible = extra;
    form.labels[ExtraKeyIndex + UpperLabel].visible = extra;
    form.altGrLabel[ExtraKeyIndex].visible = extra;
}

constexpr QChar DottedCircle = u'\u25CC';

// Accents with no combining form of their own in Unicode's decompositions.
constexpr std::pair<char16_t, char16_t> CombiningAccents[] = {
    {u'`', u'\u0300'}, {u'^', u'\u0302'}, {u'~', u'\u0303'}, {u'\u02C7', u'\u030C'}};

// A dead key's accent on a dotted circle, as a keyboard shows an accent waiting for its
// letter; an accent with no combining form shows as it is.
QString deadKeyCaption(const QString& accent)
{
    const QChar c = characterOfCaption(accent);
    QChar combining;
    for (const auto& [spacing, mark] : CombiningAccents)
        if (c == spacing)
            combining = mark;
    // The spacing accents decompose into a blank and their combining mark.
    const QString decomposition = c.decomposition();
    if (combining.isNull() && decomposition.size() == 2 && decomposition[0] == u' ')
        combining = decomposition[1];
    return combining.isNull() ? accent : QString(DottedCircle) + combining;
}

// A letter shows its capital alone, centred on the key; an AltGr character takes the key's
// bottom right and moves the other captions to its left.
void placeCaptions(KeyboardForm& form)
{
    const QLocale locale;
    for (int i = 0; i < CharacterKeyCount; ++i) {
        const TwipsBox& key = form.keys[i].box;
        KeyCaption& lower = form.labels[i];
        KeyCaption& upper = form.labels[i + UpperLabel];
        KeyCaption& altGr = form.altGrLabel[i];
        const int width = altGr.text.isEmpty() ? key.width : key.width - AltGrWidth;
        const bool letter = locale.toUpper(lower.text) == upper.text;
        lower.visible = !letter;
        move(lower.box, key.left, key.top + 270, width);
        move(upper.box, key.left, key.top + (letter ? 180 : 60), width);
        move(altGr.box, key.left + key.width - AltGrWidth, key.top + 270, AltGrWidth);
    }
}
} // namespace

KeyboardForm designKeyboardForm()
{
    KeyboardForm f;
    for (int k = 0; k < CharacterKeyCount; ++k) {
        const TwipsBox key = characterKeyBox(k);
        const bool shown = k != 47;
        f.keys[k] = {key, shown, keyColour(std::int16_t(k)), 0};
        f.labels[k] = {{key.left, key.top + 270, key.width, CaptionHeight}, {}, shown, 0};
        f.labels[k + CharacterKeyCount] = {{key.left, key.top + 60, key.width, CaptionHeight}, {}, shown, 0};
        f.altGrLabel[k] = {{key.left + key.width - AltGrWidth, key.top + 270, AltGrWidth, CaptionHeight}, {}, shown, 0};
    }
    using S = NamedShape;
    setShape(f, S::TabKey, {60, 660, 855, KeySize}, zone::DarkBlue);
    setShape(f, S::CapsLockKey, {60, 1260, 1035, KeySize}, zone::DarkBlue);
    setShape(f, S::LeftShiftKey, {60, 1860, 1335, KeySize}, zone::DarkBlue);
    setShape(f, S::RightShiftKey, {7440, 1860, 1575, KeySize}, zone::Blue);
    setShape(f, S::BackspaceKey, {7860, 60, 1155, KeySize}, zone::Blue);
    setShape(f, S::EnterKey, {7740, 1260, 1275, KeySize}, zone::Blue);
    setShape(f, S::EnterKeyExt, {8160, 660, 855, KeySize}, zone::Blue, false);
    setShape(f, S::LeftCtrlKey, {60, 2460, 795, KeySize}, zone::Grey);
    setShape(f, S::LeftWinKey, {900, 2460, 675, KeySize}, zone::Grey);
    setShape(f, S::LeftAltKey, {1620, 2460, 795, KeySize}, zone::Grey);
    setShape(f, S::Spacebar, {2460, 2460, 3435, KeySize}, zone::Brown);
    setShape(f, S::RightAltKey, {5940, 2460, 795, KeySize}, zone::Grey);
    setShape(f, S::RightWinKey, {6780, 2460, 675, KeySize}, zone::Grey);
    setShape(f, S::MenuKey, {7500, 2460, 675, KeySize}, zone::Grey);
    setShape(f, S::RightCtrlKey, {8220, 2460, 795, KeySize}, zone::Grey);

    using L = NamedLabel;
    setLabel(f, L::TabLabel, 60, 840, 855, QT_TRANSLATE_NOOP("KeyboardForm", "TAB"));
    setLabel(f, L::CapsLockLabel1, 60, 1320, 1035, QT_TRANSLATE_NOOP("KeyboardForm", "CAPS"));
    setLabel(f, L::CapsLockLabel2, 60, 1530, 1035, QT_TRANSLATE_NOOP("KeyboardForm", "LOCK"));
    setLabel(f, L::LeftShiftLabel, 60, 2040, 1335, QT_TRANSLATE_NOOP("KeyboardForm", "SHIFT"));
    setLabel(f, L::RightShiftLabel, 7440, 2040, 1575, QT_TRANSLATE_NOOP("KeyboardForm", "SHIFT"));
    setLabel(f, L::BackspaceLabel, 7860, 240, 1155, QT_TRANSLATE_NOOP("KeyboardForm", "BACKSPACE"));
    setLabel(f, L::EnterLabel, 7740, 1440, 1275, QT_TRANSLATE_NOOP("KeyboardForm", "ENTER"));
    setLabel(f, L::LeftCtrlLabel, 60, 2640, 795, QT_TRANSLATE_NOOP("KeyboardForm", "CTRL"));
    setLabel(f, L::LeftWinLabel, 900, 2640, 675, QT_TRANSLATE_NOOP("KeyboardForm", "WIN"));
    setLabel(f, L::LeftAltLabel, 1620, 2640, 795, QT_TRANSLATE_NOOP("KeyboardForm", "ALT"));
    setLabel(f, L::RightAltLabel, 5940, 2640, 795, QT_TRANSLATE_NOOP("KeyboardForm", "ALT GR"));
    setLabel(f, L::RightWinLabel, 6780, 2640, 675, QT_TRANSLATE_NOOP("KeyboardForm", "WIN"));
    setLabel(f, L::MenuLabel, 7500, 2640, 675, QT_TRANSLATE_NOOP("KeyboardForm", "MENU"));
    setLabel(f, L::RightCtrlLabel, 8220, 2640, 795, QT_TRANSLATE_NOOP("KeyboardForm", "CTRL"));
    return f;
}

void applyLayout(KeyboardForm& form, const KeyCapTable& table)
{
    const auto shown = [](const QString& caption, bool dead) {
        if (dead)
            return deadKeyCaption(caption);
        // A combining mark stands on the circle too: alone it has nothing to sit on.
        return characterOfCaption(caption).isMark() ? QString(DottedCircle) + caption : caption;
    };
    for (int i = 0; i < CharacterKeyCount; ++i) {
        form.labels[i].text = shown(table.lowerCaptions[i], table.deadLower[i]);
        form.labels[i + UpperLabel].text = shown(table.upperCaptions[i], table.deadUpper[i]);
        form.altGrLabel[i].text = shown(table.altGrCaption[i], table.deadAltGr[i]);
    }
    applyArrangement(form, table.extraKey);
    placeCaptions(form);
}

} // namespace clavora
