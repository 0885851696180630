#include "game/GameRules.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(GameRules, SpawnIntervalFollowsTheLevelRate)
{
    EXPECT_NEAR(spawnInterval(1), 60.0 / 55, 1e-12);
    EXPECT_NEAR(spawnInterval(10), 0.6, 1e-12);
    EXPECT_NEAR(spawnInterval(200), 60.0 / 1050, 1e-12);
    EXPECT_NEAR(spawnInterval(MaxLevel), 60.0 / 32765, 1e-12);
}

TEST(GameRules, HitPointsByAge)
{
    const struct {
        double age;
        int points;
    } cases[] = {{0.0, 10}, {0.2, 10}, {0.5, 10}, {0.75, 9}, {1.0, 9}, {1.25, 8},
                 {4.5, 2},  {4.75, 1}, {4.999, 1}, {5.0, 1}, {5.1, 0}, {6.0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(hitPoints(c.age), c.points) << "age " << c.age;
}

TEST(GameRules, ElapsedTextRoundsHalvesToEven)
{
    const struct {
        double seconds;
        const char* text;
    } cases[] = {{0.0, "Time elapsed: 0:00"},  {0.5, "Time elapsed: 0:00"},  {0.51, "Time elapsed: 0:01"},
                 {1.49, "Time elapsed: 0:01"}, {1.5, "Time elapsed: 0:02"},  {2.5, "Time elapsed: 0:02"},
                 {7.0, "Time elapsed: 0:07"},  {59.6, "Time elapsed: 1:00"}, {750.0, "Time elapsed: 12:30"},
                 {40000.0, "Time elapsed: 666:40"}};
    for (const auto& c : cases)
        EXPECT_EQ(elapsedText(c.seconds), QString::fromLatin1(c.text)) << c.seconds;
}

TEST(GameRules, StartLevelValidation)
{
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {{"250", "1"}, {"7.9", "7"},    {"-3", "1"},  {"12abc", "12"}, {"", "1"},
                 {"abc", "1"}, {"200", "200"}, {"200.9", "200"}, {"0.5", "1"},  {" 5", "5"},
                 {"1e400", "1"}, {"1e2", "100"}, {"201", "1"}};
    for (const auto& c : cases)
        EXPECT_EQ(validStartLevel(QString::fromLatin1(c.typed)), QString::fromLatin1(c.kept)) << c.typed;
}

TEST(GameRules, BurnColourGoesFromGreenToRed)
{
    EXPECT_EQ(burnColour(0.0), PureGreen);
    EXPECT_EQ(burnColour(255.0), PureRed);
    EXPECT_EQ(burnColour(15.3), rgb(15, 240, 0));
}

} // namespace
} // namespace clavora
