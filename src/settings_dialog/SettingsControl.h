// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "SettingsForm.h"
#include "keyboard/DesktopLayouts.h"

#include <optional>
#include <vector>

namespace clavora {

struct AppSettings;
class SettingsUi;

// The settings dialog's rules: it works on a copy of the live settings, checks its
// numeric boxes and previews the colours; nothing reaches the live settings until OK.
class SettingsControl {
public:
    // The dialog's load: the two lists, the live settings and their colours. The layout files
    // come first in their list, then the layouts of the desktop's database by name.
    SettingsControl(QStringList presetFiles, QStringList layouts, const AppSettings& live, SettingsUi& ui,
                    std::vector<DesktopLayoutEntry> desktopLayouts = {});

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
    // Selects the first layout whose name starts with `text`, else the first that holds it;
    // the selection stays when none does.
    void layoutSearched(const QString& text);
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
