// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"
#include "progress/ProgressControl.h"
#include "progress/ProgressUi.h"
#include "keyboard/LayoutFile.h"
#include "windows/ProgressView.h"

class QChart;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace clavora {

class CalendarWidget;
class HeatMapWidget;

// The progress window: charts of speed and accuracy per day, the keys on the keyboard
// coloured by their error rate, the key table, the most frequent mistakes, the days in a row
// and the calendar of typing, and the best games, bound to the progress logic.
class ProgressWindow final : public ProgressView, public ProgressUi {
    Q_OBJECT
public:
    // `exportFolder`: where the Export dialog starts. `layoutFile`: the layout file whose
    // keyboard the heat map shows; none shows the keyboard's design captions.
    ProgressWindow(HistoryRecorder& history, const HistoryFigures& figures, bool recording, QString exportFolder,
                   const QString& layoutFile = {}, QWidget* parent = nullptr);

    const ProgressForm& form() const { return control_.form(); }
    void colourWindow(Rgb windowColour, Rgb textColour) override;
    void refresh() override;
    // Writes the logic's form into the controls.
    void apply();

    // ProgressUi
    void showMessage(const QString& title, const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    std::optional<QString> askSaveFileName(const QString& proposed, const QStringList& filters,
                                           const QString& title) override;

private:
    void applyColours(Rgb windowColour, Rgb textColour);
    void applyCharts();
    void applyKeys();
    void applyGames();
    void applyActivity();

    ProgressControl control_;
    QString exportFolder_;
    KeyCapTable layout_;
    QTabWidget* tabs_;
    QLabel* streakLabel_;
    HeatMapWidget* heatMap_;
    CalendarWidget* calendar_;
    QPushButton* weakKeysButton_;
    QComboBox* periodBox_;
    QLabel* problemLabel_;
    QChart* speedChart_;
    QChart* accuracyChart_;
    QTableWidget* keyTable_;
    QListWidget* confusionList_;
    QTableWidget* gameTable_;
    QCheckBox* recordCheck_;
    QPushButton* forgetButton_;
    QPushButton* exportButton_;
    std::optional<std::pair<Rgb, Rgb>> shownColours_;
};

} // namespace clavora
