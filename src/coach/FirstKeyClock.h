// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

class Clock;

// An attempt's clock that starts at the first typed character, so the time spent reading
// the line does not count against the speed.
class FirstKeyClock {
public:
    explicit FirstKeyClock(const Clock& clock) : clock_(clock) {}

    // A new line is shown: the clock waits for its first key.
    void reset() { started_ = false; }
    // Starts the clock when the typing line first holds a character.
    void typingLineChanged(const QString& text);
    bool started() const { return started_; }
    // Seconds since the first key, 0 before it; an attempt may run past midnight.
    double elapsed();

private:
    const Clock& clock_;
    bool started_ = false;
    double startTime_ = 0.0;
};

} // namespace clavora
