// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "class/ClassGoalsSaver.h"
#include "class/ClassRosterLoader.h"
#include "class/ClassSync.h"
#include "coach/CoachStrokes.h"
#include "common/ProgramPaths.h"
#include "history/NoHistory.h"
#include "history/RecordingSwitch.h"
#include "history_store/HistoryStore.h"
#include "history_store/ProgressQueries.h"
#include "platform/DesktopKeyboardLayout.h"
#include "platform/DesktopNotifier.h"
#include "platform/KeyStateTracker.h"
#include "platform/QtServices.h"
#include "platform/XdgStartupEntry.h"
#include "session/Session.h"
#include "settings/ProfileFile.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace clavora {

class MainWindow;
class GameWindow;
class HelpWindow;
class KeyboardWindow;
class PractiseWindow;
class ProgressWindow;
class SettingsDialog;

// Creates the services and the windows and wires the windows' events to the session, whose
// rules it carries out with the real windows.
class AppWiring final : public QObject, public SessionUi {
    Q_OBJECT
public:
    AppWiring(ProgramPaths paths, QString commandLine);
    ~AppWiring() override;

    void start();

    const Session& session() const { return session_; }
    const ProgramPaths& paths() const { return paths_; }
    void openHelp();
    // A log-out or a kill: save without waiting on a box, then end.
    void terminate();
    // A session manager's request to save before a log-out.
    void commitRequested();
    // The program was started again with the same settings file.
    void startedAgain();
    MainWindow& mainWindow() { return *main_; }
    // The game window while it is open, else null.
    GameWindow* gameWindow() { return game_.get(); }
    // The keyboard window while it is open, else null.
    KeyboardWindow* keyboardWindow();
    // The progress window once opened, hidden while closed; else null.
    ProgressWindow* progressWindow();
    // Sending to the class server while one is named, else null.
    ClassSync* classSync() { return classSync_.get(); }
    // Names the class server ([Class] Server, empty: no class) and sends to it from now on.
    void setClassServer(const QString& connection);

    // SessionUi
    void showWindow(AppWindow window) override;
    void hideWindow(AppWindow window) override;
    void setShowLayoutBox(AppWindow window, bool checked) override;
    void startQuickRun() override;
    bool startWeakKeyDrill() override;
    void openKeyboard() override;
    void closeKeyboard() override;
    void reloadKeyboard() override;
    void recolour() override;
    int windowX(AppWindow window) const override;
    int windowY(AppWindow window) const override;
    void showLoadNotice() override;
    int streak() const override;
    void notify(const QString& title, const QString& text) override;
    // Without waiting for the dialog.
    void openSettings(AppWindow opener) override;
    void bringSettingsForward() override;
    void openProgress() override;
    void bringForward(AppWindow window) override;
    void keepHistoryFile() override;
    void finishGame() override;
    void save(FailureNotice notice) override;
    void end() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createGame();
    // What the exercise window and the game ask of the program, the same for both.
    void wire(PractiseWindow& window, AppWindow which);
    // The help text in a window of our own, when the desktop has no viewer for it.
    void showHelpText(const QString& path);
    void settingsClosed();
    KeyboardWindow& loadKeyboard();
    void keyboardClosed();
    // In the progress window, while it is open: how the class server was last found.
    void showClassReach();
    // The goals of the learner's classes, as the class server gave them at a connection.
    void followGoals(const ClassGoals& goals);
    // A learner double-clicked on the teacher's Class page.
    void openLearnerProgress(const QString& login, const QString& name);
    // Main, or the game window while it is open.
    PractiseWindow& windowOf(AppWindow window) const;

    ProgramPaths paths_;
    SystemClock clock_;
    MersenneRandom random_;
    SystemClipboard clipboard_;
    DesktopShell shell_;
    SystemBeep beep_;
    KeyStateTracker keyTracker_;
    XkbDesktopKeyboard desktopKeyboard_;
    XdgStartupEntry startupEntry_;
    DesktopNotifier notifier_;
    ProfileFile profile_;
    bool coached_; // "--coach"
    Session session_;
    // The learner's history. None when the keyboard is the whole program: nothing is
    // recorded then, and there are no figures.
    std::unique_ptr<HistoryStore> store_;
    bool classPending_ = false; // the class named in the settings starts after the first paint
    ClassRosterLoader classRoster_; // the teacher's Class page, read from the class server
    ClassGoalsSaver classGoals_;    // a class's goals, set from the Class page
    std::unique_ptr<ProgressQueries> storedFigures_;
    NoHistory noHistory_;
    RecordingSwitch recorder_;
    const HistoryFigures& figures_;
    CoachStrokes strokes_; // the exercises' and the game's alike
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<GameWindow> game_;
    QPointer<KeyboardWindow> keyboard_;
    // The keyboard is to show once the window in use has been painted.
    bool keyboardWanted_ = false;
    bool placingNoticeShown_ = false;
    QPointer<SettingsDialog> settingsDialog_;
    QPointer<HelpWindow> helpWindow_;
    QPointer<ProgressWindow> progress_;
    // Only with a class: until then no PostgreSQL library is loaded.
    std::unique_ptr<ClassSync> classSync_;
};

} // namespace clavora
