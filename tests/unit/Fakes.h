// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Services.h"
#include "exercises/ExerciseUi.h"
#include "game/GameUi.h"
#include "history/HistoryFigures.h"
#include "history/HistoryRecorder.h"
#include "settings/StartupEntry.h"

#include <QStringList>
#include <algorithm>
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

// A history in memory: keeps what is recorded, and answers with the key figures and
// mistakes the test gives it; its other figures are empty.
class FakeHistory final : public HistoryRecorder, public HistoryFigures {
public:
    std::vector<AttemptRecord> attempts;
    std::vector<GameRecord> games;
    bool writable = true; // false: every write fails, as a store set aside does
    bool readable = true;
    QString problemText;
    std::vector<KeyFigures> keys;
    std::vector<ConfusionPair> confusions;

    // `strokes` of `key` over the figures' period, `errors` of them struck as `instead`.
    void addStrokes(QChar key, int strokes, int errors, QChar instead = {})
    {
        auto figures = std::find_if(keys.begin(), keys.end(), [&](const KeyFigures& k) { return k.key == key; });
        if (figures == keys.end()) {
            figures = keys.insert(keys.end(), KeyFigures());
            figures->key = key;
        }
        figures->strokes += strokes;
        figures->errors += errors;
        if (figures->strokes >= KeyFigures::StrokesForRate)
            figures->errorRate = double(figures->errors) / figures->strokes;
        if (errors == 0)
            return;
        figures->mostStruckInstead = instead;
        confusions.push_back({key, instead, errors});
    }

    bool recording() const override { return true; }
    bool addAttempt(const AttemptRecord& attempt) override
    {
        if (writable)
            attempts.push_back(attempt);
        return writable;
    }
    bool addGame(const GameRecord& game) override
    {
        if (writable)
            games.push_back(game);
        return writable;
    }
    bool forget() override
    {
        attempts.clear();
        games.clear();
        return writable;
    }

    bool available() const override { return readable; }
    QString problem() const override { return problemText; }
    bool knownUnavailable() const override { return !readable; }
    std::vector<DayFigures> dailyFigures(HistoryPeriod) const override { return {}; }
    std::vector<KeyFigures> keyFigures(HistoryPeriod) const override { return keys; }
    std::vector<ConfusionPair> confusionPairs(HistoryPeriod, int = ListedRows) const override { return confusions; }
    std::vector<GameFigures> bestGames(int = ListedRows) const override { return {}; }
    std::vector<DayMinutes> minutesPerDay(HistoryPeriod) const override { return {}; }
    int streak() const override { return 0; }
    TypingCalendar calendar() const override { return {}; }
    bool forEachAttempt(const std::function<void(const AttemptRecord&)>& visit) const override
    {
        std::for_each(attempts.begin(), attempts.end(), visit);
        return readable;
    }
};

} // namespace clavora::test
