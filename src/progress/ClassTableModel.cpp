// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassTableModel.h"
#include "ClassPage.h"

#include <algorithm>
#include <numeric>

namespace clavora {
namespace {

const char* const Headings[] = {
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Learner"),
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Classes"),
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Last practice"),
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Minutes\nthis week"),
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Attempts\nthis week"),
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Median WPM\nand trend"),
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Median\naccuracy %\nand trend"),
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Weakest\nkeys"),
    QT_TRANSLATE_NOOP("clavora::ClassTableModel", "Letters\nunlocked"),
};
static_assert(std::size(Headings) == ClassTableModel::ColumnCount);

// A figure that is not a number (an old row of the server may hold one) is shown as absent.
std::optional<double> finite(std::optional<double> value)
{
    return value && std::isfinite(*value) ? value : std::nullopt;
}

QString shownName(const LearnerFigures& learner)
{
    return learner.name.isEmpty() ? learner.login : learner.name;
}

// -1, 0 or 1; an absent figure before every other.
int compareFigures(std::optional<double> a, std::optional<double> b)
{
    a = finite(a);
    b = finite(b);
    if (!a || !b)
        return int(a.has_value()) - int(b.has_value());
    return *a < *b ? -1 : *a > *b ? 1 : 0;
}

int compareLearners(const LearnerFigures& a, const LearnerFigures& b, int column)
{
    switch (column) {
    case ClassTableModel::Learner:
        return shownName(a).compare(shownName(b), Qt::CaseInsensitive);
    case ClassTableModel::Classes:
        return a.classes.compare(b.classes, Qt::CaseInsensitive);
    case ClassTableModel::LastPractice:
        return compareFigures(a.lastPractice.isValid() ? std::optional(double(a.lastPractice.toJulianDay())) : std::nullopt,
                              b.lastPractice.isValid() ? std::optional(double(b.lastPractice.toJulianDay())) : std::nullopt);
    case ClassTableModel::Minutes:
        return compareFigures(a.minutesThisWeek, b.minutesThisWeek);
    case ClassTableModel::Attempts:
        return compareFigures(a.attemptsThisWeek, b.attemptsThisWeek);
    case ClassTableModel::Speed:
        return compareFigures(a.medianSpeed, b.medianSpeed);
    case ClassTableModel::Accuracy:
        return compareFigures(a.medianAccuracy, b.medianAccuracy);
    case ClassTableModel::WeakestKeys:
        return a.weakestKeys.compare(b.weakestKeys);
    default:
        return compareFigures(a.courseLetters.size(), b.courseLetters.size());
    }
}

// A goal's mark after its figure: met or not; nothing without a goal.
QString withMark(const QString& figure, std::optional<bool> met)
{
    return !met ? figure : figure + (*met ? QStringLiteral(" ✓") : QStringLiteral(" ✗"));
}

QString wholeNumber(std::optional<double> value)
{
    value = finite(value);
    return value ? QString::number(qRound64(*value)) : QString();
}

QString trendTip(const char* what, std::optional<double> now, std::optional<double> before)
{
    now = finite(now);
    before = finite(before);
    if (!now)
        return QString();
    const QString thisWeek = QString::number(*now, 'f', 1);
    return before ? ClassTableModel::tr(what).arg(thisWeek, QString::number(*before, 'f', 1))
                  : ClassTableModel::tr("%1 this week; no figure for the four weeks before").arg(thisWeek);
}

} // namespace

QString ClassTableModel::figureWithTrend(std::optional<double> now, std::optional<double> before)
{
    now = finite(now);
    if (!now)
        return QString();
    const QString figure = QString::number(*now, 'f', 1);
    const std::optional<double> trend = ClassPage::trend(now, finite(before));
    if (!trend)
        return figure;
    // Rounded as shown, so that a change shown as 0.0 gets no arrow up or down.
    const double shown = std::round(*trend * 10) / 10;
    const QChar arrow = shown > 0 ? u'↑' : shown < 0 ? u'↓' : u'→';
    return figure + u' ' + arrow + QString::number(std::abs(shown), 'f', 1);
}

void ClassTableModel::setLearners(const std::vector<LearnerFigures>& learners)
{
    if (learners == learners_)
        return;
    beginResetModel();
    learners_ = learners;
    putInOrder();
    endResetModel();
}

int ClassTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(learners_.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LearnerFigures& shown = learner(index.row());
    const int column = index.column();
    if (role == LoginRole)
        return shown.login;
    if (role == Qt::TextAlignmentRole)
        return (column >= Minutes && column <= Accuracy) || column == CourseLetters
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    if (role == Qt::ToolTipRole) {
        switch (column) {
        case Learner:
            return shown.login;
        case CourseLetters:
            return shown.courseLetters;
        case Minutes:
            return shown.goals.weeklyMinutes ? tr("Minutes this week against the class's weekly goal") : QVariant();
        case Speed:
            return trendTip(QT_TR_NOOP("%1 words per minute this week, %2 the four weeks before"), shown.medianSpeed,
                            shown.medianSpeedBefore);
        case Accuracy:
            return trendTip(QT_TR_NOOP("%1 % this week, %2 % the four weeks before"), shown.medianAccuracy,
                            shown.medianAccuracyBefore);
        default:
            return {};
        }
    }
    return role == Qt::DisplayRole ? cellText(shown, column) : QVariant();
}

QString ClassTableModel::cellText(const LearnerFigures& learner, int column)
{
    switch (column) {
    case Learner:
        return shownName(learner);
    case Classes:
        return learner.classes;
    case LastPractice:
        return learner.lastPractice.toString(Qt::ISODate);
    case Minutes:
        if (const std::optional<int> goal = learner.goals.weeklyMinutes) {
            return withMark(wholeNumber(learner.minutesThisWeek) + u'/' + QString::number(*goal),
                            ClassPage::met(learner.minutesThisWeek, goal));
        }
        return wholeNumber(learner.minutesThisWeek);
    case Attempts:
        return QString::number(learner.attemptsThisWeek);
    case Speed:
        return withMark(figureWithTrend(learner.medianSpeed, learner.medianSpeedBefore),
                        ClassPage::met(learner.medianSpeed, learner.goals.speedTarget));
    case Accuracy:
        return withMark(figureWithTrend(learner.medianAccuracy, learner.medianAccuracyBefore),
                        ClassPage::met(learner.medianAccuracy, learner.goals.accuracyMark));
    case WeakestKeys:
        return ClassPage::keyNames(learner.weakestKeys);
    default:
        return learner.courseLetters.isEmpty() ? QString() : QString::number(learner.courseLetters.size());
    }
}

QString ClassTableModel::heading(int column)
{
    return tr(Headings[column]);
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return heading(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    return {};
}

void ClassTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> rowsBefore;
    for (const QModelIndex& index : before)
        rowsBefore.push_back(order_[std::size_t(index.row())]);
    sortColumn_ = column;
    sortOrder_ = order;
    putInOrder();
    // Selected rows and the current one stay with their learners.
    std::vector<std::size_t> rowOf(learners_.size());
    for (std::size_t row = 0; row < order_.size(); ++row)
        rowOf[order_[row]] = row;
    QModelIndexList after;
    for (int i = 0; i < before.size(); ++i)
        after << index(int(rowOf[rowsBefore[std::size_t(i)]]), before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ClassTableModel::putInOrder()
{
    order_.resize(learners_.size());
    std::iota(order_.begin(), order_.end(), std::size_t(0));
    // Stable, so that learners alike stay in the server's order (by login) either way.
    std::stable_sort(order_.begin(), order_.end(), [this](std::size_t a, std::size_t b) {
        const int compared = compareLearners(learners_[a], learners_[b], sortColumn_);
        return sortOrder_ == Qt::AscendingOrder ? compared < 0 : compared > 0;
    });
}

} // namespace clavora
