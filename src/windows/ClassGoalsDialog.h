// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "progress/ClassRoster.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace clavora {

// "Class goals…": the teacher chooses one of their classes and sets its weekly practice in
// minutes, the Coach's accuracy mark and speed target, and whether the Coach is on. A goal
// at 0 is left to the learner. The class's layout stays as it is set.
class ClassGoalsDialog final : public QDialog {
    Q_OBJECT
public:
    ClassGoalsDialog(const std::vector<TaughtClass>& classes, QWidget* parent = nullptr);

    QString className() const;
    ClassGoals goals() const;

private:
    void showGoalsOf(int index);

    std::vector<TaughtClass> classes_;
    QComboBox* classBox_;
    QSpinBox* minutesBox_;
    QSpinBox* accuracyBox_;
    QSpinBox* speedBox_;
    QCheckBox* coachCheck_;
};

} // namespace clavora
