// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecentStrokes.h"

#include "common/FileAccess.h"
#include "common/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringTokenizer>
#include <algorithm>
#include <cmath>

namespace clavora {

namespace {
constexpr double MillisecondsPerMinutePerCharacters = 60000.0 / 5;
// Longer pauses say nothing of the key's speed, and keep the file's numbers short.
constexpr int LongestInterval = 60000;
// Far more than Kept strokes of every letter of any layout.
constexpr qint64 MaximumFileBytes = 1 << 20;
} // namespace

bool RecentStrokes::add(QChar expected, bool right, std::optional<double> intervalSeconds)
{
    if (!expected.isLetter())
        return false;
    int stroke = Wrong;
    if (right)
        stroke = intervalSeconds ? std::clamp(int(std::lround(*intervalSeconds * 1000)), 1, LongestInterval) : Untimed;
    keep(expected.toLower(), stroke);
    return true;
}

void RecentStrokes::keep(QChar key, int stroke)
{
    std::vector<int>& kept = strokes_[key];
    if (kept.size() == Kept)
        kept.erase(kept.begin());
    kept.push_back(stroke);
}

KeyPractice RecentStrokes::practice(QChar key) const
{
    KeyPractice practice{key};
    const auto found = strokes_.constFind(key);
    if (found == strokes_.constEnd() || found->empty())
        return practice;
    std::vector<int> intervals;
    int right = 0;
    for (const int stroke : *found) {
        right += stroke != Wrong;
        if (stroke > 0)
            intervals.push_back(stroke);
    }
    practice.strokes = int(found->size());
    practice.accuracy = 100.0 * right / practice.strokes;
    if (!intervals.empty()) {
        const auto middle = intervals.begin() + qsizetype(intervals.size() / 2);
        std::nth_element(intervals.begin(), middle, intervals.end());
        practice.speed = MillisecondsPerMinutePerCharacters / *middle;
    }
    return practice;
}

std::vector<KeyPractice> RecentStrokes::practice(const QString& keys) const
{
    std::vector<KeyPractice> practice;
    for (const QChar key : keys)
        practice.push_back(this->practice(key));
    return practice;
}

QString RecentStrokes::text() const
{
    QList<QChar> keys = strokes_.keys();
    std::sort(keys.begin(), keys.end());
    QString text;
    for (const QChar key : keys) {
        text += key;
        for (const int stroke : strokes_[key])
            text += u' ' + (stroke == Wrong ? QStringLiteral("x") : stroke == Untimed ? QStringLiteral("+") : QString::number(stroke));
        text += u'\n';
    }
    return text;
}

RecentStrokes RecentStrokes::fromText(const QString& text)
{
    RecentStrokes recent;
    for (const QStringView line : QStringTokenizer(text, u'\n', Qt::SkipEmptyParts)) {
        const QList<QStringView> parts = line.trimmed().split(u' ', Qt::SkipEmptyParts);
        if (parts.isEmpty() || parts.front().size() != 1 || !parts.front()[0].isLetter())
            continue; // not a line this program wrote
        const QChar key = parts.front()[0].toLower();
        for (const QStringView part : parts.mid(1)) {
            bool number = false;
            const int milliseconds = part.toInt(&number);
            if (part == u"x")
                recent.keep(key, Wrong);
            else if (part == u"+")
                recent.keep(key, Untimed);
            else if (number && milliseconds > 0)
                recent.keep(key, std::min(milliseconds, LongestInterval));
        }
    }
    return recent;
}

RecentStrokes RecentStrokes::read(const QString& path)
{
    return fromText(decodeText(readRegularFile(path, MaximumFileBytes).bytes));
}

SaveResult RecentStrokes::save(const QString& path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath()); // an installed program's first save
    return saveFileSafely(path, text().toUtf8());
}

} // namespace clavora
