// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopLayouts.h"

#include <QRegularExpression>
#include <memory>
#include <utility>
#include <xkbcommon/xkbcommon.h>
#include <xkbcommon/xkbregistry.h>

namespace clavora {

namespace {

template <typename T, auto Free>
struct Freeing {
    void operator()(T* object) const { Free(object); }
};
using Context = std::unique_ptr<xkb_context, Freeing<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Freeing<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Freeing<xkb_state, xkb_state_unref>>;
using Registry = std::unique_ptr<rxkb_context, Freeing<rxkb_context, rxkb_context_unref>>;

// The XKB names of the character keys, in the order of a layout file's lines.
constexpr const char* KeyNames[CharacterKeyCount] = {
    "TLDE", "AE01", "AE02", "AE03", "AE04", "AE05", "AE06", "AE07", "AE08", "AE09", "AE10", "AE11",
    "AE12", "AD01", "AD02", "AD03", "AD04", "AD05", "AD06", "AD07", "AD08", "AD09", "AD10", "AD11",
    "AD12", "BKSL", "AC01", "AC02", "AC03", "AC04", "AC05", "AC06", "AC07", "AC08", "AC09", "AC10",
    "AC11", "AB01", "AB02", "AB03", "AB04", "AB05", "AB06", "AB07", "AB08", "AB09", "AB10", "LSGT"};
constexpr int ExtraKey = CharacterKeyCount - 1;

// The accent a dead key puts on the next letter, as it stands alone.
constexpr std::pair<xkb_keysym_t, char16_t> DeadKeyAccents[] = {
    {XKB_KEY_dead_grave, u'`'},        {XKB_KEY_dead_acute, u'\u00B4'},     {XKB_KEY_dead_circumflex, u'^'},
    {XKB_KEY_dead_tilde, u'~'},        {XKB_KEY_dead_macron, u'\u00AF'},    {XKB_KEY_dead_breve, u'\u02D8'},
    {XKB_KEY_dead_abovedot, u'\u02D9'}, {XKB_KEY_dead_diaeresis, u'\u00A8'}, {XKB_KEY_dead_abovering, u'\u02DA'},
    {XKB_KEY_dead_doubleacute, u'\u02DD'}, {XKB_KEY_dead_caron, u'\u02C7'}, {XKB_KEY_dead_cedilla, u'\u00B8'},
    {XKB_KEY_dead_ogonek, u'\u02DB'},  {XKB_KEY_dead_iota, u'\u037A'},      {XKB_KEY_dead_greek, u'\u00B5'},     {XKB_KEY_dead_currency, u'\u00A4'},
    {XKB_KEY_dead_semivoiced_sound, u'\u309C'}, {XKB_KEY_dead_voiced_sound, u'\u309B'},
};

// What a key shows at one level: its character, or a dead key's accent.
struct KeyLevel {
    QString character; // empty for none (a modifier, a function)
    bool dead = false;
};

KeyLevel levelOf(xkb_keysym_t symbol)
{
    for (const auto& [dead, accent] : DeadKeyAccents) {
        if (symbol == dead)
            return {QString(QChar(accent)), true};
    }
    const char32_t character = xkb_keysym_to_utf32(symbol);
    if (character < 0x20 || character == 0x7F || (character >= 0x80 && character < 0xA0))
        return {};
    return {QString::fromUcs4(&character, 1)};
}

KeyLevel symbolWith(xkb_state* state, xkb_keycode_t key, xkb_mod_mask_t modifiers)
{
    xkb_state_update_mask(state, modifiers, 0, 0, 0, 0, 0);
    return levelOf(xkb_state_key_get_one_sym(state, key));
}

xkb_mod_mask_t maskOf(xkb_keymap* keymap, const char* modifier)
{
    const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap, modifier);
    return index == XKB_MOD_INVALID ? 0 : xkb_mod_mask_t(1) << index;
}

const char* orNull(const QByteArray& text)
{
    return text.isEmpty() ? nullptr : text.constData();
}

Registry parsedRegistry()
{
    Registry registry(rxkb_context_new(RXKB_CONTEXT_NO_FLAGS));
    if (registry && !rxkb_context_parse_default_ruleset(registry.get()))
        registry.reset();
    return registry;
}

DesktopLayoutEntry entryOf(rxkb_layout* layout)
{
    DesktopLayoutEntry entry;
    entry.name.layout = QString::fromUtf8(rxkb_layout_get_name(layout));
    entry.name.variant = QString::fromUtf8(rxkb_layout_get_variant(layout));
    entry.description = QString::fromUtf8(rxkb_layout_get_description(layout));
    for (rxkb_iso639_code* code = rxkb_layout_get_iso639_first(layout); code; code = rxkb_iso639_code_next(code))
        entry.languages.append(QString::fromUtf8(rxkb_iso639_code_get_code(code)));
    return entry;
}

} // namespace

