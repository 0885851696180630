// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hub.h"

#include "common/Twips.h"
#include "exercises/ExerciseControl.h"
#include "keyboard/KeyboardPlacement.h"
#include "settings_dialog/ApplySettings.h"
#include "windows/GameWindow.h"
#include "windows/HelpWindow.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"
#include "windows/SettingsDialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace clavora {

Hub::Hub(ProgramPaths paths, QString commandLine)
    : paths_(std::move(paths)), commandLine_(std::move(commandLine)), profile_(paths_.settingsFile())
{
    main_ = std::make_unique<MainWindow>();
    exercises_ = std::make_unique<ExerciseControl>(settings_, paths_, clock_, random_, clipboard_, *main_);
    main_->bind(*exercises_);
    connect(main_.get(), &MainWindow::closing, this, &Hub::closeMain);
    connect(main_.get(), &MainWindow::gameClicked, this, &Hub::gameClicked);
    connect(main_.get(), &MainWindow::settingsClicked, this, &Hub::settingsClicked);
    connect(main_.get(), &MainWindow::helpClicked, this, &Hub::helpClicked);
    connect(main_.get(), &MainWindow::showLayoutClicked, this, &Hub::showLayoutClicked);
    connect(&shell_, &DesktopShell::openFailed, this, &Hub::showHelpText);
    qApp->installEventFilter(this);
}

Hub::~Hub()
{
    delete settingsDialog_; // a top-level window of its own, open when the program ends
    delete keyboard_;       // likewise, and it reads the key tracker
    delete helpWindow_;
}

void Hub::start()
{
    random_.seed(quint32(clock_.secondsSinceMidnight() * 1000));
    settings_ = LoadSettings(profile_, startupEntry_, screenWidthTwips());
    exercises_->showSettings();
    // A saved position that lies off the screen (another monitor, a hand-edited file) is
    // brought back onto it.
    const QRect screen = main_->screen()->availableGeometry();
    main_->move(keepOnScreen(twipsToPixels(settings_.WinX), main_->width(), screen.x(), screen.width()),
                keepOnScreen(twipsToPixels(settings_.WinY), main_->height(), screen.y(), screen.height()));
    ColourControls();
    refresh();
    const StartMode mode = FindStartMode(commandLine_);
    // The game stands in for Main at once: a Main shown for that moment would be hidden
    // before the window manager had framed it, and its place could no longer be trusted.
    if (mode != StartMode::Game)
        main_->show();
    if (const auto notice = LoadNotice(profile_))
        main_->showMessage(notice->title, notice->text);

    switch (mode) {
    case StartMode::Game:
        openGame();
        break;
    case StartMode::QuickExercises:
        exercises_->startQuickRun();
        refresh();
        break;
    case StartMode::KeyboardOnly:
        openKeyboard();
        main_->hide();
        break;
    case StartMode::Normal:
        break;
    }
    // The saved box goes to the window in use; the game window passes it on to Main's.
    if (settings_.GameLoaded)
        game_->setShowLayoutChecked(settings_.ShowLayout == 1);
    else
        main_->setShowLayoutChecked(settings_.ShowLayout == 1);
}

void Hub::refresh()
{
    main_->apply();
}

void Hub::ColourControls()
{
    main_->applyColours(settings_.WinColour, settings_.TextColour);
}

void Hub::HelpFile()
{
    shell_.open(paths_.helpFile());
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
            HelpFile();
    }
    return QObject::eventFilter(watched, event);
}

void Hub::saveSettings()
{
    const QWidget* inUse = settings_.GameLoaded && game_ ? static_cast<QWidget*>(game_.get()) : main_.get();
    settings_.WinX = pixelsToTwips(inUse->pos().x());
    settings_.WinY = pixelsToTwips(inUse->pos().y());
    settings_.ShowLayout = main_->showLayoutChecked() ? 1 : 0;
    QDir().mkpath(QFileInfo(paths_.settingsFile()).path()); // installed, the first save makes the folder
    const SettingsSaved saved =
        SaveSettings(profile_, startupEntry_, settings_, exercises_->form().exNumText, paths_.executable());
    for (const Notice& notice : SaveNotices(saved, profile_, startupEntry_, paths_.executable()))
        main_->showMessage(notice.title, notice.text);
}

