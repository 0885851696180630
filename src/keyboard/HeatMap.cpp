// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeatMap.h"

#include "KeyToPress.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace clavora {

namespace {

// The scale ends at the first of these that holds the highest rate, so that the weakest key
// shows red and the legend reads in round numbers.
constexpr double ScaleTops[] = {0.05, 0.1, 0.2, 0.5, 1.0};

bool shownOnAKey(const KeyCapTable& table, QChar c)
{
    for (const auto* captions : {&table.lowerCaptions, &table.upperCaptions, &table.altGrCaption})
        for (const QString& caption : *captions)
            if (characterOfCaption(caption) == c)
                return true;
    return false;
}

// The key of the letter a character no key shows is made from: é, typed through a dead key,
// counts on the e key; Ą, typed with Shift and AltGr, on the key of ą. -1 for none.
int baseKeyOf(const KeyCapTable& table, QChar c)
{
    const auto first = [](const QString& text) { return text.isEmpty() ? QChar() : text.front(); };
    for (const QChar candidate : {c.toLower(), c.toUpper(), first(c.decomposition()), first(c.toLower().decomposition())}) {
        const std::optional<KeyToPress> key = candidate.isNull() ? std::nullopt : keyToPress(table, candidate);
        if (key && key->index >= 0)
            return key->index;
    }
    return -1;
}

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
    std::array<QString, CharacterKeyCount> madeOnKey; // the characters counted with a key's own
    for (const CharacterStrokes& counts : strokes) {
        byCharacter[counts.character.unicode()] = &counts;
        const QChar c = counts.character;
        if (c.isNull() || c == u' ' || shownOnAKey(table, c))
            continue;
        if (const int key = baseKeyOf(table, c); key >= 0)
            madeOnKey[key] += c;
        else if (counts.strokes >= minimumStrokes)
            withoutKey += c;
    }

    // The rate over a key's characters, each counted once, when they have strokes enough.
    const auto rateOf = [&](const QString& characters) -> std::optional<double> {
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
        rated.emplace_back(&keyboard.keys[i], rateOf(QString(characterOfCaption(table.lowerCaptions[i])) +
                                                     characterOfCaption(table.upperCaptions[i]) +
                                                     characterOfCaption(table.altGrCaption[i]) + madeOnKey[i]));
    rated.emplace_back(&keyboard.shape(NamedShape::Spacebar), rateOf(QStringLiteral(" ")));

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
