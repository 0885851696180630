// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppWiring.h"

#include "LearnerProgress.h"
#include "common/Twips.h"
#include "keyboard/ChosenLayout.h"
#include "keyboard/KeyboardPlacement.h"
#include "session/StartSettings.h"
#include "settings/FollowedGoals.h"
#include "windows/GameWindow.h"
#include "windows/Geometry.h"
#include "windows/HelpWindow.h"
#include "windows/KeyboardDocking.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"
#include "windows/ProgressWindow.h"
#include "windows/SettingsDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace clavora {

AppWiring::AppWiring(ProgramPaths paths, QString commandLine)
    : paths_(std::move(paths)), profile_(paths_.settingsFile()), coached_(startsCoached(commandLine)),
      session_(*this, findStartMode(commandLine)),
      store_(session_.keyboardOnly() ? nullptr : std::make_unique<HistoryStore>(paths_.historyFile())),
      storedFigures_(store_ ? std::make_unique<ProgressQueries>(*store_, clock_) : nullptr),
      recorder_(session_.settings(), store_ ? static_cast<HistoryRecorder&>(*store_) : noHistory_),
      figures_(storedFigures_ ? static_cast<const HistoryFigures&>(*storedFigures_) : noHistory_),
      strokes_(session_.settings(), paths_.recentStrokesFile())
{
    main_ = std::make_unique<MainWindow>(session_.settings(), paths_, clock_, random_, clipboard_, recorder_, figures_,
                                         strokes_);
    wire(*main_, AppWindow::Main);
    connect(main_.get(), &MainWindow::quickRunEnded, this, [this] { session_.quickRunFinished(); });
    connect(main_.get(), &MainWindow::nextCharacterChanged, this, [this](QChar character) {
        if (keyboard_)
            keyboard_->showNextCharacter(character);
    });
    connect(main_.get(), &MainWindow::keyReadinessChanged, this, [this](const QHash<QChar, double>& readiness) {
        if (keyboard_)
            keyboard_->showReadiness(readiness);
    });
    connect(&shell_, &DesktopShell::openFailed, this, &AppWiring::showHelpText);
    qApp->installEventFilter(this);
}

AppWiring::~AppWiring()
{
    qApp->removeEventFilter(this); // the windows' last events must not reach a AppWiring half gone
    if (store_)
        store_->setAfterWrite(nullptr); // a game ended by its window's end waits in the outbox
    delete settingsDialog_; // a top-level window of its own, open when the program ends
    delete keyboard_;       // likewise, and it reads the key tracker
    delete helpWindow_;
    delete progress_;       // likewise, hidden or not, and it reads the history
}

void AppWiring::start()
{
    random_.seed(quint32(clock_.secondsSinceMidnight() * 1000));
    const int screenWidth = pixelsToTwips(screenGeometry(*main_).width());
    session_.settings() = loadStartSettings(profile_, startupEntry_, screenWidth, desktopKeyboard_, coached_);
    main_->load();
    // The class's store and thread start once a window has painted: naming a class never
    // holds up the first paint.
    classPending_ = !session_.settings().classServer.isEmpty();
    session_.start();
}

void AppWiring::setClassServer(const QString& connection)
{
    session_.settings().classServer = connection;
    if (connection.isEmpty())
        followGoals({}); // in no class, no class's goals
    if (!store_ || (connection.isEmpty() && !classSync_))
        return;
    if (!classSync_) {
        // Opened and brought up to date here, before the sender opens it on its own thread.
        store_->open();
        classSync_ = std::make_unique<ClassSync>(paths_.historyFile());
        store_->setAfterWrite([this] {
            classSync_->setCourseLetters(session_.settings().coachKeys);
            classSync_->sendNow();
        });
        connect(classSync_.get(), &ClassSync::reachChanged, this, &AppWiring::showClassReach);
        connect(classSync_.get(), &ClassSync::goalsRead, this, &AppWiring::followGoals);
    }
    classSync_->setCourseLetters(session_.settings().coachKeys);
    classSync_->setServer(connection);
    showClassReach();
}

void AppWiring::followGoals(const ClassGoals& goals)
{
    const bool layoutChanged = followClassGoals(session_.settings(), goals);
    main_->classGoalsChanged();
    if (layoutChanged && keyboard_)
        reloadKeyboard();
}

