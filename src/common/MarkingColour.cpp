// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkingColour.h"

#include <algorithm>
#include <cmath>

namespace clavora {

namespace {
constexpr double ReadableContrast = 4.5;
// How far apart in RGB the marking and the text colour must be to be told apart at a glance.
constexpr double DistinctDistance = 128;

// Reds first, light for dark windows and dark for light ones.
constexpr Rgb Candidates[] = {rgb(255, 64, 64), rgb(200, 0, 0), rgb(255, 255, 0),
                              rgb(255, 0, 255), rgb(0, 0, 0),   rgb(255, 255, 255)};

double luminance(Rgb c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

bool distinct(Rgb a, Rgb b)
{
    return std::hypot(redOf(a) - redOf(b), greenOf(a) - greenOf(b), blueOf(a) - blueOf(b)) >= DistinctDistance;
}
} // namespace

double contrastRatio(Rgb first, Rgb second)
{
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb markingColour(Rgb windowColour, Rgb textColour)
{
    Rgb best = Candidates[0];
    for (const Rgb candidate : Candidates) {
        if (!distinct(candidate, textColour))
            continue;
        if (contrastRatio(candidate, windowColour) >= ReadableContrast)
            return candidate;
        if (!distinct(best, textColour) || contrastRatio(candidate, windowColour) > contrastRatio(best, windowColour))
            best = candidate;
    }
    return best;
}

} // namespace clavora
