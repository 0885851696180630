// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "keyboard/LayoutFile.h"

#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

namespace {
const QByteArray Us47 = "`1234567890-=qwertyuiop[]\\asdfghjkl;'zxcvbnm,./";
const QByteArray UsShift47 = "~!@#$%^&*()_+QWERTYUIOP{}|ASDFGHJKL:\"ZXCVBNM<>?";
} // namespace

TEST(LayoutFile, LengthOfTheFirstLineChoosesTheArrangement)
{
    TemporaryFolder folder;
    const struct {
        QByteArray line1;
        bool extraKey;
        QString key47;
    } cases[] = {
        {Us47, false, ""},
        {Us47 + "<", true, "<"},
        {Us47 + "<>", false, "<"}, // the 49th character is ignored, and so is the extra key
        {"abc", false, ""},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        const auto contents = readLayoutFile(folder.write("l.kbl", c.line1 + "\r\n" + UsShift47 + "\r\n"));
        EXPECT_EQ(contents.problem, LayoutFileProblem::None);
        EXPECT_EQ(contents.table.extraKey, c.extraKey) << c.line1.size();
        EXPECT_EQ(contents.table.lowerCaptions[47], c.key47) << c.line1.size();
    }
}

TEST(LayoutFile, ReadsOneCaptionPerCharacterWithAmpersandsDoubled)
{
    TemporaryFolder folder;
    const QString path = folder.write("l.kbl", "&\xC3\xA9" "a\r\n" "&1\r\nignored third line\r\n");
    const auto t = readLayoutFile(path).table;
    EXPECT_EQ(t.lowerCaptions[0], "&&");
    EXPECT_EQ(t.lowerCaptions[1], QString::fromUtf8("\xC3\xA9")); // UTF-8: one character, not two
    EXPECT_EQ(t.lowerCaptions[2], "a");
    EXPECT_EQ(t.lowerCaptions[3], "");
    EXPECT_EQ(t.upperCaptions[0], "&&");
    EXPECT_EQ(t.upperCaptions[1], "1");
    EXPECT_EQ(t.upperCaptions[2], "");

    // A character beyond 16 bits is still one key.
    const auto wide = readLayoutFile(folder.write("e.kbl", "\xF0\x9F\x98\x80z\r\n\r\n")).table;
    EXPECT_EQ(wide.lowerCaptions[0], QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(wide.lowerCaptions[1], "z");
}

TEST(LayoutFile, MissingOrShortFilesGiveACompleteTableAndSaySo)
{
    TemporaryFolder folder;
    const auto missing = readLayoutFile(folder.path("none.kbl"));
    EXPECT_EQ(missing.problem, LayoutFileProblem::Unreadable);
    EXPECT_FALSE(missing.table.extraKey);
    for (int i = 0; i < 48; ++i)
        EXPECT_TRUE(missing.table.lowerCaptions[i].isEmpty() && missing.table.upperCaptions[i].isEmpty());

    const auto oneLine = readLayoutFile(folder.write("one.kbl", Us47 + "<"));
    EXPECT_EQ(oneLine.problem, LayoutFileProblem::NoSecondLine);
    EXPECT_TRUE(oneLine.table.extraKey);
    EXPECT_EQ(oneLine.table.lowerCaptions[13], "q");
    EXPECT_EQ(oneLine.table.upperCaptions[13], "");

    EXPECT_EQ(readLayoutFile(folder.write("empty.kbl", "")).problem, LayoutFileProblem::NoSecondLine);
    // An empty second line is a line: the file is as its author wrote it.
    EXPECT_EQ(readLayoutFile(folder.write("blank.kbl", Us47 + "\r\n\r\n")).problem, LayoutFileProblem::None);
}

TEST(LayoutFile, AnOptionalThirdLineHoldsTheAltGrCharacters)
{
    TemporaryFolder folder;
    const QByteArray twoLines = Us47 + "\r\n" + UsShift47 + "\r\n";
    const struct {
        const char* name;
        QByteArray text;
        std::vector<std::pair<int, QString>> altGr; // every other key has none
    } cases[] = {
        {"no third line", twoLines, {}},
        {"a blank is no character", twoLines + "  \xC2\xB2\xC2\xB3 \r\n", {{2, "\xC2\xB2"}, {3, "\xC2\xB3"}}},
        {"an ampersand in caption form", twoLines + "&\r\n", {{0, "&&"}}},
        {"a lone LF ends it too", twoLines + "\xE2\x82\xAC\nmore", {{0, "\xE2\x82\xAC"}}},
        {"beyond the 48th character nothing counts", twoLines + QByteArray(47, ' ') + "xy", {{47, "x"}}},
        {"no second line: no third either", Us47 + "\r\n", {}},
    };
    for (const auto& c : cases) {
        const auto contents = readLayoutFile(folder.write("l.kbl", c.text));
        std::array<QString, CharacterKeyCount> expected;
        for (const auto& [key, caption] : c.altGr)
            expected[key] = caption;
        EXPECT_EQ(contents.table.altGrCaption, expected) << c.name;
        // The first two lines read as they always did.
        EXPECT_EQ(contents.table.lowerCaptions[13], "q") << c.name;
        EXPECT_EQ(contents.table.extraKey, false) << c.name;
    }
}

TEST(LayoutFile, ShippedGermanAndFrenchLayoutsHaveTheirAltGrCharacters)
{
    const auto german = readLayoutFile(QStringLiteral(CLAVORA_SHIPPED_DATA "/Layouts/QWERTZ - German.kbl"));
    EXPECT_EQ(german.problem, LayoutFileProblem::None);
    EXPECT_EQ(german.table.lowerCaptions[13], "q");
    EXPECT_EQ(german.table.altGrCaption[13], "@");
    EXPECT_EQ(german.table.altGrCaption[15], QString::fromUtf8("\xE2\x82\xAC")); // e: the euro sign
    EXPECT_EQ(german.table.altGrCaption[7], "{");
    EXPECT_EQ(german.table.altGrCaption[8], "[");
    EXPECT_EQ(german.table.altGrCaption[47], "|");

    const auto french = readLayoutFile(QStringLiteral(CLAVORA_SHIPPED_DATA "/Layouts/AZERTY - French.kbl"));
    EXPECT_EQ(french.problem, LayoutFileProblem::None);
    EXPECT_EQ(french.table.altGrCaption[10], "@");
    EXPECT_EQ(french.table.altGrCaption[15], QString::fromUtf8("\xE2\x82\xAC"));
    EXPECT_EQ(french.table.altGrCaption[4], "{");

    // A layout without the line keeps its keys free of AltGr captions.
    const auto us = readLayoutFile(QStringLiteral(CLAVORA_SHIPPED_DATA "/Layouts/QWERTY - United States.kbl"));
    for (const QString& caption : us.table.altGrCaption)
        EXPECT_TRUE(caption.isEmpty());
}
