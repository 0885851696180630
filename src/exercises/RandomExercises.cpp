#include "RandomExercises.h"

#include "PresetExercises.h"
#include "common/Services.h"
#include "settings/AppSettings.h"

namespace clavora {

namespace {
bool isUnitedKingdom(const QString& layout)
{
    return layout.contains(QStringLiteral("United Kingdom"), Qt::CaseInsensitive);
}
} // namespace

QString KeysAllowed(const AppSettings& s)
{
    const bool uk = isUnitedKingdom(s.LayoutFile);
    QString pool;
    if (s.LowerCase)
        pool += QStringLiteral("abcdefghijklmnopqrstuvwxyz     ");
    if (s.UpperCase)
        pool += QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ     ");
    if (s.Numbers)
        pool += QStringLiteral("1234567890  ");
    if (s.NumberPunc)
        pool += uk ? QStringLiteral("!\"\u00A3$%^&*()  ") : QStringLiteral("!@#$%^&*()  ");
    if (s.Punc)
        pool += uk ? QStringLiteral("-=[];'#,./\\  ") : QStringLiteral("-=[]\\;',./  ");
    if (s.ShiftPunc)
        pool += uk ? QStringLiteral("_+{}:@~<>?|  ") : QStringLiteral("_+{}|:\"<>?  ");
    if (s.Custom)
        pool += s.CustomKeys + QString(s.CustomKeys.size() / 5 + 1, u' ');
    if (!s.Space)
        pool.remove(u' ');
    return pool;
}

QString RndLvl(const AppSettings& s)
{
    const int level = (s.LowerCase ? 1 : 0) + (s.UpperCase ? 2 : 0) + (s.Numbers ? 2 : 0) +
                      (s.NumberPunc ? 3 : 0) + (s.Punc ? 3 : 0) + (s.ShiftPunc ? 4 : 0) + (s.Space ? 1 : 0);
    return QString::number(level) + (s.Custom ? QStringLiteral("+") : QString());
}

QString MakeRandomExercise(const QString& pool, Random& random)
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
