// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordList.h"

#include "common/FileAccess.h"
#include "common/TextFile.h"
#include "common/ExerciseLength.h"

#include <QFileInfo>
#include <QStringTokenizer>
#include <algorithm>
#include <cstring>
#include <queue>
#include <tuple>
#include <vector>

namespace clavora {

namespace {
struct Language {
    const char* layoutName; // found anywhere in the layout's name
    const char* systemList;
    const char* shippedList;
};
constexpr Language Languages[] = {
    {"United Kingdom", "british-english", "en.txt"},
    {"German", "ngerman", "de.txt"},
    {"French", "french", "fr.txt"},
};
constexpr Language AmericanEnglish = {"", "american-english", "en.txt"};
// Debian's lists (the w* packages) by a layout's name or a language code.
constexpr Language DesktopLanguages[] = {
    {"gb", "british-english", "en.txt"}, {"br", "brazilian", ""},      {"eng", "american-english", "en.txt"},
    {"deu", "ngerman", "de.txt"},        {"fra", "french", "fr.txt"},   {"swe", "swedish", ""},
    {"spa", "spanish", ""},              {"pol", "polish", ""},         {"ita", "italian", ""},
    {"por", "portuguese", ""},           {"nld", "dutch", ""},          {"dan", "danish", ""},
    {"nor", "bokmaal", ""},              {"nob", "bokmaal", ""},        {"nno", "nynorsk", ""},
    {"cat", "catalan", ""},              {"ukr", "ukrainian", ""},      {"bul", "bulgarian", ""},
    {"fao", "faroese", ""},              {"gle", "irish", ""},          {"glv", "manx", ""},
    {"epo", "esperanto", ""},            {"gsw", "swiss", ""},
};

// Far more than any dictionary: a file beyond it is read up to it.
constexpr qint64 MaximumListBytes = 64 << 20;
// Decoding the whole of the largest list (Polish, 58 MB) takes most of a second, a time the
// window would stand still: the letters of a list larger than this are counted in evenly
// spread pieces of it that hold as much. Most languages' lists are smaller.
constexpr qint64 SampledListBytes = 2 << 20;
constexpr int SamplePieces = 512;

bool isWord(QStringView word)
{
    if (word.isEmpty() || word.size() > MaxExerciseLength)
        return false;
    for (const QChar c : word)
        if (!c.isLetter() || !c.isLower())
            return false;
    return true;
}
QString existingList(const Language& language, const QString& systemFolder, const QString& shippedFolder)
{
    for (const QString& path : {systemFolder + u'/' + QLatin1String(language.systemList),
                                shippedFolder + u'/' + QLatin1String(language.shippedList)})
        if (QFileInfo(path).isFile())
            return path;
    return {};
}
} // namespace

QString wordListFile(const QString& layoutFile, const QString& systemFolder, const QString& shippedFolder)
{
    Language language = AmericanEnglish;
    for (const Language& l : Languages)
        if (layoutFile.contains(QLatin1String(l.layoutName), Qt::CaseInsensitive))
            language = l;
    return existingList(language, systemFolder, shippedFolder);
}

QString desktopWordListFile(const QString& layout, const QStringList& languages, const QString& systemFolder,
                            const QString& shippedFolder)
{
    for (const QString& name : QStringList{layout} + languages) {
        for (const Language& l : DesktopLanguages) {
            if (name.compare(QLatin1String(l.layoutName), Qt::CaseInsensitive) != 0)
                continue;
            if (QString path = existingList(l, systemFolder, shippedFolder); !path.isEmpty())
                return path;
        }
    }
    return {};
}

namespace {
QString listText(const QString& path)
{
    BoundedRead read = readRegularFile(path, MaximumListBytes);
    if (read.tooLarge) // the last line was cut short, perhaps inside a character
        read.bytes.truncate(read.bytes.lastIndexOf('\n'));
    return decodeText(read.bytes);
}

template <typename Use>
void forEachWord(const QString& text, Use use)
{
    for (QStringView line : QStringTokenizer(text, u'\n', Qt::SkipEmptyParts)) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (isWord(line))
            use(line);
    }
}

// Of a list larger than SampledListBytes, evenly spread pieces of whole lines.
QByteArray sampledLines(QFile& file)
{
    const qint64 size = file.size();
    QByteArray pieces;
    pieces.reserve(SampledListBytes);
    for (int piece = 0; piece < SamplePieces; ++piece) {
        if (!file.seek(size / SamplePieces * piece))
            break;
        const QByteArray bytes = file.read(SampledListBytes / SamplePieces);
        // Whole lines only: the first may have begun before the piece, the last go on after it.
        const qsizetype start = piece == 0 ? 0 : bytes.indexOf('\n') + 1;
        const qsizetype end = bytes.lastIndexOf('\n') + 1;
        if ((piece == 0 || start > 0) && start < end)
            pieces += QByteArrayView(bytes).sliced(start, end - start);
    }
    return pieces;
}

// The shortest lines of a list, by their length in bytes, enough of them to hold `count`
// words after the lines that hold no word are left out; found in one pass, without decoding.
QByteArray shortestLines(QByteArrayView bytes, int count)
{
    // A line of a word as long as an exercise line, in UTF-8, and its ending.
    constexpr qsizetype LongestLine = 4 * MaxExerciseLength + 1;
    constexpr qsizetype LinesPerWord = 4; // most lists hold names and abbreviations too
    const qsizetype wanted = LinesPerWord * count;
    // The lines of each length up to `longest`, which comes down as the shorter ones grow to
    // the number wanted.
    std::vector<QByteArray> linesOfLength(LongestLine + 1);
    std::vector<qsizetype> countOfLength(LongestLine + 1, 0);
    qsizetype longest = LongestLine;
    qsizetype held = 0;
    const char* const end = bytes.data() + bytes.size();
    for (const char* line = bytes.data(); line < end;) {
        const char* const lineEnd = static_cast<const char*>(std::memchr(line, '\n', end - line));
        const char* const next = lineEnd ? lineEnd + 1 : end;
        const qsizetype length = next - line;
        if (length <= longest) {
            linesOfLength[length] += QByteArrayView(line, length);
            ++countOfLength[length];
            ++held;
            while (longest > 1 && held - countOfLength[longest] >= wanted) {
                held -= countOfLength[longest];
                linesOfLength[longest].clear();
                --longest;
            }
        }
        line = next;
    }
    QByteArray lines;
    for (qsizetype length = 1; length <= longest; ++length)
        lines += linesOfLength[length];
    return lines;
}

// The text of a list for its common words: where its letters are counted, and the lines its
// words are picked from. Up to SampledListBytes both are the whole list; of a larger one the
// letters are counted in pieces from all over it, and its words are its shortest lines.
struct CommonWordsText {
    QString letters, words;
};

CommonWordsText commonWordsText(const QString& path, int count)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    const qint64 size = std::min(file.size(), MaximumListBytes);
    if (size <= SampledListBytes) {
        const QString text = decodeText(file.read(size));
        return {text, text};
    }
    const uchar* mapped = file.map(0, size);
    const QByteArray read = mapped ? QByteArray() : file.read(size);
    QByteArrayView whole = mapped ? QByteArrayView(mapped, size) : QByteArrayView(read);
    if (file.size() > size) // the last line was cut short, perhaps inside a character
        whole.truncate(whole.lastIndexOf(QByteArrayView("\n")) + 1);
    return {decodeText(sampledLines(file)), decodeText(shortestLines(whole, count))};
}
} // namespace

