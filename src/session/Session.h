// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CommandLine.h"
#include "SessionUi.h"
#include "settings/AppSettings.h"

namespace clavora {

struct SettingsForm;

// The program's own rules above the windows: which window is in use, what ends the program
// and whether it saves first, and where the saved ShowLayout value goes. It holds the live
// settings; the run state beside them is never saved.
class Session {
public:
    Session(SessionUi& ui, StartMode mode);

    AppSettings& settings() { return settings_; }
    const AppSettings& settings() const { return settings_; }
    AppWindow windowInUse() const { return windowInUse_; }
    StartMode startMode() const { return mode_; }
    // "/k" alone: the keyboard is the whole program and nothing is saved.
    bool keyboardOnly() const { return mode_ == StartMode::KeyboardOnly; }

    // With the loaded settings: Main shows, then the start mode acts, then the saved keyboard
    // box is applied.
    void start();
    void gameRequested();
    void exercisesRequested();
    void windowClosed(AppWindow window);
    // Saves, shows the streak for a moment (the quick run is the daily habit), then ends.
    void quickRunFinished();
    // "Practise my weak keys" in the progress window.
    void weakKeyDrillRequested();
    // The keyboard box of the window in use was ticked or unticked.
    void showLayoutToggled(bool checked);
    void settingsConfirmed(const SettingsForm& form);

    // The streak box closes itself within this time.
    static constexpr int StreakMilliseconds = 2500;
    static QString streakTitle();
    // "You have practised 5 days in a row.", in the person's language.
    static QString streakText(int days);

private:
    void keepPlaceAndSave();
    void saveAndEnd();

    SessionUi& ui_;
    StartMode mode_;
    AppSettings settings_;
    AppWindow windowInUse_ = AppWindow::Main;
};

} // namespace clavora
