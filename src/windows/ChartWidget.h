// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QDate>
#include <QPolygonF>
#include <QWidget>
#include <optional>
#include <vector>

namespace clavora {

// One line of a chart: a value for each of the chart's days.
struct ChartLine {
    QString name;
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
    std::vector<double> values;
};

// A line chart of figures per day, drawn as the calendar and the heat map are: a title, the
// values on the left, the dates beneath, a line with a point a day for each figure, and a
// legend beneath that wraps to as many rows as the width needs.
class ChartWidget final : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(const QString& title, QWidget* parent = nullptr);

    // `top`: where the value axis ends when fixed (100 for a percentage); else at the first
    // round number above the highest value.
    void setLines(std::vector<QDate> days, std::vector<ChartLine> lines, std::optional<double> top = {});
    // Where the lines are drawn.
    QRect plotRect() const;
    // Where the legend names `line`.
    QRect legendRect(int line) const;
    // The values the value axis marks at the present size, from 0 to its top.
    std::vector<double> valueAxis() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Placement {
        QRect title;
        QRect plot;
        std::vector<QRect> legend; // an entry for each line: its swatch and its name
    };
    Placement placement() const;
    std::vector<QRect> layoutLegend(int bottom) const;
    void paintValueAxis(QPainter& painter, const QRect& plot, const std::vector<double>& ticks) const;
    void paintDateAxis(QPainter& painter, const QRect& plot) const;
    void paintLines(QPainter& painter, const QRect& plot, double top) const;
    // Where a line passes on the plot.
    QPolygonF pointsOf(const QRect& plot, const ChartLine& line, double top) const;
    void paintLegend(QPainter& painter, const std::vector<QRect>& items) const;
    std::vector<double> valueAxisFor(const QRect& plot) const;
    double xOf(const QRect& plot, QDate day) const;

    QString title_;
    std::vector<QDate> days_;
    std::vector<ChartLine> lines_;
    std::optional<double> top_;
};

} // namespace clavora
