// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "TemporaryFolder.h"
#include "coach/AdaptiveCourse.h"
#include "coach/CoachCourse.h"
#include "coach/RecentStrokes.h"
#include "coach/CoachMarks.h"
#include "coach/CoachStrokes.h"
#include "coach/CourseWords.h"
#include "coach/WordList.h"
#include "keyboard/DesktopLayouts.h"
#include "keyboard/LayoutFile.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

TEST(CourseKeys, HomeRowFirstThenRowsFromTheIndexFingersOut)
{
    struct Case {
        QString layout, letters;
        int homeCount;
    };
    const Case cases[] = {
        {"QWERTY - United States", "fghjdksla" "rtyueiwoqp" "vbnmcxz", 9},
        // Key 25 (#) is on the home row but no letter; ß is on the number row.
        {"QWERTZ - German", "fghjdksla\u00f6\u00e4" "rtzueiwoqp\u00fc" "vbnmcxy" "\u00df", 11},
        {"AZERTY - French", "fghjdkslqm\u00f9" "rtyueizoap" "vbncxw" "\u00e8\u00e9\u00e7\u00e0", 11},
    };
    for (const Case& c : cases) {
        const auto layout = readLayoutFile(QStringLiteral(CLAVORA_SHIPPED_DATA "/Layouts/") + c.layout + ".kbl");
        const CourseKeys keys = courseKeys(layout.table);
        EXPECT_EQ(keys.letters, c.letters) << c.layout.toStdString();
        EXPECT_EQ(keys.homeCount, c.homeCount) << c.layout.toStdString();
    }
    // A layout made from the desktop's database: its ç and ñ taught on the home row, its º not at all.
    const CourseKeys spanish = courseKeys(*desktopLayoutTable({"es", ""}));
    EXPECT_EQ(spanish.letters.left(spanish.homeCount), "fghjdksla\u00e7\u00f1");
    EXPECT_FALSE(spanish.letters.contains(u'\u00ba'));
}

TEST(AdaptiveCourse, UnlocksTheNextKeyOnlyWhenEveryUnlockedKeyIsLearnt)
{
    const KeyPractice learnt{u'f', 20, 95, 10};
    struct Case {
        const char* name;
        std::vector<KeyPractice> figures;
        bool unlocks;
    };
    const Case cases[] = {
        {"not yet: too few strokes", {{u'f', 19, 100, 40}, {u'j', 50, 100, 40}}, false},
        {"just reached", {learnt, {u'j', 20, 95, 10}}, true},
        {"a key less accurate holds the next back", {learnt, {u'j', 500, 94.9, 40}}, false},
        {"a slow key holds the next back", {learnt, {u'j', 500, 100, 9.9}}, false},
        {"a key never typed holds the next back", {learnt}, false},
        {"locked keys do not count", {learnt, {u'j', 20, 95, 10}, {u'd', 0, 0, 0}}, true},
    };
    for (const Case& c : cases) {
        AdaptiveCourse course({"fjdk", 2}, 0, coachMarks());
        EXPECT_EQ(course.update(c.figures), c.unlocks) << c.name;
        EXPECT_EQ(course.unlockedKeys(), c.unlocks ? "fjd" : "fj") << c.name;
        EXPECT_EQ(course.nextKey(), c.unlocks ? u'k' : u'd') << c.name;
    }

    AdaptiveCourse finished({"fj", 1}, 7, coachMarks()); // no more than the course has
    EXPECT_EQ(finished.unlockedKeys(), "fj");
    EXPECT_TRUE(finished.nextKey().isNull());
    EXPECT_FALSE(finished.update({learnt, {u'j', 20, 95, 10}}));
}

