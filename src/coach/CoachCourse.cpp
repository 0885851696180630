// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachCourse.h"

#include "CoachMarks.h"
#include "RecentStrokes.h"
#include "keyboard/ChosenLayout.h"
#include "keyboard/DesktopLayouts.h"
#include "settings/AppSettings.h"

namespace clavora {

CoachCourse::CoachCourse(AppSettings& settings, ProgramPaths paths, const RecentStrokes& strokes,
                         QString systemWordsFolder)
    : settings_(settings), paths_(std::move(paths)), strokes_(strokes), systemWordsFolder_(std::move(systemWordsFolder))
{
}

CoachCourse::~CoachCourse() = default;

QString CoachCourse::wordFile() const
{
    if (!desktopLayoutChosen(settings_))
        return wordListFile(settings_.layoutFile, systemWordsFolder_, paths_.wordsFolder());
    const DesktopLayoutName name = layoutFromStoredName(settings_.desktopLayout);
    const std::optional<DesktopLayoutEntry> entry = desktopLayoutEntry(name);
    return desktopWordListFile(name.layout, entry ? entry->languages : QStringList(), systemWordsFolder_,
                               paths_.wordsFolder());
}

AdaptiveCourse& CoachCourse::course()
{
    const QString layout = settings_.layoutFile + u'\n' + settings_.desktopLayout;
    if (layoutRead_ != layout || !course_) {
        layoutRead_ = layout;
        keys_ = courseKeys(readChosenLayout(settings_, paths_).table);
        words_ = std::make_unique<CourseWords>(readCommonWords(wordFile(), CommonWordCount), keys_.letters);
    }
    // Built afresh each time: the speed target may have changed. On another layout the
    // learner keeps as many letters as before.
    course_.emplace(keys_, int(settings_.coachKeys.size()),
                    coachMarks(settings_.coachSpeedTarget, settings_.classAccuracyMark));
    return *course_;
}

QString CoachCourse::nextLine(Random& random)
{
    AdaptiveCourse& adaptive = course();
    adaptive.update(strokes_.practice(adaptive.unlockedKeys()));
    settings_.coachKeys = adaptive.unlockedKeys();
    const std::vector<KeyPractice> figures = strokes_.practice(adaptive.unlockedKeys());
    return words_->makeLine(adaptive.unlockedCount(), adaptive.weights(figures), adaptive.shares(figures), random);
}

QString CoachCourse::title()
{
    const AdaptiveCourse& adaptive = course();
    const QChar next = adaptive.nextKey();
    return next.isNull() ? tr("Coach's course - keys %1").arg(adaptive.unlockedKeys())
                         : tr("Coach's course - keys %1, next %2").arg(adaptive.unlockedKeys(), QString(next));
}

QHash<QChar, double> CoachCourse::readiness()
{
    const AdaptiveCourse& adaptive = course();
    QHash<QChar, double> readiness;
    for (const QChar key : adaptive.unlockedKeys())
        readiness.insert(key, adaptive.readiness(strokes_.practice(key)));
    return readiness;
}

QString CoachCourse::progress()
{
    const AdaptiveCourse& adaptive = course();
    const QString keys = adaptive.unlockedKeys();
    QStringList lacking[4]; // by KeyNeed
    for (const QChar key : keys)
        lacking[int(adaptive.need(strokes_.practice(key)))] += QString(key);
    QString text = tr("%1 of %2 letters ready").arg(lacking[int(KeyNeed::Nothing)].size()).arg(keys.size());
    const std::pair<KeyNeed, const char*> needs[] = {
        {KeyNeed::Accuracy, QT_TR_NOOP("; needing accuracy: %1")},
        {KeyNeed::Speed, QT_TR_NOOP("; needing speed: %1")},
        {KeyNeed::Strokes, QT_TR_NOOP("; needing more strokes: %1")},
    };
    for (const auto& [need, words] : needs)
        if (!lacking[int(need)].isEmpty())
            text += tr(words).arg(lacking[int(need)].join(QStringLiteral(", ")));
    return text;
}

} // namespace clavora
