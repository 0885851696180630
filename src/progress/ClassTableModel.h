// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassRoster.h"

#include <QAbstractTableModel>

namespace clavora {

// The Class page's table: one row per learner, its texts made only for the rows a view
// shows, sorted by moving row numbers rather than the learners. A trend is a small arrow
// beside its figure, and a goal a mark, so that the page fits a window without scrolling
// sideways.
class ClassTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Learner,
        Classes,
        LastPractice,
        Minutes,
        Attempts,
        Speed,
        Accuracy,
        WeakestKeys,
        CourseLetters,
        ColumnCount
    };
    static constexpr int LoginRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // New rows only when they differ from those shown, in the order last chosen.
    void setLearners(const std::vector<LearnerFigures>& learners);
    const LearnerFigures& learner(int row) const { return learners_[order_[std::size_t(row)]]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // A figure and its trend: "31.5 ↑3.5"; empty without the figure, the figure alone
    // without a trend. A figure that is not a number is absent.
    static QString figureWithTrend(std::optional<double> now, std::optional<double> before);

    // What a column shows of a learner, and its heading, which may break into lines.
    static QString cellText(const LearnerFigures& learner, int column);
    static QString heading(int column);

private:
    void putInOrder();

    std::vector<LearnerFigures> learners_;
    std::vector<std::size_t> order_; // the learners' indexes, the first row's first
    int sortColumn_ = Learner;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace clavora
