// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassGoalsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace clavora {
namespace {

QSpinBox* newGoalBox(int maximum, const QString& suffix, const QString& name)
{
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(0, maximum);
    box->setSuffix(suffix);
    box->setSpecialValueText(ClassGoalsDialog::tr("No goal"));
    return box;
}

std::optional<int> goalOf(const QSpinBox* box)
{
    return box->value() > 0 ? std::optional(box->value()) : std::nullopt;
}

} // namespace

ClassGoalsDialog::ClassGoalsDialog(const std::vector<TaughtClass>& classes, QWidget* parent)
    : QDialog(parent), classes_(classes)
{
    setWindowTitle(tr("Class Goals"));
    classBox_ = new QComboBox;
    classBox_->setObjectName(QStringLiteral("GoalsClassBox"));
    for (const TaughtClass& taught : classes_)
        classBox_->addItem(taught.name);
    minutesBox_ = newGoalBox(24 * 60, tr(" minutes"), QStringLiteral("WeeklyMinutesBox"));
    accuracyBox_ = newGoalBox(100, tr(" %"), QStringLiteral("AccuracyMarkBox"));
    speedBox_ = newGoalBox(300, tr(" WPM"), QStringLiteral("SpeedTargetBox"));
    coachCheck_ = new QCheckBox(tr("The &Coach is on for its learners"));
    coachCheck_->setObjectName(QStringLiteral("GoalsCoachCheck"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* form = new QFormLayout(this);
    form->addRow(tr("C&lass:"), classBox_);
    form->addRow(tr("&Practice each week:"), minutesBox_);
    form->addRow(tr("&Accuracy mark:"), accuracyBox_);
    form->addRow(tr("&Speed target:"), speedBox_);
    form->addRow(coachCheck_);
    form->addRow(buttons);

    connect(classBox_, &QComboBox::currentIndexChanged, this, &ClassGoalsDialog::showGoalsOf);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showGoalsOf(classBox_->currentIndex());
}

void ClassGoalsDialog::showGoalsOf(int index)
{
    if (index < 0 || index >= int(classes_.size()))
        return;
    const ClassGoals& goals = classes_[std::size_t(index)].goals;
    minutesBox_->setValue(goals.weeklyMinutes.value_or(0));
    accuracyBox_->setValue(goals.accuracyMark.value_or(0));
    speedBox_->setValue(goals.speedTarget.value_or(0));
    coachCheck_->setChecked(goals.coach);
}

QString ClassGoalsDialog::className() const
{
    return classBox_->currentText();
}

ClassGoals ClassGoalsDialog::goals() const
{
    const int index = classBox_->currentIndex();
    ClassGoals goals = index >= 0 ? classes_[std::size_t(index)].goals : ClassGoals();
    goals.weeklyMinutes = goalOf(minutesBox_);
    goals.accuracyMark = goalOf(accuracyBox_);
    goals.speedTarget = goalOf(speedBox_);
    goals.coach = coachCheck_->isChecked();
    return goals;
}

} // namespace clavora
