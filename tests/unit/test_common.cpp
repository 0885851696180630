// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "common/ClassGoals.h"
#include "common/FileNames.h"
#include "common/Numbers.h"
#include "common/ProgramPaths.h"
#include "common/Twips.h"
#include "common/TextFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <cmath>

using namespace clavora;

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText)
{
    struct Case {
        const char* text;
        double value;
        bool ok;
    };
    const Case cases[] = {
        {"12", 12, true},        {"12abc", 12, true}, {"  3.7", 3.7, true}, {"-0.5", -0.5, true},
        {"", 0, true},           {"abc", 0, true},    {"-", 0, true},       {".5", 0.5, true},
        {"1e3x", 1000, true},    {"1e", 1, true},     {"+7", 7, true},      {"7 8", 7, true},
        {"1e400", 0, false},     {"٣", 0, true}, // digits of other scripts are not numbers here
    };
    for (const Case& c : cases) {
        const LeadingNumber n = leadingNumber(QString::fromUtf8(c.text));
        EXPECT_DOUBLE_EQ(n.value, c.value) << c.text;
        EXPECT_EQ(n.ok, c.ok) << c.text;
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {{12.5, 12}, {2.5, 2}, {62.5, 62}, {97.5, 98}, {0.5, 0},
                                               {1.5, 2},   {-2.5, -2}, {3.49, 3}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(roundHalfEven(in), out) << in;
}

TEST(Rounding, NarrowingSaturates)
{
    EXPECT_EQ(saturateToInt16(40000), 32767);
    EXPECT_EQ(saturateToInt16(-40000), -32768);
    EXPECT_EQ(saturateToInt16(NAN), 0);
    EXPECT_EQ(saturateToInt32(1e12), 2147483647);
}

TEST(FormatTenths, OneDecimalInTheLocalesSeparator)
{
    EXPECT_EQ(formatTenths(0.0, QLocale::c()), "0.0");
    EXPECT_EQ(formatTenths(7.25, QLocale::c()), "7.3");
    EXPECT_EQ(formatTenths(125, QLocale::c()), "125.0");
    EXPECT_EQ(formatTenths(24.3, QLocale(QLocale::German)), "24,3");
    // Never grouped, in locales that group by default.
    EXPECT_EQ(formatTenths(1770.66, QLocale(QLocale::English, QLocale::UnitedStates)), "1770.7");
    EXPECT_EQ(formatTenths(1380.5, QLocale(QLocale::German)), "1380,5");
}

namespace {
QStringList readAll(const QByteArray& bytes, qsizetype keep = 1000)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer, keep);
    QStringList lines;
    QString line;
    while (reader.next(line))
        lines.append(line);
    return lines;
}
} // namespace

TEST(LineReader, EveryKindOfLineEndEndsALine)
{
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
        {"last line without end", {"last line without end"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readAll(c.bytes), c.lines) << c.bytes.toStdString();
}

TEST(LineReader, KeepsOnlyTheStartOfAHugeLineAndNeverSplitsACharacter)
{
    QByteArray huge(3 * 1024 * 1024, 'x');
    huge += "\r\nnext";
    const QStringList lines = readAll(huge, 160);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), 160);
    EXPECT_EQ(lines[1], "next");

    // "é" is two bytes; a cut after its first byte drops it rather than misreading the line.
    EXPECT_EQ(readAll("ab\xC3\xA9z", 3), QStringList{"ab"});
}

TEST(LineReader, SkipsAndTakesTheStartOfALineByTheSameLineEnds)
{
    // Every line end, and a CR LF split across the reader's 256 KB chunks.
    QByteArray bytes = "one\rtwo\nthree\r\n" + QByteArray(256 * 1024 - 16, 'x') + "\r\nfive\r\n";
    ASSERT_EQ(bytes.indexOf("\r\nfive"), 256 * 1024 - 1);
    const QStringList all = readAll(bytes);
    for (int wanted = 0; wanted < all.size(); ++wanted) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        LineReader reader(buffer, 160);
        for (int i = 0; i < wanted; ++i)
            ASSERT_TRUE(reader.skip());
        QString start;
        ASSERT_TRUE(reader.nextStart(start));
        EXPECT_EQ(start, all[wanted].left(160)) << wanted;
        EXPECT_FALSE(reader.next(start)); // the reading ends with the line asked for
    }
}