std::vector<DesktopLayoutEntry> desktopLayoutList()
{
    std::vector<DesktopLayoutEntry> entries;
    const Registry registry = parsedRegistry();
    if (!registry)
        return entries;
    for (rxkb_layout* layout = rxkb_layout_first(registry.get()); layout; layout = rxkb_layout_next(layout)) {
        DesktopLayoutEntry entry = entryOf(layout);
        // The database lists a place for a layout of the system's own, mostly left empty.
        if (entry.name.layout == QLatin1String("custom") && !desktopLayoutTable(entry.name))
            continue;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<DesktopLayoutEntry> desktopLayoutEntry(const DesktopLayoutName& name)
{
    const Registry registry = parsedRegistry();
    if (!registry)
        return std::nullopt;
    for (rxkb_layout* layout = rxkb_layout_first(registry.get()); layout; layout = rxkb_layout_next(layout)) {
        DesktopLayoutEntry entry = entryOf(layout);
        if (entry.name == name)
            return entry;
    }
    return std::nullopt;
}

std::optional<KeyCapTable> desktopLayoutTable(const DesktopLayoutName& name)
{
    if (name.layout.isEmpty())
        return std::nullopt;
    const Context context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (!context)
        return std::nullopt;
    xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
    const QByteArray layout = name.layout.toUtf8();
    const QByteArray variant = name.variant.toUtf8();
    // The rules and model the desktop's own keymaps are made with; no options, which would
    // move keys the learner never moved.
    const xkb_rule_names names{"evdev", "pc105", layout.constData(), orNull(variant), nullptr};
    const Keymap keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    const State state(keymap ? xkb_state_new(keymap.get()) : nullptr);
    if (!state)
        return std::nullopt;
    const xkb_mod_mask_t shift = maskOf(keymap.get(), XKB_MOD_NAME_SHIFT);
    // Level three, which the right Alt key selects in every layout that has it.
    const xkb_mod_mask_t altGr = maskOf(keymap.get(), "Mod5");

    KeyCapTable table;
    for (int i = 0; i < CharacterKeyCount; ++i) {
        const xkb_keycode_t key = xkb_keymap_key_by_name(keymap.get(), KeyNames[i]);
        if (key == XKB_KEYCODE_INVALID)
            continue;
        const KeyLevel lower = symbolWith(state.get(), key, 0);
        const KeyLevel upper = symbolWith(state.get(), key, shift);
        const KeyLevel third = altGr ? symbolWith(state.get(), key, altGr) : KeyLevel();
        table.lowerCaptions[i] = captionForm(lower.character);
        table.upperCaptions[i] = captionForm(upper.character);
        table.deadLower[i] = lower.dead;
        table.deadUpper[i] = upper.dead;
        // A key whose AltGr level repeats its first types nothing more with AltGr.
        if (third.character != lower.character && third.character != upper.character) {
            table.altGrCaption[i] = captionForm(third.character);
            table.deadAltGr[i] = third.dead;
        }
    }
    // Many layouts leave the extra key its < and >, which the comma and period keys type
    // anyway; such a keyboard is drawn without it, as its layout has no use for it.
    const auto typedElsewhere = [&table](const QString& caption) {
        if (caption.isEmpty())
            return true;
        for (int i = 0; i < ExtraKey; ++i) {
            if (table.lowerCaptions[i] == caption || table.upperCaptions[i] == caption)
                return true;
        }
        return false;
    };
    table.extraKey = !typedElsewhere(table.lowerCaptions[ExtraKey]) || !typedElsewhere(table.upperCaptions[ExtraKey]);
    if (!table.extraKey) {
        table.lowerCaptions[ExtraKey].clear();
        table.upperCaptions[ExtraKey].clear();
        table.altGrCaption[ExtraKey].clear();
        table.deadLower[ExtraKey] = table.deadUpper[ExtraKey] = table.deadAltGr[ExtraKey] = false;
    }
    return table;
}

QString storedLayoutName(const DesktopLayoutName& name)
{
    return name.variant.isEmpty() ? name.layout : QStringLiteral("%1(%2)").arg(name.layout, name.variant);
}

DesktopLayoutName layoutFromStoredName(const QString& stored)
{
    static const QRegularExpression withVariant(QStringLiteral(R"(^\s*([^()\s]+)\s*\(\s*([^()\s]*)\s*\)\s*$)"));
    const QRegularExpressionMatch match = withVariant.match(stored);
    if (match.hasMatch())
        return {match.captured(1), match.captured(2)};
    return {stored.trimmed(), {}};
}

} // namespace clavora