QStringList readWordList(const QString& path)
{
    QStringList words;
    forEachWord(listText(path), [&words](QStringView word) { words += word.toString(); });
    return words;
}

QStringList readCommonWords(const QString& path, int count)
{
    const CommonWordsText text = commonWordsText(path, count);
    std::vector<std::uint32_t> letterCounts(0x10000, 0);
    forEachWord(text.letters, [&letterCounts](QStringView word) {
        for (const QChar c : word)
            ++letterCounts[c.unicode()];
    });
    // Shorter first; of words as long, the one whose letters are the more frequent.
    struct Ranked {
        qsizetype length;
        double rarity;
        QStringView word;
        bool operator<(const Ranked& other) const
        {
            return std::tie(length, rarity) < std::tie(other.length, other.rarity);
        }
    };
    std::priority_queue<Ranked> kept; // the worst of the best on top
    forEachWord(text.words, [&](QStringView word) {
        double rarity = 0;
        for (const QChar c : word)
            rarity -= letterCounts[c.unicode()];
        const Ranked ranked{word.size(), rarity / double(word.size()), word};
        if (int(kept.size()) < count)
            kept.push(ranked);
        else if (count > 0 && ranked < kept.top()) {
            kept.pop();
            kept.push(ranked);
        }
    });
    QStringList words(kept.size());
    for (qsizetype i = kept.size() - 1; i >= 0; --i, kept.pop())
        words[i] = kept.top().word.toString();
    return words;
}

} // namespace clavora
