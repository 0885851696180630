// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>
#include <QtGlobal>

namespace clavora::test {

// A window's control by its object name; a missing control ends the test run, as every
// test that asks for one would fail on it.
template <typename Control = QWidget>
Control* findControl(const QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (!control)
        qFatal("%s has no control %s of the expected kind", qPrintable(window.objectName()), name);
    return control;
}

} // namespace clavora::test