void AppWiring::openLearnerProgress(const QString& login, const QString& name)
{
    const AppSettings& settings = session_.settings();
    auto* learner = new LearnerProgress(settings.classServer, login, name, clock_, settings,
                                        readChosenLayout(settings, paths_).table, this);
    connect(learner, &LearnerProgress::opened, this, [this](const QString& shown, const QString& problem) {
        if (progress_)
            progress_->learnerOpened(shown, problem);
    });
}

void AppWiring::showClassReach()
{
    if (!progress_)
        return;
    const bool inClass = classSync_ && !session_.settings().classServer.isEmpty();
    progress_->showClassReach(inClass ? std::optional(classSync_->reach()) : std::nullopt, clock_.localDateTime());
}

void AppWiring::openHelp()
{
    shell_.open(paths_.helpFile());
}

void AppWiring::showHelpText(const QString& path)
{
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(path);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void AppWiring::terminate()
{
    session_.terminated();
}

void AppWiring::commitRequested()
{
    session_.commitRequested();
}

void AppWiring::startedAgain()
{
    session_.startedAgain();
}

void AppWiring::wire(PractiseWindow& window, AppWindow which)
{
    connect(&window, &PractiseWindow::switchClicked, this, [this, which] { session_.switchClicked(which); });
    connect(&window, &PractiseWindow::settingsClicked, this, [this, which] { session_.settingsRequested(which); });
    connect(&window, &PractiseWindow::helpClicked, this, &AppWiring::openHelp);
    connect(&window, &PractiseWindow::progressClicked, this, [this] { session_.progressRequested(); });
    connect(&window, &PractiseWindow::showLayoutClicked, this,
            [this](bool checked) { session_.showLayoutToggled(checked); });
    connect(&window, &PractiseWindow::closed, this, [this, which] { session_.windowClosed(which); });
}

bool AppWiring::eventFilter(QObject* watched, QEvent* event)
{
    // A close box asks first; a close of the program's own is the session's already.
    if (event->type() == QEvent::Close && event->spontaneous() && (watched == main_.get() || watched == game_.get()) &&
        !session_.closeRequested(watched == main_.get() ? AppWindow::Main : AppWindow::Game)) {
        event->ignore();
        return true;
    }
    if (classPending_ && event->type() == QEvent::Paint) {
        classPending_ = false;
        QTimer::singleShot(0, this, [this] { setClassServer(session_.settings().classServer); });
    }
    // Every window opens the help on F1's release, whatever has the focus. The release is
    // taken where it arrives first: a line edit accepts it, so it never reaches the window.
    if (event->type() == QEvent::KeyRelease && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        const QWidget* receiver = widget->window()->focusWidget();
        const auto* key = static_cast<QKeyEvent*>(event);
        if (widget == (receiver ? receiver : widget->window()) && key->key() == Qt::Key_F1 && !key->isAutoRepeat())
            openHelp();
    }
    return QObject::eventFilter(watched, event);
}

PractiseWindow& AppWiring::windowOf(AppWindow window) const
{
    if (window == AppWindow::Game && game_)
        return *game_;
    return *main_;
}

void AppWiring::showWindow(AppWindow window)
{
    if (window == AppWindow::Game) {
        createGame();
        return;
    }
    if (!game_) {
        main_->show();
        return;
    }
    const bool keyboardFollows = keyboard_ && KeyboardDocking::sitsBelow(*keyboard_, *game_, main_.get());
    const QPoint frame = game_->pos();
    // By its client area: a hidden window no longer knows its frame. The game, shown
    // and framed, puts its client where Main's goes, as the two share one decoration.
    main_->setGeometry(QRect(game_->geometry().topLeft(), main_->size()));
    main_->show();
    main_->activateWindow();
    if (keyboardFollows)
        KeyboardDocking::moveBelow(*keyboard_, frame, *main_, game_.get());
}

void AppWiring::createGame()
{
    // Main's frame corner as placed, whether or not Main was ever shown.
    const QPoint frame = main_->pos();
    const bool keyboardFollows =
        keyboard_ && main_->isVisible() && KeyboardDocking::sitsBelow(*keyboard_, *main_, nullptr);
    game_ = std::make_unique<GameWindow>(session_.settings(), clock_, random_, beep_, recorder_, figures_, strokes_);
    wire(*game_, AppWindow::Game);
    game_->move(frame);
    game_->show();
    if (keyboardFollows)
        KeyboardDocking::moveBelow(*keyboard_, frame, *game_, main_.get());
}

void AppWiring::hideWindow(AppWindow window)
{
    switch (window) {
    case AppWindow::Main:
        main_->hide();
        break;
    case AppWindow::Game:
        if (game_) {
            game_->close();                 // keeps the start level in the settings
            game_.release()->deleteLater(); // the click that got here is still being handled
        }
        break;
    case AppWindow::Keyboard:
        closeKeyboard();
        break;
    }
}

void AppWiring::setShowLayoutBox(AppWindow window, bool checked)
{
    windowOf(window).setShowLayoutChecked(checked);
}

void AppWiring::startQuickRun()
{
    main_->startQuickRun();
}

bool AppWiring::startWeakKeyDrill()
{
    const bool started = main_->startWeakKeyDrill();
    // Over the progress window that asked for it; a hidden Main is shown by the switch.
    if (started && main_->isVisible()) {
        main_->raise();
        main_->activateWindow();
    }
    return started;
}

void AppWiring::openSettings(AppWindow window)
{
    QWidget* opener = &windowOf(window);
    opener->setEnabled(false);
    // Not a child of the opener: a disabled parent would disable the dialog too.
    auto* dialog = new SettingsDialog(session_.settings(), paths_);
    settingsDialog_ = dialog;
    connect(dialog, &SettingsDialog::applyRequested, this,
            [this](const SettingsForm& form) { session_.settingsConfirmed(form); });
    connect(dialog, &SettingsDialog::helpRequested, this, &AppWiring::openHelp);
    connect(dialog, &QDialog::finished, this, &AppWiring::settingsClosed);
    dialog->winId();
    dialog->windowHandle()->setTransientParent(opener->windowHandle());
    dialog->placeOver(*opener);
    dialog->show();
}

void AppWiring::bringSettingsForward()
{
    settingsDialog_->raise();
    settingsDialog_->activateWindow();
}

void AppWiring::bringForward(AppWindow window)
{
    QWidget& widget = windowOf(window);
    if (widget.isMinimized())
        widget.showNormal();
    widget.raise();
    widget.activateWindow();
}

void AppWiring::openProgress()
{
    AppSettings& settings = session_.settings();
    if (progress_ && progress_->isVisible()) {
        progress_->refresh();
    } else {
        if (progress_) {
            progress_->reopen(settings.recordProgress, readChosenLayout(settings, paths_).table);
        } else {
            // Built once and hidden when closed: a window built at each opening would leave
            // behind, every time, the style's pixmaps cached for its new palette.
            progress_ = new ProgressWindow(recorder_, figures_, settings.recordProgress, QDir::homePath(),
                                           readChosenLayout(settings, paths_).table);
            progress_->setAttribute(Qt::WA_QuitOnClose, false);
            progress_->colourWindow(settings.windowColour, settings.textColour);
            connect(progress_, &ProgressWindow::recordingChanged, this,
                    [this](bool recording) { session_.recordingToggled(recording); });
            connect(progress_, &ProgressWindow::weakKeyDrillRequested, this,
                    [this] { session_.weakKeyDrillRequested(); });
            connect(progress_, &ProgressWindow::classServerChosen, this,
                    [this](const QString& server) { setClassServer(server); });
            connect(progress_, &ProgressWindow::learnerChosen, this, &AppWiring::openLearnerProgress);
            progress_->setRosterSource(&classRoster_);
            progress_->setGoalsWriter(&classGoals_);
        }
        progress_->setClassServer(settings.classServer); // the Class page read anew
    }
    showClassReach();
    progress_->show();
    progress_->raise();
    progress_->activateWindow();
}

ProgressWindow* AppWiring::progressWindow()
{
    return progress_;
}

void AppWiring::settingsClosed()
{
    main_->setEnabled(true);
    if (game_)
        game_->setEnabled(true);
    session_.settingsClosed();
}

void AppWiring::recolour()
{
    const AppSettings& s = session_.settings();
    main_->colourWindow(s.windowColour, s.textColour);
    if (game_)
        game_->colourWindow(s.windowColour, s.textColour);
    if (progress_)
        progress_->colourWindow(s.windowColour, s.textColour);
}

void AppWiring::reloadKeyboard()
{
    if (!keyboard_) {
        loadKeyboard(); // created without being shown; its load takes the colours and the layout
        return;
    }
    const AppSettings& s = session_.settings();
    keyboard_->colourWindow(s.windowColour, s.textColour);
    keyboard_->loadLayout();
}

KeyboardWindow& AppWiring::loadKeyboard()
{
    if (keyboard_)
        return *keyboard_;
    AppSettings& s = session_.settings();
    keyboard_ = new KeyboardWindow(s, paths_, keyTracker_, desktopKeyboard_, figures_);
    connect(keyboard_, &KeyboardWindow::closed, this, &AppWiring::keyboardClosed);
    keyboard_->colourWindow(s.windowColour, s.textColour);
    if (!session_.keyboardOnly()) {
        // A helper beside the window in use, which keeps the focus.
        keyboard_->setAttribute(Qt::WA_ShowWithoutActivating);
        const bool besideGame = session_.windowInUse() == AppWindow::Game && game_;
        const bool placed = KeyboardDocking::place(*keyboard_, windowOf(session_.windowInUse()),
                                                   besideGame ? GameOwnerOffset : MainOwnerOffset);
        if (!placed && !placingNoticeShown_) {
            placingNoticeShown_ = true;
            keyboard_->showNotice(tr("This desktop does not let Clavora place its windows, so the keyboard "
                                     "may stand over the exercises. Drag it where it suits you."));
        }
    }
    keyboard_->loadLayout();
    keyboard_->showNextCharacter(main_->control().form().nextCharacter);
    keyboard_->showReadiness(main_->control().form().keyReadiness);
    return *keyboard_;
}

KeyboardWindow* AppWiring::keyboardWindow()
{
    return keyboard_;
}

void AppWiring::openKeyboard()
{
    if (session_.keyboardOnly()) {
        loadKeyboard().show();
        return;
    }
    // The window in use is painted first, and the keyboard is built beside its frame.
    keyboardWanted_ = true;
    KeyboardDocking::afterFirstExpose(windowOf(session_.windowInUse()), *this, [this] {
        if (keyboardWanted_)
            loadKeyboard().show();
    });
}

void AppWiring::closeKeyboard()
{
    keyboardWanted_ = false;
    if (keyboard_)
        keyboard_->close();
}

void AppWiring::keyboardClosed()
{
    // Forgotten first: unticking the box asks to close it again, which must do nothing.
    keyboard_ = nullptr;
    session_.windowClosed(AppWindow::Keyboard);
}

int AppWiring::windowX(AppWindow window) const
{
    return pixelsToTwips(windowOf(window).pos().x());
}

int AppWiring::windowY(AppWindow window) const
{
    return pixelsToTwips(windowOf(window).pos().y());
}

void AppWiring::finishGame()
{
    if (game_)
        game_->finishGame();
}

void AppWiring::save(FailureNotice notice)
{
    QDir().mkpath(QFileInfo(paths_.settingsFile()).path()); // installed, the first save makes the folder
    const SettingsSaved saved = saveSettings(profile_, startupEntry_, session_.settings(),
                                             main_->control().form().exerciseNumberText, paths_.executable());
    for (const Notice& failure : saveNotices(saved, profile_, startupEntry_, paths_.executable())) {
        if (notice == FailureNotice::Box) {
            main_->showMessage(failure.title, failure.text);
        } else {
            std::fprintf(stderr, "%s: %s\n", qPrintable(failure.title), qPrintable(failure.text));
            notifier_.notify(failure.title, failure.text);
        }
    }
}

void AppWiring::showLoadNotice()
{
    if (const auto notice = loadNotice(profile_))
        main_->showMessage(notice->title, notice->text);
}

int AppWiring::streak() const
{
    return figures_.streak();
}

void AppWiring::notify(const QString& title, const QString& text)
{
    notifier_.notify(title, text);
}

void AppWiring::keepHistoryFile()
{
    if (store_)
        store_->open();
}

void AppWiring::end()
{
    QCoreApplication::exit(0);
}

} // namespace clavora
