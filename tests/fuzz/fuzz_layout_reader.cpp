// SPDX-License-Identifier: GPL-3.0-or-later
// The layout reader on any bytes: always a whole table, and the 48-key arrangement exactly
// when the first line holds 48 characters.
#include "FuzzCheck.h"
#include "common/TextFile.h"
#include "keyboard/LayoutFile.h"

using namespace clavora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const LayoutFileContents contents = readLayoutText(bytes);
    const qsizetype firstEnd = bytes.indexOf('\r') < 0 ? bytes.indexOf('\n')
                               : bytes.indexOf('\n') < 0 ? bytes.indexOf('\r')
                                                         : std::min(bytes.indexOf('\r'), bytes.indexOf('\n'));
    const QString firstLine = decodeText(firstEnd < 0 ? bytes : bytes.left(firstEnd));
    FUZZ_CHECK(contents.table.extraKey == (firstLine.toUcs4().size() == CharacterKeyCount));
    for (int i = 0; i < CharacterKeyCount; ++i) {
        for (const QString& caption : {contents.table.lowerCaptions[i], contents.table.upperCaptions[i]}) {
            FUZZ_CHECK(caption.toUcs4().size() <= 2);
            FUZZ_CHECK(caption.size() <= 2);
        }
    }
    const bool secondLineExists = firstEnd >= 0 && firstEnd + 1 < bytes.size() &&
                             !(bytes[firstEnd] == '\r' && bytes[firstEnd + 1] == '\n' && firstEnd + 2 == bytes.size());
    FUZZ_CHECK((contents.problem == LayoutFileProblem::None) == secondLineExists);
    return 0;
}
