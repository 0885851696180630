// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "DesktopLayout.h"

#include <QObject>

namespace clavora {

// The desktop's keyboard layout: read from the X server in the program, set by hand in tests.
class DesktopKeyboard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Empty when it cannot be read.
    virtual DesktopLayoutName layout() const = 0;

signals:
    // The desktop switched layouts; nothing is signalled while it keeps one.
    void changed();
};

} // namespace clavora
