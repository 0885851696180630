// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellCover.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace clavora {

namespace {
constexpr int WordBits = 64;

// The bits [from, to) of one word.
quint64 mask(int from, int to)
{
    const quint64 high = to >= WordBits ? ~quint64(0) : (quint64(1) << to) - 1;
    return high & ~((quint64(1) << from) - 1);
}
} // namespace

void ShellCover::reset(QSize size)
{
    width_ = std::max(size.width(), 0);
    height_ = std::max(size.height(), 0);
    words_ = (width_ + WordBits - 1) / WordBits;
    bits_.assign(size_t(words_) * size_t(height_), 0);
}

bool ShellCover::hides(const QRect& rect) const
{
    const int left = std::max(rect.left(), 0), right = std::min(rect.right() + 1, width_);
    const int top = std::max(rect.top(), 0), bottom = std::min(rect.bottom() + 1, height_);
    if (left >= right)
        return true;
    // The same words and masks for every row: most rectangles asked about are hidden, so
    // every row is looked at.
    const int first = left / WordBits, last = (right - 1) / WordBits;
    const quint64 firstMask = mask(left % WordBits, first == last ? (right - 1) % WordBits + 1 : WordBits);
    const quint64 lastMask = mask(0, (right - 1) % WordBits + 1);
    for (int y = top; y < bottom; ++y) {
        const quint64* row = &bits_[size_t(y) * size_t(words_)];
        if ((row[first] & firstMask) != firstMask)
            return false;
        for (int word = first + 1; word < last; ++word)
            if (row[word] != ~quint64(0))
                return false;
        if (last > first && (row[last] & lastMask) != lastMask)
            return false;
    }
    return true;
}

void ShellCover::add(QPoint at, const std::vector<RowSpan>& opaqueRows)
{
    for (int r = 0; r < int(opaqueRows.size()); ++r) {
        const int y = at.y() + r;
        if (y < 0 || y >= height_)
            continue;
        quint64* row = &bits_[size_t(y) * size_t(words_)];
        const int left = std::max(at.x() + opaqueRows[size_t(r)].begin, 0);
        const int right = std::min(at.x() + opaqueRows[size_t(r)].end, width_);
        for (int x = left; x < right;) {
            const int word = x / WordBits;
            const int to = std::min(right - word * WordBits, WordBits);
            row[word] |= mask(x % WordBits, to);
            x = word * WordBits + to;
        }
    }
}

std::vector<RowSpan> ShellCover::opaqueRows(const QImage& image, qreal devicePixelRatio)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = int(std::floor(argb.width() / devicePixelRatio));
    const int height = int(std::floor(argb.height() / devicePixelRatio));
    auto opaque = [&](int x, int y) {
        const int x0 = int(std::floor(x * devicePixelRatio)), x1 = int(std::ceil((x + 1) * devicePixelRatio));
        const int y0 = int(std::floor(y * devicePixelRatio)), y1 = int(std::ceil((y + 1) * devicePixelRatio));
        for (int dy = y0; dy < std::min(y1, argb.height()); ++dy)
            for (int dx = x0; dx < std::min(x1, argb.width()); ++dx)
                if (qAlpha(argb.pixel(dx, dy)) != 255)
                    return false;
        return true;
    };
    std::vector<RowSpan> rows(size_t(std::max(height, 0)));
    const int middle = width / 2;
    for (int y = 0; y < height; ++y) {
        if (!opaque(middle, y))
            continue;
        RowSpan& span = rows[size_t(y)];
        span.begin = middle;
        while (span.begin > 0 && opaque(span.begin - 1, y))
            --span.begin;
        span.end = middle + 1;
        while (span.end < width && opaque(span.end, y))
            ++span.end;
    }
    return rows;
}

} // namespace clavora
