// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

// The entry that makes the desktop start a quick-exercise run when the user logs on.
// Failures are silent: a value that cannot be read reads as empty, one that cannot be
// written or removed stays as it was.
class StartupEntry {
public:
    virtual ~StartupEntry() = default;
    // The entry's text; empty when there is none.
    virtual QString read() = 0;
    // Creates or rewrites the entry so that it starts `program` with "/q".
    virtual void write(const QString& program) = 0;
    virtual void remove() = 0;
};

} // namespace clavora
