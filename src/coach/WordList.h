// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace clavora {

// Where the system keeps its word lists (Debian's wamerican, wbritish, wngerman, wfrench).
constexpr char SystemWordListFolder[] = "/usr/share/dict";

// The word list for the language of a layout, by the layout's name: the system's list when it
// is installed, else the one shipped in `shippedFolder` (empty when neither exists). A name
// that names no language of a list takes American English, the default layout's.
QString wordListFile(const QString& layoutFile, const QString& systemFolder, const QString& shippedFolder);
// The word list for a layout of the desktop's keyboard database, by its own name where that
// tells the language apart ("gb", "br"), else by its languages (ISO 639-3: "swe"); empty when
// the system has none for them and none is shipped.
QString desktopWordListFile(const QString& layout, const QStringList& languages, const QString& systemFolder,
                            const QString& shippedFolder);

// The words of a word list file, one a line. Only words of lower-case letters are kept, so
// names, abbreviations and possessives are left out; so are words longer than a line.
QStringList readWordList(const QString& path);
// The `count` words of a list, kept as `readWordList` keeps them, that a learner should meet
// first: the shortest, and of words as long those of the list's most frequent letters. A
// list of any size is read with no more than those words held beside its text; of a list of
// more than a few megabytes only the shortest lines are decoded, and its letters counted in
// evenly spread pieces of it.
QStringList readCommonWords(const QString& path, int count);

} // namespace clavora
