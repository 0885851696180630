// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopLayout.h"

#include "KeyboardForm.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QStringList>

namespace clavora {

namespace {

struct MappedLayout {
    const char* layout;
    const char* variant;
    const char* file; // the layout file and the preset exercise file share the name
    const char* keyboardName;
};

constexpr MappedLayout Mapped[] = {
    {"us", "", "QWERTY - United States", QT_TRANSLATE_NOOP("DesktopLayout", "English (US)")},
    {"gb", "", "QWERTY - United Kingdom", QT_TRANSLATE_NOOP("DesktopLayout", "English (UK)")},
    {"de", "", "QWERTZ - German", QT_TRANSLATE_NOOP("DesktopLayout", "German")},
    {"fr", "", "AZERTY - French", QT_TRANSLATE_NOOP("DesktopLayout", "French")},
    {"us", "dvorak", "Dvorak - United States", QT_TRANSLATE_NOOP("DesktopLayout", "English (Dvorak)")},
    {"us", "colemak", "Colemak - United States", QT_TRANSLATE_NOOP("DesktopLayout", "English (Colemak)")},
};

// Words in the names of variants that put the letters elsewhere.
constexpr const char* Rearranging[] = {"dvorak", "dvp", "colemak", "workman", "bepo", "neo", "bone", "norman",
                                       "koy", "adnw", "qwerty", "qwertz", "azerty"};

bool rearrangesLetters(const QString& variant)
{
    for (const char* word : Rearranging) {
        if (variant.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

std::optional<ShippedLayout> find(const QString& layout, const QString& variant)
{
    for (const MappedLayout& entry : Mapped) {
        if (layout.compare(QLatin1String(entry.layout), Qt::CaseInsensitive) == 0 &&
            variant.compare(QLatin1String(entry.variant), Qt::CaseInsensitive) == 0)
            return ShippedLayout{QLatin1String(entry.file), QLatin1String(entry.file),
                                 QCoreApplication::translate("DesktopLayout", entry.keyboardName)};
    }
    return std::nullopt;
}

} // namespace

DesktopLayoutName desktopLayoutFromRules(const QString& layouts, const QString& variants, int group)
{
    const QStringList layoutList = layouts.split(u',');
    const QStringList variantList = variants.split(u',');
    if (group < 0 || group >= layoutList.size())
        group = 0;
    return {layoutList[group].trimmed(), group < variantList.size() ? variantList[group].trimmed() : QString()};
}

std::optional<ShippedLayout> shippedLayoutFor(const DesktopLayoutName& desktop)
{
    if (auto exact = find(desktop.layout, desktop.variant))
        return exact;
    if (rearrangesLetters(desktop.variant))
        return std::nullopt;
    return find(desktop.layout, {});
}

ShippedLayout firstStartLayout(const DesktopLayoutName& desktop)
{
    return shippedLayoutFor(desktop).value_or(*find(QStringLiteral("us"), {}));
}

std::optional<ShippedLayout> mismatchedLayout(const QString& chosenLayoutFile, const DesktopLayoutName& desktop)
{
    std::optional<ShippedLayout> shipped = shippedLayoutFor(desktop);
    if (shipped && shipped->layoutFile.compare(chosenLayoutFile, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return shipped;
}

QString keyboardCaption(const QString& chosenLayoutFile, bool namesLayout, const DesktopLayoutName& desktop)
{
    const QString named = namesLayout ? QStringLiteral("%1 (%2)").arg(caption(KeyboardCaption), chosenLayoutFile)
                                      : caption(KeyboardCaption);
    const std::optional<ShippedLayout> shipped = mismatchedLayout(chosenLayoutFile, desktop);
    if (!shipped)
        return named;
    return QCoreApplication::translate("DesktopLayout", "%1 (your keyboard is %2)").arg(named, shipped->keyboardName);
}

void switchLayout(AppSettings& settings, const ShippedLayout& layout)
{
    if (settings.presetFile.compare(settings.layoutFile, Qt::CaseInsensitive) == 0)
        settings.presetFile = layout.presetFile;
    settings.layoutFile = layout.layoutFile;
    settings.desktopLayout.clear();
}

} // namespace clavora
