// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomExercises.h"

#include "PresetExercises.h"
#include "common/Services.h"
#include "keyboard/ChosenLayout.h"
#include "keyboard/LayoutFile.h"
#include "settings/AppSettings.h"

namespace clavora {

namespace {
bool isUnitedKingdom(const QString& layout)
{
    return layout.contains(QStringLiteral("United Kingdom"), Qt::CaseInsensitive);
}

bool anyPunctuation(const AppSettings& s)
{
    return s.numberPunctuation || s.punctuation || s.shiftedPunctuation;
}

// The characters of `layout` that only AltGr types and `besides` lacks, each once.
QString altGrCharacters(const KeyCapTable& layout, const QString& besides)
{
    QString characters;
    for (int i = 0; i < CharacterKeyCount; ++i) {
        const QChar c = characterOfCaption(layout.altGrCaption[i]);
        if (!c.isNull() && c != u' ' && !layout.deadAltGr[i] && !besides.contains(c) && !characters.contains(c))
            characters += c;
    }
    return characters;
}

void addOnce(QString& characters, QChar c)
{
    if (!c.isNull() && c != u' ' && !characters.contains(c))
        characters += c;
}

// The number row's keys that the digits take.
bool isDigitKey(int index)
{
    return index >= 1 && index <= 10;
}

KeyClasses fileKeyClasses(const QString& layoutFile)
{
    const bool uk = isUnitedKingdom(layoutFile);
    return {QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
            QStringLiteral("1234567890"),
            uk ? QStringLiteral("!\"\u00A3$%^&*()") : QStringLiteral("!@#$%^&*()"),
            uk ? QStringLiteral("-=[];'#,./\\") : QStringLiteral("-=[]\\;',./"),
            uk ? QStringLiteral("_+{}:@~<>?|") : QStringLiteral("_+{}|:\"<>?"),
            {}};
}
} // namespace

KeyClasses layoutKeyClasses(const KeyCapTable& layout)
{
    KeyClasses classes;
    QString typedWithoutAltGr;
    const int present = layout.extraKey ? CharacterKeyCount : CharacterKeyCount - 1;
    for (int i = 0; i < present; ++i) {
        const struct {
            QChar character;
            bool dead;
            QString& letters;
            QString& symbols;
        } levels[] = {
            {characterOfCaption(layout.lowerCaptions[i]), bool(layout.deadLower[i]), classes.lowerCase, classes.punctuation},
            {characterOfCaption(layout.upperCaptions[i]), bool(layout.deadUpper[i]), classes.upperCase,
             classes.shiftedPunctuation},
        };
        for (const auto& level : levels) {
            if (level.dead)
                continue;
            addOnce(typedWithoutAltGr, level.character);
            if (isWordLetter(level.character) || level.character.isMark())
                addOnce(level.letters, level.character);
            else if (level.character.isDigit())
                addOnce(classes.numbers, level.character);
            else
                addOnce(isDigitKey(i) ? classes.numberPunctuation : level.symbols, level.character);
        }
    }
    // Of what only AltGr types, the ASCII characters and the currency signs, which programs and
    // prices need; arrows, ligatures and the letters of other languages are left out.
    for (const QChar c : altGrCharacters(layout, typedWithoutAltGr))
        if (c.unicode() < 0x80 || c.category() == QChar::Symbol_Currency)
            classes.altGr += c;
    return classes;
}

QString keysAllowed(const AppSettings& s)
{
    const std::optional<KeyCapTable> desktopTable = chosenDesktopLayoutTable(s);
    const KeyClasses classes = desktopTable ? layoutKeyClasses(*desktopTable) : fileKeyClasses(s.layoutFile);
    QString pool;
    if (s.lowerCase)
        pool += classes.lowerCase + QStringLiteral("     ");
    if (s.upperCase)
        pool += classes.upperCase + QStringLiteral("     ");
    if (s.numbers)
        pool += classes.numbers + QStringLiteral("  ");
    if (s.numberPunctuation)
        pool += classes.numberPunctuation + QStringLiteral("  ");
    if (s.punctuation)
        pool += classes.punctuation + QStringLiteral("  ");
    if (s.shiftedPunctuation)
        pool += classes.shiftedPunctuation + QStringLiteral("  ");
    if (anyPunctuation(s) && !classes.altGr.isEmpty())
        pool += classes.altGr + QStringLiteral("  ");
    if (s.custom)
        pool += s.customKeys + QString(s.customKeys.size() / 5 + 1, u' ');
    if (!s.space)
        pool.remove(u' ');
    return pool;
}

QString drillKeysAllowed(const AppSettings& s, const KeyCapTable& layout)
{
    const QString pool = keysAllowed(s);
    // A desktop layout's pool holds its AltGr class already.
    if (!anyPunctuation(s) || chosenDesktopLayoutTable(s))
        return pool;
    QString altGr = altGrCharacters(layout, pool);
    // Blanks in the share the other classes give them.
    if (!altGr.isEmpty() && s.space)
        altGr += QStringLiteral("  ");
    return pool + altGr;
}

QString keyLevel(const AppSettings& s)
{
    const int level = (s.lowerCase ? 1 : 0) + (s.upperCase ? 2 : 0) + (s.numbers ? 2 : 0) +
                      (s.numberPunctuation ? 3 : 0) + (s.punctuation ? 3 : 0) + (s.shiftedPunctuation ? 4 : 0) + (s.space ? 1 : 0);
    return QString::number(level) + (s.custom ? QStringLiteral("+") : QString());
}

QString makeRandomExercise(const QString& pool, Random& random)
{
    QString line;
    if (pool.isEmpty())
        return line;
    const bool blanksOnly = pool.count(u' ') == pool.size();
    for (int i = 0; i < MaxExerciseLength; ++i) {
        const bool twoBlanks = line.endsWith(QStringLiteral("  "));
        if (twoBlanks && blanksOnly)
            break; // no draw could ever be accepted
        QChar c;
        do
            c = pool[random.below(int(pool.size()))];
        while (twoBlanks && c == u' ');
        line += c;
    }
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

} // namespace clavora
