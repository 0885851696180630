// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace clavora {

struct ReportPage;

// What the progress window's logic needs from the person in front of it.
class ProgressUi {
public:
    virtual ~ProgressUi() = default;
    virtual void showMessage(const QString& title, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const QString& title, const QString& text) = 0;
    // A Save As dialog that asks before overwriting; nothing when cancelled.
    virtual std::optional<QString> askSaveFileName(const QString& proposed, const QStringList& filters,
                                                   const QString& title) = 0;
    // The pages as a printable document; empty when it could not be made.
    virtual QByteArray printed(const std::vector<ReportPage>& pages, const QString& title) = 0;
};

} // namespace clavora
