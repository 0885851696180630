// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

class QWidget;

namespace clavora {

// Gives the buttons of a window the keys users of desktop dialogs expect. An access key
// moves the focus to its button and clicks it at once, as a mouse click does: the control left behind is
// tidied first, and keys typed right after go where the click put the focus, not to the
// control that had it. ENTER clicks the push button that has the focus.
class ButtonKeys final : public QObject {
    Q_OBJECT
public:
    // For every button the window holds now.
    explicit ButtonKeys(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace clavora
