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
    bool restack = false;
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
        restack = restack || want.stacking != have.stacking || want.letter.isNull() != have.letter.isNull();
        have = want;
    }
    shown_.resize(size_t(table.size()) + 1);
    if (drawn_.size() > shown_.size())
        drawn_.resize(shown_.size());
    if (!restack)
        return;
    order_.clear();
    for (int i = 1; i < int(shown_.size()); ++i)
        if (!shown_[size_t(i)].letter.isNull())
            order_.push_back(i);
    std::sort(order_.begin(), order_.end(),
              [this](int a, int b) { return shown_[size_t(a)].stacking < shown_[size_t(b)].stacking; });
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
    const int side = twipsToPixels(ShellTwips);
    if (d.disc.isNull() || d.fill != s.fill) {
        d.disc = blank({side, side});
        QPainter p(&d.disc);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(s.fill));
        // Inset so that no fill shows outside the rim drawn over it.
        p.drawEllipse(QRectF(0, 0, side, side).adjusted(1, 1, -1, -1));
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
    QPainter p(this);
    const QRect dirty = event->rect();
    for (const int i : order_) {
        const Shown& s = shown_[size_t(i)];
        const QRect shell = shellRect(s);
        if (!dirty.intersects(shell))
            continue;
        p.drawPixmap(shell.topLeft(), this->shell(i));
    }
    drawFrame(&p);
}

void PlayArea::mousePressEvent(QMouseEvent* event)
{
    emit clicked();
    QFrame::mousePressEvent(event);
}

} // namespace clavora
