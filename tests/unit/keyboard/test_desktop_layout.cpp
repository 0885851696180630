// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/DesktopLayout.h"
#include "settings/AppSettings.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace clavora;

TEST(DesktopLayout, MapsTheDesktopsLayoutToShippedFiles)
{
    const struct {
        DesktopLayoutName desktop;
        const char* file; // nullptr: nothing shipped
        const char* keyboardName;
    } cases[] = {
        {{"us", ""}, "QWERTY - United States", "English (US)"},
        {{"gb", ""}, "QWERTY - United Kingdom", "English (UK)"},
        {{"de", ""}, "QWERTZ - German", "German"},
        {{"fr", ""}, "AZERTY - French", "French"},
        {{"us", "dvorak"}, "Dvorak - United States", "English (Dvorak)"},
        {{"us", "colemak"}, "Colemak - United States", "English (Colemak)"},
        {{"DE", ""}, "QWERTZ - German", "German"},
        // Variants that keep the letters where they are keep the layout's files.
        {{"de", "nodeadkeys"}, "QWERTZ - German", "German"},
        {{"us", "intl"}, "QWERTY - United States", "English (US)"},
        {{"gb", "extd"}, "QWERTY - United Kingdom", "English (UK)"},
        // Variants that move the letters have no files unless they are shipped.
        {{"us", "colemak_dh"}, nullptr, nullptr},
        {{"us", "dvp"}, nullptr, nullptr},
        {{"de", "dvorak"}, nullptr, nullptr},
        {{"fr", "bepo"}, nullptr, nullptr},
        {{"de", "qwerty"}, nullptr, nullptr},
        {{"es", ""}, nullptr, nullptr},
        {{"", ""}, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const QString name = c.desktop.layout + u'(' + c.desktop.variant + u')';
        const std::optional<ShippedLayout> shipped = shippedLayoutFor(c.desktop);
        const ShippedLayout picked = firstStartLayout(c.desktop);
        if (!c.file) {
            EXPECT_FALSE(shipped) << name.toStdString();
            EXPECT_EQ(picked.layoutFile, "QWERTY - United States") << name.toStdString();
            EXPECT_EQ(picked.presetFile, "QWERTY - United States") << name.toStdString();
            continue;
        }
        ASSERT_TRUE(shipped) << name.toStdString();
        EXPECT_EQ(shipped->layoutFile, c.file) << name.toStdString();
        EXPECT_EQ(shipped->presetFile, c.file) << name.toStdString();
        EXPECT_EQ(shipped->keyboardName, c.keyboardName) << name.toStdString();
        EXPECT_EQ(picked, *shipped) << name.toStdString();
        // The files the table names are the ones the program ships.
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(CLAVORA_SHIPPED_DATA "/Layouts/") + shipped->layoutFile + ".kbl"))
            << name.toStdString();
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(CLAVORA_SHIPPED_DATA "/Exercises/") + shipped->presetFile + ".txt"))
            << name.toStdString();
    }
}

TEST(DesktopLayout, ReadsTheActiveGroupFromTheRulesNames)
{
    const struct {
        const char* layouts;
        const char* variants;
        int group;
        DesktopLayoutName expected;
    } cases[] = {
        {"de", "", 0, {"de", ""}},
        {"us,de", ",nodeadkeys", 1, {"de", "nodeadkeys"}},
        {"us,de", "dvorak", 0, {"us", "dvorak"}},
        {"us,de", "dvorak", 1, {"de", ""}}, // a short variant list leaves later groups plain
        {"us,de", "", 4, {"us", ""}},        // a group the lists do not name: the first
        {"", "", 0, {"", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(desktopLayoutFromRules(c.layouts, c.variants, c.group), c.expected) << c.layouts << " " << c.group;
}

TEST(DesktopLayout, CaptionNamesADifferentDesktopKeyboard)
{
    const QString plain = QStringLiteral("Orvella Clavora - Keyboard Layout");
    EXPECT_EQ(keyboardCaption("QWERTY - United States", false, {"de", ""}),
              "Orvella Clavora - Keyboard Layout (your keyboard is German)");
    EXPECT_EQ(keyboardCaption("QWERTZ - German", false, {"us", "dvorak"}),
              "Orvella Clavora - Keyboard Layout (your keyboard is English (Dvorak))");
    EXPECT_EQ(keyboardCaption("QWERTZ - German", false, {"de", "nodeadkeys"}), plain);
    EXPECT_EQ(keyboardCaption("qwertz - german", false, {"de", ""}), plain);
    // Nothing shipped for the desktop's layout: nothing to offer, nothing said.
    EXPECT_EQ(keyboardCaption("QWERTY - United States", false, {"es", ""}), plain);
    // A layout made from the desktop's database is named, as the desktop names it.
    EXPECT_EQ(keyboardCaption("Swedish", true, {"se", ""}), "Orvella Clavora - Keyboard Layout (Swedish)");
    EXPECT_EQ(keyboardCaption("Swedish", true, {"de", ""}),
              "Orvella Clavora - Keyboard Layout (Swedish) (your keyboard is German)");
}

TEST(DesktopLayout, SwitchingTakesTheExerciseFileOnlyWhenItWentWithTheOldLayout)
{
    const ShippedLayout german{"QWERTZ - German", "QWERTZ - German", "German"};
    const struct {
        const char* layoutFile;
        const char* presetFile;
        const char* presetAfter;
    } cases[] = {
        {"QWERTY - United States", "QWERTY - United States", "QWERTZ - German"},
        {"QWERTY - United States", "qwerty - united states", "QWERTZ - German"},
        {"QWERTY - United States", "My own drills", "My own drills"},
        {"QWERTY - United States", "AZERTY - French", "AZERTY - French"},
    };
    for (const auto& c : cases) {
        AppSettings settings;
        settings.layoutFile = c.layoutFile;
        settings.presetFile = c.presetFile;
        settings.desktopLayout = "se";
        switchLayout(settings, german);
        EXPECT_EQ(settings.desktopLayout, "") << c.presetFile;
        EXPECT_EQ(settings.layoutFile, "QWERTZ - German") << c.presetFile;
        EXPECT_EQ(settings.presetFile, c.presetAfter) << c.presetFile;
    }
}
