// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "settings/StartupEntry.h"

namespace clavora {

// The quick-exercise start-up entry as an XDG autostart desktop entry.
class XdgStartupEntry final : public StartupEntry {
public:
    // `folder` is the autostart folder; by default $XDG_CONFIG_HOME/autostart.
    explicit XdgStartupEntry(QString folder = defaultFolder());
    QString read() override;
    Written write(const QString& program) override;
    void remove() override;
    QString location() const override { return filePath(); }

    QString filePath() const;
    static QString defaultFolder();
    // The Exec value that runs exactly `program` with "/q" under every launcher; empty for a
    // path holding $ ` " \ % or a control character, which some launcher would misread.
    static QString execValue(const QString& program);

private:
    QString folder_;
};

} // namespace clavora
