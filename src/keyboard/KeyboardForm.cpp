#include "KeyboardForm.h"

#include "KeyColour.h"

namespace clavora {

namespace {
constexpr int KeySize = 555;
constexpr int CaptionHeight = 255;
constexpr int KeyPitch = 600;

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
    f.label(l) = {{left, top, width, CaptionHeight}, QString::fromLatin1(text), true, 0};
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
    setLabel(f, L::TabLabel, 60, 840, 855, "TAB");
    setLabel(f, L::CapsLockLabel1, 60, 1320, 1035, "CAPS");
    setLabel(f, L::CapsLockLabel2, 60, 1530, 1035, "LOCK");
    setLabel(f, L::LeftShiftLabel, 60, 2040, 1335, "SHIFT");
    setLabel(f, L::RightShiftLabel, 7440, 2040, 1575, "SHIFT");
    setLabel(f, L::BackspaceLabel, 7860, 240, 1155, "BACKSPACE");
    setLabel(f, L::EnterLabel, 7740, 1440, 1275, "ENTER");
    setLabel(f, L::LeftCtrlLabel, 60, 2640, 795, "CTRL");
    setLabel(f, L::LeftWinLabel, 900, 2640, 675, "WIN");
    setLabel(f, L::LeftAltLabel, 1620, 2640, 795, "ALT");
    setLabel(f, L::RightAltLabel, 5940, 2640, 795, "ALT GR");
    setLabel(f, L::RightWinLabel, 6780, 2640, 675, "WIN");
    setLabel(f, L::MenuLabel, 7500, 2640, 675, "MENU");
    setLabel(f, L::RightCtrlLabel, 8220, 2640, 795, "CTRL");
    return f;
}

} // namespace clavora
