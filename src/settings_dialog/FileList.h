#pragma once
#include <QString>
#include <QStringList>

namespace clavora {

// The names, without `extension` (".txt"), of the visible files in `folder` that end in
// it, sorted without regard to case; empty when the folder is missing.
QStringList baseNamesIn(const QString& folder, const QString& extension);

} // namespace clavora
