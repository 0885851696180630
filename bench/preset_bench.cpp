// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a preset exercise: line 999,999 of a file of 1,000,000 lines, and line 1 of a
// file whose first line is 200 MB long (only its first 160 bytes are ever kept).
#include "exercises/PresetExercises.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace clavora;

namespace {

// The files are made once and left in the page cache, as a file read a moment ago would be.
class Files {
public:
    Files()
    {
        QFile many(manyLines());
        many.open(QIODevice::WriteOnly);
        const QByteArray line = "the quick brown fox jumps over the lazy\r\n";
        QByteArray chunk;
        for (int i = 0; i < 1000; ++i)
            chunk += line;
        for (int i = 0; i < 1000; ++i)
            many.write(chunk);
        QFile huge(hugeFirstLine());
        huge.open(QIODevice::WriteOnly);
        const QByteArray block(1024 * 1024, 'x');
        for (int i = 0; i < 200; ++i)
            huge.write(block);
        huge.write("\r\nsecond\r\n");
    }
    QString manyLines() const { return dir_.filePath("many.txt"); }
    QString hugeFirstLine() const { return dir_.filePath("huge.txt"); }

private:
    QTemporaryDir dir_;
};

const Files& files()
{
    static const Files made;
    return made;
}

void lastButOneOfAMillionLines(benchmark::State& state)
{
    const QString path = files().manyLines();
    for (auto _ : state)
        benchmark::DoNotOptimize(readPresetLine(path, 999999));
}
BENCHMARK(lastButOneOfAMillionLines)->Unit(benchmark::kMillisecond);

void firstLineOf200Megabytes(benchmark::State& state)
{
    const QString path = files().hugeFirstLine();
    for (auto _ : state)
        benchmark::DoNotOptimize(readPresetLine(path, 1));
}
BENCHMARK(firstLineOf200Megabytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
