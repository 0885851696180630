// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalAnswerer.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>

namespace clavora::test {

ModalAnswerer::ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer))
{
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start(20);
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || pending_ || !modal->isVisible())
        return;
    pending_ = true;
    const auto* box = qobject_cast<QMessageBox*>(modal);
    seen_.push_back({modal->windowTitle(), box ? box->text() : QString()});
    QPointer<QWidget> target(modal);
    QMetaObject::invokeMethod(
        this,
        [this, target] {
            pending_ = false;
            if (!target)
                return;
            if (answer_)
                answer_(target);
            else if (auto* dialog = qobject_cast<QDialog*>(target.data()))
                dialog->accept();
        },
        Qt::QueuedConnection);
}

} // namespace clavora::test
