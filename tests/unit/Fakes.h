// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Services.h"
#include "exercises/ExerciseUi.h"
#include "game/GameUi.h"
#include "settings/StartupEntry.h"

#include <QStringList>
#include <deque>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace clavora::test {

// A clock the test sets by hand; it can cross midnight.
class FakeClock final : public Clock {
public:
    double now = 0.0;
    QDateTime dateTime = QDateTime(QDate(2010, 12, 11), QTime(14, 5, 9));
    double secondsSinceMidnight() const override { return now; }
    QDateTime localDateTime() const override { return dateTime; }
};

// Returns the queued numbers first, then `fallback` for ever; once seeded, a repeatable
// uniform sequence instead of the fallback.
class FakeRandom final : public Random {
public:
    std::deque<double> queued;
    double fallback = 0.0;
    void seed(quint32 value) override { engine_.emplace(value); }
    double next() override
    {
        if (queued.empty())
            return engine_ ? std::uniform_real_distribution<double>(0.0, 1.0)(*engine_) : fallback;
        const double r = queued.front();
        queued.pop_front();
        return r;
    }

private:
    std::optional<std::mt19937> engine_;
};

class FakeClipboard final : public Clipboard {
public:
    QString content;
    bool holdsText = true;
    int writes = 0;
    QString text() const override { return holdsText ? content : QString(); }
    bool hasText() const override { return holdsText; }
    void setText(const QString& t) override
    {
        content = t;
        holdsText = true;
        ++writes;
    }
    void refresh() override {}
};

class FakeExerciseUi final : public ExerciseUi {
public:
    std::vector<std::pair<QString, QString>> messages; // title, text
    std::optional<QString> saveAnswer;                 // what the Save As dialog returns
    QString proposedName;
    QStringList filters;
    QString saveTitle;
    int typingFocus = 0;
    int numberFocus = 0;
    int quickRunEnds = 0;
    void showMessage(const QString& title, const QString& text) override { messages.emplace_back(title, text); }
    void focusTypingLine() override { ++typingFocus; }
    void focusAndSelectNumber() override { ++numberFocus; }
    std::optional<QString> askSaveFileName(const QString& proposed, const QStringList& f,
                                           const QString& title) override
    {
        proposedName = proposed;
        filters = f;
        saveTitle = title;
        return saveAnswer;
    }
    void quickRunFinished() override { ++quickRunEnds; }
};

class FakeStartupEntry final : public StartupEntry {
public:
    QString text;
    QString writtenFor;
    int removes = 0;
    Written answer; // what the next write reports
    QString read() override { return text; }
    Written write(const QString& program) override
    {
        writtenFor = program;
        if (answer.outcome == Written::Outcome::Written)
            text = program + QStringLiteral(" /q");
        return answer;
    }
    QString location() const override { return QStringLiteral("/home/u/.config/autostart/q.desktop"); }
    void remove() override
    {
        ++removes;
        text.clear();
    }
};

class FakeShell final : public Shell {
public:
    QStringList opened;
    void open(const QString& path) override { opened.append(path); }
};

class FakeBeep final : public Beep {
public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

class FakeGameUi final : public GameUi {
public:
    void focusKeyCapture() override {}
    void focusStartButton() override {}
};

} // namespace clavora::test
