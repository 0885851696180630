// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsControl.h"

#include "NumericBoxCheck.h"
#include "SettingsUi.h"
#include "settings/AppSettings.h"

#include <algorithm>

namespace clavora {

namespace {
int firstMatchIgnoringCase(const QStringList& list, const QString& name)
{
    const QString wanted = name.toLower();
    for (int i = 0; i < list.size(); ++i)
        if (list[i].toLower() == wanted)
            return i;
    return -1;
}

int validIndex(const QStringList& list, int index)
{
    return index >= 0 && index < list.size() ? index : -1;
}
} // namespace

SettingsControl::SettingsControl(QStringList presetFiles, QStringList layouts, const AppSettings& live,
                                 SettingsUi& ui, std::vector<DesktopLayoutEntry> desktopLayouts)
    : ui_(ui)
{
    form_.presetFiles = std::move(presetFiles);
    form_.layouts = std::move(layouts);
    for (qsizetype i = 0; i < form_.layouts.size(); ++i)
        form_.desktopLayouts.append(QString());
    std::sort(desktopLayouts.begin(), desktopLayouts.end(), [](const auto& a, const auto& b) {
        return a.description.compare(b.description, Qt::CaseInsensitive) < 0;
    });
    for (const DesktopLayoutEntry& entry : desktopLayouts) {
        form_.layouts.append(entry.description);
        form_.desktopLayouts.append(storedLayoutName(entry.name));
    }
    updateSettings(live);
    form_.windowColour = live.windowColour;
    form_.textColour = live.textColour;
}

void SettingsControl::updateSettings(const AppSettings& live)
{
    for (auto& [box, text] : form_.numbers)
        text = std::visit([&live](auto field) { return QString::number(live.*field); }, box);
    for (auto& [box, ticked] : form_.flags)
        ticked = live.*box;
    form_.presetFileIndex = firstMatchIgnoringCase(form_.presetFiles, live.presetFile);
    customKeysChanged(live.customKeys);
    form_.ticked(&AppSettings::custom) = live.custom; // whatever the keys' rule ticked
    form_.presetExercises = live.quickExerciseType == ExerciseType::Preset;
    // A layout of the desktop's database by its stored name, as two may share a description.
    const int desktopIndex = live.desktopLayout.isEmpty() ? -1 : firstMatchIgnoringCase(form_.desktopLayouts, live.desktopLayout);
    form_.layoutIndex = desktopIndex >= 0 ? desktopIndex : firstMatchIgnoringCase(form_.layouts, live.layoutFile);
}

void SettingsControl::numberEdited(NumberField box, const QString& text)
{
    form_.text(box) = text;
}

void SettingsControl::numberBoxLeft(NumberField box)
{
    checkNumericBox(form_, box);
}

void SettingsControl::customKeysChanged(const QString& text)
{
    // The space bar has its own box; blanks are not custom keys.
    form_.customKeys = QString(text).remove(u' ');
    form_.ticked(&AppSettings::custom) = !form_.customKeys.isEmpty();
}

void SettingsControl::setTicked(FlagField box, bool ticked)
{
    form_.ticked(box) = ticked;
}

void SettingsControl::presetFileChosen(int index)
{
    form_.presetFileIndex = validIndex(form_.presetFiles, index);
}

void SettingsControl::layoutChosen(int index)
{
    form_.layoutIndex = validIndex(form_.layouts, index);
}

void SettingsControl::layoutSearched(const QString& text)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return;
    const auto first = [this](auto matches) {
        for (int i = 0; i < form_.layouts.size(); ++i)
            if (matches(form_.layouts[i]))
                return i;
        return -1;
    };
    int found = first([&wanted](const QString& name) { return name.startsWith(wanted, Qt::CaseInsensitive); });
    if (found < 0)
        found = first([&wanted](const QString& name) { return name.contains(wanted, Qt::CaseInsensitive); });
    if (found >= 0)
        form_.layoutIndex = found;
}

void SettingsControl::quickTypeChosen(bool preset)
{
    form_.presetExercises = preset;
}

void SettingsControl::windowColourClicked()
{
    if (const auto picked = ui_.pickColour(form_.windowColour))
        form_.windowColour = *picked;
}

void SettingsControl::textColourClicked()
{
    if (const auto picked = ui_.pickColour(form_.textColour))
        form_.textColour = *picked;
}

void SettingsControl::defaultsClicked()
{
    form_.windowColour = DefaultWindowColour;
    form_.textColour = DefaultTextColour;
}

void SettingsControl::confirm(std::optional<NumberField> focusedBox)
{
    if (focusedBox)
        numberBoxLeft(*focusedBox);
}

} // namespace clavora
