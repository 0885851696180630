// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/DesktopLayouts.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace clavora;

namespace {
// How many keys type a letter of any script, or a vowel sign of one, without Shift.
int letterKeys(const KeyCapTable& table)
{
    int letters = 0;
    for (const QString& caption : table.lowerCaptions) {
        const QList<uint> characters = caption.toUcs4();
        letters += !characters.isEmpty() && (QChar::isLetter(characters[0]) || QChar::isMark(characters[0]));
    }
    return letters;
}
} // namespace

TEST(DesktopLayouts, EveryLayoutAndVariantOfTheDatabaseGivesItsLetterKeys)
{
    // Layouts whose keys type symbols in place of letters: Braille's dots, the Swedish sign
    // language's signs, Tamil in a font's own encoding, and the second half of a layout.
    const QStringList symbolLayouts = {"brai", "se(swl)", "in(tam_tamilnet_TSCII)", "ca(multi-2gr)"};
    const std::vector<DesktopLayoutEntry> entries = desktopLayoutList();
    ASSERT_GT(entries.size(), 500u);
    for (const DesktopLayoutEntry& entry : entries) {
        const std::optional<KeyCapTable> table = desktopLayoutTable(entry.name);
        const QString name = storedLayoutName(entry.name);
        ASSERT_TRUE(table) << name.toStdString();
        EXPECT_FALSE(entry.description.isEmpty()) << name.toStdString();
        const bool symbols = symbolLayouts.contains(name) || symbolLayouts.contains(entry.name.layout);
        if (symbols)
            EXPECT_GT(std::count_if(table->lowerCaptions.begin(), table->lowerCaptions.end(),
                                    [](const QString& caption) { return !caption.isEmpty(); }), 0)
                << name.toStdString();
        else
            EXPECT_GE(letterKeys(*table), 20) << name.toStdString() << " " << entry.description.toStdString();
    }
}

TEST(DesktopLayouts, KeysTakeTheirCharactersFromEachLevel)
{
    const struct {
        const char* layout;
        const char* variant;
        int key;
        const char16_t* lower;
        const char16_t* upper;
        const char16_t* altGr;
    } cases[] = {
        {"se", "", 26, u"a", u"A", u"\u00AA"},
        {"se", "", 36, u"\u00E4", u"\u00C4", u"\u00E6"},
        {"se", "", 2, u"2", u"\"", u"@"},
        {"se", "", 6, u"6", u"&&", u"\u00A5"},              // an ampersand in caption form
        {"se", "", 24, u"\u00A8", u"^", u"~"},              // dead keys show their accents
        {"se", "", 47, u"<", u">", u"|"},                   // the extra key
        {"se", "nodeadkeys", 24, u"\u00A8", u"^", u"~"},
        {"us", "", 25, u"\\", u"|", u""},                   // no AltGr level at all
        {"us", "", 47, u"", u"", u""},                      // its < and > are on comma and period
        {"us", "dvorak", 13, u"'", u"\"", u"\u00B4"},
        {"us", "dvorak", 26, u"a", u"A", u""},
        {"ru", "", 26, u"\u0444", u"\u0424", u""},
        {"gb", "", 47, u"\\", u"|", u""},                 // AltGr repeats Shift: nothing more
        {"gb", "", 4, u"4", u"$", u"\u20AC"},
    };
    for (const auto& c : cases) {
        const std::optional<KeyCapTable> table = desktopLayoutTable({c.layout, c.variant});
        ASSERT_TRUE(table) << c.layout;
        const std::string what = std::string(c.layout) + "(" + c.variant + ") key " + std::to_string(c.key);
        EXPECT_EQ(table->lowerCaptions[c.key], QString::fromUtf16(c.lower)) << what;
        EXPECT_EQ(table->upperCaptions[c.key], QString::fromUtf16(c.upper)) << what;
        EXPECT_EQ(table->altGrCaption[c.key], QString::fromUtf16(c.altGr)) << what;
    }
}

TEST(DesktopLayouts, TheExtraKeyCountsWhenItTypesWhatNoOtherKeyDoes)
{
    const struct {
        DesktopLayoutName name;
        bool extraKey;
    } cases[] = {{{"us", ""}, false}, {{"us", "dvorak"}, false}, {{"se", ""}, true},
                 {{"gb", ""}, true},  {{"de", ""}, true},         {{"fr", ""}, true}};
    for (const auto& c : cases)
        EXPECT_EQ(desktopLayoutTable(c.name)->extraKey, c.extraKey) << c.name.layout.toStdString();
}

TEST(DesktopLayouts, AnUnknownLayoutGivesNoTable)
{
    EXPECT_FALSE(desktopLayoutTable({"zz", ""}));
    EXPECT_FALSE(desktopLayoutTable({"se", "nosuchvariant"}));
    EXPECT_FALSE(desktopLayoutTable({}));
}

TEST(DesktopLayouts, StoredNamesRoundTrip)
{
    const struct {
        const char* stored;
        DesktopLayoutName name;
    } cases[] = {{"se", {"se", ""}}, {"se(nodeadkeys)", {"se", "nodeadkeys"}}, {" us ( dvorak ) ", {"us", "dvorak"}}};
    for (const auto& c : cases) {
        EXPECT_EQ(layoutFromStoredName(c.stored), c.name) << c.stored;
        EXPECT_EQ(layoutFromStoredName(storedLayoutName(c.name)), c.name) << c.stored;
    }
}

TEST(DesktopLayouts, EntriesNameTheLayoutAndItsLanguages)
{
    const std::optional<DesktopLayoutEntry> swedish = desktopLayoutEntry({"se", ""});
    ASSERT_TRUE(swedish);
    EXPECT_EQ(swedish->description, "Swedish");
    EXPECT_TRUE(swedish->languages.contains("swe"));
    EXPECT_EQ(desktopLayoutEntry({"se", "nodeadkeys"})->description, "Swedish (no dead keys)");
    EXPECT_FALSE(desktopLayoutEntry({"zz", ""}));
}
