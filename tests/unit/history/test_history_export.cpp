// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFixture.h"
#include "TemporaryFolder.h"
#include "progress/CsvWriter.h"
#include "progress/HistoryExport.h"

#include <QBuffer>
#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace clavora {
namespace {

using namespace test;

TEST(CsvWriter, QuotesOnlyWhatNeedsIt)
{
    const std::pair<QString, QByteArray> cases[] = {
        {QStringLiteral("plain"), "plain\r\n"},
        {QStringLiteral(""), "\r\n"},
        {QStringLiteral("a,b"), "\"a,b\"\r\n"},
        {QStringLiteral("say \"hi\""), "\"say \"\"hi\"\"\"\r\n"},
        {QStringLiteral("two\nlines"), "\"two\nlines\"\r\n"},
        {QStringLiteral("cr\rhere"), "\"cr\rhere\"\r\n"},
        {QStringLiteral("Grüße ß"), "Gr\xc3\xbc\xc3\x9f" "e \xc3\x9f\r\n"},
        // What a spreadsheet would run as a formula stays text.
        {QStringLiteral("=HYPERLINK(\"http://x\")"), "\"'=HYPERLINK(\"\"http://x\"\")\"\r\n"},
        {QStringLiteral("+SUM(1;2)"), "'+SUM(1;2)\r\n"},
        {QStringLiteral("-1"), "'-1\r\n"},
        {QStringLiteral("@a"), "'@a\r\n"},
        {QStringLiteral("\tx"), "'\tx\r\n"},
        {QStringLiteral("\rx"), "\"'\rx\"\r\n"},
        {QStringLiteral("a=b-c"), "a=b-c\r\n"},
        // Half a surrogate pair has no UTF-8 form.
        {QString(QChar(0xd800)) + u'a' + QChar(0xdc00), "\xef\xbf\xbd" "a\xef\xbf\xbd\r\n"},
        {QStringLiteral("\U0001F600"), "\xf0\x9f\x98\x80\r\n"},
    };
    for (const auto& [field, bytes] : cases) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CsvWriter csv(buffer);
        EXPECT_TRUE(csv.writeRow({field}));
        EXPECT_EQ(buffer.data(), bytes) << field.toStdString();
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CsvWriter(buffer).writeRow({QStringLiteral("a"), QString(), QStringLiteral("b c")});
    EXPECT_EQ(buffer.data(), QByteArray("a,,b c\r\n"));
}

TEST(CsvWriter, ReportsAFailedWrite)
{
    QBuffer closed; // never opened: every write fails
    CsvWriter csv(closed);
    EXPECT_FALSE(csv.writeRow({QStringLiteral("x")}));
    EXPECT_FALSE(csv.good());
}

TEST(CsvWriter, SavesEveryFileOrLeavesEveryOldOne)
{
    const auto writeNew = [](QIODevice& device) { return device.write("new") == 3; };
    const auto failToWrite = [](QIODevice&) { return false; };
    const struct {
        const char* name;
        const char* secondFile; // "folder" stands in the second file's way
        std::function<bool(QIODevice&)> write;
        bool saved;
        QByteArray first; // the old first file afterwards
    } cases[] = {
        {"both saved", "b.csv", writeNew, true, "new"},
        {"the second cannot be saved: the first gets its old contents back", "folder", writeNew, false, "old"},
        {"the store cannot be read: nothing is touched", "b.csv", failToWrite, false, "old"},
    };
    for (const auto& c : cases) {
        TemporaryFolder folder;
        folder.write("a.csv", "old");
        QDir().mkpath(folder.path("folder"));
        for (const bool firstIsNew : {false, true}) {
            const QString first = folder.path(firstIsNew ? "new.csv" : "a.csv");
            const bool saved = CsvWriter::saveFiles({{first, writeNew}, {folder.path(c.secondFile), c.write}});
            EXPECT_EQ(saved, c.saved) << c.name;
            EXPECT_EQ(QFile::exists(first), !firstIsNew || c.saved) << c.name;
            if (!firstIsNew) {
                EXPECT_EQ(folder.read("a.csv"), c.first) << c.name;
            }
        }
    }
}

TEST(HistoryExport, WritesAttemptsAndKeys)
{
    HistoryFixture history;
    AttemptRecord preset = attempt(at(2024, 3, 10, 9, 30, 5), 42, 38, 95);
    preset.source = {AttemptKind::Preset, false, QStringLiteral("English"), 3};
    preset.exercise = QStringLiteral("a, \"b\"");
    preset.typed = QStringLiteral("a, \"v\"");
    preset.seconds = 12.34;
    preset.correct = 5;
    preset.passed = true;
    std::vector<KeystrokePair> pairs = {{u'b', u'b', 19, 19, 19 * 0.25}, {u'b', u'v', 1, 1, 0.25}};
    preset.keystrokes.pairs = pairs;
    ASSERT_TRUE(history.store.addAttempt(preset));
    AttemptRecord random = attempt(at(2024, 3, 10, 9, 31), 20, 20, 100);
    random.source = {AttemptKind::Random, true, QString(), 0};
    random.keystrokes.pairs = {{u' ', u' ', 3, 3, 0.75}};
    ASSERT_TRUE(history.store.addAttempt(random));
    // Bytes that are not UTF-8, as another program may have stored them.
    QSqlQuery(history.store.database()).exec(QStringLiteral("UPDATE attempts SET typed = CAST(x'61ff80' AS TEXT) WHERE id = 2"));

    HistoryExport exporter(history.queries);
    QBuffer attempts;
    attempts.open(QIODevice::WriteOnly);
    ASSERT_TRUE(exporter.writeAttempts(attempts));
    const QList<QByteArray> rows = attempts.data().split('\n');
    ASSERT_EQ(rows.size(), 4); // header, two rows, and the empty rest after the last CR LF
    EXPECT_EQ(rows[0], QByteArray("finished,type,quick run,preset file,exercise number,exercise,typed,seconds,"
                                  "correct characters,accuracy,wpm,correct wpm,passed\r"));
    const QByteArray offset = QDateTime(QDate(2024, 3, 10), QTime(9, 30, 5)).toOffsetFromUtc(
        QDateTime(QDate(2024, 3, 10), QTime(9, 30, 5)).offsetFromUtc()).toString(Qt::ISODate).toUtf8();
    EXPECT_EQ(rows[1], offset + ",preset,no,English,3,\"a, \"\"b\"\"\",\"a, \"\"v\"\"\",12.3,5,95,42,38,yes\r");
    EXPECT_TRUE(rows[2].contains(",random,yes,,,abc,a\xef\xbf\xbd\xef\xbf\xbd,30.0,0,100,20,20,no\r")) << rows[2].toStdString();
    EXPECT_TRUE(rows[3].isEmpty());

    QBuffer keys;
    keys.open(QIODevice::WriteOnly);
    ASSERT_TRUE(exporter.writeKeys(keys));
    EXPECT_EQ(keys.data(), QByteArray("key,strokes,errors,error rate %,median interval ms,most struck instead\r\n"
                                      " ,3,0,,250,\r\n"
                                      "b,20,1,5.0,250,v\r\n"));
}

TEST(HistoryExport, FailsWithoutAStore)
{
    FakeClock clock;
    HistoryStore store(QStringLiteral("/proc/clavora-no-such-place/History.sqlite"));
    ProgressQueries queries(store, clock);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(HistoryExport(queries).writeAttempts(buffer));
    EXPECT_FALSE(HistoryExport(queries).writeKeys(buffer));
    EXPECT_TRUE(buffer.data().isEmpty());
}

} // namespace
} // namespace clavora