TEST(AdaptiveCourse, WeakKeysWeighMoreAndShowLessReady)
{
    struct Case {
        KeyPractice figures;
        double weight;
        double readiness; // 1 only when learnt
    };
    const Case cases[] = {
        {{u'f', 19, 100, 40}, AdaptiveCourse::MaximumWeight, 0.95}, // the new key
        {{u'f', 10, 100, 10}, AdaptiveCourse::MaximumWeight, 0.5},
        {{u'f', 0, 0, 0}, AdaptiveCourse::MaximumWeight, 0},
        {{u'f', 20, 95, 10}, 1.0, 1},
        {{u'f', 20, 90, 30}, 2.0, 2.0 / 3},
        {{u'f', 20, 100, 5}, 2.0, 2.0 / 3},
        {{u'f', 20, 50, 0}, AdaptiveCourse::MaximumWeight, 0},
    };
    for (const Case& c : cases) {
        const AdaptiveCourse course({"f", 1}, 1, coachMarks());
        EXPECT_EQ(course.weights({c.figures}), std::vector<double>{c.weight}) << c.figures.accuracy << " " << c.figures.speed;
        EXPECT_DOUBLE_EQ(course.readiness(c.figures), c.readiness) << c.figures.strokes << " " << c.figures.accuracy;
    }
}

