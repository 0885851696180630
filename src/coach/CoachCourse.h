// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "AdaptiveCourse.h"
#include "CourseWords.h"
#include "common/ProgramPaths.h"

#include <QCoreApplication>
#include <memory>

namespace clavora {

struct AppSettings;
struct KeyFigures;
class HistoryFigures;
class Random;

// The adaptive course as the exercises follow it: the chosen layout's course letters, the
// words of its language (read once for each layout), and the letters unlocked so far, kept in
// the settings, where the game finds them.
class CoachCourse {
    Q_DECLARE_TR_FUNCTIONS(CoachCourse)

public:
    CoachCourse(AppSettings& settings, ProgramPaths paths, const HistoryFigures& figures);
    ~CoachCourse();

    // Unlocks the next letter when the history says every unlocked one is learnt, then makes
    // the next line, drilling the weak letters most.
    QString nextLine(Random& random);
    // "Coach's course - keys fghj, next d", for the status.
    QString title();

    // The history's figures of a key as the course weighs them.
    static std::vector<KeyPractice> practice(const std::vector<KeyFigures>& figures);

private:
    AdaptiveCourse& course();

    AppSettings& settings_;
    ProgramPaths paths_;
    const HistoryFigures& figures_;
    QString layoutRead_; // the layout file `keys_` and `words_` were made for
    CourseKeys keys_;
    std::unique_ptr<CourseWords> words_;
    std::optional<AdaptiveCourse> course_;
};

} // namespace clavora
