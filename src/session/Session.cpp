// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include "settings_dialog/ApplySettings.h"

#include <QCoreApplication>

namespace clavora {

Session::Session(SessionUi& ui, StartMode mode) : ui_(ui), mode_(mode) {}

void Session::start()
{
    // The game stands in for Main at once: a Main shown for that moment would be hidden
    // before the window manager had framed it, and its place could no longer be trusted.
    if (mode_ != StartMode::Game)
        ui_.showWindow(AppWindow::Main);
    ui_.showLoadNotice(); // before a quick run's clock starts
    switch (mode_) {
    case StartMode::Game:
        gameRequested();
        break;
    case StartMode::QuickExercises:
        ui_.startQuickRun();
        break;
    case StartMode::KeyboardOnly:
        ui_.openKeyboard();
        ui_.hideWindow(AppWindow::Main);
        break;
    case StartMode::Normal:
        break;
    }
    // Last, so that the keyboard opens beside the window that is in use by now.
    ui_.setShowLayoutBox(windowInUse_, settings_.showLayout == 1);
}

void Session::gameRequested()
{
    windowInUse_ = AppWindow::Game;
    ui_.showWindow(AppWindow::Game);
    ui_.setShowLayoutBox(AppWindow::Game, settings_.showLayout == 1);
    ui_.hideWindow(AppWindow::Main);
}

void Session::exercisesRequested()
{
    windowInUse_ = AppWindow::Main;
    ui_.showWindow(AppWindow::Main);
    ui_.setShowLayoutBox(AppWindow::Main, settings_.showLayout == 1);
    // The game window keeps its start level; Main stays, as the game is no longer in use.
    ui_.hideWindow(AppWindow::Game);
}

void Session::switchClicked(AppWindow window)
{
    if (window == AppWindow::Main)
        gameRequested();
    else
        exercisesRequested();
}

bool Session::closeRequested(AppWindow window)
{
    // The settings dialog's opener is out of use while the dialog is open: its close box
    // brings the dialog forward rather than ending the program under the user's edits.
    if (settingsOpen_ && window != AppWindow::Keyboard) {
        ui_.bringSettingsForward();
        return false;
    }
    return true;
}

void Session::windowClosed(AppWindow window)
{
    switch (window) {
    case AppWindow::Main:
        saveAndEnd(FailureNotice::Box);
        break;
    case AppWindow::Game:
        // The close box of the window in use ends the program; a switch back to Main does not.
        if (windowInUse_ == AppWindow::Game)
            saveAndEnd(FailureNotice::Box);
        break;
    case AppWindow::Keyboard:
        if (keyboardOnly()) {
            ui_.end(); // leaving the settings file as it was
            return;
        }
        settings_.showLayout = 0;
        ui_.setShowLayoutBox(windowInUse_, false);
        break;
    }
}

void Session::terminated()
{
    // "/k" saves nothing, and another copy may own the settings file.
    if (keyboardOnly())
        ui_.end();
    else
        saveAndEnd(FailureNotice::WithoutWaiting);
}

void Session::commitRequested()
{
    if (keyboardOnly())
        return;
    keepPlace();
    ui_.save(FailureNotice::WithoutWaiting);
}

void Session::quickRunFinished()
{
    // Saved first: the notification waits on the desktop for a moment.
    keepPlaceAndSave(FailureNotice::Box);
    // No history, or nothing in a row (recording was off): no notification.
    if (const int days = ui_.streak(); days > 0)
        ui_.notify(streakTitle(), streakText(days));
    end();
}

QString Session::streakTitle()
{
    return QCoreApplication::translate("Session", "Streak");
}

QString Session::streakText(int days)
{
    // English has no translation file to hold its plural forms: the one day has a text of its own.
    return days == 1 ? QCoreApplication::translate("Session", "You have practised %n day in a row.", nullptr, days)
                     : QCoreApplication::translate("Session", "You have practised %n days in a row.", nullptr, days);
}

void Session::settingsRequested(AppWindow opener)
{
    settingsOpen_ = true;
    ui_.openSettings(opener);
}

void Session::settingsClosed()
{
    settingsOpen_ = false;
}

void Session::progressRequested()
{
    // "/k" records nothing, so there is no history to show.
    if (!keyboardOnly())
        ui_.openProgress();
}

void Session::recordingToggled(bool recording)
{
    settings_.recordProgress = recording;
}

void Session::startedAgain()
{
    ui_.bringForward(windowInUse_);
}

void Session::weakKeyDrillRequested()
{
    // The drill runs in the exercise window, which takes over from the game; with nothing
    // to drill, the game stays as it was.
    if (ui_.startWeakKeyDrill() && windowInUse_ == AppWindow::Game)
        exercisesRequested();
}

void Session::showLayoutToggled(bool checked)
{
    settings_.showLayout = checked ? 1 : 0;
    if (checked)
        ui_.openKeyboard();
    else
        ui_.closeKeyboard();
}

void Session::settingsConfirmed(const SettingsForm& form)
{
    applySettings(form, settings_);
    ui_.recolour();
    if (settings_.showLayout == 1)
        ui_.reloadKeyboard();
}

void Session::keepPlaceAndSave(FailureNotice notice)
{
    // An end by signal or log-out closes no window: the game in use is recorded here.
    if (windowInUse_ == AppWindow::Game)
        ui_.finishGame();
    keepPlace();
    ui_.save(notice);
}

void Session::keepPlace()
{
    settings_.windowX = ui_.windowX(windowInUse_);
    settings_.windowY = ui_.windowY(windowInUse_);
}

void Session::saveAndEnd(FailureNotice notice)
{
    keepPlaceAndSave(notice);
    end();
}

void Session::end()
{
    if (settings_.recordProgress)
        ui_.keepHistoryFile();
    ui_.end();
}

} // namespace clavora
