// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

// The path of `fileName` in `folder`, matched without regard to case as the names the user
// picks are: the exact name when that file exists, else the first entry (in name order)
// whose name differs only in case, else the exact name, which then does not open.
QString fileIgnoringCase(const QString& folder, const QString& fileName);

// The file of that language beside `path` when there is one ("Readme.de.txt" for
// "Readme.txt" and "de"), else `path`.
QString fileForLanguage(const QString& path, const QString& language);

// Why a file cannot be saved in `folder`, for the user to read; empty when it can.
QString folderProblemForSaving(const QString& folder);

} // namespace clavora
