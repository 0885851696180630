// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/ClassGoals.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace clavora {

// One week of a learner's practice.
struct WeekFigures {
    double minutes = 0;
    std::optional<double> medianSpeed; // words per minute; absent without an attempt
};

// One learner of a teacher's classes as the Class page shows them. "This week" is the last
// seven days, today included; "before" the four weeks before it.
struct LearnerFigures {
    QString login;
    QString name;        // as the class's administrator wrote it; may be empty
    QString classes;     // the teacher's classes the learner is in, by name
    QDate lastPractice;  // the learner's own day of their last attempt or game; invalid: never
    double minutesThisWeek = 0;
    int attemptsThisWeek = 0;
    std::optional<double> medianSpeed; // words per minute
    std::optional<double> medianSpeedBefore;
    std::optional<double> medianAccuracy; // %
    std::optional<double> medianAccuracyBefore;
    QString weakestKeys; // this week's, one character each, the weakest first
    QString courseLetters = {}; // the letters the learner's Coach has unlocked, as last sent; empty: none sent
    ClassGoals goals = {};      // the stricter of the goals of the teacher's classes the learner is in
    std::vector<WeekFigures> weeks = {}; // this week and the four before, the oldest first; empty: not read

    // A figure that is not a number (an old row of the server may hold one) equals itself,
    // so that an answer like the last is seen as such.
    bool operator==(const LearnerFigures& other) const
    {
        const auto same = [](std::optional<double> a, std::optional<double> b) {
            return a.has_value() == b.has_value() && (!a || *a == *b || (std::isnan(*a) && std::isnan(*b)));
        };
        return login == other.login && name == other.name && classes == other.classes
               && lastPractice == other.lastPractice && same(minutesThisWeek, other.minutesThisWeek)
               && attemptsThisWeek == other.attemptsThisWeek && same(medianSpeed, other.medianSpeed)
               && same(medianSpeedBefore, other.medianSpeedBefore) && same(medianAccuracy, other.medianAccuracy)
               && same(medianAccuracyBefore, other.medianAccuracyBefore) && weakestKeys == other.weakestKeys
               && courseLetters == other.courseLetters && goals == other.goals
               && std::equal(weeks.begin(), weeks.end(), other.weeks.begin(), other.weeks.end(),
                             [&](const WeekFigures& a, const WeekFigures& b) {
                                 return same(a.minutes, b.minutes) && same(a.medianSpeed, b.medianSpeed);
                             });
    }
};

// One of the teacher's classes: its goals and its learners.
struct TaughtClass {
    QString name;
    ClassGoals goals;
    QStringList learners; // by login, in order
    bool operator==(const TaughtClass&) const = default;
};

// What the class server answers the Class page.
struct ClassRoster {
    bool teacher = false;  // the connected login is a member of clavora_teacher
    bool complete = false; // false while only the role is known and the rows are still coming
    std::vector<LearnerFigures> learners;
    QString problem; // why the server could not be read, empty when it could
    std::vector<TaughtClass> classes = {}; // by name
};

} // namespace clavora
