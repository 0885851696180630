// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/HeatMap.h"

#include <QWidget>
#include <optional>

namespace clavora {

// The keyboard coloured by error rate, drawn as the keyboard window draws it, with a legend
// of the scale beneath.
class HeatMapWidget final : public QWidget {
    Q_OBJECT
public:
    explicit HeatMapWidget(QWidget* parent = nullptr);

    // `minimumStrokes` is the count below which a key is grey, for the legend.
    void setHeatMap(const HeatMap& heatMap, int minimumStrokes);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLegend(QPainter& painter, int top) const;

    std::optional<HeatMap> heatMap_;
    int minimumStrokes_ = 0;
};

} // namespace clavora
