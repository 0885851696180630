// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CommandLine.h"
#include "SessionUi.h"
#include "settings/AppSettings.h"

namespace clavora {

struct SettingsForm;

// The program's own rules above the windows: which window is in use, what ends the program
// and whether it saves first, what may close while the settings dialog is open, and where the
// saved ShowLayout value goes. It holds the live settings; the run state beside them is never
// saved.
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
    // The button of `window` that switches to the other one.
    void switchClicked(AppWindow window);
    // The window manager asks to close `window`; false when the close is refused.
    bool closeRequested(AppWindow window);
    void windowClosed(AppWindow window);
    // A termination signal: saved as a close saves, without waiting on anyone, then the end.
    void terminated();
    // The session manager asks to save before a log-out, which may yet be cancelled: saved
    // where the window in use stands, without waiting on anyone, and the program goes on.
    void commitRequested();
    // Saves, tells the streak in a notification (the quick run is the daily habit), then ends.
    void quickRunFinished();
    void settingsRequested(AppWindow opener);
    void settingsClosed();
    void progressRequested();
    // "Record my progress" was ticked or cleared in the progress window.
    void recordingToggled(bool recording);
    // The program was started again with the same settings file, which that copy left alone.
    void startedAgain();
    // "Practise my weak keys" in the progress window.
    void weakKeyDrillRequested();
    // The keyboard box of the window in use was ticked or unticked.
    void showLayoutToggled(bool checked);
    void settingsConfirmed(const SettingsForm& form);

    static QString streakTitle();
    // "You have practised 5 days in a row.", in the person's language.
    static QString streakText(int days);

private:
    // Where the window in use stands goes into the settings.
    void keepPlace();
    void keepPlaceAndSave(FailureNotice notice);
    void saveAndEnd(FailureNotice notice);
    // After a save: a recording session leaves its history file behind.
    void end();

    SessionUi& ui_;
    StartMode mode_;
    AppSettings settings_;
    AppWindow windowInUse_ = AppWindow::Main;
    bool settingsOpen_ = false;
};

} // namespace clavora
