// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFixture.h"
#include "exercises/RandomExercises.h"
#include "game/GameState.h"
#include "history/WeakKeyWeights.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <random>

namespace clavora {
namespace {

using namespace test;

// The same numbers on every machine: the bounds below hold for this seed.
class SeededRandom final : public Random {
public:
    void seed(quint32 value) override { generator_.seed(value); }
    double next() override { return generator_() / 4294967296.0; }

private:
    std::mt19937 generator_{20240310};
};

const QString Letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");

QString lowerCaseWithBlanks()
{
    AppSettings settings;
    settings.lowerCase = true;
    settings.space = true;
    return keysAllowed(settings);
}

KeyFigures figures(QChar key, int strokes, int errors)
{
    KeyFigures figure;
    figure.key = key;
    figure.strokes = strokes;
    figure.errors = errors;
    if (strokes >= KeyFigures::StrokesForRate)
        figure.errorRate = double(errors) / strokes;
    return figure;
}

// 200 strokes of every letter; each letter missed `errors` times, struck as its neighbour.
WeakKeyWeights weightsFromHistory(const std::map<QChar, int>& errorsOf, int usualErrors)
{
    HistoryFixture history;
    AttemptRecord record = attempt(at(2024, 3, 9), 30);
    for (const QChar letter : Letters) {
        const auto found = errorsOf.find(letter);
        const int errors = found == errorsOf.end() ? usualErrors : found->second;
        const QChar neighbour = Letters[(Letters.indexOf(letter) + 1) % Letters.size()];
        record.keystrokes.pairs.push_back({letter.unicode(), letter.unicode(), 200 - errors, 0, 0});
        record.keystrokes.pairs.push_back({letter.unicode(), neighbour.unicode(), errors, 0, 0});
    }
    EXPECT_TRUE(history.store.addAttempt(record));
    return WeakKeyWeights::fromHistory(history.queries, lowerCaseWithBlanks());
}

std::map<QChar, int> countLetters(const WeakKeyWeights& weights, int lines)
{
    SeededRandom random;
    const QString pool = weights.pool();
    std::map<QChar, int> counts;
    for (int i = 0; i < lines; ++i) {
        const QString line = makeRandomExercise(pool, random);
        EXPECT_FALSE(line.contains(QStringLiteral("   "))) << line.toStdString();
        EXPECT_FALSE(line.endsWith(u' ')) << line.toStdString();
        for (const QChar c : line)
            ++counts[c];
    }
    return counts;
}

double medianLetterCount(const std::map<QChar, int>& counts)
{
    std::vector<int> values;
    for (const QChar letter : Letters)
        values.push_back(counts.count(letter) ? counts.at(letter) : 0);
    std::nth_element(values.begin(), values.begin() + 13, values.end());
    return values[13];
}

TEST(WeakKeyWeightsTest, KeysMissedTenTimesAsOftenComeUpClearlyMoreOften)
{
    // q and p missed 40 times in 200, every other letter 4 times.
    const std::map<QChar, int> counts = countLetters(weightsFromHistory({{u'q', 40}, {u'p', 40}}, 4), 500);
    const double median = medianLetterCount(counts);
    ASSERT_GT(median, 200); // enough letters for the bounds below
    EXPECT_GT(counts.at(u'q'), 3 * median);
    EXPECT_GT(counts.at(u'p'), 3 * median);
    // q was struck as r: r comes up with q.
    EXPECT_GT(counts.at(u'r'), 3 * median);
    // Lines of the usual length with the allowed pool's blanks between the letters.
    int characters = 0;
    for (const auto& [c, count] : counts)
        characters += count;
    EXPECT_GT(characters, 500 * 39);
    EXPECT_NEAR(double(counts.at(u' ')) / characters, 5.0 / 31, 0.02);

    // Missed as often as the rest, q and p come up as often too.
    const std::map<QChar, int> even = countLetters(weightsFromHistory({}, 4), 500);
    const double evenMedian = medianLetterCount(even);
    EXPECT_NEAR(even.at(u'q'), evenMedian, 0.25 * evenMedian);
    EXPECT_NEAR(even.at(u'p'), evenMedian, 0.25 * evenMedian);
}

TEST(WeakKeyWeightsTest, GameLettersFollowTheSameWeights)
{
    GameState game;
    game.allowedKeys = weightsFromHistory({{u'q', 40}, {u'p', 40}}, 4).pool();
    SeededRandom random;
    std::map<QChar, int> counts;
    for (int i = 0; i < 20000; ++i) {
        const int slot = spawnLetter(game, random, 0.0, 60);
        ++counts[game.letterSlots[slot].character];
        game.letterSlots[slot].character = QChar(); // hit at once
    }
    const double median = medianLetterCount(counts);
    EXPECT_GT(counts.at(u'q'), 3 * median);
    EXPECT_GT(counts.at(u'p'), 3 * median);
}

TEST(WeakKeyWeightsTest, WeightsFromFiguresAndConfusions)
{
    using Weights = std::vector<std::pair<QChar, double>>;
    struct Case {
        const char* name;
        std::vector<KeyFigures> keys;
        std::vector<ConfusionPair> confusions;
        QString allowedPool;
        Weights expected;
    };
    const double least = WeakKeyWeights::MinimumWeight;
    const Case cases[] = {
        {"the error rate over keys with data", {figures(u'a', 100, 10), figures(u'b', 50, 5), figures(u'c', 40, 0)}, {},
         lowerCaseWithBlanks(), {{u'a', 0.1}, {u'b', 0.1}, {u'c', least}}},
        {"too few strokes for a rate", {figures(u'a', 19, 19)}, {}, lowerCaseWithBlanks(), {{u'a', least}}},
        {"only the allowed classes", {figures(u'a', 100, 10), figures(u'Q', 100, 50), figures(u'1', 100, 50)}, {},
         lowerCaseWithBlanks(), {{u'a', 0.1}}},
        {"the blank is no key to weigh", {figures(u' ', 100, 50), figures(u'a', 100, 10)}, {}, lowerCaseWithBlanks(),
         {{u'a', 0.1}}},
        {"a confusion adds its share to the struck key", {figures(u'e', 100, 30), figures(u'r', 100, 0)},
         {{u'e', u'r', 25}}, lowerCaseWithBlanks(), {{u'e', 0.3}, {u'r', least + 0.25}}},
        {"a struck key without data of its own joins", {figures(u'e', 100, 30)}, {{u'e', u'w', 20}},
         lowerCaseWithBlanks(), {{u'e', 0.3}, {u'w', least + 0.2}}},
        {"a struck key outside the classes stays out", {figures(u'e', 100, 30)}, {{u'e', u'3', 20}},
         lowerCaseWithBlanks(), {{u'e', 0.3}}},
        {"a confusion of a key with too few strokes counts nothing", {figures(u'e', 10, 5)}, {{u'e', u'w', 5}},
         lowerCaseWithBlanks(), {{u'e', least}}},
        {"no history", {}, {}, lowerCaseWithBlanks(), {}},
        {"no allowed key has data", {figures(u'A', 100, 10)}, {}, lowerCaseWithBlanks(), {}},
    };
    for (const Case& c : cases) {
        const WeakKeyWeights weights(c.keys, c.confusions, c.allowedPool);
        Weights found;
        for (const WeakKeyWeights::Weight& weight : weights.weights())
            found.emplace_back(weight.key, weight.weight);
        ASSERT_EQ(found.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].first, c.expected[i].first) << c.name;
            EXPECT_DOUBLE_EQ(found[i].second, c.expected[i].second) << c.name;
        }
        EXPECT_EQ(weights.empty(), c.expected.empty()) << c.name;
        EXPECT_EQ(weights.pool().isEmpty(), c.expected.empty()) << c.name;
    }
}

TEST(WeakKeyWeightsTest, PoolKeepsTheBlanksShareAndEveryKey)
{
    // One key a thousand times weaker than the other still has its place.
    const WeakKeyWeights weights({figures(u'a', 1000, 1000), figures(u'b', 1000, 0)}, {}, lowerCaseWithBlanks());
    const QString pool = weights.pool();
    EXPECT_EQ(pool.count(u' '), 161); // 5 blanks in 31, rounded
    EXPECT_EQ(pool.count(u'b'), 8);   // 0.01 of 1.01 of the 839 places, rounded
    EXPECT_EQ(pool.count(u'a'), 831);

    const WeakKeyWeights noBlanks({figures(u'a', 100, 10)}, {}, QStringLiteral("abc"));
    EXPECT_EQ(noBlanks.pool(), QString(WeakKeyWeights::PoolSize, u'a'));
}

} // namespace
} // namespace clavora
