// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/ProgramPaths.h"

#include <QStringList>

namespace clavora {

struct AppSettings;
struct KeyCapTable;

// Preset drill lines made from a layout, for one that comes with no exercise file: the home
// row's letters two keys at a time from the index fingers out, then the top and the bottom
// row's the same way, then lines that mix every row, at last with capitals. The same layout
// always gives the same lines, at least 112 of them, none longer than an exercise.
QStringList layoutDrillLines(const KeyCapTable& layout);

// The preset lines the settings name: those of their exercise file, or, for a layout of the
// desktop's database whose exercise set has no file, the lines made from that layout.
class PresetLines {
public:
    PresetLines(const AppSettings& settings, ProgramPaths paths);
    // Line `number`, as `readPresetLine` gives it.
    QString line(qint64 number);

private:
    const AppSettings& settings_;
    ProgramPaths paths_;
    QString madeFor_; // the layout `made_` was made from
    QStringList made_;
};

} // namespace clavora
