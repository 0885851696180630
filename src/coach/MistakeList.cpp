// SPDX-License-Identifier: GPL-3.0-or-later
#include "MistakeList.h"

#include <QStringList>
#include <algorithm>

namespace clavora {

MistakeList::MistakeList(const std::vector<Mistake>& pairs)
{
    for (const Mistake& pair : pairs) {
        const auto same = std::find_if(mistakes_.begin(), mistakes_.end(), [&](const Mistake& m) {
            return m.expected == pair.expected && m.typed == pair.typed;
        });
        if (same == mistakes_.end())
            mistakes_.push_back(pair);
        else
            same->count += pair.count;
    }
    std::stable_sort(mistakes_.begin(), mistakes_.end(),
                     [](const Mistake& a, const Mistake& b) { return a.count > b.count; });
}

MistakeList MistakeList::compare(const QString& exercise, const QString& typed)
{
    std::vector<Mistake> pairs;
    for (qsizetype i = 0; i < std::min(exercise.size(), typed.size()); ++i)
        if (exercise[i] != typed[i])
            pairs.push_back({exercise[i], typed[i]});
    return MistakeList(pairs);
}

QString MistakeList::name(QChar c)
{
    // A blank alone would not be seen.
    return c == u' ' ? tr("space") : QString(c);
}

QString MistakeList::text(int shown) const
{
    QStringList parts;
    for (const Mistake& m : mistakes_) {
        if (parts.size() == shown)
            break;
        parts += m.count == 1 ? tr("expected %1, typed %2").arg(name(m.expected), name(m.typed))
                              : tr("expected %1, typed %2 (%3 times)")
                                    .arg(name(m.expected), name(m.typed), QString::number(m.count));
    }
    return parts.join(tr("; "));
}

} // namespace clavora
