// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassReach.h"
#include "common/Colour.h"
#include "history/HistoryFigures.h"

#include <QCoreApplication>
#include <QStringList>

namespace clavora {

class HistoryRecorder;
class ProgressUi;

// What the progress window shows.
struct ProgressForm {
    Rgb windowColour = DefaultWindowColour;
    Rgb textColour = DefaultTextColour;
    HistoryPeriod period = HistoryPeriod::Month;
    std::vector<DayFigures> days;
    std::vector<KeyFigures> keys;
    QStringList confusions; // "expected e, struck r: 37 times"
    std::vector<GameFigures> games;
    int streak = 0; // days in a row up to today or yesterday
    TypingCalendar calendar;
    bool recordChecked = true;
    bool historyAvailable = false; // Forget and Export need a store
    QString problem;               // why there is no history, empty when there is one
    QString classReach;            // when the class was last reached, or why not; empty: no class
};

// The progress window's rules: the figures of a period, recording on or off, forgetting,
// exporting.
class ProgressControl {
    Q_DECLARE_TR_FUNCTIONS(ProgressControl)

public:
    // `history` is only ever emptied here: the exercises and the game record.
    ProgressControl(HistoryRecorder& history, const HistoryFigures& figures, ProgressUi& ui, bool recording);

    const ProgressForm& form() const { return form_; }
    bool recording() const { return form_.recordChecked; }

    void colourWindow(Rgb windowColour, Rgb textColour);
    // As the window opens: the first period, recording as set, the figures read anew.
    void open(bool recording);
    // How the class server was last found; none while the learner is in no class.
    void classReached(const std::optional<ClassReach>& reach, const QDateTime& now);
    // Reads the figures again: attempts and games may have been kept since.
    void refresh();

    // Events forwarded by the window.
    void periodChosen(HistoryPeriod period);
    void recordToggled(bool checked);
    void forgetClicked();
    // `folder`: where the save dialog starts.
    void exportClicked(const QString& folder);

    // The name a key goes by in the window: visible characters as they are, the blank by name.
    static QString keyName(QChar key);
    // The keys file written beside the chosen attempts file.
    static QString keysFileName(const QString& attemptsFile);

private:
    HistoryRecorder& history_;
    const HistoryFigures& figures_;
    ProgressUi& ui_;
    ProgressForm form_;
};

} // namespace clavora
