// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "ButtonKeys.h"
#include "CachedPanelStyle.h"
#include "FormWriting.h"
#include "SaveFileDialog.h"
#include "Geometry.h"
#include "ProgressWindow.h"
#include "WrapButton.h"
#include "common/MarkingColour.h"
#include "settings/AppSettings.h"

#include <QCheckBox>
#include <QAbstractButton>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QTextCharFormat>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>

namespace clavora {

namespace {
// Narrows the button's font until the button needs no more than `width` pixels: the
// program's font is wider than the one its places were laid out for. Each stretch tried costs
// a font of its own, so the stretch is worked out from one measurement: the caption narrows
// with the stretch while the indicator and its spacing stay, and its hinted glyphs, whole
// pixels wide, narrow about two thirds as fast, so the guess aims that much lower. A second
// measurement catches a guess that still falls short.
void narrowToFit(QAbstractButton* button, int width)
{
    constexpr int NarrowestStretch = 75;
    QFont font = button->font();
    int stretch = font.stretch() == QFont::AnyStretch ? QFont::Unstretched : font.stretch();
    for (int needed = button->sizeHint().width(), tries = 0; needed > width && stretch > NarrowestStretch && tries < 2;
         ++tries) {
        const int caption = QFontMetrics(font).size(Qt::TextShowMnemonic, button->text()).width();
        const int excess = needed - width;
        stretch = std::clamp(stretch * (2 * caption - 3 * excess) / (2 * caption), NarrowestStretch, stretch - 1);
        font.setStretch(stretch);
        button->setFont(font);
        needed = button->sizeHint().width();
    }
}
} // namespace

MainWindow::MainWindow(AppSettings& settings, ProgramPaths paths, Clock& clock, Random& random, Clipboard& clipboard,
                       HistoryRecorder& recorder, const HistoryFigures& figures, CoachStrokes& strokes)
    : settings_(settings),
      control_(settings, std::move(paths), clock, random, clipboard, *this, recorder, figures, strokes)
{
    buildControls();
    bindControls();
    apply();
}

void MainWindow::buildControls()
{
    setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    typeLabel_ = makeAt<QLabel>(this, "TypeLabel", tr("Exercise type:"), -60, 300, 1275, 255);
    typeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    presetExercises_ =
        makeAt<QRadioButton>(this, "PresetExercises", tr("&Preset - exercise:"), 1320, 300, 1575, 255);
    presetExercises_->setChecked(true);
    // The caption is a little wider than its 1575 twips with the style's spacing; tighter
    // spacing, and a narrower font where that is not enough, keep it whole.
    presetExercises_->setStyleSheet(QStringLiteral("QRadioButton { spacing: 1px; }"));
    numberBox_ = makeAt<QLineEdit>(this, "ExNumBox", QStringLiteral("1"), 2880, 270, 375, 285);
    narrowToFit(presetExercises_, numberBox_->x() - presetExercises_->x());
    numberBox_->setAlignment(Qt::AlignCenter);
    numberBox_->setAccessibleName(tr("Exercise number"));
    randomExercises_ = makeAt<QRadioButton>(this, "RandomExercises", tr("&Random"), 3360, 300, 1035, 255);
    startButton_ = makeAt<WrapButton>(this, "StartButton", tr("&Start Exercises"), 4560, 180, 975, 435);
    stopButton_ = makeAt<WrapButton>(this, "StopButton", tr("S&top Exercises"), 5640, 180, 975, 435);
    stopButton_->setEnabled(false);
    gameButton_ = makeAt<WrapButton>(this, "GameButton", tr("&Game"), 6720, 180, 975, 435);
    settingsButton_ = makeAt<WrapButton>(this, "SettingsButton", tr("S&ettings"), 7800, 180, 975, 435);
    helpButton_ = makeAt<WrapButton>(this, "HelpButton", tr("&Help"), 8940, 180, 975, 435);
    typeThis_ = makeAt<QLineEdit>(this, "TypeThis", SampleText, 180, 780, 9735, 495);
    typeThis_->setReadOnly(true);
    typeThis_->setFocusPolicy(Qt::ClickFocus);
    typeThis_->setFont(fixedFont(18));
    exerciseBox_ = makeAt<QLineEdit>(this, "ExerciseBox", SampleText, 180, 1380, 9735, 495);
    exerciseBox_->setFont(fixedFont(18));
    // It repaints at every key. Its child, so that the style outlives it.
    auto* panelStyle = new CachedPanelStyle;
    panelStyle->setParent(exerciseBox_);
    exerciseBox_->setStyle(panelStyle);
    exerciseBox_->setEnabled(false);
    exerciseBox_->setAccessibleName(tr("Typing line"));
    typeThis_->setAccessibleName(tr("Exercise"));
    timeLabel_ = makeAt<QLabel>(this, "TimeLabel", tr("Time elapsed:"), 3180, 2100, 1635, 255);
    timeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeLabel_->setEnabled(false);
    timeBox_ = makeAt<QLineEdit>(this, "TimeBox", QString(), 4920, 2040, 615, 285);
    timeBox_->setAlignment(Qt::AlignCenter);
    timeBox_->setReadOnly(true);
    timeBox_->setEnabled(false);
    timeBox_->setFocusPolicy(Qt::ClickFocus);
    timeBox_->setAccessibleName(tr("Time elapsed in seconds"));
    secondsLabel_ = makeAt<QLabel>(this, "SecondsLabel", tr("seconds"), 5640, 2100, 675, 255);
    secondsLabel_->setEnabled(false);
    log_ = makeAt<QPlainTextEdit>(this, "Log", QString(), 180, 2520, 9735, 2055);
    log_->setReadOnly(true);
    log_->setFocusPolicy(Qt::ClickFocus);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log_->setAccessibleName(tr("Log"));
    showLayout_ = makeAt<QCheckBox>(this, "ShowLayout", tr("Show keyboard layout"), 180, 4620, 2400, 315);
    saveLogButton_ = makeAt<QPushButton>(this, "SaveLogButton", tr("Sa&ve Log"), 8820, 4620, 1095, 315);
    // In the free space of the bottom row.
    progressButton_ = makeAt<QPushButton>(this, "ProgressButton", ProgressWindow::buttonCaption(), 7620, 4620, 1095, 315);
    // In the free space of the bottom row, beside "Show keyboard layout".
    coach_ = makeAt<QCheckBox>(this, "CoachBox", tr("Coach me"), 2700, 4620, 1800, 315);
    coach_->setToolTip(tr("New to typing? Tick this and choose Random: the Coach's course starts on the home row "
                          "and adds a letter whenever you have learnt the ones before."));
    speedTargetLabel_ = makeAt<QLabel>(this, "SpeedTargetLabel", tr("Speed target (WPM):"), 4560, 4620, 1800, 315);
    speedTargetLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    speedTarget_ = new QSpinBox(this);
    speedTarget_->setObjectName(QStringLiteral("SpeedTarget"));
    placeTwips(speedTarget_, 6420, 4620, 735, 315);
    speedTarget_->setRange(0, MaximumSpeedTarget);
    speedTarget_->setAccessibleName(tr("Speed target in words per minute"));
    resultStrip_ = makeAt<QLabel>(this, "ResultStrip", QString(), 180, ClientHeightTwips, 9735, ResultStripTwips - 90);
    resultStrip_->setTextFormat(Qt::PlainText);
    // Long results and the longer languages wrap rather than run off the window's edge.
    resultStrip_->setWordWrap(true);
    resultStrip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resultStrip_->hide();
    teacherGoals_ = makeAt<QLabel>(this, "TeacherGoals", QString(), 180, ClientHeightTwips, 9735, TeacherGoalsTwips - 45);
    teacherGoals_->setTextFormat(Qt::PlainText);
    teacherGoals_->hide();
    for (QPushButton* b : {startButton_, stopButton_, gameButton_, settingsButton_, helpButton_, progressButton_, saveLogButton_})
        b->setAutoDefault(false);

    QWidget* order[] = {presetExercises_, randomExercises_, numberBox_, startButton_, stopButton_, gameButton_,
                        settingsButton_, helpButton_, exerciseBox_, showLayout_, coach_, speedTarget_, progressButton_, saveLogButton_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    exerciseTimer_ = new QTimer(this);
    exerciseTimer_->setObjectName(QStringLiteral("ExTimer"));
    exerciseTimer_->setInterval(100);
    exerciseTimer_->setTimerType(Qt::PreciseTimer);
    new ButtonKeys(*this);
}

void MainWindow::bindControls()
{
    connect(startButton_, &QPushButton::clicked, this, forwardTo(this, control_, &ExerciseControl::startExercises));
    connect(stopButton_, &QPushButton::clicked, this, forwardTo(this, control_, &ExerciseControl::stopExercises));
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] {
        if (stopButton_->isEnabled())
            stopButton_->click();
    });
    connect(exerciseTimer_, &QTimer::timeout, this, forwardTo(this, control_, &ExerciseControl::tick));
    connect(exerciseBox_, &QLineEdit::textChanged, this,
            forwardTo(this, control_, &ExerciseControl::typingLineChanged));
    connect(exerciseBox_, &QLineEdit::returnPressed, this, forwardTo(this, control_, &ExerciseControl::enterPressed));
    connect(numberBox_, &QLineEdit::textChanged, this, forwardTo(this, control_, &ExerciseControl::numberChanged));
    connect(presetExercises_, &QRadioButton::clicked, this, forwardTo(this, control_, &ExerciseControl::presetClicked));
    connect(randomExercises_, &QRadioButton::clicked, this, forwardTo(this, control_, &ExerciseControl::randomClicked));
    connect(saveLogButton_, &QPushButton::clicked, this, forwardTo(this, control_, &ExerciseControl::saveLogClicked));
    connect(gameButton_, &QPushButton::clicked, this, [this] { stopAndEmit(&PractiseWindow::switchClicked); });
    connect(settingsButton_, &QPushButton::clicked, this, [this] { stopAndEmit(&PractiseWindow::settingsClicked); });
    connect(helpButton_, &QPushButton::clicked, this, [this] { stopAndEmit(&PractiseWindow::helpClicked); });
    connect(progressButton_, &QPushButton::clicked, this, [this] { stopAndEmit(&PractiseWindow::progressClicked); });
    connect(new QShortcut(ProgressWindow::Shortcut, this), &QShortcut::activated, progressButton_, &QPushButton::click);
    connect(showLayout_, &QCheckBox::toggled, this, [this](bool checked) {
        emit showLayoutClicked(checked);
        if (isVisible())
            activateWindow();
    });
    connect(coach_, &QCheckBox::toggled, this, forwardTo(this, control_, &ExerciseControl::coachToggled));
    connect(speedTarget_, &QSpinBox::valueChanged, this, forwardTo(this, control_, &ExerciseControl::speedTargetChanged));
    numberBox_->installEventFilter(this);
    exerciseBox_->installEventFilter(this);
}

