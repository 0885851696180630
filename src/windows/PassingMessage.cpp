// SPDX-License-Identifier: GPL-3.0-or-later
#include "PassingMessage.h"

#include <QMessageBox>
#include <QTimer>

namespace clavora {

void showPassingMessage(QWidget* parent, const QString& title, const QString& text, int milliseconds)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("PassingMessage"));
    // The box's own child: it goes with the box when the box closes sooner.
    QTimer::singleShot(milliseconds, &box, &QMessageBox::accept);
    box.exec();
}

} // namespace clavora
