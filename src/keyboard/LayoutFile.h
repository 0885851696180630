// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <array>
#include <bitset>

namespace clavora {

constexpr int CharacterKeyCount = 48;

// The captions of a layout file's character keys and the arrangement its first line picks.
struct KeyCapTable {
    std::array<QString, CharacterKeyCount> lowerCaptions; // unshifted, in caption form
    std::array<QString, CharacterKeyCount> upperCaptions; // shifted, in caption form
    std::array<QString, CharacterKeyCount> altGrCaption; // with AltGr, in caption form; empty for none
    bool extraKey = false;                               // the 48-key arrangement
    // The captions that are a dead key's accent, at each level: such a key types nothing
    // alone but puts its accent on the next letter. Layout files have none.
    std::bitset<CharacterKeyCount> deadLower, deadUpper, deadAltGr;
};

// UnknownDesktopLayout: the desktop's keyboard database cannot make the chosen layout.
enum class LayoutFileProblem { None, Unreadable, NoSecondLine, UnknownDesktopLayout };

struct LayoutFileContents {
    KeyCapTable table; // always complete: what the file lacks reads as empty captions
    LayoutFileProblem problem = LayoutFileProblem::None;
};

// A character as a caption shows it: labels take a single "&" as an access-key marker.
QString captionForm(const QString& character);
// The character a caption stands for; null for a caption of none or of several.
QChar characterOfCaption(const QString& caption);
// A letter words are written with; the Latin ordinal signs º and ª, letters without case, are not.
bool isWordLetter(QChar c);

// Reads the start of the file; anything but a regular file is unreadable.
// Lines 1 and 2: the unshifted and shifted characters. An optional line 3: the characters
// typed with AltGr, a blank for a key that types none.
LayoutFileContents readLayoutFile(const QString& path);
// The table that a layout file of these bytes gives.
LayoutFileContents readLayoutText(const QByteArray& bytes);

} // namespace clavora
