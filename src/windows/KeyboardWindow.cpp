// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardWindow.h"

#include "Geometry.h"
#include "KeyboardPainter.h"
#include "keyboard/DesktopKeyboard.h"
#include "keyboard/KeyState.h"

#include <QAction>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <algorithm>

namespace clavora {

namespace {
constexpr int ShapeCount = CharacterKeyCount + int(NamedShape::Count);
constexpr int CaptionCount = 3 * CharacterKeyCount + int(NamedLabel::Count);

// Every shape and caption of the form by one number: the character keys' first.
const KeyShape& shapeAt(const KeyboardForm& f, int i)
{
    return i < CharacterKeyCount ? f.keys[size_t(i)] : f.namedShapes[size_t(i - CharacterKeyCount)];
}

const KeyCaption& captionAt(const KeyboardForm& f, int i)
{
    const int labels = 2 * CharacterKeyCount, altGr = 3 * CharacterKeyCount;
    if (i < labels)
        return f.labels[size_t(i)];
    return i < altGr ? f.altGrLabel[size_t(i - labels)] : f.namedLabels[size_t(i - altGr)];
}

QRect pixels(const TwipsBox& b)
{
    return twipsRect(b.left, b.top, b.width, b.height);
}

QFont keyFont()
{
    return fixedFont(9);
}

bool shows(const KeyCaption& c)
{
    return c.visible && !c.text.isEmpty();
}

} // namespace

KeyboardWindow::KeyboardWindow(AppSettings& settings, ProgramPaths paths, const KeyState& keys,
                               const DesktopKeyboard& desktop, const HistoryFigures& figures)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      control_(settings, std::move(paths), keys, *this, desktop, figures),
      weakKeysAction_(new QAction(this)), switchLayoutAction_(new QAction(this)), captions_(keyFont())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(twipsToPixels(KeyboardClientWidthTwips), twipsToPixels(KeyboardClientHeightTwips));
    setFont(keyFont());

    weakKeysAction_->setObjectName(QStringLiteral("ShowWeakKeys"));
    weakKeysAction_->setCheckable(true);
    weakKeysAction_->setShortcut(WeakKeysShortcut);
    switchLayoutAction_->setObjectName(QStringLiteral("SwitchLayout"));
    addAction(weakKeysAction_);
    addAction(switchLayoutAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(weakKeysAction_, &QAction::triggered, this, [this](bool checked) {
        control_.showWeakKeys(checked);
        apply();
    });
    connect(switchLayoutAction_, &QAction::triggered, this, [this] {
        control_.switchToOfferedLayout();
        apply();
    });

    connect(&keys, &KeyState::changed, this, &KeyboardWindow::keysChanged);
    connect(&desktop, &DesktopKeyboard::changed, this, &KeyboardWindow::showCaptionAndMenu);
    apply();
}

void KeyboardWindow::colourWindow(Rgb windowColour, Rgb textColour)
{
    control_.colourWindow(windowColour, textColour);
    apply();
}

void KeyboardWindow::loadLayout()
{
    control_.loadLayout();
    apply();
}

void KeyboardWindow::apply()
{
    showCaptionAndMenu();
    buildTiles();
}

void KeyboardWindow::showNextCharacter(QChar character)
{
    control_.showNextCharacter(character);
    keysChanged();
    if (captionPause_.isActive()) {
        captionPending_ = true; // shown when the pause ends
        return;
    }
    setWindowTitle(control_.caption());
    captionPause_.start(CaptionPauseMilliseconds, this);
}

void KeyboardWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != captionPause_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    captionPause_.stop();
    if (captionPending_) {
        captionPending_ = false;
        setWindowTitle(control_.caption());
        captionPause_.start(CaptionPauseMilliseconds, this);
    }
}

void KeyboardWindow::showReadiness(const QHash<QChar, double>& readiness)
{
    control_.showReadiness(readiness);
    keysChanged();
}

void KeyboardWindow::showCaptionAndMenu()
{
    setWindowTitle(control_.caption());
    const bool available = control_.weakKeysAvailable();
    weakKeysAction_->setEnabled(available);
    weakKeysAction_->setText(available ? tr("Show my &weak keys") : tr("Show my &weak keys (no history)"));
    weakKeysAction_->setChecked(control_.weakKeysShown());
    const std::optional<ShippedLayout> offered = control_.offeredLayout();
    switchLayoutAction_->setVisible(offered.has_value());
    if (offered)
        switchLayoutAction_->setText(tr("&Switch to the %1 layout").arg(offered->keyboardName));
}

