// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "ButtonKeys.h"
#include "FormWriting.h"
#include "Geometry.h"
#include "WrapButton.h"
#include "common/FileNames.h"
#include "exercises/ExerciseControl.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

namespace clavora {

MainWindow::MainWindow()
{
    setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    label1_ = makeAt<QLabel>(this, QStringLiteral("Exercise type:"), -60, 300, 1275, 255);
    label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    presetExercises_ = makeAt<QRadioButton>(this, QStringLiteral("&Preset - exercise:"), 1320, 300, 1575, 255);
    presetExercises_->setChecked(true);
    // The caption is a little wider than the classic box; tighter spacing keeps it whole.
    presetExercises_->setStyleSheet(QStringLiteral("QRadioButton { spacing: 1px; }"));
    exNumBox_ = makeAt<QLineEdit>(this, QStringLiteral("1"), 2880, 270, 375, 285);
    exNumBox_->setAlignment(Qt::AlignCenter);
    exNumBox_->setAccessibleName(QStringLiteral("Exercise number"));
    randomExercises_ = makeAt<QRadioButton>(this, QStringLiteral("&Random"), 3360, 300, 1035, 255);
    startButton_ = makeAt<WrapButton>(this, QStringLiteral("&Start Exercises"), 4560, 180, 975, 435);
    stopButton_ = makeAt<WrapButton>(this, QStringLiteral("S&top Exercises"), 5640, 180, 975, 435);
    stopButton_->setEnabled(false);
    gameButton_ = makeAt<WrapButton>(this, QStringLiteral("&Game"), 6720, 180, 975, 435);
    settingsButton_ = makeAt<WrapButton>(this, QStringLiteral("S&ettings"), 7800, 180, 975, 435);
    helpButton_ = makeAt<WrapButton>(this, QStringLiteral("&Help"), 8940, 180, 975, 435);
    typeThis_ = makeAt<QLineEdit>(this, SampleText, 180, 780, 9735, 495);
    typeThis_->setReadOnly(true);
    typeThis_->setFocusPolicy(Qt::ClickFocus);
    typeThis_->setFont(fixedFont(18));
    exerciseBox_ = makeAt<QLineEdit>(this, SampleText, 180, 1380, 9735, 495);
    exerciseBox_->setFont(fixedFont(18));
    exerciseBox_->setEnabled(false);
    exerciseBox_->setAccessibleName(QStringLiteral("Typing line"));
    typeThis_->setAccessibleName(QStringLiteral("Exercise"));
    timeLabel_ = makeAt<QLabel>(this, QStringLiteral("Time elapsed:"), 3180, 2100, 1635, 255);
    timeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeLabel_->setEnabled(false);
    timeBox_ = makeAt<QLineEdit>(this, QString(), 4920, 2040, 615, 285);
    timeBox_->setAlignment(Qt::AlignCenter);
    timeBox_->setReadOnly(true);
    timeBox_->setEnabled(false);
    timeBox_->setFocusPolicy(Qt::ClickFocus);
    timeBox_->setAccessibleName(QStringLiteral("Time elapsed in seconds"));
    secondsLabel_ = makeAt<QLabel>(this, QStringLiteral("seconds"), 5640, 2100, 675, 255);
    secondsLabel_->setEnabled(false);
    log_ = new QPlainTextEdit(this);
    placeTwips(log_, 180, 2520, 9735, 2055);
    log_->setReadOnly(true);
    log_->setFocusPolicy(Qt::ClickFocus);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log_->setAccessibleName(QStringLiteral("Log"));
    showLayout_ = makeAt<QCheckBox>(this, QStringLiteral("Show keyboard layout"), 180, 4620, 2400, 315);
    saveLogButton_ = makeAt<QPushButton>(this, QStringLiteral("Sa&ve Log"), 8820, 4620, 1095, 315);
    for (QPushButton* b : {startButton_, stopButton_, gameButton_, settingsButton_, helpButton_, saveLogButton_})
        b->setAutoDefault(false);

    QWidget* order[] = {presetExercises_, randomExercises_, exNumBox_, startButton_, stopButton_, gameButton_,
                        settingsButton_, helpButton_, exerciseBox_, showLayout_, saveLogButton_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    exTimer_ = new QTimer(this);
    exTimer_->setInterval(100);
    exTimer_->setTimerType(Qt::PreciseTimer);
    exNumBox_->installEventFilter(this);
    exerciseBox_->installEventFilter(this);
    new ButtonKeys(*this);
}

template <typename F>
void MainWindow::forward(F&& f)
{
    f(*control_);
    apply();
}

void MainWindow::bind(ExerciseControl& control)
{
    control_ = &control;
    connect(startButton_, &QPushButton::clicked, this, [this] { forward([](auto& c) { c.StartExercises(); }); });
    connect(stopButton_, &QPushButton::clicked, this, [this] { forward([](auto& c) { c.StopExercises(); }); });
    auto* escape = new QShortcut(Qt::Key_Escape, this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (stopButton_->isEnabled())
            stopButton_->click();
    });
    connect(exTimer_, &QTimer::timeout, this, [this] { forward([](auto& c) { c.tick(); }); });
    connect(exerciseBox_, &QLineEdit::textChanged, this,
            [this](const QString& t) { forward([&](auto& c) { c.typingLineChanged(t); }); });
    connect(exerciseBox_, &QLineEdit::returnPressed, this, [this] { forward([](auto& c) { c.enterPressed(); }); });
    connect(exNumBox_, &QLineEdit::textChanged, this,
            [this](const QString& t) { forward([&](auto& c) { c.numberChanged(t); }); });
    connect(presetExercises_, &QRadioButton::clicked, this, [this] { forward([](auto& c) { c.presetClicked(); }); });
    connect(randomExercises_, &QRadioButton::clicked, this, [this] { forward([](auto& c) { c.randomClicked(); }); });
    connect(saveLogButton_, &QPushButton::clicked, this, [this] { forward([](auto& c) { c.saveLogClicked(); }); });
    connect(gameButton_, &QPushButton::clicked, this, &MainWindow::gameClicked);
    connect(settingsButton_, &QPushButton::clicked, this, &MainWindow::settingsClicked);
    connect(helpButton_, &QPushButton::clicked, this, &MainWindow::helpClicked);
    connect(showLayout_, &QCheckBox::toggled, this, &MainWindow::showLayoutClicked);
    apply();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Selecting text copies it to the selection that a middle click pastes: the exercise
    // must not come back into the typing line that way either.
    if (watched == exerciseBox_ && control_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
        control_->guards(QGuiApplication::clipboard()->text(QClipboard::Selection)))
        return true;
    if (watched == exNumBox_ && event->type() == QEvent::FocusOut && control_) {
        forward([](auto& c) { c.numberFocusLost(); });
        showStartOnLeaving(exNumBox_, event);
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::apply()
{
    const MainForm& f = control_->form();
    if (windowTitle() != f.caption)
        setWindowTitle(f.caption);
    setTextIfDifferent(exNumBox_, f.exNumText);
    exNumBox_->setReadOnly(f.exNumReadOnly);
    {
        const QSignalBlocker a(presetExercises_), b(randomExercises_);
        presetExercises_->setChecked(f.presetSelected);
        randomExercises_->setChecked(!f.presetSelected);
    }
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
    if (f.timerEnabled != exTimer_->isActive())
        f.timerEnabled ? exTimer_->start() : exTimer_->stop();
    const Focus focus = std::exchange(pendingFocus_, Focus::None);
    if (focus == Focus::TypingLine)
        exerciseBox_->setFocus();
    else if (focus == Focus::Number) {
        exNumBox_->setFocus();
        exNumBox_->selectAll();
    }
}

void MainWindow::applyColours(Rgb window, Rgb text)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(window));
    setPalette(p);
    setAutoFillBackground(true);
    for (QWidget* w : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(timeLabel_),
                       static_cast<QWidget*>(secondsLabel_)})
        paintControl(w, text);
    for (QWidget* w : {static_cast<QWidget*>(presetExercises_), static_cast<QWidget*>(randomExercises_),
                       static_cast<QWidget*>(showLayout_)})
        paintControl(w, text, &window);
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

namespace {
// Takes a name only in a folder that exists and can be written; otherwise it says why and
// stays open where the user was.
class SaveFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        const QFileInfo file(files.value(0));
        // A folder's name opens that folder, which the dialog itself sees to.
        if (!files.isEmpty() && !file.isDir()) {
            const QString problem = folderProblemForSaving(file.absolutePath());
            if (!problem.isEmpty()) {
                QMessageBox box(QMessageBox::Warning, windowTitle(), problem, QMessageBox::Ok, this);
                box.exec();
                return;
            }
        }
        QFileDialog::accept();
    }
};
} // namespace

std::optional<QString> MainWindow::askSaveFileName(const QString& proposed, const QStringList& filters,
                                                   const QString& title)
{
    SaveFileDialog dialog(this, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void MainWindow::closeMain()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closing();
}

} // namespace clavora
