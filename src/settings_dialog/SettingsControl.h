// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "SettingsForm.h"

#include <optional>

namespace clavora {

struct AppSettings;
class SettingsUi;

// The settings dialog's rules: it works on a copy of the live settings, checks its
// numeric boxes and previews the colours; nothing reaches the live settings until OK.
class SettingsControl {
public:
    // The dialog's load: the two lists, the live settings and their colours.
    SettingsControl(QStringList presetFiles, QStringList layouts, const AppSettings& live, SettingsUi& ui);

    const SettingsForm& form() const { return form_; }

    // Copies the live settings into the controls.
    void updateSettings(const AppSettings& live);

    // Events forwarded by the window.
    void numberEdited(NumberField box, const QString& text);
    void numberBoxLeft(NumberField box);
    void customKeysChanged(const QString& text);
    void setTicked(FlagField box, bool ticked);
    void presetFileChosen(int index);
    void layoutChosen(int index);
    void quickTypeChosen(bool preset);
    void windowColourClicked();
    void textColourClicked();
    void defaultsClicked();
    // OK: ENTER confirms without moving the focus, so the box that still has it is
    // checked as if the user had left it.
    void confirm(std::optional<NumberField> focusedBox);

private:
    SettingsUi& ui_;
    SettingsForm form_;
};

} // namespace clavora
