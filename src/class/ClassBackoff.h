// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QRandomGenerator;

namespace clavora {

// The pauses between tries at a server that failed: from a second, doubling up to five
// minutes, each wait drawn from the second half of its pause, so that the programs of a
// school a server refused do not all come back at once.
class ClassBackoff {
public:
    static constexpr int longestPauseSeconds = 300;

    // The wait before the next try; the pause after it doubles.
    int nextWaitMilliseconds(QRandomGenerator& random);
    // After a success: the next failure waits a second again.
    void reset() { pauseSeconds_ = 1; }

private:
    int pauseSeconds_ = 1;
};

} // namespace clavora
