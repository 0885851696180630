// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/Session.h"
#include "common/Translations.h"
#include "settings_dialog/SettingsForm.h"

#include <QCoreApplication>

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace clavora;

namespace {
QString nameOf(AppWindow window)
{
    switch (window) {
    case AppWindow::Main:
        return "Main";
    case AppWindow::Game:
        return "Game";
    case AppWindow::Keyboard:
        return "Keyboard";
    }
    return {};
}

// Records what the session asks for. Like the real windows, a keyboard box whose value
// changes reports the change, and closing a window reports the close.
class FakeSessionUi final : public SessionUi {
public:
    Session* session = nullptr;
    QStringList log;
    std::map<AppWindow, bool> boxes;
    bool gameOpen = false;
    bool keyboardOpen = false;
    int streakDays = 0;
    bool weakKeysToDrill = true;

    void showWindow(AppWindow window) override
    {
        log << "show " + nameOf(window);
        gameOpen = gameOpen || window == AppWindow::Game;
    }
    void hideWindow(AppWindow window) override
    {
        log << "hide " + nameOf(window);
        if (window == AppWindow::Game && gameOpen) {
            gameOpen = false;
            boxes[AppWindow::Game] = false;
            session->windowClosed(AppWindow::Game);
        }
    }
    void setShowLayoutBox(AppWindow window, bool checked) override
    {
        log << "box " + nameOf(window) + (checked ? " on" : " off");
        if (std::exchange(boxes[window], checked) != checked)
            session->showLayoutToggled(checked);
    }
    void startQuickRun() override { log << "quick run"; }
    bool startWeakKeyDrill() override
    {
        log << (weakKeysToDrill ? "drill" : "nothing to drill");
        return weakKeysToDrill;
    }
    void openKeyboard() override
    {
        log << "open keyboard";
        keyboardOpen = true;
    }
    void closeKeyboard() override
    {
        log << "close keyboard";
        if (std::exchange(keyboardOpen, false))
            session->windowClosed(AppWindow::Keyboard);
    }
    void reloadKeyboard() override { log << "reload keyboard"; }
    void recolour() override { log << QString("recolour %1").arg(session->settings().windowColour); }
    int windowX(AppWindow window) const override { return window == AppWindow::Game ? 2000 : 1000; }
    int windowY(AppWindow window) const override { return window == AppWindow::Game ? 2100 : 1100; }
    void save(FailureNotice notice) override
    {
        const AppSettings& s = session->settings();
        log << QString("save %1 %2 %3").arg(s.windowX).arg(s.windowY).arg(s.showLayout)
                   + (notice == FailureNotice::Box ? "" : " without waiting");
    }
    void end() override { log << "end"; }
    void finishGame() override { log << "finish game"; }
    int streak() const override { return streakDays; }
    void notify(const QString& title, const QString& text) override { log << QString("notify %1: %2").arg(title, text); }
    void openSettings(AppWindow opener) override { log << "settings over " + nameOf(opener); }
    void bringSettingsForward() override { log << "settings forward"; }
    void openProgress() override { log << "progress"; }
    void bringForward(AppWindow window) override { log << "forward " + nameOf(window); }
    void keepHistoryFile() override { log << "keep history"; }
    void showLoadNotice() override {} // shown whenever there is one: not a rule of the session

    // The user closes the keyboard window with its close box.
    void keyboardClosedByUser()
    {
        keyboardOpen = false;
        session->windowClosed(AppWindow::Keyboard);
    }
};

SettingsForm redWindow()
{
    SettingsForm form;
    form.windowColour = 255;
    return form;
}
} // namespace