TEST(AdaptiveCourse, EachKeyNotYetLearntGetsAFairShareOfTheLine)
{
    const KeyPractice learnt{u'f', 20, 100, 30};
    struct Case {
        std::vector<KeyPractice> figures; // of f and j
        std::vector<int> shares;          // of f, j, d and k
    };
    const Case cases[] = {
        {{learnt, {u'j', 20, 100, 30}, {u'd', 20, 100, 30}, {u'k', 20, 100, 30}}, {0, 0, 0, 0}},
        {{learnt, {u'j', 20, 100, 30}, {u'd', 20, 100, 30}}, {0, 0, 0, AdaptiveCourse::LargestShare}}, // the newest
        {{learnt, {u'j', 20, 90, 30}, {u'd', 20, 100, 5}}, {0, 6, 6, 6}},                          // weak ones too
        {{}, {6, 6, 6, 6}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdaptiveCourse({"fjdk", 4}, 4, coachMarks()).shares(c.figures), c.shares);
    const AdaptiveCourse many({"abcdefghijklmnopqrstuvwxyz", 26}, 26, coachMarks());
    EXPECT_EQ(many.shares({}), std::vector<int>(26, AdaptiveCourse::SmallestShare));
}

TEST(RecentStrokes, JudgesAKeyByItsLastStrokesAlone)
{
    RecentStrokes strokes;
    for (int i = 0; i < 10; ++i)
        strokes.add(u'g', false); // a beginner's first tries
    for (int i = 0; i < 18; ++i)
        strokes.add(u'g', true, 0.6);
    strokes.add(u'G', true, 1.2); // a capital is its letter's key
    strokes.add(u' ', false);     // no letter: not kept
    strokes.add(u'h', true);      // untimed: no speed
    struct Case {
        QChar key;
        KeyPractice practice;
    };
    const Case cases[] = {
        {u'g', {u'g', 20, 95, 20}}, // one early mistake left of ten; median 600 ms
        {u'h', {u'h', 1, 100, 0}},
        {u'j', {u'j', 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const KeyPractice p = strokes.practice(c.key);
        EXPECT_EQ(p.strokes, c.practice.strokes) << char(c.key.unicode());
        EXPECT_DOUBLE_EQ(p.accuracy, c.practice.accuracy) << char(c.key.unicode());
        EXPECT_DOUBLE_EQ(p.speed, c.practice.speed) << char(c.key.unicode());
    }
    EXPECT_TRUE(strokes.practice(u' ').strokes == 0);

    // Kept between runs as written; lines of another program are passed over.
    TemporaryFolder folder;
    ASSERT_TRUE(strokes.save(folder.path("sub/Coach strokes.txt")).ok);
    EXPECT_EQ(RecentStrokes::read(folder.path("sub/Coach strokes.txt")).text(), strokes.text());
    EXPECT_EQ(RecentStrokes::fromText("# note\nk 300 x + -5 y\nno 1\n").text(), "k 300 x +\n");
}

TEST(CoachStrokes, SavedAfterALineOrAGameOnlyWhileTheCoachIsOnAndOnlyWithNewStrokes)
{
    const struct {
        const char* name;
        bool coach;
        QChar struck;
        bool saved;
    } cases[] = {
        {"the Coach on", true, u'f', true},
        {"the Coach off: nothing more on the disk", false, u'f', false},
        {"no letter typed", true, u' ', false},
    };
    for (const auto& c : cases) {
        TemporaryFolder folder;
        AppSettings settings;
        settings.coach = c.coach;
        CoachStrokes strokes(settings, folder.path("Coach strokes.txt"));
        strokes.add(c.struck, true, 0.3);
        strokes.keep();
        EXPECT_EQ(QFile::exists(folder.path("Coach strokes.txt")), c.saved) << c.name;
        // What was typed without the Coach is saved with the first line or game it sees.
        settings.coach = true;
        strokes.keep();
        EXPECT_EQ(CoachStrokes(settings, folder.path("Coach strokes.txt")).recent().text(), strokes.recent().text())
            << c.name;
    }
}

TEST(WordList, KeepsWordsOfLowerCaseLettersAndFindsTheLayoutsLanguage)
{
    TemporaryFolder system, shipped;
    const QString list = system.write("ngerman", "apple\nApple\nit's\ncaf\xc3\xa9\r\nzoo\n\nUSA\n" + QByteArray(41, 'a') + "\n");
    EXPECT_EQ(readWordList(list), (QStringList{"apple", QString::fromUtf8("caf\xc3\xa9"), "zoo"}));
    EXPECT_TRUE(readWordList(system.path("missing")).isEmpty());

    shipped.write("en.txt", "a\n");
    shipped.write("fr.txt", "a\n");
    struct Case {
        QString layout, file;
    };
    const Case cases[] = {
        {"QWERTZ - German", system.path("ngerman")},
        {"QWERTY - United Kingdom", shipped.path("en.txt")}, // no british-english installed
        {"Dvorak - United States", shipped.path("en.txt")},
        {"azerty - french", shipped.path("fr.txt")},
        {"Made Up", shipped.path("en.txt")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QDir::cleanPath(wordListFile(c.layout, system.path(""), shipped.path(""))), c.file) << c.layout.toStdString();
    EXPECT_EQ(wordListFile("QWERTZ - German", system.path(""), system.path("")), system.path("ngerman"));
    EXPECT_EQ(wordListFile("AZERTY - French", system.path(""), system.path("")), "");

    // Every word shipped is one the reader keeps.
    for (const char* language : {"en", "de", "fr"}) {
        const QString path = QStringLiteral(CLAVORA_SHIPPED_DATA "/Words/") + language + ".txt";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language;
        EXPECT_EQ(readWordList(path).size(), file.readAll().count('\n')) << language;
    }
}

TEST(WordList, CommonWordsAreTheShortestOfFrequentLettersFromAllOverALargeList)
{
    TemporaryFolder folder;
    const auto sorted = [](QStringList words) {
        words.sort();
        return words;
    };
    EXPECT_EQ(sorted(readCommonWords(folder.write("small", "banana\nzq\nab\nabc\nba\n"), 2)), (QStringList{"ab", "ba"}));

    // Long words all through, short ones only in the last quarter: a list of 4 MB, read in pieces.
    const auto lettersOf = [](int number, int length) {
        QByteArray word(length, 'a');
        for (int i = length - 1; i >= 0 && number > 0; --i, number /= 26)
            word[i] = char('a' + number % 26);
        return word;
    };
    constexpr int Lines = 250000;
    QByteArray list;
    QStringList words;
    for (int line = 0; line < Lines; ++line) {
        const bool shortWord = line > Lines * 3 / 4 && line % 500 == 0;
        const QByteArray word = shortWord ? "z" + lettersOf(line / 500, 2) : lettersOf(line, 15);
        list += word + '\n';
        words += QString::fromLatin1(word);
    }
    const QStringList common = readCommonWords(folder.write("large", list), 20);
    ASSERT_EQ(common.size(), 20);
    for (const QString& word : common) {
        EXPECT_TRUE(words.contains(word)) << word.toStdString() << ": a piece of a line";
        EXPECT_EQ(word.size(), 3) << word.toStdString();
    }
}

TEST(CourseWords, UsesOnlyWordsOfUnlockedLetters)
{
    CourseWords words({"dad", "fad", "jaded", "kid", "ask", "fa\u00e7ade", "sad"}, "fjdkaes");
    EXPECT_EQ(words.size(), 5); // ç and i are not taught
    struct Case {
        int unlocked;
        QStringList usable;
    };
    const Case cases[] = {
        {0, {}},
        {4, {}},
        {5, {"dad", "fad"}},
        {6, {"dad", "fad", "jaded"}},
        {7, {"dad", "fad", "jaded", "ask", "sad"}},
        {70, {"dad", "fad", "jaded", "ask", "sad"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(words.usableWords(c.unlocked), c.usable) << c.unlocked;
}

TEST(CourseWords, LinesFillUpTo40CharactersAndFavourWeakKeys)
{
    const QStringList list{"as", "sad", "dad", "lad", "fall", "hall", "ask", "flask", "glass", "gas",
                           "had", "half", "lash", "dash", "salad", "shall", "flag", "hush", "dusk", "lush"};
    const QString letters = "fghjdksla" "u";
    const QRegularExpression wordsAndBlanks("^[a-z]+( [a-z]+)*$");
    const auto countOf = [&](const std::vector<double>& weights, QChar key, int unlocked) {
        CourseWords words(list, letters);
        FakeRandom random;
        random.seed(7);
        int count = 0;
        for (int i = 0; i < 300; ++i) {
            const QString line = words.makeLine(unlocked, weights, {}, random);
            EXPECT_LE(line.size(), 40);
            EXPECT_GE(line.size(), 34) << line.toStdString(); // no shorter word would fit
            EXPECT_TRUE(wordsAndBlanks.match(line).hasMatch()) << line.toStdString();
            for (const QString& word : line.split(u' '))
                EXPECT_TRUE(list.contains(word)) << word.toStdString();
            count += int(line.count(key));
        }
        return count;
    };
    const std::vector<double> flat(10, 1.0);
    std::vector<double> weakG = flat;
    weakG[1] = 4.0;
    EXPECT_GT(countOf(weakG, u'g', 10), 2 * countOf(flat, u'g', 10));
    EXPECT_EQ(countOf(flat, u'u', 9), 0); // a locked letter never comes

    // Too few words: made-up groups of the unlocked letters.
    CourseWords few({"dad"}, "fjd");
    FakeRandom random;
    random.seed(3);
    const QString line = few.makeLine(3, {1, 1, 4}, {}, random);
    EXPECT_TRUE(QRegularExpression("^[fjd]{2,5}( [fjd]{2,5})*$").match(line).hasMatch()) << line.toStdString();
    EXPECT_GE(line.size(), 35);
    EXPECT_EQ(few.makeLine(0, {}, {}, random), "");

    // A letter's share comes from made-up groups around it when the list has too few words
    // with it (no j here), and from its words when there are enough (g).
    CourseWords noJ(list, letters);
    for (const std::vector<int>& shares : {std::vector<int>{0, 0, 0, 6}, std::vector<int>{0, 6, 0, 6}}) {
        const QString shared = noJ.makeLine(9, flat, shares, random);
        EXPECT_GE(shared.count(u'j'), 6) << shared.toStdString();
        EXPECT_GE(shared.count(u'g'), shares[1]) << shared.toStdString();
        EXPECT_TRUE(QRegularExpression("^[a-z]+( [a-z]+)*$").match(shared).hasMatch()) << shared.toStdString();
        EXPECT_LE(shared.size(), 40);
    }
}
