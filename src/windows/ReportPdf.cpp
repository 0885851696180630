// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPdf.h"

#include "progress/ChartTicks.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace clavora {
namespace {

constexpr int Resolution = 300; // dots per inch
constexpr double Margin = 48;   // points
constexpr double ChartHeight = 170;
const QColor BarColour(120, 160, 210);
const QColor LineColour(220, 110, 20);

// Draws one page after another on the writer, in points from the page's top left corner.
class ReportPainter {
public:
    explicit ReportPainter(QPdfWriter& writer) : writer_(writer), painter_(&writer)
    {
        const QSizeF page = writer.pageLayout().paintRect(QPageLayout::Point).size();
        width_ = page.width() - 2 * Margin;
        height_ = page.height() - 2 * Margin;
    }

    bool active() const { return painter_.isActive(); }

    void paint(const ReportPage& page, bool first)
    {
        if (!first)
            writer_.newPage();
        y_ = 0;
        text(page.title, 16, true);
        text(page.subtitle, 9, false);
        y_ += 8;
        table(page);
        if (!page.chart.weeks.empty()) {
            if (y_ + ChartHeight + 30 > height_)
                nextSheet();
            chart(page.chart, page.chartTitle);
        }
    }

private:
    double toDots(double points) const { return points * Resolution / 72.0; }
    QRectF dots(double x, double y, double width, double height) const
    {
        return {toDots(Margin + x), toDots(Margin + y), toDots(width), toDots(height)};
    }
    QPointF dots(double x, double y) const { return {toDots(Margin + x), toDots(Margin + y)}; }

    void setFont(double points, bool bold)
    {
        QFont font = painter_.font();
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
    }
    double lineHeight() const { return painter_.fontMetrics().lineSpacing() * 72.0 / Resolution; }
    double textWidth(const QString& text) const { return painter_.fontMetrics().horizontalAdvance(text) * 72.0 / Resolution; }

    void text(const QString& words, double points, bool bold)
    {
        setFont(points, bold);
        QRectF used;
        painter_.drawText(dots(0, y_, width_, height_ - y_), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, words,
                          &used);
        y_ += used.height() * 72.0 / Resolution + 4;
    }

    void nextSheet()
    {
        writer_.newPage();
        y_ = 0;
    }

    // Columns as wide as their widest cell, narrowed alike when they do not fit the page.
    void table(const ReportPage& page)
    {
        if (page.headings.isEmpty())
            return;
        constexpr double Padding = 6;
        setFont(8, true);
        // Headings may break into lines, as on the Class page.
        std::vector<double> widths;
        qsizetype headingLines = 1;
        for (const QString& heading : page.headings) {
            const QStringList lines = heading.split(u'\n');
            headingLines = std::max(headingLines, lines.size());
            double widest = 0;
            for (const QString& line : lines)
                widest = std::max(widest, textWidth(line));
            widths.push_back(widest + Padding);
        }
        setFont(8, false);
        for (const QStringList& row : page.rows) {
            for (qsizetype column = 0; column < row.size() && column < qsizetype(widths.size()); ++column)
                widths[std::size_t(column)] = std::max(widths[std::size_t(column)], textWidth(row[column]) + Padding);
        }
        double total = 0;
        for (const double width : widths)
            total += width;
        const double shrink = std::min(1.0, width_ / total);
        const double rowHeight = lineHeight() + 3;
        const auto drawRow = [&](const QStringList& cells, bool bold) {
            const double height = bold ? rowHeight + lineHeight() * double(headingLines - 1) : rowHeight;
            if (y_ + height > height_)
                nextSheet();
            setFont(8, bold);
            double x = 0;
            for (qsizetype column = 0; column < cells.size() && column < qsizetype(widths.size()); ++column) {
                const double width = widths[std::size_t(column)] * shrink;
                QStringList lines = cells[column].split(u'\n');
                for (QString& line : lines)
                    line = painter_.fontMetrics().elidedText(line, Qt::ElideRight, int(toDots(width - Padding / 2)));
                painter_.drawText(dots(x, y_, width - Padding, height - 2), Qt::AlignLeft | Qt::AlignBottom,
                                  lines.join(u'\n'));
                x += width;
            }
            y_ += height;
            painter_.setPen(QPen(Qt::lightGray, toDots(0.5)));
            painter_.drawLine(dots(0, y_), dots(total * shrink, y_));
            painter_.setPen(Qt::black);
        };
        drawRow(page.headings, true);
        for (const QStringList& row : page.rows)
            drawRow(row, false);
        y_ += 16;
    }

