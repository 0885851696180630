// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Fakes.h"
#include "SampleRecords.h"
#include "TemporaryFolder.h"
#include "coach/CoachStrokes.h"
#include "exercises/ExerciseControl.h"
#include "history/RecordingSwitch.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <memory>

namespace clavora::test {

// The exercise window's logic with a history in memory, recording as the settings say, and
// the two-line preset file "set". A test sets its own `settings`, then calls load().
struct ExerciseHistoryFixture {
    FakeClock clock;
    TemporaryFolder folder;
    AppSettings settings;
    FakeHistory history;
    RecordingSwitch recorder{settings, history};
    FakeRandom random;
    FakeClipboard clipboard;
    FakeExerciseUi ui;
    CoachStrokes strokes{settings, folder.path("Coach strokes.txt")};
    std::unique_ptr<ExerciseControl> control;

    ExerciseHistoryFixture()
    {
        QDir().mkpath(folder.path("Exercises"));
        folder.write("Exercises/set.txt", "abc\r\nxyz\r\n");
        settings.presetFile = "set";
        settings.repeats = 1;
        clock.now = 100.0;
        clock.dateTime = at(2024, 3, 10, 18);
    }
    void load()
    {
        control = std::make_unique<ExerciseControl>(settings, ProgramPaths(folder.path(""), "clavora"), clock,
                                                    random, clipboard, ui, recorder, history, strokes);
        control->load();
    }
    const MainForm& form() const { return control->form(); }
};

} // namespace clavora::test
