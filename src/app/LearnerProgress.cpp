// SPDX-License-Identifier: GPL-3.0-or-later
#include "LearnerProgress.h"
#include "settings/AppSettings.h"
#include "windows/ProgressWindow.h"

#include <QDir>

namespace clavora {

LearnerProgress::LearnerProgress(const QString& server, const QString& login, QString name, const Clock& clock,
                                 const AppSettings& settings, KeyCapTable layout, QObject* parent)
    : QObject(parent), name_(std::move(name)), clock_(clock), settings_(settings), layout_(std::move(layout))
{
    connect(&loader_, &LearnerCopyLoader::finished, this, &LearnerProgress::copied);
    if (!folder_.isValid()) {
        // Told once the caller has had the chance to hear it.
        QMetaObject::invokeMethod(this, [this] { copied(folder_.errorString()); }, Qt::QueuedConnection);
        return;
    }
    loader_.load(server, login, folder_.filePath(QStringLiteral("learner.sqlite")));
}

LearnerProgress::~LearnerProgress()
{
    delete window_; // before the store it reads
}

void LearnerProgress::copied(const QString& problem)
{
    if (!problem.isEmpty()) {
        emit opened(name_, problem);
        deleteLater();
        return;
    }
    store_ = std::make_unique<HistoryStore>(folder_.filePath(QStringLiteral("learner.sqlite")));
    figures_ = std::make_unique<ProgressQueries>(*store_, clock_);
    window_ = new ProgressWindow(*store_, *figures_, false, QDir::homePath(), layout_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    window_->showLearner(name_);
    window_->colourWindow(settings_.windowColour, settings_.textColour);
    connect(window_, &QObject::destroyed, this, &QObject::deleteLater);
    window_->show();
    emit opened(name_, QString());
}

} // namespace clavora
