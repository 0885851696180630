// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutFile.h"

#include "common/FileAccess.h"
#include "common/TextFile.h"

#include <QBuffer>

namespace clavora {

namespace {
// Enough bytes for 49 characters of any encoding: a line longer than 48 must still show it.
constexpr qsizetype KeptLineBytes = (CharacterKeyCount + 1) * 4;

// One caption per character (not per UTF-16 unit), at most 48.
std::array<QString, CharacterKeyCount> captionsOf(const QList<uint>& characters)
{
    std::array<QString, CharacterKeyCount> captions;
    for (qsizetype i = 0; i < std::min<qsizetype>(characters.size(), CharacterKeyCount); ++i) {
        const char32_t c = characters[i];
        captions[i] = captionForm(QString::fromUcs4(&c, 1));
    }
    return captions;
}
} // namespace

QString captionForm(const QString& character)
{
    return character == QStringLiteral("&") ? QStringLiteral("&&") : character;
}

QChar characterOfCaption(const QString& caption)
{
    return caption == QStringLiteral("&&") ? QChar(u'&') : caption.size() == 1 ? caption[0] : QChar();
}

bool isWordLetter(QChar c)
{
    return c.isLetter() && (c.isLower() || c.isUpper() || c.script() != QChar::Script_Latin);
}

LayoutFileContents readLayoutFile(const QString& path)
{
    // Two lines of 48 characters: a few KB hold them in any encoding, whatever follows.
    const BoundedRead read = readRegularFile(path, 4096);
    if (!read.found) {
        LayoutFileContents contents;
        contents.problem = LayoutFileProblem::Unreadable;
        return contents;
    }
    return readLayoutText(read.bytes);
}

LayoutFileContents readLayoutText(const QByteArray& bytes)
{
    LayoutFileContents contents;
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    LineReader reader(file, KeptLineBytes);
    QString lower, upper, altGr;
    const bool complete = reader.next(lower) && reader.next(upper);
    if (!complete)
        contents.problem = LayoutFileProblem::NoSecondLine;
    else
        reader.next(altGr);
    const QList<uint> lowerCharacters = lower.toUcs4();
    contents.table.lowerCaptions = captionsOf(lowerCharacters);
    contents.table.upperCaptions = captionsOf(upper.toUcs4());
    contents.table.altGrCaption = captionsOf(altGr.toUcs4());
    for (QString& caption : contents.table.altGrCaption) {
        if (caption == QStringLiteral(" "))
            caption.clear();
    }
    contents.table.extraKey = lowerCharacters.size() == CharacterKeyCount;
    return contents;
}

} // namespace clavora
