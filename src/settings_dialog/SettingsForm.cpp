// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsForm.h"

namespace clavora {

namespace {
QString entry(const QStringList& list, int index)
{
    return index >= 0 && index < list.size() ? list[index] : QString();
}
} // namespace

QString& SettingsForm::text(NumericBox box)
{
    return const_cast<QString&>(std::as_const(*this).text(box));
}

const QString& SettingsForm::text(NumericBox box) const
{
    switch (box) {
    case NumericBox::Repeats: return repeats;
    case NumericBox::MinAccuracy: return minAccuracy;
    case NumericBox::MinSpeed: return minSpeed;
    case NumericBox::NumQuickEx: return quickExerciseCount;
    case NumericBox::QuickExRepeats: return quickRepeats;
    case NumericBox::QuickExNumFrom: return quickNumberFrom;
    case NumericBox::QuickExNumTo: return quickNumberTo;
    }
    return repeats;
}

QString SettingsForm::presetFile() const
{
    return entry(presetFiles, presetFileIndex);
}

QString SettingsForm::layout() const
{
    return entry(layouts, layoutIndex);
}

} // namespace clavora