void Hub::closeMain()
{
    saveSettings();
    QCoreApplication::exit(0);
}

void Hub::gameClicked()
{
    exercises_->StopExercises();
    refresh();
    openGame();
}

void Hub::openGame()
{
    const bool keyboardFollows = main_->showLayoutChecked() && keyboardSitsBelow(*main_);
    const QPoint frame = main_->pos();
    main_->hide();
    settings_.GameLoaded = true;
    game_ = std::make_unique<GameWindow>(settings_, clock_, random_, beep_);
    connect(game_.get(), &GameWindow::exercisesClicked, this, &Hub::gameExercisesClicked);
    connect(game_.get(), &GameWindow::settingsClicked, this, [this] { openSettings(game_.get()); });
    connect(game_.get(), &GameWindow::helpClicked, this, &Hub::HelpFile);
    connect(game_.get(), &GameWindow::showLayoutClicked, main_.get(), &MainWindow::setShowLayoutChecked);
    connect(game_.get(), &GameWindow::closed, this, &Hub::gameClosed);
    game_->move(frame);
    game_->setShowLayoutChecked(main_->showLayoutChecked());
    game_->show();
    if (keyboardFollows)
        moveKeyboardBelow(frame, *game_);
}

void Hub::gameExercisesClicked()
{
    const bool keyboardFollows = game_->showLayoutChecked() && keyboardSitsBelow(*game_);
    const QPoint frame = game_->pos();
    settings_.GameLoaded = false;
    // By its client area: a hidden window no longer knows its frame. The game, shown
    // and framed, puts its client where Main's goes, as the two share one decoration.
    main_->setGeometry(QRect(game_->geometry().topLeft(), main_->size()));
    main_->show();
    main_->activateWindow();
    if (keyboardFollows)
        moveKeyboardBelow(frame, *main_);
    game_->close(); // keeps the start level; Main stays, as the game is no longer in use
    game_.release()->deleteLater(); // the click that got here is still being handled
}

void Hub::gameClosed()
{
    // The close box of the window in use ends the program.
    if (settings_.GameLoaded)
        closeMain();
}

int Hub::outerHeight(const QWidget& window) const
{
    // Every window has the same decoration, but a window that has just been shown may not
    // have its frame yet: then the other window's tells it.
    const QWidget* other = &window == main_.get() ? static_cast<const QWidget*>(game_.get()) : main_.get();
    const QWidget& framed = window.frameGeometry().height() != window.height() || !other ? window : *other;
    return window.height() + framed.frameGeometry().height() - framed.height();
}

bool Hub::keyboardSitsBelow(const QWidget& window)
{
    const QWidget* keyboard = keyboardWindow();
    return keyboard && keyboard->y() == window.y() + outerHeight(window);
}

void Hub::moveKeyboardBelow(QPoint frame, const QWidget& window)
{
    // The frame's corner as placed, not as the window reports it before it is framed.
    QWidget* keyboard = keyboardWindow();
    keyboard->move(keyboard->x(), frame.y() + outerHeight(window));
}

void Hub::settingsClicked()
{
    exercises_->StopExercises();
    refresh();
    openSettings(main_.get());
}

void Hub::openSettings(QWidget* opener)
{
    opener->setEnabled(false);
    // Not a child of the opener: a disabled parent would disable the dialog too.
    auto* dialog = new SettingsDialog(settings_, paths_);
    settingsDialog_ = dialog;
    connect(dialog, &SettingsDialog::applyRequested, this, &Hub::ApplySettings);
    connect(dialog, &SettingsDialog::helpRequested, this, &Hub::HelpFile);
    connect(dialog, &QDialog::finished, this, &Hub::settingsClosed);
    dialog->winId();
    dialog->windowHandle()->setTransientParent(opener->windowHandle());
    dialog->placeOver(*opener);
    dialog->show();
}

