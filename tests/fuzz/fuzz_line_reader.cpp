// SPDX-License-Identifier: GPL-3.0-or-later
// The line reader against a plain splitter: the same lines by every way of reading them.
#include "FuzzCheck.h"
#include "common/TextFile.h"

#include <QBuffer>
#include <QStringList>

using namespace clavora;

namespace {
// CR LF, a lone CR and a lone LF each end a line; a last line without its end counts.
QList<QByteArray> splitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const qsizetype keep = data[0] % 64 + 1;
    const int wanted = data[1] % 16;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const QList<QByteArray> expected = splitLines(bytes);

    QBuffer whole;
    whole.setData(bytes);
    whole.open(QIODevice::ReadOnly);
    LineReader unlimited(whole, bytes.size() + 1);
    QStringList kept;
    QString line;
    while (unlimited.next(line))
        kept.append(line);
    FUZZ_CHECK(kept.size() == expected.size());
    for (qsizetype i = 0; i < kept.size(); ++i)
        FUZZ_CHECK(kept[i] == decodeText(expected[i]));

    // Capped lines, and the same line reached by skipping, agree with each other.
    QBuffer capped;
    capped.setData(bytes);
    capped.open(QIODevice::ReadOnly);
    LineReader byNext(capped, keep);
    QStringList cappedLines;
    while (byNext.next(line)) {
        FUZZ_CHECK(line.toUtf8().size() <= 3 * keep); // a kept byte decodes to at most 3 bytes
        cappedLines.append(line);
    }
    FUZZ_CHECK(cappedLines.size() == expected.size());

    QBuffer skipped;
    skipped.setData(bytes);
    skipped.open(QIODevice::ReadOnly);
    LineReader bySkip(skipped, keep);
    bool reached = true;
    for (int i = 0; i < wanted && reached; ++i)
        reached = bySkip.skip();
    QString start;
    const bool found = reached && bySkip.nextStart(start);
    FUZZ_CHECK(found == (wanted < cappedLines.size()));
    if (found)
        FUZZ_CHECK(start == cappedLines[wanted]);
    return 0;
}
