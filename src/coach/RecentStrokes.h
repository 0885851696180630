// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "AdaptiveCourse.h"
#include "common/FileAccess.h"

#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace clavora {

// The last strokes of each letter, wherever they were typed: a key is judged by how it is
// typed now, so early mistakes fade as the learner improves. Capitals count as their letter's
// key. Kept in a small file of its own between runs.
class RecentStrokes {
public:
    static constexpr int Kept = AdaptiveCourse::MinimumStrokes;

    // A key struck where `expected` was asked for; the interval since the previous key when
    // there was one. False when `expected` is no letter: nothing is kept then.
    bool add(QChar expected, bool right, std::optional<double> intervalSeconds = std::nullopt);
    // Accuracy over the key's kept strokes; speed from the median interval before its right ones.
    KeyPractice practice(QChar key) const;
    std::vector<KeyPractice> practice(const QString& keys) const;

    // One key a line: the key, then each stroke oldest first ("x" wrong, "+" right without a
    // time, else the milliseconds before a right stroke).
    QString text() const;
    static RecentStrokes fromText(const QString& text);
    // A file that cannot be read gives no strokes.
    static RecentStrokes read(const QString& path);
    SaveResult save(const QString& path) const;

private:
    // Milliseconds before a right stroke; Untimed right without a time; Wrong.
    static constexpr int Wrong = -1;
    static constexpr int Untimed = 0;
    void keep(QChar key, int stroke);

    QHash<QChar, std::vector<int>> strokes_; // oldest first, at most Kept
};

} // namespace clavora
