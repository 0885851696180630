// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomExercises.h"

#include "PresetExercises.h"
#include "common/Services.h"
#include "keyboard/LayoutFile.h"
#include "settings/AppSettings.h"

namespace clavora {

namespace {
bool isUnitedKingdom(const QString& layout)
{
    return layout.contains(QStringLiteral("United Kingdom"), Qt::CaseInsensitive);
}
} // namespace

QString keysAllowed(const AppSettings& s)
{
    const bool uk = isUnitedKingdom(s.layoutFile);
    QString pool;
    if (s.lowerCase)
        pool += QStringLiteral("abcdefghijklmnopqrstuvwxyz     ");
    if (s.upperCase)
        pool += QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ     ");
    if (s.numbers)
        pool += QStringLiteral("1234567890  ");
    if (s.numberPunctuation)
        pool += uk ? QStringLiteral("!\"\u00A3$%^&*()  ") : QStringLiteral("!@#$%^&*()  ");
    if (s.punctuation)
        pool += uk ? QStringLiteral("-=[];'#,./\\  ") : QStringLiteral("-=[]\\;',./  ");
    if (s.shiftedPunctuation)
        pool += uk ? QStringLiteral("_+{}:@~<>?|  ") : QStringLiteral("_+{}|:\"<>?  ");
    if (s.custom)
        pool += s.customKeys + QString(s.customKeys.size() / 5 + 1, u' ');
    if (!s.space)
        pool.remove(u' ');
    return pool;
}

QString drillKeysAllowed(const AppSettings& s, const KeyCapTable& layout)
{
    const QString pool = keysAllowed(s);
    if (!s.numberPunctuation && !s.punctuation && !s.shiftedPunctuation)
        return pool;
    QString altGr;
    for (const QString& caption : layout.altGrCaption) {
        const QChar c = characterOfCaption(caption);
        if (!c.isNull() && c != u' ' && !pool.contains(c) && !altGr.contains(c))
            altGr += c;
    }
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