TEST(Session, RulesOfTheWindowsTheCloseAndTheKeyboardBox)
{
    struct Case {
        const char* name;
        StartMode mode;
        int savedShowLayout;
        std::function<void(Session&, FakeSessionUi&)> events;
        QStringList log; // start-up included
        AppWindow inUse;
    } cases[] = {
        {"start shows Main and applies the box last", StartMode::Normal, 1, {},
         {"show Main", "box Main on", "open keyboard"}, AppWindow::Main},
        {"an unticked box opens nothing", StartMode::Normal, 0, {}, {"show Main", "box Main off"}, AppWindow::Main},
        {"/g: the game is in use and takes the box", StartMode::Game, 1, {},
         {"show Game", "box Game on", "open keyboard", "hide Main", "box Game on"}, AppWindow::Game},
        {"/q starts the quick run before the box", StartMode::QuickExercises, 0, {},
         {"show Main", "quick run", "box Main off"}, AppWindow::Main},
        {"/k shows only the keyboard", StartMode::KeyboardOnly, 0, {},
         {"show Main", "open keyboard", "hide Main", "box Main off"}, AppWindow::Main},
        {"closing Main saves where Main stands, then ends", StartMode::Normal, 1,
         [](Session& s, FakeSessionUi&) { s.windowClosed(AppWindow::Main); },
         {"show Main", "box Main on", "open keyboard", "save 1000 1100 1", "keep history", "end"}, AppWindow::Main},
        {"the end of a quick run saves and ends", StartMode::QuickExercises, 0,
         [](Session& s, FakeSessionUi&) { s.quickRunFinished(); },
         {"show Main", "quick run", "box Main off", "save 1000 1100 0", "keep history", "end"}, AppWindow::Main},
        {"with a streak, the end of a quick run tells it between the save and the end", StartMode::QuickExercises, 0,
         [](Session& s, FakeSessionUi& ui) {
             ui.streakDays = 5;
             s.quickRunFinished();
         },
         {"show Main", "quick run", "box Main off", "save 1000 1100 0",
          "notify Streak: You have practised 5 days in a row.", "keep history", "end"},
         AppWindow::Main},
        {"a one-day streak is told too", StartMode::QuickExercises, 0,
         [](Session& s, FakeSessionUi& ui) { ui.streakDays = 1; s.quickRunFinished(); },
         {"show Main", "quick run", "box Main off", "save 1000 1100 0", "notify Streak: You have practised 1 day in a row.",
          "keep history", "end"},
         AppWindow::Main},
        {"with recording off, the end leaves no history file behind", StartMode::Normal, 0,
         [](Session& s, FakeSessionUi&) {
             s.recordingToggled(false);
             s.windowClosed(AppWindow::Main);
         },
         {"show Main", "box Main off", "save 1000 1100 0", "end"}, AppWindow::Main},
        {"while the settings are open, the opener's close is refused and brings them forward", StartMode::Game, 0,
         [](Session& s, FakeSessionUi& ui) {
             s.settingsRequested(AppWindow::Game);
             ui.log << (s.closeRequested(AppWindow::Main) ? "may close" : "refused");
             ui.log << (s.closeRequested(AppWindow::Keyboard) ? "may close" : "refused");
             s.settingsClosed();
             ui.log << (s.closeRequested(AppWindow::Game) ? "may close" : "refused");
         },
         {"show Game", "box Game off", "hide Main", "box Game off", "settings over Game", "settings forward",
          "refused", "may close", "may close"},
         AppWindow::Game},
        {"each window's switch button goes to the other", StartMode::Game, 0,
         [](Session& s, FakeSessionUi&) {
             s.switchClicked(AppWindow::Game);
             s.switchClicked(AppWindow::Main);
         },
         {"show Game", "box Game off", "hide Main", "box Game off", "show Main", "box Main off", "hide Game",
          "show Game", "box Game off", "hide Main"},
         AppWindow::Game},
        {"a progress window opens", StartMode::Normal, 0, [](Session& s, FakeSessionUi&) { s.progressRequested(); },
         {"show Main", "box Main off", "progress"}, AppWindow::Main},
        {"/k records nothing and opens no progress window", StartMode::KeyboardOnly, 0,
         [](Session& s, FakeSessionUi&) { s.progressRequested(); },
         {"show Main", "open keyboard", "hide Main", "box Main off"}, AppWindow::Main},
        {"a second start brings the window in use forward", StartMode::Game, 0,
         [](Session& s, FakeSessionUi&) { s.startedAgain(); },
         {"show Game", "box Game off", "hide Main", "box Game off", "forward Game"}, AppWindow::Game},
        {"closing Main shows no streak", StartMode::QuickExercises, 0,
         [](Session& s, FakeSessionUi& ui) {
             ui.streakDays = 5;
             s.windowClosed(AppWindow::Main);
         },
         {"show Main", "quick run", "box Main off", "save 1000 1100 0", "keep history", "end"}, AppWindow::Main},
        {"closing the game in use saves where the game stands", StartMode::Game, 0,
         [](Session& s, FakeSessionUi&) { s.windowClosed(AppWindow::Game); },
         {"show Game", "box Game off", "hide Main", "box Game off", "finish game", "save 2000 2100 0", "keep history", "end"},
         AppWindow::Game},
        {"an end by signal in the game records the game and saves where the game stands, waiting on no box",
         StartMode::Game, 0, [](Session& s, FakeSessionUi&) { s.terminated(); },
         {"show Game", "box Game off", "hide Main", "box Game off", "finish game", "save 2000 2100 0 without waiting",
          "keep history", "end"},
         AppWindow::Game},
        {"/k: an end by signal saves nothing", StartMode::KeyboardOnly, 0,
         [](Session& s, FakeSessionUi&) { s.terminated(); },
         {"show Main", "open keyboard", "hide Main", "box Main off", "end"}, AppWindow::Main},
        {"a log-out's commit request saves where the game stands, waiting on no box, and the game goes on",
         StartMode::Game, 0, [](Session& s, FakeSessionUi&) { s.commitRequested(); },
         {"show Game", "box Game off", "hide Main", "box Game off", "save 2000 2100 0 without waiting"},
         AppWindow::Game},
        {"/k: a commit request saves nothing", StartMode::KeyboardOnly, 0,
         [](Session& s, FakeSessionUi&) { s.commitRequested(); },
         {"show Main", "open keyboard", "hide Main", "box Main off"}, AppWindow::Main},
        {"going back to the exercises closes the game without ending", StartMode::Normal, 0,
         [](Session& s, FakeSessionUi&) {
             s.gameRequested();
             s.exercisesRequested();
         },
         {"show Main", "box Main off", "show Game", "box Game off", "hide Main", "show Main", "box Main off",
          "hide Game"},
         AppWindow::Main},
        {"the game's box goes back to Main with the switch", StartMode::Game, 0,
         [](Session& s, FakeSessionUi&) {
             s.showLayoutToggled(true);
             s.exercisesRequested();
         },
         {"show Game", "box Game off", "hide Main", "box Game off", "open keyboard", "show Main",
          "box Main on", "open keyboard", "hide Game"},
         AppWindow::Main},
        {"closing the keyboard unticks the box of the window in use", StartMode::Game, 1,
         [](Session& s, FakeSessionUi& ui) {
             ui.keyboardClosedByUser();
             s.windowClosed(AppWindow::Game);
         },
         {"show Game", "box Game on", "open keyboard", "hide Main", "box Game on", "box Game off",
          "close keyboard", "finish game", "save 2000 2100 0", "keep history", "end"},
         AppWindow::Game},
        {"/k: closing the keyboard ends without saving", StartMode::KeyboardOnly, 1,
         [](Session& s, FakeSessionUi&) { s.windowClosed(AppWindow::Keyboard); },
         {"show Main", "open keyboard", "hide Main", "box Main on", "open keyboard", "end"}, AppWindow::Main},
        {"a drill from the exercises stays there", StartMode::Normal, 0,
         [](Session& s, FakeSessionUi&) { s.weakKeyDrillRequested(); }, {"show Main", "box Main off", "drill"},
         AppWindow::Main},
        {"a drill from the game switches to the exercises", StartMode::Game, 0,
         [](Session& s, FakeSessionUi&) { s.weakKeyDrillRequested(); },
         {"show Game", "box Game off", "hide Main", "box Game off", "drill", "show Main", "box Main off", "hide Game"},
         AppWindow::Main},
        {"nothing to drill leaves the game in use", StartMode::Game, 0,
         [](Session& s, FakeSessionUi& ui) {
             ui.weakKeysToDrill = false;
             s.weakKeyDrillRequested();
         },
         {"show Game", "box Game off", "hide Main", "box Game off", "nothing to drill"}, AppWindow::Game},
        {"confirmed settings recolour and reload an open keyboard", StartMode::Normal, 1,
         [](Session& s, FakeSessionUi&) { s.settingsConfirmed(redWindow()); },
         {"show Main", "box Main on", "open keyboard", "recolour 255", "reload keyboard"}, AppWindow::Main},
        {"confirmed settings leave a closed keyboard closed", StartMode::Normal, 0,
         [](Session& s, FakeSessionUi&) { s.settingsConfirmed(redWindow()); }, {"show Main", "box Main off", "recolour 255"},
         AppWindow::Main},
    };
    for (const Case& c : cases) {
        FakeSessionUi ui;
        Session session(ui, c.mode);
        ui.session = &session;
        session.settings().showLayout = std::int16_t(c.savedShowLayout);
        session.start();
        if (c.events)
            c.events(session, ui);
        EXPECT_EQ(ui.log.join(", ").toStdString(), c.log.join(", ").toStdString()) << c.name;
        EXPECT_EQ(session.windowInUse(), c.inUse) << c.name;
    }
}

TEST(Session, StreakTextHasEachLanguagesPluralForms)
{
    int argc = 1;
    char name[] = "unit_tests";
    char* argv[] = {name};
    QCoreApplication application(argc, argv);
    const struct {
        QString language;
        int days;
        QString text;
    } cases[] = {
        {"en", 1, "You have practised 1 day in a row."},
        {"en", 2, "You have practised 2 days in a row."},
        {"de", 1, "Sie haben 1 Tag in Folge geübt."},
        {"de", 5, "Sie haben 5 Tage in Folge geübt."},
        {"fr", 1, "Vous avez pratiqué 1 jour d'affilée."},
        {"fr", 2, "Vous avez pratiqué 2 jours d'affilée."},
    };
    for (const auto& c : cases) {
        Translations translations({c.language});
        translations.install();
        EXPECT_EQ(Session::streakText(c.days), c.text) << c.language.toStdString() << " " << c.days;
    }
}
