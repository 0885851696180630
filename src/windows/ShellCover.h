// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <vector>

class QImage;

namespace clavora {

// The columns [begin, end) of one row of a picture.
struct RowSpan {
    int begin = 0;
    int end = 0;
};

// The pixels of an area already hidden by opaque pictures, laid from front to back: a
// picture whose whole rectangle is hidden shows nothing and need not be painted.
class ShellCover {
public:
    // Nothing hidden, over an area of this size.
    void reset(QSize size);
    // Whether every pixel of the rectangle inside the area is hidden.
    bool hides(const QRect& rect) const;
    // Hides the opaque spans of a picture whose top left corner lies at `at`.
    void add(QPoint at, const std::vector<RowSpan>& opaqueRows);

    // Per row of the image, in logical pixels, the run of fully opaque pixels through the
    // middle column: a logical pixel counts only when all its device pixels are opaque.
    static std::vector<RowSpan> opaqueRows(const QImage& image, qreal devicePixelRatio);

private:
    int width_ = 0;
    int height_ = 0;
    int words_ = 0; // per row
    std::vector<quint64> bits_;
};

} // namespace clavora
