// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeatMapWidget.h"

#include "Geometry.h"
#include "KeyboardPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

namespace clavora {

namespace {
constexpr int LegendHeight = 44;
constexpr int Margin = 8;
constexpr int BarWidth = 240;
constexpr int BarHeight = 12;
constexpr int SwatchSize = 12;
// Enough stops that the bar follows the scale, not a straight line between its ends.
constexpr int GradientStops = 16;

QString percent(double rate)
{
    return HeatMapWidget::tr("%1%").arg(rate * 100, 0, 'f', 0);
}
} // namespace

HeatMapWidget::HeatMapWidget(QWidget* parent) : QWidget(parent)
{
    setFont(fixedFont(9));
    setFixedSize(sizeHint());
}

QSize HeatMapWidget::sizeHint() const
{
    return {twipsToPixels(KeyboardClientWidthTwips), twipsToPixels(KeyboardClientHeightTwips) + LegendHeight};
}

void HeatMapWidget::setHeatMap(const HeatMap& heatMap, int minimumStrokes)
{
    heatMap_ = heatMap;
    minimumStrokes_ = minimumStrokes;
    update();
}

void HeatMapWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const KeyboardForm form = heatMap_ ? heatMap_->keyboard : designKeyboardForm();
    p.fillRect(rect(), toQColor(form.windowColour));
    paintKeyboard(p, form);
    if (heatMap_)
        paintLegend(p, twipsToPixels(KeyboardClientHeightTwips));
}

void HeatMapWidget::paintLegend(QPainter& p, int top) const
{
    p.setFont(interfaceFont());
    p.setPen(toQColor(heatMap_->keyboard.textColour));
    const QFontMetrics metrics = p.fontMetrics();

    const QString title = tr("Error rate");
    p.drawText(Margin, top + BarHeight, title);
    const int barLeft = Margin + metrics.horizontalAdvance(title) + Margin;
    const QRect bar(barLeft, top + 2, BarWidth, BarHeight);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (int stop = 0; stop <= GradientStops; ++stop) {
        const double position = double(stop) / GradientStops;
        gradient.setColorAt(position, toQColor(HeatMap::colour(position, 1.0)));
    }
    p.fillRect(bar, gradient);
    const int labelTop = bar.bottom() + 2 + metrics.ascent();
    p.drawText(bar.left(), labelTop, percent(0));
    const QString topLabel = heatMap_->scaleTop < 1.0 ? tr("%1 or more").arg(percent(heatMap_->scaleTop))
                                                      : percent(heatMap_->scaleTop);
    p.drawText(bar.right() + 1 - metrics.horizontalAdvance(topLabel), labelTop, topLabel);

    const QRect swatch(bar.right() + 6 * Margin, top + 2, SwatchSize, SwatchSize);
    p.fillRect(swatch, toQColor(HeatMap::TooFewStrokesColour));
    p.drawText(swatch.right() + Margin, top + BarHeight,
               tr("Fewer than %1 strokes").arg(minimumStrokes_));
    if (!heatMap_->withoutKey.isEmpty()) {
        QStringList characters;
        for (const QChar c : heatMap_->withoutKey)
            characters << QString(c);
        const QString text = tr("Not on this keyboard: %1").arg(characters.join(u' '));
        p.drawText(swatch.left(), labelTop, metrics.elidedText(text, Qt::ElideRight, width() - Margin - swatch.left()));
    }
}

} // namespace clavora
