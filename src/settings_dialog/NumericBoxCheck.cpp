// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumericBoxCheck.h"

#include "common/Numbers.h"
#include "settings/SettingsTable.h"

#include <cmath>

namespace clavora {

namespace {
const NumberField RangeFrom = &AppSettings::quickNumberFrom;
const NumberField RangeTo = &AppSettings::quickNumberTo;

QString wholeText(double value)
{
    return QString::number(qint64(value));
}
} // namespace

QString checkedNumberText(const QString& text, NumberField box)
{
    const auto [bounds, width] = std::visit(
        [](auto field) {
            using T = std::remove_cvref_t<decltype(settingOf(field).defaultValue)>;
            return std::pair(settingOf(field).bounds, widthOf<T>());
        },
        box);
    const LeadingNumber number = leadingNumber(text);
    if (!number.ok)
        return wholeText(bounds.highest < width.highest ? bounds.highest : bounds.lowest);
    const double whole = std::floor(number.value);
    if (whole < bounds.lowest)
        return wholeText(bounds.lowest);
    return wholeText(std::min(whole, double(bounds.highest)));
}

void checkNumericBox(SettingsForm& form, NumberField box)
{
    QString& text = form.text(box);
    text = checkedNumberText(text, box);
    if (box != RangeFrom && box != RangeTo)
        return;
    if (leadingNumber(form.text(RangeFrom)).value > leadingNumber(form.text(RangeTo)).value)
        form.text(box == RangeFrom ? RangeTo : RangeFrom) = text;
}

} // namespace clavora
