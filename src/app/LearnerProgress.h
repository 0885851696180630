// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "class/LearnerCopyLoader.h"
#include "history_store/HistoryStore.h"
#include "history_store/ProgressQueries.h"
#include "keyboard/LayoutFile.h"

#include <QPointer>
#include <QTemporaryDir>
#include <memory>

namespace clavora {

struct AppSettings;
class Clock;
class ProgressWindow;

// One learner's progress as their teacher opens it from the Class page: the learner's rows
// copied from the class server into a store of its own, in a private temporary folder, and
// shown in a progress window of its own. It ends with its window, or at once when the copy
// fails.
class LearnerProgress final : public QObject {
    Q_OBJECT
public:
    LearnerProgress(const QString& server, const QString& login, QString name, const Clock& clock,
                    const AppSettings& settings, KeyCapTable layout, QObject* parent);
    ~LearnerProgress() override;

signals:
    // Empty `problem` once the window shows.
    void opened(const QString& name, const QString& problem);

private:
    void copied(const QString& problem);

    QString name_;
    const Clock& clock_;
    const AppSettings& settings_;
    KeyCapTable layout_;
    QTemporaryDir folder_;
    LearnerCopyLoader loader_;
    std::unique_ptr<HistoryStore> store_;
    std::unique_ptr<ProgressQueries> figures_;
    QPointer<ProgressWindow> window_;
};

} // namespace clavora
