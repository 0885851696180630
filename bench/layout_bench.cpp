// SPDX-License-Identifier: GPL-3.0-or-later
// Making a layout from the desktop's keyboard database (at most 20 ms), listing the database for
// the settings dialog, and reading a shipped layout file beside them; the words of the largest
// system list the Coach reads (Polish, when wpolish is installed).
#include "coach/WordList.h"
#include "keyboard/DesktopLayouts.h"
#include "keyboard/LayoutFile.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>

using namespace clavora;

namespace {

void makeDesktopLayout(benchmark::State& state)
{
    const DesktopLayoutName names[] = {{"se", ""}, {"us", "dvorak"}, {"ru", ""}, {"in", "ben_inscript"}};
    const DesktopLayoutName& name = names[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(desktopLayoutTable(name));
    state.SetLabel(storedLayoutName(name).toStdString());
}
BENCHMARK(makeDesktopLayout)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void listDesktopLayouts(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(desktopLayoutList());
}
BENCHMARK(listDesktopLayouts)->Unit(benchmark::kMillisecond);

void readShippedLayoutFile(benchmark::State& state)
{
    const QString path = QStringLiteral(CLAVORA_SHIPPED_DATA "/Layouts/QWERTY - United States.kbl");
    for (auto _ : state)
        benchmark::DoNotOptimize(readLayoutFile(path));
}
BENCHMARK(readShippedLayoutFile)->Unit(benchmark::kMicrosecond);

void readCommonWordsOfTheLargestList(benchmark::State& state)
{
    const QString path = QStringLiteral("/usr/share/dict/polish");
    if (!QFileInfo::exists(path)) {
        state.SkipWithError("wpolish is not installed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(readCommonWords(path, 5000));
}
BENCHMARK(readCommonWordsOfTheLargestList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
