// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QProxyStyle>

namespace clavora {

// The application's style, but a line edit's panel and frame are drawn once for each size,
// state and palette and then copied: the antialiased rounded frame cost the typing line, which
// repaints at every key, more than all the rest of a keystroke.
class CachedPanelStyle final : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace clavora
