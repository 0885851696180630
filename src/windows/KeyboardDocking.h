// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

namespace clavora {

// Where the keyboard window stands beside the window in use. Positions follow the outer
// frames, which every top-level window of the program shares.
class KeyboardDocking {
public:
    // Below `owner` when it fits on the screen, else above it, else where the system put
    // it. An owner that has just been shown learns its frame only when it is first exposed,
    // so until then the placing waits for that expose event (half a second at most).
    static void place(QWidget& keyboard, QWidget& owner, int leftOffsetTwips);
    // Shows the keyboard now, or once its placing is done: a window the window manager has
    // framed would take a later move as its client's.
    static void show(QWidget& keyboard);

    // Whether the keyboard stands right below `window`: then it follows the window that
    // takes `window`'s place. A window that has just been shown may not have its frame
    // yet: then `other`, which shares its decoration, tells it.
    static bool sitsBelow(const QWidget& keyboard, const QWidget& window, const QWidget* other);
    // Below `window`, whose frame corner was placed at `frame`: a window reports its
    // corner wrongly until the window manager has framed it.
    static void moveBelow(QWidget& keyboard, QPoint frame, const QWidget& window, const QWidget* other);
};

} // namespace clavora
