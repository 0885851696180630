// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartWidget.h"

#include "progress/ChartTicks.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace clavora {

namespace {
constexpr int Margin = 6;
constexpr int TickLength = 4;
constexpr int SwatchWidth = 30;
constexpr int LegendGap = 12;
constexpr int PointRadius = 3;
// Closer than this, a day's points would run together: the lines go on alone.
constexpr int PointSpacing = 4 * PointRadius;
// A legend's name: wrapped rather than cut when it is wider than the chart.
constexpr int NameFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QString valueLabel(double value)
{
    return QLocale().toString(value, 'f', value == std::round(value) ? 0 : 1);
}
} // namespace

ChartWidget::ChartWidget(const QString& title, QWidget* parent) : QWidget(parent), title_(title)
{
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartWidget::setLines(std::vector<QDate> days, std::vector<ChartLine> lines, std::optional<double> top)
{
    days_ = std::move(days);
    lines_ = std::move(lines);
    top_ = top;
    update();
}

QSize ChartWidget::sizeHint() const
{
    return {460, 320};
}

QSize ChartWidget::minimumSizeHint() const
{
    return {240, 200};
}

std::vector<QRect> ChartWidget::layoutLegend(int bottom) const
{
    const QFontMetrics metrics = fontMetrics();
    const int available = width() - 2 * Margin;
    std::vector<QRect> items;
    int x = Margin;
    int y = 0;
    int rowHeight = 0;
    for (const ChartLine& line : lines_) {
        const QRect text = metrics.boundingRect(QRect(0, 0, std::max(available - SwatchWidth - Margin, 1), height()),
                                                NameFlags, line.name);
        const QSize size(SwatchWidth + Margin + text.width(), std::max(text.height(), metrics.height()));
        if (x > Margin && x + size.width() > Margin + available) {
            x = Margin;
            y += rowHeight + 2;
            rowHeight = 0;
        }
        items.emplace_back(QPoint(x, y), size);
        x += size.width() + LegendGap;
        rowHeight = std::max(rowHeight, size.height());
    }
    // The rows stand on the bottom edge.
    const int shift = bottom - (y + rowHeight);
    for (QRect& item : items)
        item.translate(0, shift);
    return items;
}

ChartWidget::Placement ChartWidget::placement() const
{
    const QFontMetrics metrics = fontMetrics();
    Placement layout;
    layout.title = metrics.boundingRect(QRect(Margin, Margin, width() - 2 * Margin, height()),
                                        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
    layout.legend = layoutLegend(height() - Margin);
    const int legendTop = layout.legend.empty() ? height() - Margin : layout.legend.front().top();
    const int top = layout.title.bottom() + Margin + metrics.height() / 2;
    const int bottom = legendTop - Margin - metrics.height() - TickLength;
    int labelWidth = 0;
    for (double tick : valueAxisFor(QRect(0, top, 1, bottom - top)))
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(valueLabel(tick)));
    const int left = Margin + labelWidth + TickLength;
    // Room for half a date label beyond the last day.
    const int right = width() - Margin - metrics.horizontalAdvance(QStringLiteral("00 MMM")) / 2;
    layout.plot = QRect(QPoint(left, top), QPoint(right, bottom));
    return layout;
}

QRect ChartWidget::plotRect() const
{
    return placement().plot;
}

QRect ChartWidget::legendRect(int line) const
{
    return placement().legend.at(std::size_t(line));
}

std::vector<double> ChartWidget::valueAxis() const
{
    return valueAxisFor(plotRect());
}

std::vector<double> ChartWidget::valueAxisFor(const QRect& plot) const
{
    double highest = 0;
    for (const ChartLine& line : lines_) {
        for (double value : line.values)
            highest = std::max(highest, value);
    }
    const int maxIntervals = std::max(1, plot.height() / (2 * fontMetrics().height()));
    return valueTicks(top_.value_or(highest), maxIntervals);
}

double ChartWidget::xOf(const QRect& plot, QDate day) const
{
    // Each day is a slot of equal width, its point in the middle.
    const double first = double(days_.front().toJulianDay()) - 0.5;
    const double dayCount = double(days_.back().toJulianDay() - days_.front().toJulianDay() + 1);
    return plot.left() + (double(day.toJulianDay()) - first) / dayCount * plot.width();
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Placement layout = placement();
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(layout.title, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
    if (layout.plot.width() < 2 || layout.plot.height() < 2)
        return;
    p.fillRect(layout.plot, palette().color(QPalette::Base));
    const std::vector<double> ticks = valueAxisFor(layout.plot);
    paintValueAxis(p, layout.plot, ticks);
    if (!days_.empty()) {
        paintDateAxis(p, layout.plot);
        paintLines(p, layout.plot, ticks.back());
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.setBrush(Qt::NoBrush);
    p.drawRect(layout.plot.adjusted(0, 0, -1, -1));
    paintLegend(p, layout.legend);
}

void ChartWidget::paintValueAxis(QPainter& p, const QRect& plot, const std::vector<double>& ticks) const
{
    const QFontMetrics metrics = p.fontMetrics();
    const QColor grid = palette().color(QPalette::Midlight);
    const QColor text = palette().color(QPalette::WindowText);
    for (double tick : ticks) {
        const int y = plot.bottom() - int(std::lround(tick / ticks.back() * (plot.height() - 1)));
        p.setPen(grid);
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(text);
        p.drawLine(plot.left() - TickLength, y, plot.left(), y);
        const QString label = valueLabel(tick);
        p.drawText(QRect(0, y - metrics.height() / 2, plot.left() - TickLength - 2, metrics.height()),
                   Qt::AlignRight | Qt::AlignVCenter, label);
    }
}

void ChartWidget::paintDateAxis(QPainter& p, const QRect& plot) const
{
    const QFontMetrics metrics = p.fontMetrics();
    const QLocale locale;
    // As many dates as fit side by side with a gap between them.
    DateTicks ticks;
    for (int maxTicks = std::max(1, plot.width() / 40); maxTicks > 0; --maxTicks) {
        ticks = dateTicks(days_.front(), days_.back(), maxTicks);
        int widest = 0;
        for (QDate day : ticks.days)
            widest = std::max(widest, metrics.horizontalAdvance(locale.toString(day, ticks.format)));
        if (int(ticks.days.size()) * (widest + LegendGap) <= plot.width())
            break;
        maxTicks = std::min(maxTicks, int(ticks.days.size()));
    }
    p.setPen(palette().color(QPalette::WindowText));
    for (QDate day : ticks.days) {
        const int x = int(std::lround(xOf(plot, day)));
        p.drawLine(x, plot.bottom(), x, plot.bottom() + TickLength);
        const QString label = locale.toString(day, ticks.format);
        const int labelWidth = metrics.horizontalAdvance(label);
        const int left = std::clamp(x - labelWidth / 2, 0, std::max(0, width() - labelWidth));
        p.drawText(QRect(left, plot.bottom() + TickLength + 1, labelWidth, metrics.height()), Qt::AlignCenter, label);
    }
}

QPolygonF ChartWidget::pointsOf(const QRect& plot, const ChartLine& line, double top) const
{
    QPolygonF points;
    for (std::size_t i = 0; i < days_.size() && i < line.values.size(); ++i)
        points << QPointF(xOf(plot, days_[i]), plot.bottom() - line.values[i] / top * (plot.height() - 1));
    if (points.size() <= 2 * plot.width())
        return points;
    // Years of days on a few hundred pixels: each pixel column keeps where the line enters and
    // leaves it and its lowest and highest point, which draws the same at a fraction of the cost.
    QPolygonF columns;
    for (qsizetype first = 0, last = 0; first < points.size(); first = last) {
        const int column = int(points[first].x());
        double lowest = points[first].y(), highest = lowest;
        for (last = first; last < points.size() && int(points[last].x()) == column; ++last) {
            lowest = std::min(lowest, points[last].y());
            highest = std::max(highest, points[last].y());
        }
        columns << points[first] << QPointF(column, lowest) << QPointF(column, highest) << points[last - 1];
    }
    return columns;
}

void ChartWidget::paintLines(QPainter& p, const QRect& plot, double top) const
{
    p.save();
    p.setClipRect(plot.adjusted(-PointRadius, -PointRadius, PointRadius, PointRadius));
    // Years of days are drawn thin and unsmoothed: a wide pen's outline of a line that
    // zigzags through every pixel column costs a hundred times more than it shows.
    const bool dense = qsizetype(days_.size()) > plot.width();
    p.setRenderHint(QPainter::Antialiasing, !dense);
    const bool points = xOf(plot, days_.front().addDays(1)) - xOf(plot, days_.front()) >= PointSpacing;
    for (const ChartLine& line : lines_) {
        const QPolygonF polygon = pointsOf(plot, line, top);
        p.setPen(QPen(line.colour, dense ? 1 : 2, line.style));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(polygon);
        if (!points)
            continue;
        p.setPen(Qt::NoPen);
        p.setBrush(line.colour);
        for (const QPointF& point : polygon)
            p.drawEllipse(point, PointRadius, PointRadius);
    }
    p.restore();
}

void ChartWidget::paintLegend(QPainter& p, const std::vector<QRect>& items) const
{
    for (std::size_t i = 0; i < items.size() && i < lines_.size(); ++i) {
        const ChartLine& line = lines_[i];
        const QRect& item = items[i];
        const int y = item.top() + fontMetrics().height() / 2;
        p.setPen(QPen(line.colour, 2, line.style));
        p.drawLine(item.left(), y, item.left() + SwatchWidth, y);
        p.setPen(Qt::NoPen);
        p.setBrush(line.colour);
        p.drawEllipse(QPoint(item.left() + SwatchWidth / 2, y), PointRadius, PointRadius);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(item.adjusted(SwatchWidth + Margin, 0, 0, 0), NameFlags, line.name);
    }
}

} // namespace clavora
