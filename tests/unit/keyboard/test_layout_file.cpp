#include "TempFolder.h"
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
    TempFolder folder;
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
    TempFolder folder;
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
    TempFolder folder;
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
