// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutDrills.h"

#include "PresetExercises.h"
#include "keyboard/ChosenLayout.h"
#include "keyboard/Fingers.h"
#include "keyboard/LayoutFile.h"
#include "settings/AppSettings.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <tuple>

namespace clavora {

namespace {

constexpr int LineCount = 120;

// The keys each finger rests on, the index fingers first, then outwards; left before right;
// then the keys the index fingers stretch to, and what the little fingers reach beyond.
int outwardRank(int index)
{
    constexpr std::array order{Finger::LeftIndex, Finger::RightIndex, Finger::LeftMiddle, Finger::RightMiddle,
                               Finger::LeftRing, Finger::RightRing, Finger::LeftPinky, Finger::RightPinky};
    constexpr std::array stretched{5, 6, 17, 18, 30, 31, 41, 42};
    const bool stretch = std::find(stretched.begin(), stretched.end(), index) != stretched.end();
    return int(std::find(order.begin(), order.end(), fingerOfKey(index)) - order.begin()) + (stretch ? 10 : 0);
}

// The letters the unshifted keys of `row` type, from the index fingers out, each once.
QString rowLetters(const KeyCapTable& layout, KeyRow row)
{
    struct Key {
        int rank, index;
        QChar letter;
    };
    std::vector<Key> keys;
    const int present = layout.extraKey ? CharacterKeyCount : CharacterKeyCount - 1;
    for (int index = 0; index < present; ++index) {
        const QChar c = characterOfCaption(layout.lowerCaptions[index]);
        if (rowOfKey(index, layout.extraKey) == row && isWordLetter(c))
            keys.push_back({outwardRank(index), index, c});
    }
    std::sort(keys.begin(), keys.end(),
              [](const Key& a, const Key& b) { return std::tie(a.rank, a.index) < std::tie(b.rank, b.index); });
    QString letters;
    for (const Key& key : keys) {
        if (!letters.contains(key.letter))
            letters += key.letter;
    }
    return letters;
}

// Words fill a line up to the exercise's length.
class LineFiller {
public:
    explicit LineFiller(quint32 seed) : state_(seed * 2654435761u + 1) {}

    // Words of two to five letters drawn from `letters`; with `capitals`, each first one
    // a capital.
    QString words(const QString& letters, bool capitals)
    {
        QString line;
        for (;;) {
            QString word;
            const int length = 2 + next(4);
            for (int i = 0; i < length; ++i)
                word += letters[next(int(letters.size()))];
            if (capitals)
                word[0] = word[0].toUpper();
            if (line.size() + 1 + word.size() > MaxExerciseLength)
                return line;
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
    }

private:
    int next(int below)
    {
        state_ = state_ * 1103515245u + 12345u;
        return int((state_ >> 16) % quint32(below));
    }
    quint32 state_;
};

QString repeated(const QString& group, int times)
{
    QStringList groups;
    for (int i = 0; i < times; ++i)
        groups.append(group);
    return groups.join(u' ');
}

} // namespace

QStringList layoutDrillLines(const KeyCapTable& layout)
{
    QStringList lines;
    QString learnt;
    LineFiller filler(0);
    for (const KeyRow row : {KeyRow::Home, KeyRow::Top, KeyRow::Bottom}) {
        const QString letters = rowLetters(layout, row);
        for (qsizetype i = 0; i < letters.size(); i += 2) {
            const QString a(letters[i]);
            const QString b = i + 1 < letters.size() ? QString(letters[i + 1]) : a;
            learnt += letters.mid(i, 2);
            lines.append(repeated(a + a + a + u' ' + b + b + b, 2));
            lines.append(repeated(a + b + a + u' ' + b + a + b, 2));
            lines.append(filler.words(a + b, false));
            lines.append(filler.words(learnt, false));
        }
        if (!letters.isEmpty()) {
            lines.append(filler.words(letters, false));
            lines.append(filler.words(letters, false));
        }
    }
    if (learnt.isEmpty())
        return lines;
    while (lines.size() < LineCount)
        lines.append(filler.words(learnt, lines.size() >= LineCount * 3 / 4));
    return lines;
}

PresetLines::PresetLines(const AppSettings& settings, ProgramPaths paths)
    : settings_(settings), paths_(std::move(paths))
{
}

QString PresetLines::line(qint64 number)
{
    const QString path = paths_.presetFile(settings_.presetFile);
    const bool setOfTheLayout = settings_.presetFile.compare(settings_.layoutFile, Qt::CaseInsensitive) == 0;
    if (!desktopLayoutChosen(settings_) || !setOfTheLayout || QFileInfo::exists(path))
        return readPresetLine(path, number);
    if (madeFor_ != settings_.desktopLayout) {
        made_ = layoutDrillLines(readChosenLayout(settings_, paths_).table);
        madeFor_ = settings_.desktopLayout;
    }
    return number >= 1 && number <= made_.size() ? made_[number - 1] : QString();
}

} // namespace clavora
