// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <cstdint>

namespace clavora {

// The state of the keys as the program's own input sees it, by virtual-key code.
class KeyState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool isDown(std::uint16_t keyCode) const = 0;
    // Whether a toggle key (Caps Lock) is switched on, held or not.
    virtual bool isToggled(std::uint16_t keyCode) const = 0;

signals:
    // A key went down or up, or a toggle switched; nothing is signalled while nothing changes.
    void changed();
};

} // namespace clavora
