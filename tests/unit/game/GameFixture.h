// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Fakes.h"
#include "coach/CoachStrokes.h"
#include "game/GameControl.h"
#include "history/NoHistory.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>

namespace clavora::test {

// A game window's logic on a fake clock, with "a" as the only allowed key.
class GameTest : public ::testing::Test {
protected:
    GameTest()
    {
        settings.lowerCase = false;
        settings.space = false;
        settings.custom = true;
        settings.customKeys = QStringLiteral("a");
        random.fallback = 0.5;
        clock.now = 1000.0;
        game.load();
    }

    void start(const QString& level = QStringLiteral("1"))
    {
        game.startLevelChanged(level);
        game.startGame();
    }
    void tickAt(double t)
    {
        clock.now = t;
        game.tick();
    }
    void typeAt(double t, QChar c)
    {
        clock.now = t;
        game.keyPressed(c);
    }
    // Ticks every 25 ms and last at `t`, typing away every letter on screen after each tick.
    void playUntil(double t)
    {
        auto step = [this](double now) {
            tickAt(now);
            while (letters() > 0)
                game.keyPressed(u'a');
        };
        for (double now = clock.now + 0.025; now < t; now += 0.025)
            step(now);
        step(t);
    }
    int letters() const
    {
        int n = 0;
        for (int i = 1; i <= table().size(); ++i)
            n += table()[i].isFree() ? 0 : 1;
        return n;
    }
    const SlotTable& table() const { return game.state().letterSlots; }
    const GameForm& form() const { return game.form(); }

    AppSettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeBeep beep;
    FakeGameUi ui;
    NoHistory history;
    CoachStrokes strokes{settings, QString()};
    GameControl game{settings, clock, random, beep, ui, history, history, strokes};
};

} // namespace clavora::test
