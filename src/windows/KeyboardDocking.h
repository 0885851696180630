// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>
#include <functional>

namespace clavora {

// Where the keyboard window stands beside the window in use. Positions follow the outer
// frames, which every top-level window of the program shares.
class KeyboardDocking {
public:
    // Runs `then` once `owner` is on the screen and painted, and `context` still lives: at
    // once for an owner already exposed or hidden, else after its first expose (half a second
    // at most). Only then does the window manager's frame of the owner become known, and the
    // window in use is painted before the keyboard is built.
    static void afterFirstExpose(QWidget& owner, QObject& context, std::function<void()> then);
    // Below `owner` when it fits on the owner's screen, else above it, else where the system
    // put it. False when the platform does not let a program place its windows.
    static bool place(QWidget& keyboard, const QWidget& owner, int leftOffsetTwips);

    // Whether the keyboard stands right below `window`: then it follows the window that
    // takes `window`'s place. A window that has just been shown may not have its frame
    // yet: then `other`, which shares its decoration, tells it.
    static bool sitsBelow(const QWidget& keyboard, const QWidget& window, const QWidget* other);
    // Below `window`, whose frame corner was placed at `frame`: a window reports its
    // corner wrongly until the window manager has framed it.
    static void moveBelow(QWidget& keyboard, QPoint frame, const QWidget& window, const QWidget* other);
};

} // namespace clavora
