// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/ExerciseLength.h"

#include <QString>

namespace clavora {

// Line `number` of an exercise file as read (empty when the file, or that line, is not
// there). The file is read afresh up to that line on every call; at most the first 40
// characters of the line matter, so no more of it is held.
QString readPresetLine(const QString& path, qint64 number);

// What an exercise line becomes in the typing window: its first 40 characters without
// the blanks at their end.
QString exerciseTextOf(const QString& line);

} // namespace clavora
