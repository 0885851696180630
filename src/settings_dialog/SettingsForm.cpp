// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsForm.h"

#include "settings/SettingsTable.h"

#include <algorithm>

namespace clavora {

namespace {
QString entry(const QStringList& list, int index)
{
    return index >= 0 && index < list.size() ? list[index] : QString();
}

// The value beside `field` in a list of (field, value) pairs, const or not.
template <typename Entries, typename Field>
auto& valueOf(Entries& entries, const Field& field)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.first == field; });
    Q_ASSERT(found != entries.end());
    return found->second;
}
} // namespace

SettingsForm::SettingsForm()
{
    for (const AnySetting& row : settingsTable())
        std::visit(
            [this](const auto& setting) {
                using T = std::remove_cvref_t<decltype(setting.defaultValue)>;
                if (setting.inDialog == InDialog::No)
                    return;
                if constexpr (std::is_same_v<T, bool>)
                    flags.emplace_back(setting.field, false);
                else if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::int16_t>)
                    numbers.emplace_back(setting.field, QString::number(setting.defaultValue));
            },
            row);
}

QString& SettingsForm::text(NumberField box)
{
    return valueOf(numbers, box);
}

const QString& SettingsForm::text(NumberField box) const
{
    return valueOf(numbers, box);
}

bool& SettingsForm::ticked(FlagField box)
{
    return valueOf(flags, box);
}

bool SettingsForm::ticked(FlagField box) const
{
    return valueOf(flags, box);
}

QString SettingsForm::presetFile() const
{
    return entry(presetFiles, presetFileIndex);
}

QString SettingsForm::layout() const
{
    return entry(layouts, layoutIndex);
}

QString SettingsForm::desktopLayout() const
{
    return entry(desktopLayouts, layoutIndex);
}

} // namespace clavora
