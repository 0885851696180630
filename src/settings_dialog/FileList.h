// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace clavora {

// The names, without `extension` (".txt"), of the visible files that end in it in any of
// `folders`, each name once, sorted without regard to case; missing folders add nothing.
QStringList baseNamesIn(const QStringList& folders, const QString& extension);

} // namespace clavora
