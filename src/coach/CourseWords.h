// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace clavora {

class Random;

// The words of a list that the adaptive course can use, each held with the course letters it
// needs, so that a line costs the same however long the list.
class CourseWords {
public:
    // Fewer usable words than this make lines that repeat themselves: made-up groups of the
    // unlocked letters take their place.
    static constexpr int MinimumWords = 10;

    // `courseLetters` in unlock order; words with any other character are left out.
    CourseWords(const QStringList& words, const QString& courseLetters);

    int size() const { return int(words_.size()); }
    // The words made only of the first `unlocked` course letters.
    QStringList usableWords(int unlocked);
    // A line of at most 40 characters, words separated by single blanks. First each letter
    // gets its share (`shares` in unlock order: how often the line should hold it), from
    // words that hold it or, where the list has too few, from made-up groups around it. The
    // rest are drawn by the weights of their letters (`weights` in unlock order, 1 for a
    // learnt key), so the weak keys come up more often.
    QString makeLine(int unlocked, const std::vector<double>& weights, const std::vector<int>& shares, Random& random);

    // Fewer words with a letter than this make its share from made-up groups.
    static constexpr int MinimumWordsWithLetter = 3;

private:
    struct Word {
        std::uint32_t start = 0; // in letters_ and positions_
        std::uint8_t length = 0;
        std::uint64_t letterMask = 0; // bit n: the word holds course letter n
    };
    const std::vector<std::uint32_t>& usable(int unlocked);
    QStringView text(const Word& word) const { return QStringView(letters_).mid(word.start, word.length); }
    double score(const Word& word, const std::vector<double>& weights) const;
    QString pickWord(const std::vector<double>& weights, Random& random);
    // A usable word holding course letter `letter` and at most `room` characters long; empty
    // when the list has too few such words or none fits.
    QString wordWith(int letter, qsizetype room, Random& random) const;
    QString madeUpGroup(int unlocked, const std::vector<double>& weights, Random& random) const;

    QString courseLetters_;
    QString letters_;                   // every word, one after the other
    std::vector<std::uint8_t> positions_; // the course letter of each character of letters_
    std::vector<Word> words_;
    // The usable words of the last `usable` call, and the length of the longest and shortest.
    int usableFor_ = -1;
    std::vector<std::uint32_t> usable_;
    std::vector<std::vector<std::uint32_t>> usableWithLetter_; // the usable words of each letter
    int longest_ = 0;
    int shortest_ = 0;
};

} // namespace clavora
