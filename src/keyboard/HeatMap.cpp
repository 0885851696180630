// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeatMap.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace clavora {

namespace {

// The scale ends at the first of these that holds the highest rate, so that the weakest key
// shows red and the legend reads in round numbers.
constexpr double ScaleTops[] = {0.05, 0.1, 0.2, 0.5, 1.0};

} // namespace

Rgb HeatMap::colour(double rate, double top)
{
    const double position = top > 0 ? std::clamp(rate / top, 0.0, 1.0) : 0.0;
    return rgb(int(std::lround(255 * std::min(1.0, 2 * position))), int(std::lround(200 * std::min(1.0, 2 * (1 - position)))), 0);
}

HeatMap HeatMap::fromHistory(const KeyCapTable& table, const HistoryFigures& figures, HistoryPeriod period)
{
    return fromKeyFigures(table, figures.keyFigures(period));
}

HeatMap HeatMap::fromKeyFigures(const KeyCapTable& table, const std::vector<KeyFigures>& keys)
{
    std::vector<CharacterStrokes> strokes;
    strokes.reserve(keys.size());
    for (const KeyFigures& key : keys)
        strokes.push_back({key.key, key.strokes, key.errors});
    return HeatMap(table, strokes, KeyFigures::StrokesForRate);
}

HeatMap::HeatMap(const KeyCapTable& table, const std::vector<CharacterStrokes>& strokes, int minimumStrokes)
    : keyboard(designKeyboardForm())
{
    applyLayout(keyboard, table);
    std::map<char16_t, const CharacterStrokes*> byCharacter;
    for (const CharacterStrokes& counts : strokes)
        byCharacter[counts.character.unicode()] = &counts;

    // The rate over a key's characters, each counted once, when they have strokes enough.
    const auto rateOf = [&](std::initializer_list<QChar> characters) -> std::optional<double> {
        int total = 0, errors = 0;
        std::vector<QChar> counted;
        for (const QChar c : characters) {
            const auto found = byCharacter.find(c.unicode());
            if (c.isNull() || found == byCharacter.end() || std::find(counted.begin(), counted.end(), c) != counted.end())
                continue;
            counted.push_back(c);
            total += found->second->strokes;
            errors += found->second->errors;
        }
        if (total < minimumStrokes || total == 0)
            return std::nullopt;
        return double(errors) / total;
    };

    std::vector<std::pair<KeyShape*, std::optional<double>>> rated;
    for (int i = 0; i < CharacterKeyCount; ++i)
        rated.emplace_back(&keyboard.keys[i], rateOf({characterOfCaption(table.lowerCaptions[i]),
                                                     characterOfCaption(table.upperCaptions[i]),
                                                     characterOfCaption(table.altGrCaption[i])}));
    rated.emplace_back(&keyboard.shape(NamedShape::Spacebar), rateOf({QChar(u' ')}));

    double highest = 0;
    for (const auto& [shape, rate] : rated)
        highest = std::max(highest, rate.value_or(0));
    scaleTop = *std::find_if(std::begin(ScaleTops), std::end(ScaleTops), [&](double top) { return top >= highest; });

    for (KeyShape& shape : keyboard.namedShapes)
        shape.fill = TooFewStrokesColour;
    for (const auto& [shape, rate] : rated)
        shape->fill = rate ? colour(*rate, scaleTop) : TooFewStrokesColour;
}

} // namespace clavora
