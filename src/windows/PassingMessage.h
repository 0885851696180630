// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QWidget;

namespace clavora {

// A message box that needs no answer: it closes itself after `milliseconds`, or sooner with
// ENTER, ESC or a click on its button. Returns once it has closed; the program's timers and
// signals go on meanwhile.
void showPassingMessage(QWidget* parent, const QString& title, const QString& text, int milliseconds);

} // namespace clavora
