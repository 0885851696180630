// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"
#include "progress/ClassGoalsWriter.h"
#include "progress/ClassPage.h"
#include "progress/ClassRosterSource.h"
#include "progress/ProgressControl.h"
#include "progress/ProgressUi.h"
#include "keyboard/LayoutFile.h"

#include <QKeySequence>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace clavora {

class CalendarWidget;
class ClassTableModel;
class ChartWidget;
class HeatMapWidget;

// The progress window: charts of speed and accuracy per day, the keys on the keyboard
// coloured by their error rate, the key table, the most frequent mistakes, the days in a row
// and the calendar of typing, and the best games, bound to the progress logic.
class ProgressWindow final : public QWidget, public ProgressUi {
    Q_OBJECT
public:
    // The button and the key that open it from the exercise and the game windows; P is
    // taken by Preset and Pause.
    static QString buttonCaption() { return tr("Pr&ogress"); }
    static inline const QKeySequence Shortcut = QKeySequence(Qt::CTRL | Qt::Key_P);

    // `exportFolder`: where the Export dialog starts. `layout`: the keyboard the heat map
    // shows; none shows the keyboard's design captions.
    ProgressWindow(HistoryRecorder& history, const HistoryFigures& figures, bool recording, QString exportFolder,
                   KeyCapTable layout = {}, QWidget* parent = nullptr);

    const ProgressForm& form() const { return control_.form(); }
    void colourWindow(Rgb windowColour, Rgb textColour);
    // Closing only hides the window; this makes it again as a new one opens, with the
    // recording setting and the layout as they are now.
    void reopen(bool recording, KeyCapTable layout);
    // Shows the figures as they are now.
    void refresh();
    // Writes the logic's form into the controls.
    void apply();
    // The class server the learner named; none: no class. A teacher's login gets the
    // Class page, read without holding up the window.
    void setClassServer(const QString& server);
    // Where the Class page is read from; none: the page is never read.
    void setRosterSource(ClassRosterSource* source) { rosterSource_ = source; }
    // Where the Class page sets a class's goals; none: they cannot be set here.
    void setGoalsWriter(ClassGoalsWriter* writer) { goalsWriter_ = writer; }
    // How the class server was last found; none while the learner is in no class.
    void showClassReach(const std::optional<ClassReach>& reach, const QDateTime& now);
    // The progress of a learner of the teacher's class was shown, or why not.
    void learnerOpened(const QString& name, const QString& problem);
    // The window shows another's progress, a copy from the class server: the figures and
    // their export, without this machine's recording and class.
    void showLearner(const QString& name);

    // ProgressUi
    void showMessage(const QString& title, const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    std::optional<QString> askSaveFileName(const QString& proposed, const QStringList& filters,
                                           const QString& title) override;
    QByteArray printed(const std::vector<ReportPage>& pages, const QString& title) override;

signals:
    // "Record my progress" was ticked or cleared; the owner saves it and starts or stops
    // the recorders.
    void recordingChanged(bool recording);
    // "Practise my weak keys": the owner starts the drill in the exercise window.
    void weakKeyDrillRequested();
    // "Class…" was confirmed with this server (empty: leave the class); the owner keeps it
    // and sends there.
    void classServerChosen(const QString& server);
    // A double-click on a learner of the Class page: the owner shows their progress.
    void learnerChosen(const QString& login, const QString& name);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // The first page, the tables in their first order, sized and placed on the screen.
    void startAsNew();
    void applyColours(Rgb windowColour, Rgb textColour);
    void applyCharts();
    void applyKeys();
    void applyGames();
    void applyActivity();
    void applyClass();
    QWidget* newClassPage();
    void chooseClassServer();
    void setClassGoals();
    void loadClass();

    ProgressControl control_;
    ClassPage classPage_;
    ClassRosterSource* rosterSource_ = nullptr;
    ClassGoalsWriter* goalsWriter_ = nullptr;
    QString classServer_;
    QString exportFolder_;
    KeyCapTable layout_;
    QTabWidget* tabs_;
    QLabel* streakLabel_;
    HeatMapWidget* heatMap_;
    CalendarWidget* calendar_;
    QPushButton* weakKeysButton_;
    QComboBox* periodBox_;
    QLabel* problemLabel_;
    ChartWidget* speedChart_;
    ChartWidget* accuracyChart_;
    QTableWidget* keyTable_;
    QListWidget* confusionList_;
    QTableWidget* gameTable_;
    QCheckBox* recordCheck_;
    QPushButton* forgetButton_;
    QPushButton* exportButton_;
    QPushButton* classButton_;
    QLabel* classReachLabel_;
    QWidget* classTab_;
    QLabel* classStatusLabel_;
    QPlainTextEdit* classGoalsText_;
    ClassTableModel* classModel_;
    QTableView* classTable_;
    QPushButton* classExportButton_;
    QPushButton* classReportButton_;
    QPushButton* classGoalsButton_;
    std::optional<std::pair<Rgb, Rgb>> shownColours_;
};

} // namespace clavora
