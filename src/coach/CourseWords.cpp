// SPDX-License-Identifier: GPL-3.0-or-later
#include "CourseWords.h"

#include "common/Services.h"
#include "exercises/PresetExercises.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace clavora {

namespace {
// Draws that may fail before a line is taken as full, or a weighted draw settles for the
// word it has.
constexpr int MaximumMisses = 50;
constexpr int MaximumTries = 1000;

double weightOf(std::uint8_t position, const std::vector<double>& weights)
{
    return position < weights.size() ? std::max(1.0, weights[position]) : 1.0;
}
} // namespace

CourseWords::CourseWords(const QStringList& words, const QString& courseLetters)
    : courseLetters_(courseLetters.left(64)) // one bit per letter in a word's mask
{
    // A table for the Latin letters of the shipped layouts, a hash for any other.
    std::array<int, 256> latin;
    latin.fill(-1);
    QHash<QChar, int> others;
    for (int i = 0; i < courseLetters_.size(); ++i) {
        if (courseLetters_[i].unicode() < latin.size())
            latin[courseLetters_[i].unicode()] = i;
        else
            others.insert(courseLetters_[i], i);
    }
    for (const QString& word : words) {
        if (word.isEmpty() || word.size() > MaxExerciseLength)
            continue;
        Word entry{std::uint32_t(letters_.size()), std::uint8_t(word.size()), 0};
        const std::size_t kept = positions_.size();
        for (const QChar c : word) {
            const int position = c.unicode() < latin.size() ? latin[c.unicode()] : others.value(c, -1);
            if (position < 0)
                break;
            positions_.push_back(std::uint8_t(position));
            entry.letterMask |= std::uint64_t(1) << position;
        }
        if (positions_.size() - kept != std::size_t(word.size())) {
            positions_.resize(kept); // a character the course does not teach
            continue;
        }
        letters_ += word;
        words_.push_back(entry);
    }
}

const std::vector<std::uint32_t>& CourseWords::usable(int unlocked)
{
    if (unlocked == usableFor_)
        return usable_;
    usableFor_ = unlocked;
    usable_.clear();
    usableWithLetter_.assign(courseLetters_.size(), {});
    longest_ = 0;
    shortest_ = MaxExerciseLength;
    const std::uint64_t allowed = unlocked >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << std::max(unlocked, 0)) - 1;
    for (std::uint32_t i = 0; i < words_.size(); ++i) {
        if (words_[i].letterMask & ~allowed)
            continue;
        usable_.push_back(i);
        for (int letter = 0; letter < courseLetters_.size(); ++letter)
            if (words_[i].letterMask & (std::uint64_t(1) << letter))
                usableWithLetter_[letter].push_back(i);
        longest_ = std::max<int>(longest_, words_[i].length);
        shortest_ = std::min<int>(shortest_, words_[i].length);
    }
    return usable_;
}

QStringList CourseWords::usableWords(int unlocked)
{
    QStringList list;
    for (const std::uint32_t i : usable(unlocked))
        list += text(words_[i]).toString();
    return list;
}

double CourseWords::score(const Word& word, const std::vector<double>& weights) const
{
    // Every weak letter adds its excess weight, so a word with two weak letters comes up more
    // than one with a single one, and a word of learnt letters keeps a chance.
    double score = 1;
    for (std::uint32_t i = word.start; i < word.start + word.length; ++i)
        score += weightOf(positions_[i], weights) - 1;
    return score;
}

QString CourseWords::pickWord(const std::vector<double>& weights, Random& random)
{
    // Drawn uniformly, kept in proportion to its score: no table of all the words' scores is
    // built for a line.
    const double heaviest = std::max(1.0, weights.empty() ? 1.0 : *std::max_element(weights.begin(), weights.end()));
    const double bound = 1 + longest_ * (heaviest - 1);
    for (int tries = 0;; ++tries) {
        const Word& word = words_[usable_[random.below(int(usable_.size()))]];
        if (tries == MaximumTries || random.next() * bound < score(word, weights))
            return text(word).toString();
    }
}

QString CourseWords::wordWith(int letter, qsizetype room, Random& random) const
{
    const std::vector<std::uint32_t>& candidates = usableWithLetter_[letter];
    if (candidates.size() < MinimumWordsWithLetter)
        return {};
    // A few draws: most words fit a line that still has room for a short one.
    for (int tries = 0; tries < MinimumWordsWithLetter * 4; ++tries) {
        const Word& word = words_[candidates[random.below(int(candidates.size()))]];
        if (word.length <= room)
            return text(word).toString();
    }
    return {};
}

QString CourseWords::madeUpGroup(int unlocked, const std::vector<double>& weights, Random& random) const
{
    double total = 0;
    for (int p = 0; p < unlocked; ++p)
        total += weightOf(std::uint8_t(p), weights);
    QString group;
    for (int length = 2 + random.below(4); group.size() < length;) {
        double r = random.next() * total;
        int p = 0;
        while (p < unlocked - 1 && (r -= weightOf(std::uint8_t(p), weights)) >= 0)
            ++p;
        group += courseLetters_[p];
    }
    return group;
}

QString CourseWords::makeLine(int unlocked, const std::vector<double>& weights, const std::vector<int>& shares,
                              Random& random)
{
    unlocked = std::min<int>(unlocked, int(courseLetters_.size()));
    if (unlocked <= 0)
        return {};
    const bool realWords = usable(unlocked).size() >= MinimumWords;
    const int shortest = realWords ? shortest_ : 2;
    QString line, last;
    std::vector<int> wanted(std::size_t(unlocked), 0);
    for (std::size_t letter = 0; letter < wanted.size() && letter < shares.size(); ++letter)
        wanted[letter] = shares[letter];
    const auto room = [&] { return MaxExerciseLength - line.size() - (line.isEmpty() ? 0 : 1); };
    const auto add = [&](const QString& word) {
        if (!line.isEmpty())
            line += u' ';
        line += word;
        last = word;
        for (int letter = 0; letter < unlocked; ++letter)
            wanted[letter] -= int(word.count(courseLetters_[letter]));
    };
    // The letter furthest short of its share first, so that shares too large for one line
    // are cut evenly.
    for (int misses = 0; misses < MaximumMisses && room() >= 2;) {
        const auto mostWanted = std::max_element(wanted.begin(), wanted.end());
        if (*mostWanted <= 0)
            break;
        const int letter = int(mostWanted - wanted.begin());
        QString word = realWords ? wordWith(letter, room(), random) : QString();
        if (word.isEmpty()) {
            word = madeUpGroup(unlocked, weights, random);
            word[random.below(int(word.size()))] = courseLetters_[letter];
        }
        if (word == last || word.size() > room()) {
            ++misses;
            continue;
        }
        add(word);
    }
    for (int misses = 0; misses < MaximumMisses && room() >= shortest;) {
        const QString word = realWords ? pickWord(weights, random) : madeUpGroup(unlocked, weights, random);
        if (word == last || word.size() > room()) {
            ++misses;
            continue;
        }
        add(word);
    }
    return line;
}

} // namespace clavora
