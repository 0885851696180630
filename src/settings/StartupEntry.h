// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

// The entry that makes the desktop start a quick-exercise run when the user logs on.
// A value that cannot be read reads as empty.
class StartupEntry {
public:
    struct Written {
        enum class Outcome { Written, Failed, UnsafePath } outcome = Outcome::Written;
        QString reason; // why a write failed, in the system's words
    };
    virtual ~StartupEntry() = default;
    // The entry's text; empty when there is none.
    virtual QString read() = 0;
    // Creates or rewrites the entry so that it starts `program` with "/q". A program path
    // that a launcher could misread gets no entry, and an old entry is removed.
    virtual Written write(const QString& program) = 0;
    virtual void remove() = 0;
    // Where the entry is kept, for messages.
    virtual QString location() const = 0;
};

} // namespace clavora
