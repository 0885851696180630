// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypingRecorder.h"

namespace clavora {

void TypingRecorder::beginAttempt(double seconds)
{
    recording_ = true;
    previous_.clear();
    previousSeconds_ = seconds;
    previousKeyTimed_ = false;
    tally_ = {};
    tally_.pairs.reserve(64);
}

std::optional<TypingRecorder::Stroke> TypingRecorder::typingLineChanged(const QString& exercise, const QString& typed,
                                                                         double seconds)
{
    if (!recording_ || typed == previous_)
        return std::nullopt;
    std::optional<Stroke> stroke;
    const qsizetype before = previous_.size();
    if (typed.size() == before + 1 && typed.startsWith(previous_)) {
        const char16_t expected = before < exercise.size() ? exercise.at(before).unicode() : 0;
        const char16_t struck = typed.at(before).unicode();
        stroke = Stroke{QChar(expected), QChar(struck), countStroke(expected, struck, seconds)};
    } else if (typed.size() == before - 1 && previous_.startsWith(typed)) {
        ++tally_.backspaces;
    } else {
        ++tally_.midLineEdits;
    }
    previous_ = typed;
    previousSeconds_ = seconds;
    previousKeyTimed_ = true;
    return stroke;
}

std::optional<double> TypingRecorder::countStroke(char16_t expected, char16_t struck, double seconds)
{
    KeystrokePair* pair = nullptr;
    for (KeystrokePair& candidate : tally_.pairs) {
        if (candidate.expected == expected && candidate.struck == struck) {
            pair = &candidate;
            break;
        }
    }
    if (!pair) {
        tally_.pairs.push_back({expected, struck});
        pair = &tally_.pairs.back();
    }
    ++pair->count;
    if (!previousKeyTimed_)
        return std::nullopt;
    double interval = seconds - previousSeconds_;
    if (interval < 0) // the clock passed midnight
        interval += DaySeconds;
    ++pair->timedCount;
    pair->intervalSeconds += interval;
    return interval;
}

KeystrokeTally TypingRecorder::finishAttempt()
{
    recording_ = false;
    previous_.clear();
    return std::exchange(tally_, {});
}

void TypingRecorder::discardAttempt()
{
    recording_ = false;
    previous_.clear();
    tally_ = {};
}

} // namespace clavora
