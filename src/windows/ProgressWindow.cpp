// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressWindow.h"
#include "CalendarWidget.h"
#include "Geometry.h"
#include "HeatMapWidget.h"
#include "FormWriting.h"
#include "SaveFileDialog.h"
#include "common/Captions.h"
#include "keyboard/HeatMap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>
#include <QtCharts/QChartView>

namespace clavora {
namespace {

const std::pair<const char*, HistoryPeriod> Periods[] = {
    {QT_TRANSLATE_NOOP("clavora::ProgressWindow", "7 days"), HistoryPeriod::Week},
    {QT_TRANSLATE_NOOP("clavora::ProgressWindow", "30 days"), HistoryPeriod::Month},
    {QT_TRANSLATE_NOOP("clavora::ProgressWindow", "A year"), HistoryPeriod::Year},
    {QT_TRANSLATE_NOOP("clavora::ProgressWindow", "Everything"), HistoryPeriod::Everything}};

QChart* newChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setVisible(true);
    return chart;
}

// A table cell that sorts by its number; an absent figure is an empty cell that sorts first.
QTableWidgetItem* numberItem(std::optional<double> value, int decimals = 0)
{
    auto* item = new QTableWidgetItem;
    if (value)
        item->setData(Qt::DisplayRole, decimals == 0 ? QVariant(qRound64(*value)) : QVariant(std::round(*value * 10) / 10));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* textItem(const QString& text)
{
    return new QTableWidgetItem(text);
}

QTableWidget* newTable(const QStringList& headings, const QString& name)
{
    auto* table = new QTableWidget(0, int(headings.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void fillChart(QChart* chart, const std::vector<DayFigures>& days,
               const std::vector<std::pair<QString, std::function<double(const DayFigures&)>>>& lines)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis; // removing an axis hands it back to us
    }
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("d MMM yy"));
    dates->setTickCount(5);
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    double highest = 10;
    for (const auto& [name, value] : lines) {
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPointsVisible(true);
        for (const DayFigures& day : days) {
            series->append(double(QDateTime(day.day, QTime(12, 0)).toMSecsSinceEpoch()), value(day));
            highest = std::max(highest, value(day));
        }
        chart->addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(values);
    }
    values->setRange(0, highest * 1.1);
    if (!days.empty())
        dates->setRange(QDateTime(days.front().day, QTime(0, 0)), QDateTime(days.back().day, QTime(23, 59)));
    else
        dates->setLabelsVisible(false); // no day to name: the axis would count from 1970
    // A single day has no other dates to mark.
    if (!days.empty() && days.front().day == days.back().day)
        dates->setTickCount(2);
}

} // namespace

ProgressWindow::ProgressWindow(HistoryRecorder& history, const HistoryFigures& figures, bool recording,
                               QString exportFolder, const QString& layoutFile, QWidget* parent)
    : ProgressView(parent), control_(history, figures, *this, recording), exportFolder_(std::move(exportFolder)),
      layout_(readLayoutFile(layoutFile).table)
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

    speedChart_ = newChart(tr("Speed per day (words per minute)"));
    accuracyChart_ = newChart(tr("Accuracy per day (%)"));
    auto* speedView = new QChartView(speedChart_);
    auto* accuracyView = new QChartView(accuracyChart_);
    speedView->setRenderHint(QPainter::Antialiasing);
    accuracyView->setRenderHint(QPainter::Antialiasing);
    speedView->setMinimumSize(460, 320);
    accuracyView->setMinimumSize(460, 320);

    keyTable_ = newTable({tr("Key"), tr("Strokes"), tr("Error rate %"),
                          tr("Median interval ms"), tr("Struck instead")},
                         QStringLiteral("KeyTable"));
    // A header starts out descending: the keys open in their order, a first.
    keyTable_->sortByColumn(0, Qt::AscendingOrder);
    confusionList_ = new QListWidget;
    confusionList_->setObjectName(QStringLiteral("ConfusionList"));
    gameTable_ = newTable({tr("Played"), tr("Score"), tr("Start level"),
                           tr("Level reached")},
                          QStringLiteral("GameTable"));
    gameTable_->sortByColumn(1, Qt::DescendingOrder); // the best game first
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

    // Three pages: the window would not fit a screen with everything side by side.
    auto* charts = new QWidget;
    auto* chartsLayout = new QHBoxLayout(charts);
    chartsLayout->addWidget(speedView);
    chartsLayout->addWidget(accuracyView);

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
    tabs_->addTab(charts, tr("Speed and &accuracy"));
    tabs_->addTab(keys, tr("&Keys"));
    tabs_->addTab(days, tr("Ca&lendar and games"));

    auto* top = new QHBoxLayout;
    top->addWidget(periodLabel);
    top->addWidget(periodBox_);
    top->addStretch();
    top->addWidget(streakLabel_);
    grid->addLayout(top, 0, 0);
    grid->addWidget(problemLabel_, 1, 0);
    grid->addWidget(tabs_, 2, 0);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(recordCheck_);
    bottom->addStretch();
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
    apply();
}

void ProgressWindow::colourWindow(Rgb windowColour, Rgb textColour)
{
    forwardTo(this, control_, &ProgressControl::colourWindow)(windowColour, textColour);
}

void ProgressWindow::refresh()
{
    forwardTo(this, control_, &ProgressControl::refresh)();
}

void ProgressWindow::applyColours(Rgb windowColour, Rgb textColour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(windowColour));
    p.setColor(QPalette::WindowText, toQColor(textColour));
    setPalette(p);
    setAutoFillBackground(true);
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
    forgetButton_->setEnabled(form.historyAvailable);
    exportButton_->setEnabled(form.historyAvailable);
    applyCharts();
    applyKeys();
    confusionList_->clear();
    confusionList_->addItems(form.confusions);
    applyGames();
    applyActivity();
}

void ProgressWindow::applyCharts()
{
    const auto& days = control_.form().days;
    fillChart(speedChart_, days,
              {{tr("Median WPM"), [](const DayFigures& d) { return d.medianSpeed; }},
               {tr("Best WPM"), [](const DayFigures& d) { return double(d.bestSpeed); }},
               {tr("Median correct WPM"), [](const DayFigures& d) { return d.medianCorrectSpeed; }},
               {tr("Best correct WPM"), [](const DayFigures& d) { return double(d.bestCorrectSpeed); }}});
    fillChart(accuracyChart_, days,
              {{tr("Median accuracy"), [](const DayFigures& d) { return d.medianAccuracy; }},
               {tr("Best accuracy"), [](const DayFigures& d) { return double(d.bestAccuracy); }}});
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

} // namespace clavora
