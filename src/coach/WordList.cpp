// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordList.h"

#include "common/FileAccess.h"
#include "common/TextFile.h"
#include "common/ExerciseLength.h"

#include <QFileInfo>
#include <QStringTokenizer>
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
// The common words of a larger list are picked from evenly spread pieces of it that hold
// this much, each of whole lines: the whole of the largest (Polish, 58 MB) takes most of a
// second to read, a time the window would stand still. Most languages' lists are smaller.
constexpr qint64 SampledListBytes = 2 << 20;
constexpr int SamplePieces = 32;

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

// The whole of a list up to SampledListBytes; of a larger one, pieces from all over it.
QString sampledListText(const QString& path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    const qint64 size = file.size();
    if (size <= SampledListBytes)
        return decodeText(file.read(size));
    QByteArray pieces;
    pieces.reserve(SampledListBytes);
    for (int piece = 0; piece < SamplePieces; ++piece) {
        if (!file.seek(size / SamplePieces * piece))
            break;
        QByteArray bytes = file.read(SampledListBytes / SamplePieces);
        // Whole lines only: the first may have begun before the piece, the last go on after it.
        const qsizetype start = piece == 0 ? 0 : bytes.indexOf('\n') + 1;
        const qsizetype end = bytes.lastIndexOf('\n') + 1;
        if ((piece == 0 || start > 0) && start < end)
            pieces += QByteArrayView(bytes).sliced(start, end - start);
    }
    return decodeText(pieces);
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
    const QString text = sampledListText(path);
    std::vector<std::uint32_t> letterCounts(0x10000, 0);
    forEachWord(text, [&letterCounts](QStringView word) {
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
    forEachWord(text, [&](QStringView word) {
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
