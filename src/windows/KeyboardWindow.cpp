// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardWindow.h"

#include "FormWriting.h"
#include "Geometry.h"
#include "KeyboardPainter.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

namespace clavora {

KeyboardWindow::KeyboardWindow(const AppSettings& settings, ProgramPaths paths, const KeyState& keys)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      control_(settings, std::move(paths), keys, *this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(caption(KeyboardCaption));
    setFixedSize(twipsToPixels(KeyboardClientWidthTwips), twipsToPixels(KeyboardClientHeightTwips));
    setFont(fixedFont(9));
    keyStateTimer_ = new QTimer(this);
    keyStateTimer_->setObjectName(QStringLiteral("KeyStateTimer"));
    keyStateTimer_->setInterval(TickMilliseconds);
    connect(keyStateTimer_, &QTimer::timeout, this, forwardTo(this, control_, &KeyboardControl::tick));
    keyStateTimer_->start();
    painted_ = control_.form();
}

void KeyboardWindow::colourWindow(Rgb window, Rgb text)
{
    control_.colourWindow(window, text);
    apply();
}

void KeyboardWindow::loadLayout()
{
    forwardTo(this, control_, &KeyboardControl::loadLayout)();
}

void KeyboardWindow::apply()
{
    if (control_.form() == painted_)
        return;
    painted_ = control_.form();
    update();
}

void KeyboardWindow::showNotice(const QString& text)
{
    // Queued, so that the keyboard shows first and keeps following the keys behind the box.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            auto* box = new QMessageBox(QMessageBox::Warning, tr("Keyboard Layout Notice"), text, QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setModal(false);
            box->show();
        },
        Qt::QueuedConnection);
}

void KeyboardWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintKeyboard(p, painted_);
}

void KeyboardWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace clavora
