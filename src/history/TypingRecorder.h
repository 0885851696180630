// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HistoryRecords.h"

#include <optional>

namespace clavora {

// Collects the keys of one attempt in memory from the typing line's changes. A change that
// adds one character at the end is a struck key, paired with the exercise's character at that
// place; one that removes the last character is a Backspace; any other change is an edit in
// the middle of the line. Nothing here touches a file.
class TypingRecorder {
public:
    // The attempt starts with an empty typing line at clock time `seconds`.
    void beginAttempt(double seconds);
    // One key struck at the end of the line, for those who follow the keys as they come.
    struct Stroke {
        QChar expected; // null past the end of the exercise
        QChar struck;
        std::optional<double> intervalSeconds; // none for the attempt's first key
    };
    // The typing line now holds `typed`; `seconds` is the clock time of the change. Ignored
    // outside an attempt. The key struck, when the change was one.
    std::optional<Stroke> typingLineChanged(const QString& exercise, const QString& typed, double seconds);
    // Ends the attempt and hands over what it collected.
    KeystrokeTally finishAttempt();
    // Ends the attempt without keeping anything (the exercises were stopped).
    void discardAttempt();

    bool recording() const { return recording_; }

private:
    // The interval since the previous change, when it is timed.
    std::optional<double> countStroke(char16_t expected, char16_t struck, double seconds);

    static constexpr double DaySeconds = 86400.0;

    bool recording_ = false;
    QString previous_;
    double previousSeconds_ = 0.0;
    bool previousKeyTimed_ = false;
    KeystrokeTally tally_;
};

} // namespace clavora
