// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "AppSettings.h"

#include <QtGlobal>
#include <limits>
#include <span>
#include <type_traits>
#include <variant>

namespace clavora {

// The whole numbers a setting accepts.
struct Bounds {
    qint64 lowest = 0;
    qint64 highest = 0;
};

// Every value a field of type T can hold; nothing for what is not a whole number.
template <typename T>
constexpr Bounds widthOf()
{
    if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>)
        return {std::numeric_limits<T>::min(), std::numeric_limits<T>::max()};
    else
        return {};
}

enum class InDialog { No, Yes };

// One setting: where the file keeps it (no section: not in the file), its field (and so
// its type), its default, whether the settings dialog edits it, and for a whole number
// the values it accepts. The dialog holds its boxes within these bounds when the user
// leaves them; the load holds the other settings within them, and the dialog's only within
// their field's width, as a file may hold what the dialog would refuse.
template <typename T>
struct Setting {
    const char* section;
    const char* key;
    T AppSettings::*field;
    std::type_identity_t<T> defaultValue;
    InDialog inDialog = InDialog::No;
    Bounds bounds = widthOf<T>();
};

// The rows name their type once, in the field; older compilers deduce it only through these.
template <typename T, typename D>
Setting(const char*, const char*, T AppSettings::*, D) -> Setting<T>;
template <typename T, typename D>
Setting(const char*, const char*, T AppSettings::*, D, InDialog) -> Setting<T>;
template <typename T, typename D>
Setting(const char*, const char*, T AppSettings::*, D, InDialog, Bounds) -> Setting<T>;

using AnySetting = std::variant<Setting<std::int32_t>, Setting<std::int16_t>, Setting<bool>,
                                Setting<ExerciseType>, Setting<QString>, Setting<Rgb>>;

// Every setting, in the file's order.
std::span<const AnySetting> settingsTable();

// The row of `field`; every field has one.
template <typename T>
const Setting<T>& settingOf(T AppSettings::*field)
{
    for (const AnySetting& row : settingsTable())
        if (const auto* setting = std::get_if<Setting<T>>(&row); setting && setting->field == field)
            return *setting;
    Q_UNREACHABLE();
}

} // namespace clavora
