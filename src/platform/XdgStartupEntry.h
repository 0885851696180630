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
    void write(const QString& program) override;
    void remove() override;

    QString filePath() const;
    static QString defaultFolder();
    // The Exec value that runs exactly `program` with "/q", quoted by the Desktop Entry
    // rules; empty when no Exec line can name it (a path with a line break).
    static QString execValue(const QString& program);

private:
    QString folder_;
};

} // namespace clavora
