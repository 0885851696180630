// SPDX-License-Identifier: GPL-3.0-or-later
// Any settings file, loaded and saved once, loads to the same settings and saves to the
// same bytes again.
#include "FuzzCheck.h"
#include "settings/AppSettings.h"
#include "settings/ProfileFile.h"

using namespace clavora;

namespace {
class NoEntry final : public StartupEntry {
public:
    QString read() override { return {}; }
    Written write(const QString&) override { return {}; }
    void remove() override {}
    QString location() const override { return {}; }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NoEntry entry;
    ProfileFile first(QStringLiteral("Clavora.ini"), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const AppSettings loaded = loadSettings(first, entry, 19200);
    writeSettings(first, loaded, QString::number(loaded.exerciseNumber));
    const QByteArray once = first.bytes();

    ProfileFile second(QStringLiteral("Clavora.ini"), once);
    const AppSettings reloaded = loadSettings(second, entry, 19200);
    FUZZ_CHECK(reloaded == loaded);
    writeSettings(second, reloaded, QString::number(reloaded.exerciseNumber));
    FUZZ_CHECK(second.bytes() == once);
    return 0;
}
