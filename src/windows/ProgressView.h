// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QWidget>

namespace clavora {

class HistoryFigures;
class HistoryRecorder;

// The progress window as the rest of the program sees it. The window lives in a module of its
// own, loaded when it first opens, so that a session without it never loads the charts library.
class ProgressView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // The button and the key that open it from the exercise and the game windows; P is
    // taken by Preset and Pause.
    static QString buttonCaption() { return QCoreApplication::translate("clavora::ProgressWindow", "Pr&ogress"); }
    static inline const QKeySequence Shortcut = QKeySequence(Qt::CTRL | Qt::Key_P);

    // Shows the figures as they are now.
    virtual void refresh() = 0;
    virtual void colourWindow(Rgb windowColour, Rgb textColour) = 0;

signals:
    // "Record my progress" was ticked or cleared; the owner saves it and starts or stops
    // the recorders.
    void recordingChanged(bool recording);
    // "Practise my weak keys": the owner starts the drill in the exercise window.
    void weakKeyDrillRequested();
};

// Makes the progress window; `exportFolder` is where its Export dialog starts, `layoutFile`
// the layout file whose keyboard its heat map shows.
using ProgressWindowMaker = ProgressView* (*)(HistoryRecorder& history, const HistoryFigures& figures, bool recording,
                                              const QString& exportFolder, const QString& layoutFile);

} // namespace clavora

// The module's one entry point, found by this name.
extern "C" clavora::ProgressView* clavoraNewProgressWindow(clavora::HistoryRecorder& history,
                                                          const clavora::HistoryFigures& figures, bool recording,
                                                          const QString& exportFolder, const QString& layoutFile);
