// SPDX-License-Identifier: GPL-3.0-or-later
// The game loop's tick plus one whole paint of the play area, in the two cases the
// program is budgeted for: level 200 a minute into a game, and 3,000 letters on screen.
#include "Fakes.h"
#include "coach/CoachStrokes.h"
#include "common/Services.h"
#include "common/Twips.h"
#include "game/GameControl.h"
#include "game/GameRules.h"
#include "game/GameUi.h"
#include "history/NoHistory.h"
#include "settings/AppSettings.h"
#include "windows/PlayArea.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

using namespace clavora;
using namespace clavora::test;

namespace {

constexpr double Tick = 0.025;

AppSettings lettersOnly()
{
    AppSettings s;
    s.space = false;
    return s;
}

FakeRandom seededRandom()
{
    FakeRandom random;
    random.seed(1);
    return random;
}

struct Screen {
    PlayArea area{nullptr};
    QImage image;
    Screen()
    {
        area.resize(twipsToPixels(PlayArea::WidthTwips), twipsToPixels(PlayArea::HeightTwips));
        image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    }
    void paint(const SlotTable& table)
    {
        area.sync(table);
        area.render(&image);
    }
};

int lettersShown(const SlotTable& table)
{
    int n = 0;
    for (int i = 1; i <= table.size(); ++i)
        n += table[i].isFree() ? 0 : 1;
    return n;
}

// A player who types each letter once it is two seconds old, so the game goes on.
void hitOldLetters(GameControl& game, double now)
{
    const SlotTable& table = game.state().letterSlots;
    for (int i = 1; i <= table.size(); ++i)
        if (!table[i].isFree() && now - table[i].spawnTime >= 2.0)
            game.keyPressed(table[i].character);
}

void TickAndPaintAtLevel200(benchmark::State& state)
{
    AppSettings settings = lettersOnly();
    FakeClock clock;
    clock.now = 36000.0;
    FakeRandom random = seededRandom();
    FakeBeep beep;
    FakeGameUi ui;
    NoHistory history;
    CoachStrokes strokes(settings, QString());
    GameControl game(settings, clock, random, beep, ui, history, history, strokes);
    game.load();
    game.startLevelChanged(QStringLiteral("200"));
    game.startGame();
    Screen screen;
    auto step = [&] {
        clock.now += Tick;
        hitOldLetters(game, clock.now);
        game.tick();
        screen.paint(game.state().letterSlots);
    };
    for (double played = 0; played < 60.0; played += Tick)
        step();
    for (auto _ : state) {
        step();
        if (!game.running())
            state.SkipWithError("the game ended");
    }
    state.counters["letters"] = lettersShown(game.state().letterSlots);
}
BENCHMARK(TickAndPaintAtLevel200)->Unit(benchmark::kMillisecond)->Iterations(2000);

// 3,000 letters with ages spread over the fuse; each letter that runs out is replaced, as
// if typed just in time, so the count stays.
void TickAndPaint3000Letters(benchmark::State& state)
{
    constexpr int Letters = 3000;
    FakeRandom random = seededRandom();
    GameState game;
    game.level = MaxStartLevel;
    game.allowedKeys = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    double now = 36000.0;
    game.gameStartTime = game.levelStartTime = game.lastSpawnTime = now;
    for (int i = 0; i < Letters; ++i)
        spawnLetter(game, random, now - FuseSeconds + FuseSeconds * i / Letters, 60);
    Screen screen;
    screen.paint(game.letterSlots); // the first paint makes every shell's pixmap
    for (auto _ : state) {
        now += Tick;
        game.spawnDue(random, now);
        while (const int overdue = game.burnFuses(now)) {
            game.letterSlots[overdue].character = QChar();
            spawnLetter(game, random, now, 60);
        }
        screen.paint(game.letterSlots);
    }
    state.counters["letters"] = lettersShown(game.letterSlots);
}
BENCHMARK(TickAndPaint3000Letters)->Unit(benchmark::kMillisecond)->Iterations(400);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
