// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindControl.h"
#include "Fakes.h"
#include "ModalAnswerer.h"
#include "history_store/HistoryStore.h"
#include "history_store/ProgressQueries.h"
#include "keyboard/HeatMap.h"
#include "common/Translations.h"
#include "windows/CalendarWidget.h"
#include "windows/ChartWidget.h"
#include "windows/Geometry.h"
#include "windows/HeatMapWidget.h"
#include "windows/ProgressWindow.h"
#include "progress/ClassReport.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace clavora;
using namespace clavora::test;

namespace {

void answerWith(QWidget* modal, QMessageBox::StandardButton button)
{
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        box->button(button)->click();
}

// Answers when the test says so, as the server would.
struct RosterSource final : ClassRosterSource {
    void load(const QString&, QDate, std::function<void(const ClassRoster&)> then) override { answered = std::move(then); }
    std::function<void(const ClassRoster&)> answered;
};

} // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setFont(interfaceFont()); // the program's font
    }

    void init()
    {
        store_ = std::make_unique<HistoryStore>(HistoryStore::InMemory);
        queries_ = std::make_unique<ProgressQueries>(*store_, clock_);
        clock_.dateTime = QDateTime(QDate(2024, 3, 10), QTime(18, 0));
        for (int day = 0; day < 5; ++day) {
            AttemptRecord record;
            record.finished = QDateTime(QDate(2024, 3, 6 + day), QTime(12, 0));
            record.exercise = record.typed = QStringLiteral("asdf");
            record.speed = 20 + 5 * day;
            record.correctSpeed = 18 + 5 * day;
            record.accuracy = 90 + day;
            record.keystrokes.pairs = {{u'a', u'a', 10, 10, 2.0}, {u'a', u's', 2, 2, 0.4}, {u's', u's', 5, 5, 1.0},
                                       {u'd', u'd', 1, 0, 0.0}};
            QVERIFY(store_->addAttempt(record));
        }
        GameRecord game;
        game.started = QDateTime(QDate(2024, 3, 9), QTime(10, 0));
        game.ended = game.started.addSecs(100);
        game.startLevel = 1;
        game.levelReached = 6;
        game.score = 777;
        QVERIFY(store_->addGame(game));
        window_ = std::make_unique<ProgressWindow>(*store_, *queries_, true, QDir::tempPath());
        window_->show();
    }
    void cleanup()
    {
        window_.reset();
        queries_.reset();
        store_.reset();
    }

    void showsTheFiguresOfThePeriod()
    {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Orvella Clavora - Progress"));
        auto* keys = findControl<QTableWidget>(*window_, "KeyTable");
        QCOMPARE(keys->rowCount(), 3);
        // They open in key order under an ascending indicator.
        QCOMPARE(keys->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(keys->item(0, 0)->text() + keys->item(1, 0)->text() + keys->item(2, 0)->text(), QStringLiteral("ads"));
        // Sorted by error rate: keys below twenty strokes have no rate and come first.
        keys->sortItems(2, Qt::DescendingOrder);
        QCOMPARE(keys->item(0, 0)->text(), QStringLiteral("a"));
        QCOMPARE(keys->item(0, 1)->data(Qt::DisplayRole).toInt(), 60);
        QCOMPARE(keys->item(0, 2)->data(Qt::DisplayRole).toDouble(), 16.7);
        QCOMPARE(keys->item(0, 3)->data(Qt::DisplayRole).toInt(), 200);
        QCOMPARE(keys->item(0, 4)->text(), QStringLiteral("s"));
        keys->sortItems(1, Qt::AscendingOrder);
        QCOMPARE(keys->item(0, 0)->text(), QStringLiteral("d"));
        QCOMPARE(keys->item(0, 1)->data(Qt::DisplayRole).toInt(), 5);
        QVERIFY(keys->item(0, 2)->text().isEmpty());

        auto* confusions = findControl<QListWidget>(*window_, "ConfusionList");
        QCOMPARE(confusions->count(), 1);
        QCOMPARE(confusions->item(0)->text(), QStringLiteral("expected a, struck s: 10 times"));
        auto* games = findControl<QTableWidget>(*window_, "GameTable");
        QCOMPARE(games->rowCount(), 1);
        QCOMPARE(games->item(0, 1)->data(Qt::DisplayRole).toInt(), 777);
        QVERIFY(findControl<QLabel>(*window_, "ProblemLabel")->isHidden());

        QCOMPARE(window_->form().days.size(), std::size_t(5));
        auto* period = findControl<QComboBox>(*window_, "PeriodBox");
        QCOMPARE(period->currentText(), QStringLiteral("30 days"));
        clock_.dateTime = QDateTime(QDate(2024, 3, 14), QTime(9, 0));
        period->setCurrentIndex(period->findText(QStringLiteral("7 days")));
        QCOMPARE(window_->form().days.size(), std::size_t(3)); // the 8th to the 10th
        window_->grab().save(QDir::temp().filePath(QStringLiteral("clavora-progress-window.png")));
    }

    void fitsSmallScreensAndKeepsItsLegendsWholeInEachLanguage()
    {
        for (const char* language : {"en", "de", "fr"}) {
            Translations translations({QString::fromLatin1(language)});
            translations.install();
            ProgressWindow window(*store_, *queries_, true, QDir::tempPath());
            window.show();
            // 1280x1024 at a scale of 1.5 and 1920x1080 at 2 leave 853x682 and 960x540, less a frame.
            const QSize least = window.minimumSizeHint();
            QVERIFY2(least.width() <= 853 - 20 && least.height() <= 540 - 60,
                     qPrintable(QStringLiteral("%1: %2x%3").arg(language).arg(least.width()).arg(least.height())));
            // At its narrowest a chart wraps its legend into rows beneath the lines.
            auto* speed = findControl<ChartWidget>(window, "SpeedChart");
            speed->setFixedWidth(speed->minimumSizeHint().width());
            QTRY_COMPARE(speed->width(), speed->minimumSizeHint().width());
            for (int line = 0; line < 4; ++line) {
                QVERIFY2(speed->rect().contains(speed->legendRect(line)), language);
                QVERIFY(speed->legendRect(line).top() > speed->plotRect().bottom());
            }
            QVERIFY(speed->legendRect(3).top() > speed->legendRect(0).top());
        }
    }

    void chartsRiseToRoundNumbersAndPercentagesTo100()
    {
        auto* speed = findControl<ChartWidget>(*window_, "SpeedChart");
        // Speeds rise to a round number above the best (40); percentages to 100 whatever the best.
        QVERIFY(speed->valueAxis().back() >= 40 && speed->valueAxis().back() <= 50);
        HistoryStore poor(HistoryStore::InMemory);
        AttemptRecord record;
        record.finished = clock_.dateTime;
        record.accuracy = 40;
        QVERIFY(poor.addAttempt(record));
        const ProgressQueries poorFigures(poor, clock_);
        ProgressWindow poorWindow(poor, poorFigures, true, QDir::tempPath());
        QCOMPARE(findControl<ChartWidget>(poorWindow, "AccuracyChart")->valueAxis().back(), 100.0);
    }

    void forgetsAfterYesOnly()
    {
        auto* forget = findControl<QPushButton>(*window_, "ForgetButton");
        {
            ModalAnswerer no([](QWidget* modal) { answerWith(modal, QMessageBox::No); });
            forget->click();
            QCOMPARE(no.seen().size(), std::size_t(1));
        }
        QCOMPARE(findControl<QTableWidget>(*window_, "KeyTable")->rowCount(), 3);
        {
            ModalAnswerer yes([](QWidget* modal) { answerWith(modal, QMessageBox::Yes); });
            forget->click();
        }
        QCOMPARE(findControl<QTableWidget>(*window_, "KeyTable")->rowCount(), 0);
        QCOMPARE(findControl<QTableWidget>(*window_, "GameTable")->rowCount(), 0);
        QCOMPARE(findControl<QListWidget>(*window_, "ConfusionList")->count(), 0);
    }

    void recordCheckBoxTellsTheOwner()
    {
        auto* record = findControl<QCheckBox>(*window_, "RecordCheck");
        QCOMPARE(record->text(), QStringLiteral("&Record my progress"));
        QVERIFY(record->isChecked());
        QSignalSpy changed(window_.get(), &ProgressWindow::recordingChanged);
        record->click();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toBool(), false);
    }

    void heatMapShowsTheLayoutColouredByErrorRate()
    {
        const QString layoutFile = qEnvironmentVariable("CLAVORA_DATA") + "/Layouts/QWERTY - United States.kbl";
        ProgressWindow window(*store_, *queries_, true, QDir::tempPath(), readLayoutFile(layoutFile).table);
        window.show();
        findControl<QTabWidget>(window, "ProgressTabs")->setCurrentIndex(1);
        auto* heatMapWidget = findControl<HeatMapWidget>(window, "HeatMap");
        QVERIFY(QTest::qWaitForWindowExposed(&window) && heatMapWidget->isVisible());
        const QImage image = heatMapWidget->grab().toImage();
        window.grab().save(QDir::temp().filePath(QStringLiteral("clavora-progress-keys.png")));

        const KeyCapTable table = readLayoutFile(layoutFile).table;
        const HeatMap heatMap = HeatMap::fromKeyFigures(table, window.form().keys);
        const auto colourOf = [&](const QString& caption) {
            const auto found = std::find(table.lowerCaptions.begin(), table.lowerCaptions.end(), caption);
            const TwipsBox& box = heatMap.keyboard.keys[std::size_t(found - table.lowerCaptions.begin())].box;
            return image.pixelColor(twipsRect(box.left, box.top, box.width, box.height).topLeft() + QPoint(3, 3));
        };
        // a: 10 errors in 60 strokes, near the top of a scale to 20 %; s: none in 25; d: 5 strokes only.
        QVERIFY2(colourOf("a").red() == 255 && colourOf("a").green() < 100, qPrintable(colourOf("a").name()));
        QCOMPARE(colourOf("s"), QColor(0, 200, 0));
        QCOMPARE(colourOf("d"), QColor(128, 128, 128));
        QCOMPARE(colourOf("q"), QColor(128, 128, 128));
    }

    void showsTheDaysInARowAndTheCalendar()
    {
        // Attempts from the 6th to the 10th, today.
        QCOMPARE(findControl<QLabel>(*window_, "StreakLabel")->text(), QStringLiteral("Days in a row: 5"));
        findControl<QTabWidget>(*window_, "ProgressTabs")->setCurrentIndex(2);
        auto* calendar = findControl<CalendarWidget>(*window_, "Calendar");
        QVERIFY(calendar->isVisible());
        const QImage image = calendar->grab().toImage();
        window_->grab().save(QDir::temp().filePath(QStringLiteral("clavora-progress-calendar.png")));
        const auto shadeAt = [&](int column, int row) { return image.pixelColor(calendar->cellRect(column, row).center()); };
        // Sunday the 10th ends the last column; the game of 100 seconds on Saturday the 9th
        // is its only typing time, the attempts took none.
        QCOMPARE(shadeAt(51, 5), toQColor(CalendarGrid::shadeColour(1)));
        QCOMPARE(shadeAt(51, 6), toQColor(CalendarGrid::shadeColour(0)));
        QCOMPARE(shadeAt(0, 0), toQColor(CalendarGrid::shadeColour(0)));

        // A new day without typing: yesterday's run still stands.
        clock_.dateTime = QDateTime(QDate(2024, 3, 11), QTime(9, 0));
        window_->refresh();
        QCOMPARE(findControl<QLabel>(*window_, "StreakLabel")->text(), QStringLiteral("Days in a row: 5"));
        clock_.dateTime = QDateTime(QDate(2024, 3, 12), QTime(9, 0));
        window_->refresh();
        QCOMPARE(findControl<QLabel>(*window_, "StreakLabel")->text(), QStringLiteral("Days in a row: 0"));
    }

    void weakKeysButtonAsksTheOwner()
    {
        auto* button = findControl<QPushButton>(*window_, "WeakKeysButton");
        QCOMPARE(button->text(), QStringLiteral("Practise my &weak keys"));
        QSignalSpy asked(window_.get(), &ProgressWindow::weakKeyDrillRequested);
        button->click();
        QCOMPARE(asked.size(), 1);
    }

    // A figure that is not a number (an old row of the server) neither fills the table anew
    // at each answer nor loses the learner a double-click chose.
    void aLearnerWithAFigureThatIsNotANumberOpens()
    {
        LearnerFigures anna;
        anna.login = QStringLiteral("anna");
        anna.name = QStringLiteral("Anna");
        anna.minutesThisWeek = std::nan("");
        anna.medianSpeed = std::nan("");
        RosterSource source;
        window_->setRosterSource(&source);
        window_->setClassServer(QStringLiteral("service=clavora-class"));
        source.answered({true, true, {anna}, {}});
        auto* table = findControl<QTableView>(*window_, "ClassTable");
        QCOMPARE(table->model()->rowCount(), 1);
        QSignalSpy filled(table->model(), &QAbstractItemModel::modelReset);
        window_->refresh(); // read again: the same answer
        source.answered({true, true, {anna}, {}});
        QCOMPARE(filled.size(), 0);
        QSignalSpy chosen(window_.get(), &ProgressWindow::learnerChosen);
        emit table->doubleClicked(table->model()->index(0, 0));
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].toString(), QStringLiteral("anna"));
        QCOMPARE(chosen[0][1].toString(), QStringLiteral("Anna"));
        window_->setRosterSource(nullptr);
    }

    // A class of thirty with every figure and trend: no column is out of sight in a window
    // 1,280 pixels wide.
    void theClassPageFitsAWindowOfItsUsualWidth()
    {
        ClassRoster roster{true, true, {}, {}};
        for (int n = 1; n <= 30; ++n) {
            roster.learners.push_back({QStringLiteral("learner%1").arg(n), QStringLiteral("Alexandra Montgomery-%1").arg(n),
                                       QStringLiteral("5a, 5b"), QDate(2024, 3, 9), 123, 45, 58.5, 61.2, 97.5, 94.1,
                                       QStringLiteral(" e;")});
        }
        RosterSource source;
        window_->setRosterSource(&source);
        window_->setClassServer(QStringLiteral("service=clavora-class"));
        source.answered(roster);
        window_->resize(1280, 800);
        auto* tabs = findControl<QTabWidget>(*window_, "ProgressTabs");
        tabs->setCurrentIndex(tabs->count() - 1);
        auto* table = findControl<QTableView>(*window_, "ClassTable");
        QTRY_VERIFY(table->isVisible());
        QTRY_COMPARE(window_->width(), 1280);
        QVERIFY(!table->horizontalScrollBar()->isVisible());
        window_->setRosterSource(nullptr);
    }

    // The report as written renders: a page for the class and one for each learner, the
    // class's chart of the weeks on its first.
    void theReportRendersAsPrintablePages()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        std::vector<LearnerFigures> learners;
        for (int n = 1; n <= 30; ++n) {
            learners.push_back({QStringLiteral("learner%1").arg(n), QStringLiteral("Learner %1").arg(n),
                                QStringLiteral("5a"), QDate(2024, 3, 9), 20.0 + n, n, 30, 28, 95, 93.5,
                                QStringLiteral("e")});
            learners.back().weeks = {{10, 20}, {25, 22}, {0, std::nullopt}, {40, 25}, {20.0 + n, 30}};
        }
        const QByteArray document =
            window_->printed(ClassReport::pages(learners, {}, QDate(2024, 3, 10)), QStringLiteral("Class report"));
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("report.pdf")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(document) == document.size());
        file.close();
        QProcess render;
        render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                                                  file.fileName(), folder.filePath(QStringLiteral("page"))});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("page-*.png")}).size(), 31);
        const QImage first(folder.filePath(QStringLiteral("page-01.png")));
        QVERIFY(!first.isNull());
        int bars = 0, text = 0;
        for (int y = 0; y < first.height(); ++y) {
            for (int x = 0; x < first.width(); ++x) {
                const QColor pixel = first.pixelColor(x, y);
                bars += pixel.blue() > 180 && pixel.red() < 150;
                text += pixel.lightness() < 60;
            }
        }
        QVERIFY2(bars > 50 && text > 500, qPrintable(QStringLiteral("%1 bar pixels, %2 text pixels").arg(bars).arg(text)));
    }

    // The teacher sets a class's goals from the page: the writer gets them with the goals
    // kept, and the page is read again to show who meets them.
    void theTeacherSetsAClasssGoals()
    {
        LearnerFigures anna;
        anna.login = QStringLiteral("anna");
        anna.minutesThisWeek = 20;
        ClassGoals goals;
        goals.weeklyMinutes = 15;
        goals.layoutFile = QStringLiteral("German.kbd");
        RosterSource source;
        struct Writer final : ClassGoalsWriter {
            void write(const QString&, const QString& className, const ClassGoals& goals,
                       std::function<void(const QString&)> then) override
            {
                written = {className, goals};
                answered = std::move(then);
            }
            std::pair<QString, ClassGoals> written;
            std::function<void(const QString&)> answered;
        } writer;
        window_->setRosterSource(&source);
        window_->setGoalsWriter(&writer);
        window_->setClassServer(QStringLiteral("service=clavora-class"));
        ClassRoster roster{true, true, {anna}, {}, {{QStringLiteral("5a"), goals, {QStringLiteral("anna")}}}};
        source.answered(roster);
        QCOMPARE(findControl<QPlainTextEdit>(*window_, "ClassGoalsText")->toPlainText(),
                 QStringLiteral("5a: 1 of 1 practised 15 minutes this week"));
        {
            ModalAnswerer answerer([](QWidget* modal) {
                findControl<QSpinBox>(*modal, "SpeedTargetBox")->setValue(20);
                qobject_cast<QDialog*>(modal)->accept();
            });
            findControl<QPushButton>(*window_, "ClassGoalsButton")->click();
        }
        goals.speedTarget = 20;
        QCOMPARE(writer.written.first, QStringLiteral("5a"));
        QVERIFY(writer.written.second == goals);
        source.answered = nullptr;
        writer.answered(QString());
        QVERIFY(source.answered); // read again
        window_->setRosterSource(nullptr);
        window_->setGoalsWriter(nullptr);
    }

    void aMissingStoreIsExplained()
    {
        HistoryStore broken(QStringLiteral("/proc/clavora-no-such-place/History.sqlite"));
        const ProgressQueries brokenFigures(broken, clock_);
        ProgressWindow window(broken, brokenFigures, true, QDir::tempPath());
        window.show();
        QVERIFY(findControl<QLabel>(window, "ProblemLabel")->isVisible());
        QVERIFY(!findControl<QPushButton>(window, "ForgetButton")->isEnabled());
        QVERIFY(!findControl<QPushButton>(window, "ExportButton")->isEnabled());
    }

private:
    FakeClock clock_;
    std::unique_ptr<HistoryStore> store_;
    std::unique_ptr<ProgressQueries> queries_;
    std::unique_ptr<ProgressWindow> window_;
};

QTEST_MAIN(ProgressWindowTest)
#include "test_progress_window.moc"
