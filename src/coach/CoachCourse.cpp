// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachCourse.h"

#include "CoachMarks.h"
#include "WordList.h"
#include "history/HistoryFigures.h"
#include "keyboard/LayoutFile.h"
#include "settings/AppSettings.h"

namespace clavora {

namespace {
// The figures of the last week: how the learner types now, not a month ago.
constexpr HistoryPeriod RecentStrokes = HistoryPeriod::Week;
// Twelve thousand milliseconds a word of five characters at one stroke an interval.
constexpr double MillisecondsPerMinutePerCharacters = 60000.0 / 5;
} // namespace

CoachCourse::CoachCourse(AppSettings& settings, ProgramPaths paths, const HistoryFigures& figures)
    : settings_(settings), paths_(std::move(paths)), figures_(figures)
{
}

CoachCourse::~CoachCourse() = default;

std::vector<KeyPractice> CoachCourse::practice(const std::vector<KeyFigures>& figures)
{
    std::vector<KeyPractice> practice;
    for (const KeyFigures& f : figures) {
        const double interval = f.medianIntervalMilliseconds.value_or(0);
        practice.push_back({f.key, f.strokes, f.errorRate ? 100 * (1 - *f.errorRate) : 0,
                            interval > 0 ? MillisecondsPerMinutePerCharacters / interval : 0});
    }
    return practice;
}

AdaptiveCourse& CoachCourse::course()
{
    if (layoutRead_ != settings_.layoutFile || !course_) {
        layoutRead_ = settings_.layoutFile;
        keys_ = courseKeys(readLayoutFile(paths_.layoutFile(layoutRead_)).table);
        const QString wordFile = wordListFile(layoutRead_, QLatin1String(SystemWordListFolder), paths_.wordsFolder());
        words_ = std::make_unique<CourseWords>(readWordList(wordFile), keys_.letters);
    }
    // Built afresh each time: the speed target may have changed. On another layout the
    // learner keeps as many letters as before.
    course_.emplace(keys_, int(settings_.coachKeys.size()), coachMarks(settings_.coachSpeedTarget));
    return *course_;
}

QString CoachCourse::nextLine(Random& random)
{
    AdaptiveCourse& adaptive = course();
    const std::vector<KeyPractice> figures =
        figures_.available() ? practice(figures_.keyFigures(RecentStrokes)) : std::vector<KeyPractice>();
    adaptive.update(figures);
    settings_.coachKeys = adaptive.unlockedKeys();
    return words_->makeLine(adaptive.unlockedCount(), adaptive.weights(figures), random);
}

QString CoachCourse::title()
{
    const AdaptiveCourse& adaptive = course();
    const QChar next = adaptive.nextKey();
    return next.isNull() ? tr("Coach's course - keys %1").arg(adaptive.unlockedKeys())
                         : tr("Coach's course - keys %1, next %2").arg(adaptive.unlockedKeys(), QString(next));
}

} // namespace clavora
