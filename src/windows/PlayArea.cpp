// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayArea.h"

#include "Geometry.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace clavora {

namespace {
constexpr int ShellTwips = 735;
constexpr int LetterHeightTwips = 435;
constexpr int LetterOffsetTwips = 135; // the letter lies across the middle of its shell
constexpr qreal RimPixels = 5;

// Black letters on light shells, white on dark ones, so every letter can be read.
Rgb letterColourOn(Rgb fill)
{
    const int brightness = (299 * redOf(fill) + 587 * greenOf(fill) + 114 * blueOf(fill)) / 1000;
    return brightness >= 128 ? rgb(0, 0, 0) : rgb(255, 255, 255);
}
} // namespace

PlayArea::PlayArea(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAutoFillBackground(true);
    gameOverLabel_ = new QLabel(tr("GAME OVER!"), this);
    gameOverLabel_->setObjectName(QStringLiteral("GameOverLabel"));
    placeTwips(gameOverLabel_, 1680, 1920, 5115, 885);
    gameOverLabel_->setAlignment(Qt::AlignCenter);
    gameOverLabel_->setFont(fixedFont(36));
    gameOverLabel_->hide();
}

void PlayArea::setBackground(Rgb colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(colour));
    setPalette(p);
}

QRect PlayArea::shellRect(const Shown& s)
{
    return twipsRect(s.left, s.top, ShellTwips, ShellTwips);
}

void PlayArea::sync(const SlotTable& table)
{
    const int count = std::max(table.size(), int(shown_.size()) - 1);
    shown_.resize(size_t(count) + 1);
    restacked_.clear();
    for (int i = 1; i <= count; ++i) {
        Shown want;
        if (i <= table.size() && !table[i].isFree()) {
            const LetterSlot& s = table[i];
            want = {s.character, s.shellLeft, s.shellTop, s.fill, s.rim, s.stacking};
        }
        Shown& have = shown_[size_t(i)];
        if (want == have)
            continue;
        if (!have.letter.isNull())
            update(shellRect(have));
        if (!want.letter.isNull())
            update(shellRect(want));
        if (want.stacking != have.stacking || want.letter.isNull() != have.letter.isNull())
            restacked_.push_back(i);
        have = want;
    }
    shown_.resize(size_t(table.size()) + 1);
    if (drawn_.size() > shown_.size())
        drawn_.resize(shown_.size());
    if (!restacked_.empty())
        restack();
}

void PlayArea::restack()
{
    // A letter that comes or is raised goes in front of all others, so the order is kept
    // by dropping the restacked slots and putting those shown back at the front.
    moved_.assign(shown_.size(), false);
    for (const int i : restacked_)
        moved_[size_t(i)] = true;
    std::erase_if(order_, [this](int i) { return size_t(i) >= moved_.size() || moved_[size_t(i)]; });
    const auto front = order_.size();
    for (const int i : restacked_)
        if (!shown_[size_t(i)].letter.isNull())
            order_.push_back(i);
    const auto below = [this](int a, int b) { return shown_[size_t(a)].stacking < shown_[size_t(b)].stacking; };
    std::sort(order_.begin() + std::ptrdiff_t(front), order_.end(), below);
    if (!std::is_sorted(order_.begin(), order_.end(), below))
        std::sort(order_.begin(), order_.end(), below); // a new game starts the stacking afresh
}

QPixmap PlayArea::blank(QSize size) const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

const QPixmap& PlayArea::shell(int slot)
{
    if (drawn_.size() <= size_t(slot))
        drawn_.resize(size_t(slot) + 1);
    Drawn& d = drawn_[size_t(slot)];
    const Shown& s = shown_[size_t(slot)];
    if (d.disc.isNull() || d.fill != s.fill) {
        d.disc = disc(s.fill);
        d.shell = QPixmap();
    }
    if (d.shell.isNull() || d.rim != s.rim || d.letter != s.letter) {
        d.shell = d.disc.copy();
        QPainter p(&d.shell);
        p.drawPixmap(0, 0, rim(s.rim));
        const QRect label = twipsRect(0, LetterOffsetTwips, ShellTwips, LetterHeightTwips);
        p.drawPixmap(label.topLeft(), letter(s.letter, letterColourOn(s.fill)));
        d.fill = s.fill;
        d.rim = s.rim;
        d.letter = s.letter;
    }
    return d.shell;
}

QPixmap PlayArea::disc(Rgb fill) const
{
    const int side = twipsToPixels(ShellTwips);
    QPixmap pixmap = blank({side, side});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(fill));
    // Inset so that no fill shows outside the rim drawn over it.
    p.drawEllipse(QRectF(0, 0, side, side).adjusted(1, 1, -1, -1));
    return pixmap;
}

const std::vector<RowSpan>& PlayArea::opaqueRows()
{
    if (opaqueRows_.empty()) {
        // Every shell has the same outline, whatever its colours and its letter.
        QPixmap outline = disc(0);
        QPainter p(&outline);
        p.drawPixmap(0, 0, rim(PureGreen));
        p.end();
        opaqueRows_ = ShellCover::opaqueRows(outline.toImage(), outline.devicePixelRatio());
    }
    return opaqueRows_;
}

const QPixmap& PlayArea::rim(Rgb colour)
{
    auto it = rims_.find(colour);
    if (it == rims_.end()) {
        const int side = twipsToPixels(ShellTwips);
        QPixmap pixmap = blank({side, side});
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(toQColor(colour), RimPixels));
        p.setBrush(Qt::NoBrush);
        const qreal half = RimPixels / 2;
        p.drawEllipse(QRectF(0, 0, side, side).adjusted(half, half, -half, -half));
        p.end();
        it = rims_.insert(colour, pixmap);
    }
    return *it;
}

const QPixmap& PlayArea::letter(QChar c, Rgb colour)
{
    const quint64 key = quint64(c.unicode()) << 32 | colour;
    auto it = letters_.find(key);
    if (it == letters_.end()) {
        const QSize size = twipsRect(0, 0, ShellTwips, LetterHeightTwips).size();
        QPixmap pixmap = blank(size);
        QPainter p(&pixmap);
        p.setFont(fixedFont(18));
        p.setPen(toQColor(colour));
        p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QString(c));
        p.end();
        it = letters_.insert(key, pixmap);
    }
    return *it;
}

void PlayArea::paintEvent(QPaintEvent* event)
{
    const QRect dirty = event->rect();
    painted_.clear();
    // Front to back first: a shell wholly behind opaque shells in front of it is not painted,
    // nor made again when its rim changes. That pays only when the shells together cover
    // more than the area, as thousands of letters do.
    const QSize side = shellRect({}).size();
    const bool crowded = qint64(order_.size()) * side.width() * side.height() > qint64(width()) * height();
    if (crowded)
        cover_.reset(size());
    for (auto i = order_.rbegin(); i != order_.rend(); ++i) {
        const QRect shell = shellRect(shown_[size_t(*i)]);
        if (!dirty.intersects(shell) || (crowded && cover_.hides(shell)))
            continue;
        painted_.push_back(*i);
        if (crowded)
            cover_.add(shell.topLeft(), opaqueRows());
    }
    QPainter p(this);
    for (auto i = painted_.rbegin(); i != painted_.rend(); ++i)
        p.drawPixmap(shellRect(shown_[size_t(*i)]).topLeft(), shell(*i));
    drawFrame(&p);
}

void PlayArea::mousePressEvent(QMouseEvent* event)
{
    emit clicked();
    QFrame::mousePressEvent(event);
}

} // namespace clavora