void Hub::settingsClosed()
{
    main_->setEnabled(true);
    if (settings_.GameLoaded && game_)
        game_->setEnabled(true);
}

void Hub::ApplySettings(const SettingsForm& form)
{
    clavora::ApplySettings(form, settings_);
    ColourControls();
    if (settings_.GameLoaded && game_)
        game_->ColourWindow(settings_.WinColour, settings_.TextColour);
    if (main_->showLayoutChecked())
        reloadKeyboard();
}

void Hub::reloadKeyboard()
{
    if (!keyboard_) {
        loadKeyboard(); // created without being shown; its load takes the colours and the layout
        return;
    }
    keyboard_->setColours(settings_.WinColour, settings_.TextColour);
    keyboard_->LoadLayout();
}

void Hub::helpClicked()
{
    exercises_->StopExercises();
    refresh();
    HelpFile();
}

void Hub::showHelpText(const QString& path)
{
    if (!helpWindow_)
        helpWindow_ = new HelpWindow(path);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void Hub::showLayoutClicked(bool checked)
{
    if (checked)
        openKeyboard();
    else
        closeKeyboard();
    if (main_->isVisible())
        main_->activateWindow();
}

bool Hub::keyboardOnly() const
{
    // The mode in force, not any "/k" on the command line: with "/g /k" or "/k /q" the
    // keyboard is an ordinary helper window whose close must not end the program unsaved.
    return FindStartMode(commandLine_) == StartMode::KeyboardOnly;
}

KeyboardWindow& Hub::loadKeyboard()
{
    if (keyboard_)
        return *keyboard_;
    keyboard_ = new KeyboardWindow(settings_, paths_, keyTracker_);
    connect(keyboard_, &KeyboardWindow::closing, this, &Hub::keyboardClosing);
    keyboard_->setColours(settings_.WinColour, settings_.TextColour);
    if (!keyboardOnly())
        placeKeyboard(*keyboard_);
    keyboard_->LoadLayout();
    return *keyboard_;
}

namespace {
// A window that has just been shown learns its frame from the window manager only when it
// is first exposed; until then its frame is its client area.
void waitUntilExposed(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (!handle || !window.isVisible() || handle->isExposed())
        return;
    QEventLoop loop;
    QTimer poll;
    const QDeadlineTimer deadline(500);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (handle->isExposed() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(5);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
} // namespace

void Hub::placeKeyboard(QWidget& keyboard)
{
    const bool besideGame = settings_.GameLoaded && game_;
    const QWidget& owner = besideGame ? static_cast<const QWidget&>(*game_) : *main_;
    waitUntilExposed(owner);
    const QRect frame = owner.frameGeometry();
    const int decoration = frame.height() - owner.height(); // the keyboard's frame is alike
    const TwipsBox ownerFrame{pixelsToTwips(frame.x()), pixelsToTwips(frame.y()), pixelsToTwips(frame.width()),
                              pixelsToTwips(frame.height())};
    const auto position = KeyboardPosition(ownerFrame, pixelsToTwips(keyboard.height() + decoration),
                                           screenHeightTwips(), besideGame ? GameOwnerOffset : MainOwnerOffset);
    if (position)
        keyboard.move(twipsToPixels(position->x()), twipsToPixels(position->y()));
}

void Hub::openKeyboard()
{
    loadKeyboard().show();
}

QWidget* Hub::keyboardWindow()
{
    return keyboard_;
}

void Hub::closeKeyboard()
{
    if (keyboard_)
        keyboard_->close();
}

void Hub::keyboardClosing()
{
    if (keyboardOnly()) {
        QCoreApplication::exit(0); // at once, leaving the settings file as it was
        return;
    }
    // Forgotten first: unticking the box asks to close it again, which must do nothing.
    keyboard_ = nullptr;
    if (settings_.GameLoaded && game_)
        game_->setShowLayoutChecked(false);
    else
        main_->setShowLayoutChecked(false);
}

} // namespace clavora
