// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

// The record of evaluated attempts shown under the typing line: one line per attempt,
// lines separated by CR LF.
class ExerciseLog {
public:
    const QString& text() const { return text_; }
    // Adds a status text as one line; its line break becomes two blanks.
    void append(const QString& status);

private:
    QString text_;
};

// Writes the text to a temporary file beside `path` and renames it over `path`, so a
// failed save never destroys an earlier file. False on any failure.
bool saveTextFile(const QString& path, const QString& text);

} // namespace clavora
