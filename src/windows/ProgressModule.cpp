// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressView.h"
#include "ProgressWindow.h"

extern "C" Q_DECL_EXPORT clavora::ProgressView* clavoraNewProgressWindow(clavora::HistoryRecorder& history,
                                                                         const clavora::HistoryFigures& figures,
                                                                         bool recording, const QString& exportFolder,
                                                                         const QString& layoutFile)
{
    return new clavora::ProgressWindow(history, figures, recording, exportFolder, layoutFile);
}
