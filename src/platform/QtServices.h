// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Services.h"

#include <QElapsedTimer>
#include <QObject>
#include <random>

namespace clavora {

// Seconds since local midnight as they were when the program started, carried on by a
// monotonic timer: a wall clock set back (the end of summer time, a time sync) would
// otherwise pass for midnight and age every running time by a day.
class SystemClock final : public Clock {
public:
    SystemClock();
    double secondsSinceMidnight() const override;
    QDateTime localDateTime() const override;

private:
    QElapsedTimer sinceStart_;
    qint64 startMilliseconds_;
};

class MersenneRandom final : public Random {
public:
    void seed(quint32 value) override { engine_.seed(value); }
    double next() override;

private:
    std::mt19937 engine_;
};

// The system clipboard, read when it changes (and on request) rather than on every use,
// so the exercise clock never waits for another program's clipboard.
class SystemClipboard final : public QObject, public Clipboard {
    Q_OBJECT
public:
    SystemClipboard();
    QString text() const override { return text_; }
    bool hasText() const override { return hasText_; }
    void setText(const QString& text) override;
    void refresh() override;

private:
    QString text_;
    bool hasText_ = false;
};

// Opens a file with xdg-open and reports when no program could show it: xdg-open is
// missing, or it ends with an error because nothing handles the file.
class DesktopShell final : public QObject, public Shell {
    Q_OBJECT
public:
    void open(const QString& path) override;

signals:
    void openFailed(const QString& path);
};

class SystemBeep final : public Beep {
public:
    void beep() override;
};

} // namespace clavora