void MainWindow::stopAndEmit(void (PractiseWindow::*signal)())
{
    forwardTo(this, control_, &ExerciseControl::stopExercises)();
    emit(this->*signal)();
}

void MainWindow::load()
{
    forwardTo(this, control_, &ExerciseControl::load)();
    // A saved position that lies off the screen (another monitor, a hand-edited file) is
    // brought back onto it.
    const QRect available = screen()->availableGeometry();
    move(keepOnScreen(twipsToPixels(settings_.windowX), width(), available.x(), available.width()),
         keepOnScreen(twipsToPixels(settings_.windowY), height(), available.y(), available.height()));
}

void MainWindow::classGoalsChanged()
{
    forwardTo(this, control_, &ExerciseControl::showCoachSettings)();
}

void MainWindow::startQuickRun()
{
    forwardTo(this, control_, &ExerciseControl::startQuickRun)();
}

bool MainWindow::startWeakKeyDrill()
{
    const bool started = control_.startWeakKeyDrill();
    apply();
    return started;
}

void MainWindow::colourWindow(Rgb windowColour, Rgb textColour)
{
    control_.colourWindow(windowColour, textColour);
    apply();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Selecting text copies it to the selection that a middle click pastes: the exercise
    // must not come back into the typing line that way either.
    if (watched == exerciseBox_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
        control_.guards(QGuiApplication::clipboard()->text(QClipboard::Selection)))
        return true;
    if (watched == numberBox_ && event->type() == QEvent::FocusOut) {
        forwardTo(this, control_, &ExerciseControl::numberFocusLost)();
        showStartOnLeaving(numberBox_, event);
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::apply()
{
    const MainForm& f = control_.form();
    if (shownColours_ != std::pair(f.windowColour, f.textColour))
        applyColours(f.windowColour, f.textColour);
    if (windowTitle() != f.caption)
        setWindowTitle(f.caption);
    setTextIfDifferent(numberBox_, f.exerciseNumberText);
    numberBox_->setReadOnly(f.exerciseNumberReadOnly);
    setCheckedIfDifferent(presetExercises_, f.presetSelected);
    setCheckedIfDifferent(randomExercises_, !f.presetSelected);
    startButton_->setEnabled(f.startEnabled);
    stopButton_->setEnabled(f.stopEnabled);
    setTextIfDifferent(typeThis_, f.typeThisText);
    typeThis_->setEnabled(f.typeThisEnabled);
    setTextIfDifferent(exerciseBox_, f.exerciseText);
    exerciseBox_->setEnabled(f.exerciseEnabled);
    timeLabel_->setEnabled(f.timeEnabled);
    timeBox_->setEnabled(f.timeEnabled);
    secondsLabel_->setEnabled(f.timeEnabled);
    setTextIfDifferent(timeBox_, f.timeText);
    const QString shownLog = QString(f.logText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (log_->toPlainText() != shownLog) {
        log_->setPlainText(shownLog);
        log_->moveCursor(QTextCursor::End);
        log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
    }
    applyCoach(f);
    if (f.timerEnabled != exerciseTimer_->isActive())
        f.timerEnabled ? exerciseTimer_->start() : exerciseTimer_->stop();
    const Focus focus = std::exchange(pendingFocus_, Focus::None);
    if (focus == Focus::TypingLine)
        exerciseBox_->setFocus();
    else if (focus == Focus::Number) {
        numberBox_->setFocus();
        numberBox_->selectAll();
    }
}

void MainWindow::applyCoach(const MainForm& f)
{
    setCheckedIfDifferent(coach_, f.coachChecked);
    coach_->setEnabled(!f.coachLocked);
    speedTargetLabel_->setVisible(f.coachChecked);
    speedTarget_->setVisible(f.coachChecked);
    if (speedTarget_->value() != f.speedTarget || speedTarget_->minimum() != f.speedTargetMinimum) {
        const QSignalBlocker quiet(speedTarget_);
        speedTarget_->setMinimum(f.speedTargetMinimum);
        speedTarget_->setValue(f.speedTarget);
    }
    const bool goalsShown = f.coachChecked && !f.teacherGoalsText.isEmpty();
    const int goalsTwips = goalsShown ? TeacherGoalsTwips : 0;
    teacherGoals_->setVisible(goalsShown);
    if (teacherGoals_->text() != f.teacherGoalsText)
        teacherGoals_->setText(f.teacherGoalsText);
    placeTwips(resultStrip_, 180, ClientHeightTwips + goalsTwips, 9735, ResultStripTwips - 90);
    const int height = twipsToPixels(ClientHeightTwips + (f.coachChecked ? ResultStripTwips + goalsTwips : 0));
    if (this->height() != height)
        setFixedSize(width(), height);
    resultStrip_->setVisible(f.coachChecked);
    if (resultStrip_->text() != f.resultStripText) {
        resultStrip_->setText(f.resultStripText);
        resultStrip_->setToolTip(f.resultStripText); // whole, where a line of many mistakes runs past the strip
    }
    if (shownWrongCharacters_ != f.wrongCharacters)
        markWrongCharacters(f.wrongCharacters);
    if (shownNextCharacter_ != f.nextCharacter)
        emit nextCharacterChanged(shownNextCharacter_ = f.nextCharacter);
    if (shownKeyReadiness_ != f.keyReadiness)
        emit keyReadinessChanged(shownKeyReadiness_ = f.keyReadiness);
}

void MainWindow::markWrongCharacters(const std::vector<MarkedRange>& wrong)
{
    // A line edit colours single characters only through the formats of an input method's
    // event, whose places count from the cursor; an event without text changes nothing else.
    QTextCharFormat marked;
    const QPalette& line = exerciseBox_->palette();
    marked.setForeground(toQColor(markingColour(fromQColor(line.color(QPalette::Base)),
                                                fromQColor(line.color(QPalette::Text)))));
    QList<QInputMethodEvent::Attribute> formats;
    for (const MarkedRange& range : wrong)
        formats.append({QInputMethodEvent::TextFormat, int(range.start) - exerciseBox_->cursorPosition(),
                        int(range.length), marked});
    QInputMethodEvent event(QString(), formats);
    QCoreApplication::sendEvent(exerciseBox_, &event);
    shownWrongCharacters_ = wrong;
}

void MainWindow::applyColours(Rgb windowColour, Rgb textColour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(windowColour));
    setPalette(p);
    setAutoFillBackground(true);
    for (QLabel* label : {typeLabel_, timeLabel_, secondsLabel_, resultStrip_, teacherGoals_, speedTargetLabel_})
        paintControl(label, textColour);
    for (QAbstractButton* box : {static_cast<QAbstractButton*>(presetExercises_),
                                 static_cast<QAbstractButton*>(randomExercises_), static_cast<QAbstractButton*>(showLayout_), static_cast<QAbstractButton*>(coach_)})
        paintControl(box, textColour, &windowColour);
    shownColours_ = std::pair(windowColour, textColour);
}

bool MainWindow::showLayoutChecked() const
{
    return showLayout_->isChecked();
}

void MainWindow::setShowLayoutChecked(bool checked)
{
    showLayout_->setChecked(checked); // runs the box's handling when the value changes
}

void MainWindow::showMessage(const QString& title, const QString& text)
{
    apply(); // the clock is stopped before the box shows
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::focusTypingLine()
{
    pendingFocus_ = Focus::TypingLine;
}

void MainWindow::focusAndSelectNumber()
{
    pendingFocus_ = Focus::Number;
    apply();
}

std::optional<QString> MainWindow::askSaveFileName(const QString& proposed, const QStringList& filters,
                                                   const QString& title)
{
    return askSaveFileNameWith(this, proposed, filters, title);
}

void MainWindow::quickRunFinished()
{
    emit quickRunEnded();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace clavora
