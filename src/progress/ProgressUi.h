// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace clavora {

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
};

} // namespace clavora
