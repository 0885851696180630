// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"
#include "settings/AppSettings.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <variant>
#include <vector>

namespace clavora {

// A numeric box of the dialog, named by the whole-number setting it edits.
using NumberField = std::variant<std::int32_t AppSettings::*, std::int16_t AppSettings::*>;
// A check box of the dialog, named by the flag it edits.
using FlagField = bool AppSettings::*;

// What the settings dialog shows; the window applies it whole after every event.
// Initial values are the dialog's design values: each numeric box shows its setting's
// default, each check box starts unticked.
struct SettingsForm {
    SettingsForm();

    QStringList presetFiles;
    int presetFileIndex = -1; // -1: nothing selected
    // One entry for each whole number and each flag that the settings table puts in the
    // dialog; the lists, the custom keys, the exercise type and the colours have rules of
    // their own.
    std::vector<std::pair<NumberField, QString>> numbers;
    std::vector<std::pair<FlagField, bool>> flags;
    QString customKeys = QStringLiteral("asdfjkl;");
    bool presetExercises = true; // else RandomExercises is selected
    // The layout files, then the layouts of the desktop's keyboard database by their names.
    QStringList layouts;
    // For each entry of `layouts`: its stored name in the database ("se(nodeadkeys)"); empty
    // for a layout file.
    QStringList desktopLayouts;
    int layoutIndex = -1;
    Rgb windowColour = DefaultWindowColour; // being edited
    Rgb textColour = DefaultTextColour;

    QString& text(NumberField box);
    const QString& text(NumberField box) const;
    bool& ticked(FlagField box);
    bool ticked(FlagField box) const;
    // The selected entry's text, empty when nothing is selected.
    QString presetFile() const;
    QString layout() const;
    QString desktopLayout() const;
};

} // namespace clavora
