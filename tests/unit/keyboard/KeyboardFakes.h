// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/DesktopKeyboard.h"
#include "keyboard/KeyState.h"
#include "keyboard/KeyboardUi.h"

#include <QStringList>
#include <set>

namespace clavora::test {

// Key states the test sets by hand; counts every read.
class FakeKeyState final : public KeyState {
public:
    std::set<std::uint16_t> down;
    bool capsLock = false;
    mutable int reads = 0;
    bool isDown(std::uint16_t code) const override
    {
        ++reads;
        return down.count(code) > 0;
    }
    bool isToggled(std::uint16_t code) const override
    {
        ++reads;
        return code == 20 && capsLock;
    }
};

// The desktop's layout as the test sets it; counts every read.
class FakeDesktopKeyboard final : public DesktopKeyboard {
public:
    DesktopLayoutName name;
    mutable int reads = 0;
    DesktopLayoutName layout() const override
    {
        ++reads;
        return name;
    }
    void switchTo(const DesktopLayoutName& layout)
    {
        name = layout;
        emit changed();
    }
};

class FakeKeyboardUi final : public KeyboardUi {
public:
    QStringList notices;
    void showNotice(const QString& text) override { notices.append(text); }
};

} // namespace clavora::test
