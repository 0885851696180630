// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

// The program's top-level windows, as the session's rules name them.
enum class AppWindow { Main, Game, Keyboard };

// How a save tells what failed: in a box that waits for the person, or, when the program is
// ended from outside and nobody may be there to answer, on stderr and in a notification.
enum class FailureNotice { Box, WithoutWaiting };

// What the session's rules ask of the windows; the app wiring carries it out with real windows.
class SessionUi {
public:
    virtual ~SessionUi() = default;
    // Main is shown where the settings put it, or where the game window stood; the game
    // window is created where Main stands, shown or not. A keyboard docked below the old
    // window follows.
    virtual void showWindow(AppWindow window) = 0;
    // Hiding the game window closes and discards it.
    virtual void hideWindow(AppWindow window) = 0;
    virtual void setShowLayoutBox(AppWindow window, bool checked) = 0;
    virtual void startQuickRun() = 0;
    // A weak-key drill in the exercise window; false, having said why, when there is nothing
    // to drill.
    virtual bool startWeakKeyDrill() = 0;
    // The keyboard window, created when it is missing.
    virtual void openKeyboard() = 0;
    virtual void closeKeyboard() = 0;
    // New colours and layout for the keyboard; created without being shown when missing.
    virtual void reloadKeyboard() = 0;
    // Every open window takes the settings' colours.
    virtual void recolour() = 0;
    // The top-left corner of a window's client area, in twips.
    virtual int windowX(AppWindow window) const = 0;
    virtual int windowY(AppWindow window) const = 0;
    // Tells what went wrong reading the settings, if anything did.
    virtual void showLoadNotice() = 0;
    // The days in a row the learner has practised; 0 without a history.
    virtual int streak() const = 0;
    // A desktop notification, which outlives the program; nothing when the desktop has no
    // notification service.
    virtual void notify(const QString& title, const QString& text) = 0;
    // The settings dialog over `opener`, which is out of use until the dialog closes.
    virtual void openSettings(AppWindow opener) = 0;
    virtual void bringSettingsForward() = 0;
    // The progress window, or brought forward with fresh figures when it is open.
    virtual void openProgress() = 0;
    // Raises and activates a window, as when it is started again.
    virtual void bringForward(AppWindow window) = 0;
    // Creates the history file if this session never needed it, for the next run and for
    // other tools.
    virtual void keepHistoryFile() = 0;
    // Records a game under way and keeps the game window's start level in the settings.
    virtual void finishGame() = 0;
    // Writes the settings file and the start-up entry, and tells what failed.
    virtual void save(FailureNotice notice) = 0;
    // Ends the program at once.
    virtual void end() = 0;
};

} // namespace clavora
