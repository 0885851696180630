// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumericBoxCheck.h"

#include "common/Numbers.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace clavora {

namespace {
struct BoxRule {
    double lowerBound; // also the fallback
    double upperBound; // the width of the setting's field, or 100 for the accuracy
    bool upperForFailure;
};

constexpr double Int16Max = std::numeric_limits<std::int16_t>::max();
constexpr double Int32Max = std::numeric_limits<std::int32_t>::max();

BoxRule ruleOf(NumericBox box)
{
    switch (box) {
    case NumericBox::Repeats: return {1, Int32Max, false};
    case NumericBox::MinAccuracy: return {0, 100, true};
    case NumericBox::MinSpeed: return {0, Int16Max, false};
    case NumericBox::NumQuickEx: return {1, Int32Max, false};
    case NumericBox::QuickExRepeats: return {1, Int16Max, false};
    case NumericBox::QuickExNumFrom: return {1, Int32Max, false};
    case NumericBox::QuickExNumTo: return {1, Int32Max, false};
    }
    return {1, Int32Max, false};
}

QString wholeText(double value)
{
    return QString::number(qint64(value));
}
} // namespace

QString checkedNumberText(const QString& text, NumericBox box)
{
    const BoxRule rule = ruleOf(box);
    const LeadingNumber number = leadingNumber(text);
    if (!number.ok)
        return wholeText(rule.upperForFailure ? rule.upperBound : rule.lowerBound);
    const double whole = std::floor(number.value);
    if (whole < rule.lowerBound)
        return wholeText(rule.lowerBound);
    return wholeText(std::min(whole, rule.upperBound));
}

void checkNumericBox(SettingsForm& form, NumericBox box)
{
    QString& text = form.text(box);
    text = checkedNumberText(text, box);
    if (box != NumericBox::QuickExNumFrom && box != NumericBox::QuickExNumTo)
        return;
    const double from = leadingNumber(form.quickNumberFrom).value;
    const double to = leadingNumber(form.quickNumberTo).value;
    if (from > to)
        form.text(box == NumericBox::QuickExNumFrom ? NumericBox::QuickExNumTo : NumericBox::QuickExNumFrom) = text;
}

} // namespace clavora
