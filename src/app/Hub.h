// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CommandLine.h"
#include "common/ProgramPaths.h"
#include "platform/KeyStateTracker.h"
#include "platform/QtServices.h"
#include "platform/XdgStartupEntry.h"
#include "settings/AppSettings.h"
#include "settings/ProfileFile.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace clavora {

class MainWindow;
class ExerciseControl;
class GameWindow;
class HelpWindow;
class KeyboardWindow;
class SettingsDialog;
struct SettingsForm;

// Owns the settings and the windows, runs the start-up sequence and the close, and lets
// the windows reach each other.
class Hub final : public QObject {
    Q_OBJECT
public:
    Hub(ProgramPaths paths, QString commandLine);
    ~Hub() override;

    void start();

    AppSettings& settings() { return settings_; }
    const ProgramPaths& paths() const { return paths_; }
    void HelpFile();
    void ColourControls();
    // Opens the settings dialog without waiting for it; `opener` is disabled until it closes.
    void openSettings(QWidget* opener);
    // Stores the confirmed dialog in the settings and re-colours the open windows.
    void ApplySettings(const SettingsForm& form);
    // The keyboard window while it is open, else null.
    QWidget* keyboardWindow();
    // The game window while it is open, else null.
    GameWindow* gameWindow() { return game_.get(); }
    MainWindow& mainWindow() { return *main_; }
    // Writes the settings, as closing the exercise window does, without ending the program.
    void saveSettings();
    // Closing the exercise window: save, then end.
    void closeMain();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void gameClicked();
    void settingsClicked();
    void settingsClosed();
    void reloadKeyboard();
    void helpClicked();
    void showHelpText(const QString& path);
    void showLayoutClicked(bool checked);
    void openGame();
    void gameExercisesClicked();
    void gameClosed();
    int outerHeight(const QWidget& window) const;
    bool keyboardSitsBelow(const QWidget& window);
    void moveKeyboardBelow(QPoint frame, const QWidget& window);
    bool keyboardOnly() const;
    KeyboardWindow& loadKeyboard();
    void placeKeyboard(QWidget& keyboard);
    void openKeyboard();
    void closeKeyboard();
    void keyboardClosing();
    void refresh();

    ProgramPaths paths_;
    QString commandLine_;
    SystemClock clock_;
    MersenneRandom random_;
    SystemClipboard clipboard_;
    DesktopShell shell_;
    SystemBeep beep_;
    KeyStateTracker keyTracker_;
    XdgStartupEntry startupEntry_;
    ProfileFile profile_;
    AppSettings settings_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<ExerciseControl> exercises_;
    std::unique_ptr<GameWindow> game_;
    QPointer<KeyboardWindow> keyboard_;
    QPointer<SettingsDialog> settingsDialog_;
    QPointer<HelpWindow> helpWindow_;
};

} // namespace clavora
