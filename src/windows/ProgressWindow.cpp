// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressWindow.h"
#include "CalendarWidget.h"
#include "ChartWidget.h"
#include "ClassDialog.h"
#include "ClassGoalsDialog.h"
#include "Geometry.h"
#include "HeatMapWidget.h"
#include "FormWriting.h"
#include "ReportPdf.h"
#include "SaveFileDialog.h"
#include "common/Captions.h"
#include "keyboard/HeatMap.h"
#include "progress/ClassTableModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

namespace clavora {
namespace {

// Room kept for the window manager's frame and title bar when the window is sized to the screen.
constexpr int FrameAllowance = 32;

const std::pair<const char*, HistoryPeriod> Periods[] = {
    {QT_TRANSLATE_NOOP("clavora::ProgressWindow", "7 days"), HistoryPeriod::Week},
    {QT_TRANSLATE_NOOP("clavora::ProgressWindow", "30 days"), HistoryPeriod::Month},
    {QT_TRANSLATE_NOOP("clavora::ProgressWindow", "A year"), HistoryPeriod::Year},
    {QT_TRANSLATE_NOOP("clavora::ProgressWindow", "Everything"), HistoryPeriod::Everything}};

// A table cell that sorts by its number; an absent figure, or one that is not a number (a
// server's row may hold one), is an empty cell that sorts first.
QTableWidgetItem* numberItem(std::optional<double> value, int decimals = 0)
{
    auto* item = new QTableWidgetItem;
    if (value && std::isfinite(*value))
        item->setData(Qt::DisplayRole, decimals == 0 ? QVariant(qRound64(*value)) : QVariant(std::round(*value * 10) / 10));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* textItem(const QString& text)
{
    return new QTableWidgetItem(text);
}

template <typename Table>
Table* newTable(Table* table, const QString& name)
{
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

QTableWidget* newTable(const QStringList& headings, const QString& name)
{
    auto* table = newTable(new QTableWidget(0, int(headings.size())), name);
    table->setHorizontalHeaderLabels(headings);
    return table;
}

// Wide enough for all of its columns, which it would otherwise cut at the window's first size.
void widenToColumns(QTableWidget* table)
{
    table->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    table->setMinimumWidth(table->horizontalHeader()->length() + table->verticalScrollBar()->sizeHint().width()
                           + 2 * table->frameWidth());
}

// A page that scrolls when the window is smaller than it, and asks for its whole size, where a
// scroll area would ask for a fixed few lines.
class ScrollingPage final : public QScrollArea {
public:
    explicit ScrollingPage(QWidget* page)
    {
        setWidget(page);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
    }
    QSize sizeHint() const override { return widget()->sizeHint(); }
};

// The line of one figure of the days.
ChartLine chartLine(const QString& name, QColor colour, Qt::PenStyle style, const std::vector<DayFigures>& days,
                    double (*value)(const DayFigures&))
{
    ChartLine line{name, colour, style, {}};
    line.values.reserve(days.size());
    for (const DayFigures& day : days)
        line.values.push_back(value(day));
    return line;
}

} // namespace

ProgressWindow::ProgressWindow(HistoryRecorder& history, const HistoryFigures& figures, bool recording,
                               QString exportFolder, KeyCapTable layout, QWidget* parent)
    : QWidget(parent), control_(history, figures, *this, recording), classPage_(*this),
      exportFolder_(std::move(exportFolder)),
      layout_(std::move(layout))
{
    setWindowTitle(caption(ProgressCaption));
    auto* grid = new QGridLayout(this);

    periodBox_ = new QComboBox;
    periodBox_->setObjectName(QStringLiteral("PeriodBox"));
    for (const auto& [caption, period] : Periods)
        periodBox_->addItem(tr(caption), int(period));
    auto* periodLabel = new QLabel(tr("&Show:"));
    periodLabel->setBuddy(periodBox_);
    problemLabel_ = new QLabel;
    problemLabel_->setObjectName(QStringLiteral("ProblemLabel"));
    problemLabel_->setWordWrap(true);
    streakLabel_ = new QLabel;
    streakLabel_->setObjectName(QStringLiteral("StreakLabel"));

    speedChart_ = new ChartWidget(tr("Speed per day (words per minute)"));
    speedChart_->setObjectName(QStringLiteral("SpeedChart"));
    accuracyChart_ = new ChartWidget(tr("Accuracy per day (%)"));
    accuracyChart_->setObjectName(QStringLiteral("AccuracyChart"));

    keyTable_ = newTable({tr("Key"), tr("Strokes"), tr("Error rate %"),
                          tr("Median interval ms"), tr("Struck instead")},
                         QStringLiteral("KeyTable"));
    confusionList_ = new QListWidget;
    confusionList_->setObjectName(QStringLiteral("ConfusionList"));
    gameTable_ = newTable({tr("Played"), tr("Score"), tr("Start level"),
                           tr("Level reached")},
                          QStringLiteral("GameTable"));
    heatMap_ = new HeatMapWidget;
    heatMap_->setObjectName(QStringLiteral("HeatMap"));
    heatMap_->setAccessibleName(tr("Error rate of each key"));
    calendar_ = new CalendarWidget;
    calendar_->setObjectName(QStringLiteral("Calendar"));
    calendar_->setAccessibleName(tr("Minutes typed per day"));

    recordCheck_ = new QCheckBox(tr("&Record my progress"));
    recordCheck_->setObjectName(QStringLiteral("RecordCheck"));
    weakKeysButton_ = new QPushButton(tr("Practise my &weak keys"));
    weakKeysButton_->setObjectName(QStringLiteral("WeakKeysButton"));
    forgetButton_ = new QPushButton(tr("&Forget my history…"));
    forgetButton_->setObjectName(QStringLiteral("ForgetButton"));
    exportButton_ = new QPushButton(tr("&Export…"));
    exportButton_->setObjectName(QStringLiteral("ExportButton"));
    auto* closeButton = new QPushButton(tr("&Close"));
    closeButton->setObjectName(QStringLiteral("CloseButton"));
    // Every letter of its caption is another control's access key.
    classButton_ = new QPushButton(tr("Class…"));
    classButton_->setObjectName(QStringLiteral("ClassButton"));
    classReachLabel_ = new QLabel;
    classReachLabel_->setObjectName(QStringLiteral("ClassReachLabel"));
    classReachLabel_->setWordWrap(true);
    classReachLabel_->setTextFormat(Qt::PlainText); // the server's words, never markup
    classTab_ = newClassPage();
    classTab_->setParent(this); // the tab widget takes it only for a teacher
    classTab_->hide();

    // Three pages: the window would not fit a screen with everything side by side.
    auto* charts = new QWidget;
    auto* chartsLayout = new QHBoxLayout(charts);
    chartsLayout->addWidget(speedChart_);
    chartsLayout->addWidget(accuracyChart_);

    auto* keys = new QWidget;
    auto* keysLayout = new QGridLayout(keys);
    keysLayout->addWidget(heatMap_, 0, 0, 1, 2, Qt::AlignHCenter);
    keysLayout->addWidget(new QLabel(tr("Keys")), 1, 0);
    keysLayout->addWidget(new QLabel(tr("Most frequent mistakes")), 1, 1);
    keysLayout->addWidget(keyTable_, 2, 0);
    keysLayout->addWidget(confusionList_, 2, 1);

    auto* days = new QWidget;
    auto* daysLayout = new QVBoxLayout(days);
    daysLayout->addWidget(new QLabel(tr("Minutes typed per day over the last 52 weeks")));
    daysLayout->addWidget(calendar_, 0, Qt::AlignLeft);
    daysLayout->addWidget(new QLabel(tr("Best games")));
    daysLayout->addWidget(gameTable_);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("ProgressTabs"));
    tabs_->setDocumentMode(true); // no frame of its own: the pages take the window colour
    tabs_->addTab(new ScrollingPage(charts), tr("Speed and &accuracy"));
    tabs_->addTab(new ScrollingPage(keys), tr("&Keys"));
    tabs_->addTab(new ScrollingPage(days), tr("Ca&lendar and games"));

    auto* top = new QHBoxLayout;
    top->addWidget(periodLabel);
    top->addWidget(periodBox_);
    top->addStretch();
    top->addWidget(streakLabel_);
    grid->addLayout(top, 0, 0);
    auto* notes = new QVBoxLayout;
    notes->addWidget(problemLabel_);
    notes->addWidget(classReachLabel_);
    grid->addLayout(notes, 1, 0);
    grid->addWidget(tabs_, 2, 0);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(recordCheck_);
    bottom->addStretch();
    bottom->addWidget(classButton_);
    bottom->addWidget(weakKeysButton_);
    bottom->addWidget(forgetButton_);
    bottom->addWidget(exportButton_);
    bottom->addWidget(closeButton);
    grid->addLayout(bottom, 3, 0);

    connect(periodBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        forwardTo(this, control_, &ProgressControl::periodChosen)(HistoryPeriod(periodBox_->itemData(index).toInt()));
    });
    connect(recordCheck_, &QCheckBox::toggled, this, [this](bool checked) {
        forwardTo(this, control_, &ProgressControl::recordToggled)(checked);
        emit recordingChanged(checked);
    });
    connect(weakKeysButton_, &QPushButton::clicked, this, &ProgressWindow::weakKeyDrillRequested);
    connect(forgetButton_, &QPushButton::clicked, this, forwardTo(this, control_, &ProgressControl::forgetClicked));
    connect(exportButton_, &QPushButton::clicked, this,
            [this] { forwardTo(this, control_, &ProgressControl::exportClicked)(exportFolder_); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(classButton_, &QPushButton::clicked, this, &ProgressWindow::chooseClassServer);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    startAsNew();
}

void ProgressWindow::reopen(bool recording, KeyCapTable layout)
{
    layout_ = std::move(layout);
    control_.open(recording);
    startAsNew();
}

void ProgressWindow::startAsNew()
{
    tabs_->setCurrentIndex(0);
    // A header starts out descending: the keys open in their order, a first.
    keyTable_->sortByColumn(0, Qt::AscendingOrder);
    gameTable_->sortByColumn(1, Qt::DescendingOrder); // the best game first
    apply();
    // No larger than the screen, less room for the window's frame (the pages scroll), and
    // in its middle, so that a window as large as the screen is all on it.
    const QRect available = screen()->availableGeometry();
    resize(sizeHint().boundedTo(available.size() - QSize(FrameAllowance, 2 * FrameAllowance)));
    move(available.center() - QPoint(width() / 2, (height() + FrameAllowance) / 2));
}

void ProgressWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Closed, not minimised: the picture of the window (megabytes, shared with the X server)
    // and its native window are let go until it shows again. After the hiding, not in it.
    QMetaObject::invokeMethod(this, [this] {
        if (!isVisible())
            destroy();
    }, Qt::QueuedConnection);
}

QWidget* ProgressWindow::newClassPage()
{
    classStatusLabel_ = new QLabel;
    classStatusLabel_->setObjectName(QStringLiteral("ClassStatusLabel"));
    classStatusLabel_->setWordWrap(true);
    classStatusLabel_->setTextFormat(Qt::PlainText); // learners' names as the server has them
    // A line per class; scrolling beyond a few, so that the table keeps its room.
    classGoalsText_ = new QPlainTextEdit;
    classGoalsText_->setObjectName(QStringLiteral("ClassGoalsText"));
    classGoalsText_->setReadOnly(true);
    classGoalsText_->setFrameShape(QFrame::NoFrame);
    classGoalsText_->setAccessibleName(tr("The classes' goals"));
    classGoalsText_->viewport()->setAutoFillBackground(false); // on the window's colour, as a label
    classModel_ = new ClassTableModel(this);
    classTable_ = newTable(new QTableView, QStringLiteral("ClassTable"));
    classTable_->setModel(classModel_);
    classTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Columns as wide as their first rows: measuring every cell of a large class would cost
    // more than the server's answer.
    classTable_->horizontalHeader()->setResizeContentsPrecision(40);
    classTable_->setToolTip(tr("This week is the last seven days; a trend compares it with the four weeks before. "
                               "Double-click a learner to see their progress."));
    classTable_->setSortingEnabled(true);
    classTable_->sortByColumn(ClassTableModel::Learner, Qt::AscendingOrder);
    classExportButton_ = new QPushButton(tr("Ex&port class…"));
    classExportButton_->setObjectName(QStringLiteral("ClassExportButton"));
    connect(classExportButton_, &QPushButton::clicked, this,
            [this] { forwardTo(this, classPage_, &ClassPage::exportClicked)(exportFolder_); });
    classGoalsButton_ = new QPushButton(tr("Class &goals…"));
    classGoalsButton_->setObjectName(QStringLiteral("ClassGoalsButton"));
    connect(classGoalsButton_, &QPushButton::clicked, this, &ProgressWindow::setClassGoals);
    classReportButton_ = new QPushButton(tr("Report as P&DF…"));
    classReportButton_->setObjectName(QStringLiteral("ClassReportButton"));
    classReportButton_->setToolTip(tr("A page for each class and for each of its learners, to print and hand out"));
    connect(classReportButton_, &QPushButton::clicked, this, [this] {
        forwardTo(this, classPage_, &ClassPage::reportClicked)(exportFolder_, QDate::currentDate());
    });
    connect(classTable_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        // Taken first: showing the choice may fill the table anew.
        const LearnerFigures learner = classModel_->learner(index.row());
        const QString name = ClassTableModel::cellText(learner, ClassTableModel::Learner);
        forwardTo(this, classPage_, &ClassPage::learnerChosen)(name);
        emit learnerChosen(learner.login, name);
    });
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(classStatusLabel_);
    layout->addWidget(classGoalsText_);
    layout->addWidget(classTable_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(classGoalsButton_);
    buttons->addStretch();
    buttons->addWidget(classReportButton_);
    buttons->addWidget(classExportButton_);
    layout->addLayout(buttons);
    return page;
}

void ProgressWindow::chooseClassServer()
{
    ClassDialog dialog(classServer_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.server() == classServer_)
        return;
    setClassServer(dialog.server());
    emit classServerChosen(classServer_);
}

void ProgressWindow::setClassGoals()
{
    ClassGoalsDialog dialog(classPage_.form().classes, this);
    if (dialog.exec() != QDialog::Accepted || !goalsWriter_)
        return;
    const QString className = dialog.className();
    forwardTo(this, classPage_, &ClassPage::goalsSent)(className);
    // The writer outlives the window, which may be gone when the answer comes.
    goalsWriter_->write(classServer_, className, dialog.goals(),
                        [window = QPointer(this), className](const QString& problem) {
                            if (!window)
                                return;
                            forwardTo(window.data(), window->classPage_, &ClassPage::goalsWritten)(className, problem);
                            if (problem.isEmpty())
                                window->loadClass(); // the page shows who meets the new goals
                        });
}

void ProgressWindow::setClassServer(const QString& server)
{
    classServer_ = server;
    forwardTo(this, classPage_, &ClassPage::serverChosen)(server);
    loadClass();
}

void ProgressWindow::loadClass()
{
    if (!rosterSource_ || classServer_.isEmpty())
        return;
    // The source outlives the window, which may be gone when the answer comes.
    rosterSource_->load(classServer_, QDate::currentDate(), [window = QPointer(this)](const ClassRoster& roster) {
        if (window)
            forwardTo(window.data(), window->classPage_, &ClassPage::answered)(roster);
    });
}

void ProgressWindow::showClassReach(const std::optional<ClassReach>& reach, const QDateTime& now)
{
    forwardTo(this, control_, &ProgressControl::classReached)(reach, now);
}

void ProgressWindow::learnerOpened(const QString& name, const QString& problem)
{
    forwardTo(this, classPage_, &ClassPage::learnerOpened)(name, problem);
}

void ProgressWindow::showLearner(const QString& name)
{
    setWindowTitle(tr("Progress of %1").arg(name));
    for (QWidget* control : std::initializer_list<QWidget*>{recordCheck_, weakKeysButton_, forgetButton_, classButton_})
        control->hide();
}

void ProgressWindow::colourWindow(Rgb windowColour, Rgb textColour)
{
    forwardTo(this, control_, &ProgressControl::colourWindow)(windowColour, textColour);
}

void ProgressWindow::refresh()
{
    forwardTo(this, control_, &ProgressControl::refresh)();
    loadClass();
}

void ProgressWindow::applyColours(Rgb windowColour, Rgb textColour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(windowColour));
    p.setColor(QPalette::WindowText, toQColor(textColour));
    setPalette(p);
    setAutoFillBackground(true);
    // The classes' goals stand on the window's colour, as a label's text would.
    QPalette goals = classGoalsText_->palette();
    goals.setColor(QPalette::Text, toQColor(textColour));
    classGoalsText_->setPalette(goals);
    shownColours_ = std::pair(windowColour, textColour);
}

void ProgressWindow::apply()
{
    const ProgressForm& form = control_.form();
    if (shownColours_ != std::pair(form.windowColour, form.textColour))
        applyColours(form.windowColour, form.textColour);
    {
        const QSignalBlocker block(periodBox_);
        periodBox_->setCurrentIndex(periodBox_->findData(int(form.period)));
    }
    setCheckedIfDifferent(recordCheck_, form.recordChecked);
    problemLabel_->setText(form.problem);
    problemLabel_->setVisible(!form.problem.isEmpty());
    classReachLabel_->setText(form.classReach);
    classReachLabel_->setVisible(!form.classReach.isEmpty());
    forgetButton_->setEnabled(form.historyAvailable);
    exportButton_->setEnabled(form.historyAvailable);
    applyCharts();
    applyKeys();
    confusionList_->clear();
    confusionList_->addItems(form.confusions);
    applyGames();
    applyActivity();
    applyClass();
}

void ProgressWindow::applyCharts()
{
    const auto& days = control_.form().days;
    std::vector<QDate> dates;
    dates.reserve(days.size());
    for (const DayFigures& day : days)
        dates.push_back(day.day);
    // The best of a figure dashed, in its median's colour.
    const QColor speed(32, 110, 200), correctSpeed(40, 150, 60), accuracy(220, 110, 20);
    speedChart_->setLines(
        dates, {chartLine(tr("Median WPM"), speed, Qt::SolidLine, days, [](const DayFigures& d) { return d.medianSpeed; }),
                chartLine(tr("Best WPM"), speed, Qt::DashLine, days, [](const DayFigures& d) { return double(d.bestSpeed); }),
                chartLine(tr("Median correct WPM"), correctSpeed, Qt::SolidLine, days,
                          [](const DayFigures& d) { return d.medianCorrectSpeed; }),
                chartLine(tr("Best correct WPM"), correctSpeed, Qt::DashLine, days,
                          [](const DayFigures& d) { return double(d.bestCorrectSpeed); })});
    accuracyChart_->setLines(
        dates,
        {chartLine(tr("Median accuracy"), accuracy, Qt::SolidLine, days, [](const DayFigures& d) { return d.medianAccuracy; }),
         chartLine(tr("Best accuracy"), accuracy, Qt::DashLine, days, [](const DayFigures& d) { return double(d.bestAccuracy); })},
        100);
}

void ProgressWindow::applyKeys()
{
    const auto& keys = control_.form().keys;
    keyTable_->setSortingEnabled(false);
    keyTable_->setRowCount(int(keys.size()));
    for (int row = 0; row < int(keys.size()); ++row) {
        const KeyFigures& key = keys[std::size_t(row)];
        keyTable_->setItem(row, 0, textItem(ProgressControl::keyName(key.key)));
        keyTable_->setItem(row, 1, numberItem(key.strokes));
        keyTable_->setItem(row, 2, numberItem(key.errorRate ? std::optional(100 * *key.errorRate) : std::nullopt, 1));
        keyTable_->setItem(row, 3, numberItem(key.medianIntervalMilliseconds));
        keyTable_->setItem(row, 4, textItem(key.mostStruckInstead ? ProgressControl::keyName(*key.mostStruckInstead)
                                                                   : QString()));
    }
    keyTable_->setSortingEnabled(true);
    widenToColumns(keyTable_);
    heatMap_->setHeatMap(HeatMap::fromKeyFigures(layout_, keys), KeyFigures::StrokesForRate);
}

void ProgressWindow::applyGames()
{
    const auto& games = control_.form().games;
    gameTable_->setSortingEnabled(false);
    gameTable_->setRowCount(int(games.size()));
    for (int row = 0; row < int(games.size()); ++row) {
        const GameFigures& game = games[std::size_t(row)];
        gameTable_->setItem(row, 0, textItem(QDateTime::fromString(game.ended, Qt::ISODate)
                                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
        gameTable_->setItem(row, 1, numberItem(double(game.score)));
        gameTable_->setItem(row, 2, numberItem(game.startLevel));
        gameTable_->setItem(row, 3, numberItem(game.levelReached));
    }
    gameTable_->setSortingEnabled(true);
}

void ProgressWindow::applyActivity()
{
    const ProgressForm& form = control_.form();
    streakLabel_->setText(tr("Days in a row: %1").arg(form.streak));
    calendar_->setCalendar(form.calendar);
}

void ProgressWindow::applyClass()
{
    const ClassPageForm& form = classPage_.form();
    const int index = tabs_->indexOf(classTab_);
    if (form.shown && index < 0)
        tabs_->addTab(classTab_, tr("Class"));
    else if (!form.shown && index >= 0)
        tabs_->removeTab(index);
    classStatusLabel_->setText(form.status);
    classStatusLabel_->setVisible(!form.status.isEmpty());
    for (QPushButton* button : {classExportButton_, classReportButton_})
        button->setEnabled(!form.loading && !form.learners.empty());
    classGoalsButton_->setEnabled(goalsWriter_ && !form.classes.empty());
    if (const QString goals = form.goalLines.join(u'\n'); goals != classGoalsText_->toPlainText()) {
        classGoalsText_->setPlainText(goals);
        constexpr qsizetype MostLinesShown = 4;
        classGoalsText_->setFixedHeight(
            int(std::min(form.goalLines.size(), MostLinesShown)) * classGoalsText_->fontMetrics().lineSpacing()
            + 2 * int(classGoalsText_->document()->documentMargin()) + 2);
    }
    classGoalsText_->setVisible(!form.goalLines.isEmpty());
    classModel_->setLearners(form.learners);
}

void ProgressWindow::showMessage(const QString& title, const QString& text)
{
    QMessageBox::information(this, title, text);
}

bool ProgressWindow::confirm(const QString& title, const QString& text)
{
    return QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> ProgressWindow::askSaveFileName(const QString& proposed, const QStringList& filters,
                                                       const QString& title)
{
    return askSaveFileNameWith(this, proposed, filters, title);
}

QByteArray ProgressWindow::printed(const std::vector<ReportPage>& pages, const QString& title)
{
    return printedReport(pages, title);
}

} // namespace clavora
