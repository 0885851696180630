// SPDX-License-Identifier: GPL-3.0-or-later
// The number readers on any text: never undefined, and on texts of number characters alone
// the same value as the C library's reader.
#include "FuzzCheck.h"
#include "common/Numbers.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

using namespace clavora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    const LeadingNumber number = leadingNumber(text);
    FUZZ_CHECK(number.ok ? std::isfinite(number.value) : number.value == 0.0);
    const qint64 integer = leadingInteger(text);
    FUZZ_CHECK(integer >= -(qint64(1) << 40) && integer <= (qint64(1) << 40));
    (void)saturateToInt16(number.value);
    (void)saturateToInt32(number.value);
    (void)roundHalfEven(number.value);

    if (bytes.find_first_not_of(" \t+-.eE0123456789") != std::string::npos)
        return 0;
    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(bytes.c_str(), &end);
    if (errno == 0 && std::isfinite(expected) && (expected == 0.0 || std::fabs(expected) >= DBL_MIN))
        FUZZ_CHECK(number.ok && number.value == expected);
    return 0;
}
