// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "AdaptiveCourse.h"
#include "CourseWords.h"
#include "WordList.h"
#include "common/ProgramPaths.h"

#include <QCoreApplication>
#include <QHash>
#include <memory>

namespace clavora {

struct AppSettings;
class RecentStrokes;
class Random;

// The adaptive course as the exercises follow it: the chosen layout's course letters, the
// words of its language (read once for each layout), and the letters unlocked so far, kept in
// the settings, where the game finds them.
class CoachCourse {
    Q_DECLARE_TR_FUNCTIONS(CoachCourse)

public:
    // `systemWordsFolder`: where the system's word lists are looked for first.
    CoachCourse(AppSettings& settings, ProgramPaths paths, const RecentStrokes& strokes,
                QString systemWordsFolder = QLatin1String(SystemWordListFolder));
    ~CoachCourse();

    // Unlocks the next letter when the recent strokes say every unlocked one is learnt, then
    // makes the next line, with a share for each letter not yet learnt.
    QString nextLine(Random& random);
    // "Coach's course - keys fghj, next d", for the status.
    QString title();
    // How far the unlocked letters are from the next one: "6 of 9 letters ready; needing
    // accuracy: g, h; needing speed: l".
    QString progress();
    // Each unlocked letter's readiness, from 0 to 1 when learnt.
    QHash<QChar, double> readiness();

private:
    AdaptiveCourse& course();
    // The word list of the chosen layout's language.
    QString wordFile() const;

    // The words of a list the course draws from: enough for every letter, few enough that
    // the common ones come up.
    static constexpr int CommonWordCount = 5000;

    AppSettings& settings_;
    ProgramPaths paths_;
    const RecentStrokes& strokes_;
    QString systemWordsFolder_;
    QString layoutRead_; // the layout `keys_` and `words_` were made for
    CourseKeys keys_;
    std::unique_ptr<CourseWords> words_;
    std::optional<AdaptiveCourse> course_;
};

} // namespace clavora