void KeyboardWindow::buildTiles()
{
    // Captions and arrangement come with the layout: every key is painted afresh, in the
    // keys' present state.
    control_.tick();
    const KeyboardForm& f = control_.form();
    tiles_.clear();
    pictures_.clear();
    changed_.clear();
    for (int s = 0; s < ShapeCount; ++s)
        if (shapeAt(f, s).visible)
            tiles_.push_back({pixels(shapeAt(f, s).box), s, {}, {}});
    for (int c = 0; c < CaptionCount; ++c) {
        if (!shows(captionAt(f, c)))
            continue;
        const QRect rect = pixels(captionAt(f, c).box);
        auto tile = std::find_if(tiles_.begin(), tiles_.end(), [&rect](const Tile& t) {
            return t.rect.contains(rect.center()) && int(t.captions.size()) < MaxCaptionsPerKey;
        });
        if (tile == tiles_.end())
            tile = tiles_.insert(tiles_.end(), {rect, -1, {}, {}});
        tile->captions.push_back(c);
    }
    for (Tile& t : tiles_)
        t.shown = lookOf(t);
    update();
}

KeyboardWindow::Look KeyboardWindow::lookOf(const Tile& tile) const
{
    const KeyboardForm& f = control_.form();
    Look look;
    if (tile.shape >= 0) {
        look.fill = shapeAt(f, tile.shape).fill;
        look.border = shapeAt(f, tile.shape).border;
        look.outlined = shapeAt(f, tile.shape).outlined;
        look.meter = shapeAt(f, tile.shape).meter;
    }
    for (size_t i = 0; i < tile.captions.size(); ++i)
        look.captions[i] = captionAt(f, tile.captions[i]).colour;
    return look;
}

void KeyboardWindow::keysChanged()
{
    control_.tick();
    for (Tile& t : tiles_) {
        const Look look = lookOf(t);
        if (look == t.shown)
            continue;
        t.shown = look;
        update(t.rect);
        changed_.push_back(size_t(&t - tiles_.data()));
    }
}

KeyboardWindow::Picture* KeyboardWindow::cached(size_t tile)
{
    for (Picture& p : pictures_)
        if (p.tile == tile && p.look == tiles_[tile].shown)
            return &p;
    return nullptr;
}

const QPixmap& KeyboardWindow::picture(size_t tile)
{
    if (Picture* p = cached(tile)) {
        p->lastUse = ++uses_;
        return p->pixmap;
    }
    if (pictures_.size() < MaxPictures)
        pictures_.emplace_back();
    Picture& fresh = *std::min_element(pictures_.begin(), pictures_.end(),
                                       [](const Picture& a, const Picture& b) { return a.lastUse < b.lastUse; });
    const Tile& t = tiles_[tile];
    const qreal ratio = devicePixelRatioF();
    fresh = {tile, t.shown, QPixmap(t.rect.size() * ratio), ++uses_};
    fresh.pixmap.setDevicePixelRatio(ratio);
    QPainter p(&fresh.pixmap);
    p.setFont(font());
    p.translate(-t.rect.topLeft());
    paintTile(p, t);
    return fresh.pixmap;
}

void KeyboardWindow::paintTile(QPainter& p, const Tile& tile) const
{
    const KeyboardForm& f = control_.form();
    p.fillRect(tile.rect, toQColor(f.windowColour));
    if (tile.shape >= 0)
        paintKeyShape(p, shapeAt(f, tile.shape));
    for (const int c : tile.captions)
        captions_.paint(p, captionAt(f, c));
}

void KeyboardWindow::showNotice(const QString& text)
{
    // Queued, so that the keyboard shows first and keeps following the keys behind the box.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            auto* box = new QMessageBox(QMessageBox::Warning, tr("Keyboard Layout Notice"), text, QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setModal(false);
            box->show();
        },
        Qt::QueuedConnection);
}

void KeyboardWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), toQColor(control_.form().windowColour)); // the gaps between the keys
    for (size_t i = 0; i < tiles_.size(); ++i) {
        const Tile& t = tiles_[i];
        if (!event->region().intersects(t.rect))
            continue;
        const bool keyChanged = std::find(changed_.begin(), changed_.end(), i) != changed_.end();
        if (keyChanged || cached(i))
            p.drawPixmap(t.rect.topLeft(), picture(i));
        else
            paintTile(p, t);
    }
    changed_.clear();
}

void KeyboardWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace clavora