TEST(DecodeText, Utf8WhenValidElseWindows1252)
{
    EXPECT_EQ(decodeText("\xC2\xA3 5"), QString::fromUtf8("£ 5"));
    EXPECT_EQ(decodeText("\xA3 5"), QString::fromUtf8("£ 5"));
    EXPECT_EQ(decodeText("\x80\x93"), QString::fromUtf8("€\u201C"));
    EXPECT_EQ(decodeText(QByteArray("a\0b", 3)).size(), 3);
}

TEST(ProgramPaths, StoredNamesFindTheirFilesWhateverTheCase)
{
    const test::TemporaryFolder folder;
    QDir(folder.path("")).mkpath("Layouts");
    QDir(folder.path("")).mkpath("Exercises");
    folder.write("Layouts/QWERTZ - German.kbl", "x");
    folder.write("Exercises/Mixed.txt", "x");
    folder.write("Exercises/MIXED.txt", "x");
    const ProgramPaths paths(folder.path(""), folder.path("clavora"));
    const struct {
        QString found, expected;
    } cases[] = {
        {paths.layoutFile("qwertz - GERMAN"), "Layouts/QWERTZ - German.kbl"},
        {paths.layoutFile("QWERTZ - German"), "Layouts/QWERTZ - German.kbl"},
        {paths.presetFile("Mixed"), "Exercises/Mixed.txt"}, // an exact match wins over an earlier one
        {paths.presetFile("mixed"), "Exercises/MIXED.txt"}, // else the first in name order
        {paths.layoutFile("Missing"), "Layouts/Missing.kbl"},
        {paths.layoutFile(""), "Layouts/.kbl"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.found, folder.path(c.expected)) << c.expected.toStdString();
}

TEST(FolderProblemForSaving, OnlyAFolderThatExistsAndCanBeWritten)
{
    const test::TemporaryFolder folder;
    folder.write("a file", "x");
    EXPECT_EQ(folderProblemForSaving(folder.path("")), "");
    EXPECT_TRUE(folderProblemForSaving(folder.path("missing")).contains("does not exist"));
    EXPECT_TRUE(folderProblemForSaving(folder.path("a file")).contains("does not exist"));
    QFile::setPermissions(folder.path(""), QFile::ReadOwner | QFile::ExeOwner);
    const bool privileged = QFileInfo(folder.path("")).isWritable(); // the superuser writes anywhere
    if (!privileged) {
        EXPECT_TRUE(folderProblemForSaving(folder.path("")).contains("cannot save"));
    }
    QFile::setPermissions(folder.path(""), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(Twips, ExtremePositionsNeitherOverflowNorLeaveTheScreen)
{
    EXPECT_EQ(twipsToPixels(2147483647), 143165576);
    EXPECT_EQ(twipsToPixels(-2147483647 - 1), -143165577);
    EXPECT_EQ(twipsToPixels(-22), -1);
    EXPECT_EQ(pixelsToTwips(200000000), 2147483647);
    struct Case {
        int edge, size, screenStart, screenSize, expected;
    };
    for (const Case& c : {Case{100, 50, 0, 1000, 100}, Case{143165577, 50, 0, 1000, 950},
                          Case{-143165577, 50, 0, 1000, 0}, Case{10, 50, 200, 1000, 200},
                          Case{500, 2000, 0, 1000, 0}}) {
        EXPECT_EQ(keepOnScreen(c.edge, c.size, c.screenStart, c.screenSize), c.expected) << c.edge;
    }
}

// A learner in two classes: each goal from the class that asks more, in either order.
TEST(ClassGoals, TheStricterOfTwoClassesGoals)
{
    struct Case {
        const char* name;
        ClassGoals first;
        ClassGoals second;
        ClassGoals stricter;
    };
    const ClassGoals some = {96, 15, false, "US.kbl", QString(), 30};
    const Case cases[] = {
        {"nothing set", {}, {}, {}},
        {"one class sets all", some, {}, some},
        {"higher marks and minutes", some, {98, 12, true, {}, {}, 20}, {98, 15, true, "US.kbl", {}, 30}},
        {"an unset goal asks nothing", {{}, 20}, {95, {}}, {95, 20}},
        {"the first class's layout", {.layoutFile = "se", .desktopLayout = "se"}, {.layoutFile = "Dvorak.kbl"},
            {.layoutFile = "se", .desktopLayout = "se"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stricter(c.first, c.second), c.stricter) << c.name;
        const ClassGoals reversed = stricter(c.second, c.first);
        EXPECT_EQ(reversed.accuracyMark, c.stricter.accuracyMark) << c.name;
        EXPECT_EQ(reversed.speedTarget, c.stricter.speedTarget) << c.name;
        EXPECT_EQ(reversed.coach, c.stricter.coach) << c.name;
    }
}
