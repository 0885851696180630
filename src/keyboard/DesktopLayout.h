// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

namespace clavora {

struct AppSettings;

// The desktop's keyboard layout as X names it: "de", or "us" with the variant "dvorak".
struct DesktopLayoutName {
    QString layout;
    QString variant;
    bool operator==(const DesktopLayoutName&) const = default;
};

// The layout and preset exercise files shipped for a desktop layout.
struct ShippedLayout {
    QString layoutFile;
    QString presetFile;
    QString keyboardName; // as a person calls that keyboard: "German"
    bool operator==(const ShippedLayout&) const = default;
};

// The layout of X's group `group`, from the comma-separated lists of its rules names
// ("us,de" and ",nodeadkeys"). A group past the lists' end is the first group.
DesktopLayoutName desktopLayoutFromRules(const QString& layouts, const QString& variants, int group);

// The shipped files for the desktop's layout. A variant that only moves symbols or dead keys
// keeps its layout's files; one that rearranges the letters (Dvorak on a German desktop) has
// none unless it is shipped.
std::optional<ShippedLayout> shippedLayoutFor(const DesktopLayoutName& desktop);

// What a first start picks: the desktop's files, else QWERTY - United States.
ShippedLayout firstStartLayout(const DesktopLayoutName& desktop);

// The desktop's shipped files when the chosen layout file is another one.
std::optional<ShippedLayout> mismatchedLayout(const QString& chosenLayoutFile, const DesktopLayoutName& desktop);

// The keyboard window's caption: it names a layout made from the desktop's database
// (`namesLayout`), and the desktop's keyboard when that has shipped files other than the
// chosen layout file.
QString keyboardCaption(const QString& chosenLayoutFile, bool namesLayout, const DesktopLayoutName& desktop);

// Takes the layout file of `layout`, over a layout of the desktop's database. The preset
// exercise file follows when it was the one that goes with the old layout (they share a
// name); one the user chose apart stays.
void switchLayout(AppSettings& settings, const ShippedLayout& layout);

} // namespace clavora
