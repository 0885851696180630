// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hub.h"

#include "common/Twips.h"
#include "keyboard/KeyboardPlacement.h"
#include "session/StartSettings.h"
#include "windows/GameWindow.h"
#include "windows/Geometry.h"
#include "windows/HelpWindow.h"
#include "windows/KeyboardDocking.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"
#include "windows/PassingMessage.h"
#include "windows/ProgressWindow.h"
#include "windows/SettingsDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWindow>

namespace clavora {

Hub::Hub(ProgramPaths paths, QString commandLine)
    : paths_(std::move(paths)), profile_(paths_.settingsFile()), session_(*this, findStartMode(commandLine)),
      store_(session_.keyboardOnly() ? nullptr : std::make_unique<HistoryStore>(paths_.historyFile())),
      storedFigures_(store_ ? std::make_unique<ProgressQueries>(*store_, clock_) : nullptr),
      recorder_(session_.settings(), store_ ? static_cast<HistoryRecorder&>(*store_) : noHistory_),
      figures_(storedFigures_ ? static_cast<const HistoryFigures&>(*storedFigures_) : noHistory_)
{
    main_ = std::make_unique<MainWindow>(session_.settings(), paths_, clock_, random_, clipboard_, recorder_, figures_);
    connect(main_.get(), &MainWindow::closed, this, [this] { session_.windowClosed(AppWindow::Main); });
    connect(main_.get(), &MainWindow::quickRunEnded, this, [this] { session_.quickRunFinished(); });
    connect(main_.get(), &MainWindow::gameClicked, this, [this] { session_.gameRequested(); });
    connect(main_.get(), &MainWindow::settingsClicked, this, [this] { openSettings(main_.get()); });
    connect(main_.get(), &MainWindow::helpClicked, this, &Hub::openHelp);
    connect(main_.get(), &MainWindow::progressClicked, this, &Hub::openProgress);
    connect(main_.get(), &MainWindow::showLayoutClicked, this,
            [this](bool checked) { session_.showLayoutToggled(checked); });
    connect(&shell_, &DesktopShell::openFailed, this, &Hub::showHelpText);
    qApp->installEventFilter(this);
}

Hub::~Hub()
{
    qApp->removeEventFilter(this); // the windows' last events must not reach a Hub half gone
    delete settingsDialog_; // a top-level window of its own, open when the program ends
    delete keyboard_;       // likewise, and it reads the key tracker
    delete helpWindow_;
    delete progress_;       // likewise, and it reads the history
}

void Hub::start()
{
    random_.seed(quint32(clock_.secondsSinceMidnight() * 1000));
    const int screenWidth = pixelsToTwips(screenGeometry(*main_).width());
    session_.settings() = loadStartSettings(profile_, startupEntry_, screenWidth, desktopKeyboard_);
    main_->load();
    session_.start();
}

void Hub::openHelp()
{
    shell_.open(paths_.helpFile());
}

void Hub::showHelpText(const QString& path)
{
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(path);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void Hub::closeMain()
{
    session_.windowClosed(AppWindow::Main);
}

bool Hub::eventFilter(QObject* watched, QEvent* event)
{
    // The settings dialog's opener is out of use while the dialog is open: its close box
    // brings the dialog forward rather than ending the program under the user's edits.
    if (event->type() == QEvent::Close && event->spontaneous() && settingsDialog_ &&
        (watched == main_.get() || (game_ && watched == game_.get()))) {
        event->ignore();
        settingsDialog_->raise();
        settingsDialog_->activateWindow();
        return true;
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

QWidget& Hub::widgetOf(AppWindow window) const
{
    if (window == AppWindow::Game && game_)
        return *game_;
    return *main_;
}

void Hub::showWindow(AppWindow window)
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

void Hub::createGame()
{
    // Main's frame corner as placed, whether or not Main was ever shown.
    const QPoint frame = main_->pos();
    const bool keyboardFollows =
        keyboard_ && main_->isVisible() && KeyboardDocking::sitsBelow(*keyboard_, *main_, nullptr);
    game_ = std::make_unique<GameWindow>(session_.settings(), clock_, random_, beep_, recorder_, figures_);
    connect(game_.get(), &GameWindow::exercisesClicked, this, [this] { session_.exercisesRequested(); });
    connect(game_.get(), &GameWindow::settingsClicked, this, [this] { openSettings(game_.get()); });
    connect(game_.get(), &GameWindow::helpClicked, this, &Hub::openHelp);
    connect(game_.get(), &GameWindow::progressClicked, this, &Hub::openProgress);
    connect(game_.get(), &GameWindow::showLayoutClicked, this,
            [this](bool checked) { session_.showLayoutToggled(checked); });
    connect(game_.get(), &GameWindow::closed, this, [this] { session_.windowClosed(AppWindow::Game); });
    game_->move(frame);
    game_->show();
    if (keyboardFollows)
        KeyboardDocking::moveBelow(*keyboard_, frame, *game_, main_.get());
}

void Hub::hideWindow(AppWindow window)
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

void Hub::setShowLayoutBox(AppWindow window, bool checked)
{
    if (window == AppWindow::Game && game_)
        game_->setShowLayoutChecked(checked);
    else
        main_->setShowLayoutChecked(checked);
}

void Hub::startQuickRun()
{
    main_->startQuickRun();
}

bool Hub::startWeakKeyDrill()
{
    const bool started = main_->startWeakKeyDrill();
    // Over the progress window that asked for it; a hidden Main is shown by the switch.
    if (started && main_->isVisible()) {
        main_->raise();
        main_->activateWindow();
    }
    return started;
}

void Hub::openSettings(QWidget* opener)
{
    opener->setEnabled(false);
    // Not a child of the opener: a disabled parent would disable the dialog too.
    auto* dialog = new SettingsDialog(session_.settings(), paths_);
    settingsDialog_ = dialog;
    connect(dialog, &SettingsDialog::applyRequested, this,
            [this](const SettingsForm& form) { session_.settingsConfirmed(form); });
    connect(dialog, &SettingsDialog::helpRequested, this, &Hub::openHelp);
    connect(dialog, &QDialog::finished, this, &Hub::settingsClosed);
    dialog->winId();
    dialog->windowHandle()->setTransientParent(opener->windowHandle());
    dialog->placeOver(*opener);
    dialog->show();
}

void Hub::openProgress()
{
    if (!store_)
        return;
    if (progress_) {
        progress_->refresh();
    } else {
        AppSettings& settings = session_.settings();
        progress_ = new ProgressWindow(recorder_, figures_, settings.recordProgress, QDir::homePath(),
                                       paths_.layoutFile(settings.layoutFile));
        progress_->setAttribute(Qt::WA_DeleteOnClose);
        progress_->setAttribute(Qt::WA_QuitOnClose, false);
        progress_->colourWindow(settings.windowColour, settings.textColour);
        connect(progress_, &ProgressWindow::recordingChanged, this,
                [this](bool recording) { session_.settings().recordProgress = recording; });
        connect(progress_, &ProgressWindow::weakKeyDrillRequested, this, [this] { session_.weakKeyDrillRequested(); });
    }
    progress_->show();
    progress_->raise();
    progress_->activateWindow();
}

ProgressWindow* Hub::progressWindow()
{
    return progress_;
}

void Hub::settingsClosed()
{
    main_->setEnabled(true);
    if (game_)
        game_->setEnabled(true);
}

void Hub::recolour()
{
    const AppSettings& s = session_.settings();
    main_->colourWindow(s.windowColour, s.textColour);
    if (game_)
        game_->colourWindow(s.windowColour, s.textColour);
    if (progress_)
        progress_->colourWindow(s.windowColour, s.textColour);
}

void Hub::reloadKeyboard()
{
    if (!keyboard_) {
        loadKeyboard(); // created without being shown; its load takes the colours and the layout
        return;
    }
    const AppSettings& s = session_.settings();
    keyboard_->colourWindow(s.windowColour, s.textColour);
    keyboard_->loadLayout();
}

KeyboardWindow& Hub::loadKeyboard()
{
    if (keyboard_)
        return *keyboard_;
    AppSettings& s = session_.settings();
    keyboard_ = new KeyboardWindow(s, paths_, keyTracker_, desktopKeyboard_, figures_);
    connect(keyboard_, &KeyboardWindow::closed, this, &Hub::keyboardClosed);
    keyboard_->colourWindow(s.windowColour, s.textColour);
    if (!session_.keyboardOnly()) {
        // A helper beside the window in use, which keeps the focus.
        keyboard_->setAttribute(Qt::WA_ShowWithoutActivating);
        const bool besideGame = session_.windowInUse() == AppWindow::Game && game_;
        const bool placed = KeyboardDocking::place(*keyboard_, widgetOf(session_.windowInUse()),
                                                   besideGame ? GameOwnerOffset : MainOwnerOffset);
        if (!placed && !placingNoticeShown_) {
            placingNoticeShown_ = true;
            keyboard_->showNotice(tr("This desktop does not let Clavora place its windows, so the keyboard "
                                     "may stand over the exercises. Drag it where it suits you."));
        }
    }
    keyboard_->loadLayout();
    return *keyboard_;
}

KeyboardWindow* Hub::keyboardWindow()
{
    return keyboard_;
}

void Hub::openKeyboard()
{
    if (session_.keyboardOnly()) {
        loadKeyboard().show();
        return;
    }
    // The window in use is painted first, and the keyboard is built beside its frame.
    keyboardWanted_ = true;
    KeyboardDocking::afterFirstExpose(widgetOf(session_.windowInUse()), *this, [this] {
        if (keyboardWanted_)
            loadKeyboard().show();
    });
}

void Hub::closeKeyboard()
{
    keyboardWanted_ = false;
    if (keyboard_)
        keyboard_->close();
}

void Hub::keyboardClosed()
{
    // Forgotten first: unticking the box asks to close it again, which must do nothing.
    keyboard_ = nullptr;
    session_.windowClosed(AppWindow::Keyboard);
}

int Hub::windowX(AppWindow window) const
{
    return pixelsToTwips(widgetOf(window).pos().x());
}

int Hub::windowY(AppWindow window) const
{
    return pixelsToTwips(widgetOf(window).pos().y());
}

void Hub::finishGame()
{
    if (game_)
        game_->finishGame();
}

void Hub::save()
{
    QDir().mkpath(QFileInfo(paths_.settingsFile()).path()); // installed, the first save makes the folder
    const SettingsSaved saved = saveSettings(profile_, startupEntry_, session_.settings(),
                                             main_->control().form().exerciseNumberText, paths_.executable());
    for (const Notice& notice : saveNotices(saved, profile_, startupEntry_, paths_.executable()))
        main_->showMessage(notice.title, notice.text);
}

void Hub::showLoadNotice()
{
    if (const auto notice = loadNotice(profile_))
        main_->showMessage(notice->title, notice->text);
}

int Hub::streak() const
{
    return figures_.streak();
}

void Hub::showPassingMessage(const QString& title, const QString& text, int milliseconds)
{
    clavora::showPassingMessage(main_.get(), title, text, milliseconds);
}

void Hub::end()
{
    // The store opens when first used; one this session never needed is still left in place
    // for the next run and for other tools.
    if (store_)
        store_->open();
    QCoreApplication::exit(0);
}

} // namespace clavora
