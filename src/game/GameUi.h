// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clavora {

// Focus moves the game logic asks of its window.
class GameUi {
public:
    virtual ~GameUi() = default;
    // The hidden box that receives the typed characters during play.
    virtual void focusKeyCapture() = 0;
    virtual void focusStartButton() = 0;
};

} // namespace clavora
