// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordList.h"

#include "common/FileAccess.h"
#include "common/TextFile.h"
#include "common/ExerciseLength.h"

#include <QFileInfo>
#include <QStringTokenizer>

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

// Far more than any dictionary: a file beyond it is read up to it.
constexpr qint64 MaximumListBytes = 64 << 20;

bool isWord(QStringView word)
{
    if (word.isEmpty() || word.size() > MaxExerciseLength)
        return false;
    for (const QChar c : word)
        if (!c.isLetter() || !c.isLower())
            return false;
    return true;
}
} // namespace

QString wordListFile(const QString& layoutFile, const QString& systemFolder, const QString& shippedFolder)
{
    Language language = AmericanEnglish;
    for (const Language& l : Languages)
        if (layoutFile.contains(QLatin1String(l.layoutName), Qt::CaseInsensitive))
            language = l;
    for (const QString& path : {systemFolder + u'/' + QLatin1String(language.systemList),
                                shippedFolder + u'/' + QLatin1String(language.shippedList)})
        if (QFileInfo(path).isFile())
            return path;
    return {};
}

QStringList readWordList(const QString& path)
{
    BoundedRead read = readRegularFile(path, MaximumListBytes);
    if (read.tooLarge) // the last line was cut short, perhaps inside a character
        read.bytes.truncate(read.bytes.lastIndexOf('\n'));
    const QString text = decodeText(read.bytes);
    QStringList words;
    for (QStringView line : QStringTokenizer(text, u'\n', Qt::SkipEmptyParts)) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (isWord(line))
            words += line.toString();
    }
    return words;
}

} // namespace clavora
