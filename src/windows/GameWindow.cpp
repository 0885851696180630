// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameWindow.h"

#include "ButtonKeys.h"
#include "FormWriting.h"
#include "Geometry.h"
#include "KeyCapture.h"
#include "PlayArea.h"
#include "ProgressWindow.h"
#include "WrapButton.h"
#include "WrapCheckBox.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>
#include <QTimer>

namespace clavora {

namespace {
QLabel* statusLabel(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h)
{
    auto* label = makeAt<QLabel>(parent, name, text, l, t, w, h);
    label->setFont(fixedFont(9));
    return label;
}
} // namespace

GameWindow::GameWindow(AppSettings& settings, Clock& clock, Random& random, Beep& beep, HistoryRecorder& recorder,
                       const HistoryFigures& figures, CoachStrokes& strokes)
    : PractiseWindow(nullptr, Qt::Window), control_(settings, clock, random, beep, *this, recorder, figures, strokes)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption(GameCaption));
    setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    setAutoFillBackground(true);
    buildControls();
    control_.load();
    bindControls();
    apply();
}

void GameWindow::buildControls()
{
    startLevelLabel_ = makeAt<QLabel>(this, "StartLevelLabel", tr("Start &Level:"), 60, 420, 1095, 255);
    startLevelLabel_->setAlignment(Qt::AlignCenter);
    startLevel_ = makeAt<QLineEdit>(this, "StartLevel", QStringLiteral("1"), 420, 660, 375, 285);
    startLevel_->setAlignment(Qt::AlignCenter);
    startLevel_->setAccessibleName(tr("Start level"));
    startLevelLabel_->setBuddy(startLevel_);
    startButton_ = makeAt<WrapButton>(this, "StartButton", tr("&Start Game"), 120, 1140, 975, 435);
    pauseButton_ = makeAt<WrapButton>(this, "PauseButton", gameText(PauseCaption), 120, 1740, 975, 435);
    pauseButton_->setEnabled(false);
    stopButton_ = makeAt<WrapButton>(this, "StopButton", tr("&End Game"), 120, 2340, 975, 435);
    stopButton_->setEnabled(false);
    gameButton_ = makeAt<WrapButton>(this, "GameButton", tr("E&xercises"), 120, 2940, 975, 435);
    settingsButton_ = makeAt<WrapButton>(this, "SettingsButton", tr("Se&ttings"), 120, 3540, 975, 435);
    helpButton_ = makeAt<WrapButton>(this, "HelpButton", tr("&Help"), 120, 4140, 975, 435);
    for (QPushButton* b : {startButton_, pauseButton_, stopButton_, gameButton_, settingsButton_, helpButton_})
        b->setAutoDefault(false);
    showLayout_ =
        makeAt<WrapCheckBox>(this, "ShowLayout", tr("Show keyboard layout"), 120, 4740, 1035, 585);
    // Below the keyboard box, in the strip the window gains at its bottom; a little further
    // left than the boxes above: "Schwache" needs the room.
    weakKeys_ = makeAt<WrapCheckBox>(this, "WeakKeys", tr("&Weak keys"), 60, 5355, 1125, 480);
    levelLabel_ = statusLabel(this, "LevelLabel", levelText(1), 1320, 120, 1635, 255);
    keyLevelLabel_ = statusLabel(this, "KeyLevelLabel", QString(), 3000, 120, 2175, 255);
    timeLabel_ = statusLabel(this, "TimeLabel", elapsedText(0.0), 5220, 120, 2835, 315);
    scoreLabel_ = statusLabel(this, "ScoreLabel", scoreText(0), 8100, 120, 1635, 255);
    playArea_ = new PlayArea(this);
    playArea_->setObjectName(QStringLiteral("Frame"));
    playArea_->setAccessibleName(tr("Play area"));
    placeTwips(playArea_, 1200, 360, PlayArea::WidthTwips, PlayArea::HeightTwips);
    advanceLabel_ = statusLabel(this, "AdvanceLabel", gameText(StartNotice), 1200, 5160, 8475, 315);
    advanceLabel_->setAlignment(Qt::AlignCenter);
    // Below the client area: it holds the focus during play but is never seen.
    keyCapture_ = new KeyCapture(this);
    keyCapture_->setObjectName(QStringLiteral("KeyCapture"));
    placeTwips(keyCapture_, 4800, 7200, 255, 285);
    // At the top of the column, above the start level: every other place in it is taken.
    progressButton_ = makeAt<QPushButton>(this, "ProgressButton", ProgressWindow::buttonCaption(), 120, 60, 975, 315);
    progressButton_->setAutoDefault(false);

    // The key capture last: Tab from it wraps round to the start-level box.
    QWidget* order[] = {startLevel_, startButton_, pauseButton_, stopButton_, gameButton_, settingsButton_,
                        helpButton_, showLayout_, weakKeys_, progressButton_, keyCapture_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    gameTimer_ = new QTimer(this);
    gameTimer_->setObjectName(QStringLiteral("GameTimer"));
    gameTimer_->setInterval(25);
    gameTimer_->setTimerType(Qt::PreciseTimer);
}

void GameWindow::bindControls()
{
    connect(startButton_, &QPushButton::clicked, this, forwardTo(this, control_, &GameControl::startGame));
    connect(pauseButton_, &QPushButton::clicked, this, forwardTo(this, control_, &GameControl::pauseClicked));
    // Esc clicks Pause, as a dialog's cancel button.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, pauseButton_, &QPushButton::click);
    connect(stopButton_, &QPushButton::clicked, this, forwardTo(this, control_, &GameControl::endGame));
    connect(gameButton_, &QPushButton::clicked, this, [this] { leaveAndEmit(&PractiseWindow::switchClicked); });
    connect(settingsButton_, &QPushButton::clicked, this, [this] { leaveAndEmit(&PractiseWindow::settingsClicked); });
    connect(helpButton_, &QPushButton::clicked, this, [this] {
        forwardTo(this, control_, &GameControl::helpClicked)();
        emit helpClicked();
    });
    connect(showLayout_, &QCheckBox::toggled, this, [this](bool checked) {
        emit showLayoutClicked(checked);
        if (isVisible())
            activateWindow();
        forwardTo(this, control_, &GameControl::showLayoutClicked)();
    });
    connect(weakKeys_, &QCheckBox::toggled, this, forwardTo(this, control_, &GameControl::weakKeysClicked));
    connect(progressButton_, &QPushButton::clicked, this, [this] {
        forwardTo(this, control_, &GameControl::progressClicked)();
        emit progressClicked();
    });
    connect(new QShortcut(ProgressWindow::Shortcut, this), &QShortcut::activated, progressButton_, &QPushButton::click);
    connect(playArea_, &PlayArea::clicked, this, forwardTo(this, control_, &GameControl::playAreaClicked));
    connect(keyCapture_, &KeyCapture::typed, this, forwardTo(this, control_, &GameControl::keyPressed));
    connect(gameTimer_, &QTimer::timeout, this, forwardTo(this, control_, &GameControl::tick));
    connect(startLevel_, &QLineEdit::textChanged, this, forwardTo(this, control_, &GameControl::startLevelChanged));
    startLevel_->installEventFilter(this);
    new ButtonKeys(*this);
}

void GameWindow::leaveAndEmit(void (PractiseWindow::*signal)())
{
    forwardTo(this, control_, &GameControl::leaving)();
    emit(this->*signal)();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == startLevel_ && event->type() == QEvent::FocusIn)
        forwardTo(this, control_, &GameControl::startLevelFocused)();
    else if (watched == startLevel_ && event->type() == QEvent::FocusOut) {
        forwardTo(this, control_, &GameControl::startLevelFocusLost)();
        showStartOnLeaving(startLevel_, event);
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::apply()
{
    const GameForm& f = control_.form();
    if (shownColours_ != std::pair(f.windowColour, f.textColour))
        applyColours(f.windowColour, f.textColour);
    setTextIfDifferent(startLevel_, f.startLevelText);
    startLevel_->setReadOnly(f.startLevelReadOnly);
    startButton_->setEnabled(f.startEnabled);
    setCheckedIfDifferent(weakKeys_, f.weakKeysChecked);
    weakKeys_->setEnabled(f.weakKeysEnabled);
    pauseButton_->setEnabled(f.pauseEnabled);
    setTextIfDifferent(pauseButton_, f.pauseCaption);
    stopButton_->setEnabled(f.stopEnabled);
    levelLabel_->setText(f.levelText); // a label ignores the same text
    keyLevelLabel_->setText(f.keyLevelText);
    timeLabel_->setText(f.timeText);
    scoreLabel_->setText(f.scoreText);
    advanceLabel_->setText(f.noticeText);
    if (shownNoticeColour_ != f.noticeColour) {
        paintControl(advanceLabel_, f.noticeColour);
        shownNoticeColour_ = f.noticeColour;
    }
    QLabel* gameOver = playArea_->gameOverLabel();
    if (shownGameOverColour_ != f.gameOverColour) {
        paintControl(gameOver, f.gameOverColour);
        shownGameOverColour_ = f.gameOverColour;
    }
    gameOver->setVisible(f.gameOverVisible);
    playArea_->sync(control_.state().letterSlots);
    if (f.timerEnabled != gameTimer_->isActive())
        f.timerEnabled ? gameTimer_->start() : gameTimer_->stop();
    // Last: moving the focus runs the start-level box's focus handling, which applies again.
    const Focus focus = std::exchange(pendingFocus_, Focus::None);
    if (focus == Focus::KeyCapture)
        keyCapture_->setFocus();
    else if (focus == Focus::StartButton)
        startButton_->setFocus();
}

void GameWindow::applyColours(Rgb windowColour, Rgb textColour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(windowColour));
    setPalette(p);
    for (QLabel* label : {startLevelLabel_, levelLabel_, keyLevelLabel_, timeLabel_, scoreLabel_})
        paintControl(label, textColour);
    playArea_->setBackground(windowColour);
    paintControl(showLayout_, textColour, &windowColour);
    paintControl(weakKeys_, textColour, &windowColour);
    shownColours_ = std::pair(windowColour, textColour);
}

void GameWindow::colourWindow(Rgb windowColour, Rgb textColour)
{
    control_.colourWindow(windowColour, textColour);
    apply();
}

bool GameWindow::showLayoutChecked() const
{
    return showLayout_->isChecked();
}

void GameWindow::setShowLayoutChecked(bool checked)
{
    showLayout_->setChecked(checked); // runs the box's handling when the value changes
}

void GameWindow::focusKeyCapture()
{
    pendingFocus_ = Focus::KeyCapture;
}

void GameWindow::focusStartButton()
{
    pendingFocus_ = Focus::StartButton;
}

void GameWindow::finishGame()
{
    gameTimer_->stop();
    control_.unload();
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    finishGame();
    event->accept();
    emit closed();
}

} // namespace clavora
