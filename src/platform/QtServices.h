#pragma once
#include "common/Services.h"

#include <QObject>
#include <random>

namespace clavora {

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() const override;
    QDateTime localDateTime() const override;
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

class DesktopShell final : public Shell {
public:
    void open(const QString& path) override;
};

class SystemBeep final : public Beep {
public:
    void beep() override;
};

// The primary screen's size in twips.
int screenWidthTwips();
int screenHeightTwips();

} // namespace clavora
