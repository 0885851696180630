// SPDX-License-Identifier: GPL-3.0-or-later
// The Coach's word lists: loading a list of 100,000 words (read, sifted and indexed by the
// course's letters), and making one adaptive line from it with weak keys weighted, both with
// the filter of the unlocked words kept from the line before and right after an unlock.
#include "Fakes.h"
#include "coach/CourseWords.h"
#include "coach/WordList.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace clavora;

namespace {

// The letters of an American English course, in unlock order.
const QString CourseLetters = QStringLiteral("fghjdkslartyueiwoqpvbnmcxz");

// Made-up words with the letter shares of English, a tenth of them capitalised or
// possessive as in a system dictionary; made once and left in the page cache.
class WordFile {
public:
    WordFile()
    {
        const QByteArray letters = "etaoinshrdlcumwfgypbvkjxqz";
        const std::vector<double> shares{12.7, 9.1, 8.2, 7.5, 7.0, 6.7, 6.3, 6.1, 6.0, 4.3, 4.0, 2.8, 2.8,
                                         2.4,  2.4, 2.2, 2.0, 2.0, 1.9, 1.5, 1.0, 0.8, 0.2, 0.2, 0.1, 0.1};
        std::mt19937 engine(1);
        std::discrete_distribution<int> letter(shares.begin(), shares.end());
        std::uniform_int_distribution<int> length(2, 12);
        QByteArray text;
        for (int i = 0; i < 100000; ++i) {
            QByteArray word;
            for (int n = length(engine); n > 0; --n)
                word += letters[letter(engine)];
            if (i % 20 == 0)
                word[0] = char(word[0] - 'a' + 'A');
            else if (i % 20 == 1)
                word += "'s";
            text += word + '\n';
        }
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
    QString path() const { return dir_.filePath("words"); }

private:
    QTemporaryDir dir_;
};

const WordFile& wordFile()
{
    static const WordFile file;
    return file;
}

void loadWordList(benchmark::State& state)
{
    for (auto _ : state) {
        CourseWords words(readWordList(wordFile().path()), CourseLetters);
        benchmark::DoNotOptimize(words.size());
    }
}
BENCHMARK(loadWordList)->Unit(benchmark::kMillisecond);

// Arguments: the unlocked letters, and whether the line follows an unlock (the filter runs).
void adaptiveLine(benchmark::State& state)
{
    CourseWords words(readWordList(wordFile().path()), CourseLetters);
    const int unlocked = int(state.range(0));
    const bool afterUnlock = state.range(1) != 0;
    std::vector<double> weights(unlocked, 1.0);
    weights[unlocked - 1] = 4.0; // the newest key
    weights[2] = 2.5;            // a weak one
    std::vector<int> shares(unlocked, 0);
    shares[unlocked - 1] = 6;    // the newest key's share
    test::FakeRandom random;
    random.seed(5);
    const int usable = int(words.usableWords(unlocked).size());
    bool before = false;
    for (auto _ : state) {
        // After an unlock every line finds the filter made for the other set of letters.
        before = afterUnlock && !before;
        benchmark::DoNotOptimize(words.makeLine(unlocked - int(before), weights, shares, random));
    }
    state.counters["usable words"] = usable;
}
BENCHMARK(adaptiveLine)->Args({12, 0})->Args({12, 1})->Args({26, 0})->Args({26, 1})->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