    // Minutes on the left scale, words per minute on the right, a week a slot.
    void chart(const WeekChart& chart, const QString& title)
    {
        text(title, 9, true);
        setFont(7, false);
        const double axisWidth = 28;
        const double plotLeft = axisWidth, plotWidth = width_ - 2 * axisWidth;
        const double plotTop = y_ + 4, plotHeight = ChartHeight - 2 * lineHeight() - 8;
        const double plotBottom = plotTop + plotHeight;
        const std::vector<double> minuteTicks = valueTicks(*std::max_element(chart.minutes.begin(), chart.minutes.end()), 5);
        double fastest = 0;
        for (const std::optional<double>& speed : chart.speed)
            fastest = std::max(fastest, speed.value_or(0));
        const std::vector<double> speedTicks = valueTicks(fastest, 5);
        const auto yOf = [&](double value, const std::vector<double>& ticks) {
            return plotBottom - plotHeight * value / ticks.back();
        };
        painter_.setPen(QPen(Qt::lightGray, toDots(0.5)));
        for (const double tick : minuteTicks)
            painter_.drawLine(dots(plotLeft, yOf(tick, minuteTicks)), dots(plotLeft + plotWidth, yOf(tick, minuteTicks)));
        painter_.setPen(Qt::black);
        const double label = lineHeight();
        for (const double tick : minuteTicks)
            painter_.drawText(dots(0, yOf(tick, minuteTicks) - label / 2, axisWidth - 4, label),
                              Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
        painter_.setPen(LineColour);
        for (const double tick : speedTicks)
            painter_.drawText(dots(plotLeft + plotWidth + 4, yOf(tick, speedTicks) - label / 2, axisWidth - 4, label),
                              Qt::AlignLeft | Qt::AlignVCenter, QString::number(tick));
        painter_.setPen(Qt::black);

        const double slot = plotWidth / double(chart.weeks.size());
        QPolygonF line;
        for (std::size_t week = 0; week < chart.minutes.size(); ++week) {
            const double x = plotLeft + slot * double(week);
            const double top = yOf(chart.minutes[week], minuteTicks);
            painter_.fillRect(dots(x + slot * 0.2, top, slot * 0.6, plotBottom - top), BarColour);
            painter_.drawText(dots(x, plotBottom + 2, slot, label), Qt::AlignHCenter | Qt::AlignTop,
                              chart.weeks[qsizetype(week)]);
            if (const std::optional<double> speed = chart.speed[week])
                line << dots(x + slot / 2, yOf(*speed, speedTicks));
        }
        painter_.drawLine(dots(plotLeft, plotBottom), dots(plotLeft + plotWidth, plotBottom));
        painter_.setPen(QPen(LineColour, toDots(1.5)));
        painter_.drawPolyline(line);
        painter_.setBrush(LineColour);
        for (const QPointF& point : line)
            painter_.drawEllipse(point, toDots(2), toDots(2));
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(Qt::black);
        setFont(7, false);
        painter_.drawText(dots(plotLeft, plotBottom + label + 4, plotWidth, label), Qt::AlignHCenter | Qt::AlignTop,
                          QCoreApplication::translate("clavora::ReportPdf", "weeks ending on"));
        y_ = plotBottom + 2 * label + 8;
    }

    QPdfWriter& writer_;
    QPainter painter_;
    double width_ = 0;
    double height_ = 0;
    double y_ = 0; // points below the top margin
};

} // namespace

QByteArray printedReport(const std::vector<ReportPage>& pages, const QString& title)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Clavora"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        ReportPainter painter(writer);
        if (!painter.active())
            return {};
        for (std::size_t page = 0; page < pages.size(); ++page)
            painter.paint(pages[page], page == 0);
    }
    return buffer.data();
}

} // namespace clavora
