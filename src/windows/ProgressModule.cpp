// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressView.h"
#include "ProgressWindow.h"

extern "C" Q_DECL_EXPORT clavora::ProgressView* clavoraNewProgressWindow(clavora::HistoryStore& store,
                                                                         const clavora::Clock& clock, bool recording,
                                                                         const QString& exportFolder,
                                                                         const QString& layoutFile)
{
    return new clavora::ProgressWindow(store, clock, recording, exportFolder, layoutFile);
}
