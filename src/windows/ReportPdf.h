// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "progress/ClassReport.h"

#include <QByteArray>

namespace clavora {

// The report's pages as a PDF document on A4 paper: each page's heading, its table (running
// on to further sheets when long) and its chart of the weeks.
QByteArray printedReport(const std::vector<ReportPage>& pages, const QString& title);

} // namespace clavora
