// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include "Geometry.h"
#include "common/Captions.h"
#include "common/TextFile.h"

#include <QFile>

namespace clavora {

HelpWindow::HelpWindow(const QString& path)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption(HelpCaption));
    setAccessibleName(tr("Help text"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFont(fixedFont(10));
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        setPlainText(decodeText(file.readAll()));
    else
        setPlainText(tr("The help file %1 could not be read: %2.").arg(path, file.errorString()));
    // A tenth of the screen left for the frame, at a large scale factor too.
    const QSize wanted(QFontMetrics(font()).horizontalAdvance(QString(92, u'x')), 600);
    resize(wanted.boundedTo(screenGeometry(*this).size() * 9 / 10));
}

} // namespace clavora
