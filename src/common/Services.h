// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QString>

namespace clavora {

// A day on the clock: a reading below an earlier one means midnight has passed.
constexpr double DaySeconds = 86400.0;

// The system clock as the program reads it.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with fractions; falls back to 0 at midnight.
    virtual double secondsSinceMidnight() const = 0;
    virtual QDateTime localDateTime() const = 0;
};

// The program's one uniform random source.
class Random {
public:
    virtual ~Random() = default;
    virtual void seed(quint32 value) = 0;
    // A number r with 0 <= r < 1.
    virtual double next() = 0;
    // A choice among n items: the whole part of r * n.
    int below(int n) { return int(next() * n); }
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Plain text, empty when there is none; `hasText` tells an empty text from no text.
    virtual QString text() const = 0;
    virtual bool hasText() const = 0;
    virtual void setText(const QString& text) = 0;
    // Reads the clipboard again; between refreshes the last known text is used.
    virtual void refresh() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens the file with the desktop's viewer; the outcome is not reported.
    virtual void open(const QString& path) = 0;
};

class Beep {
public:
    virtual ~Beep() = default;
    virtual void beep() = 0;
};

} // namespace clavora
