// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"

#include <QWidget>

namespace clavora {

// The exercise window or the game: the two windows one practises in, one of them in use at a
// time. What they ask of the program is the same, and is wired once for both.
class PractiseWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void setShowLayoutChecked(bool checked) = 0;
    virtual void colourWindow(Rgb windowColour, Rgb textColour) = 0;

signals:
    // The button to the other window: the game from the exercises, and back.
    void switchClicked();
    void settingsClicked();
    void helpClicked();
    void progressClicked();
    void showLayoutClicked(bool checked);
    // The window has closed; the game has recorded a game under way and kept its start level.
    void closed();
};

} // namespace clavora
