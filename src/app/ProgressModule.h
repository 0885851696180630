// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "windows/ProgressView.h"

#include <QString>

namespace clavora {

// The progress window's module file, beside the program (the build and portable folders) or
// in the installed library folder.
inline constexpr char ProgressModuleFile[] = "clavora-progress.so";

// Loads the progress window's module and returns its maker; null, with `error` telling why,
// when no module can be loaded.
ProgressWindowMaker loadProgressModule(QString& error);

} // namespace clavora
