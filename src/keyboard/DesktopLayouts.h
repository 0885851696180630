// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "DesktopLayout.h"
#include "LayoutFile.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace clavora {

// A layout of the desktop's keyboard database, named as the desktop names it ("Swedish").
struct DesktopLayoutEntry {
    DesktopLayoutName name;
    QString description;
    QStringList languages; // ISO 639-3 codes of the languages written with it: "swe"
};

// Every layout and variant the desktop's keyboard database (xkeyboard-config) lists, in its
// order; empty when there is none.
std::vector<DesktopLayoutEntry> desktopLayoutList();
// The entry of `name` in that list; nullopt when the database does not list it.
std::optional<DesktopLayoutEntry> desktopLayoutEntry(const DesktopLayoutName& name);

// The table of the desktop's layout `name`, made through xkbcommon: for each key, the
// character it types alone, with Shift and with AltGr. A dead key shows its accent. The
// extra key left of the bottom row counts when it types what no other key types.
// Nullopt when the database cannot make that layout.
std::optional<KeyCapTable> desktopLayoutTable(const DesktopLayoutName& name);

// A layout's name as the settings file keeps it, as XKB writes it: "se", "se(nodeadkeys)".
QString storedLayoutName(const DesktopLayoutName& name);
DesktopLayoutName layoutFromStoredName(const QString& stored);

} // namespace clavora
