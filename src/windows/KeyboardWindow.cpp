#include "KeyboardWindow.h"

#include "Geometry.h"
#include "keyboard/KeyState.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>

namespace clavora {

namespace {
constexpr int ShapeCount = CharacterKeyCount + int(NamedShape::Count);
constexpr int CaptionCount = 2 * CharacterKeyCount + int(NamedLabel::Count);

// Every shape and caption of the form by one number: the character keys' first.
const KeyShape& shapeAt(const KeyboardForm& f, int i)
{
    return i < CharacterKeyCount ? f.Key[size_t(i)] : f.namedShapes[size_t(i - CharacterKeyCount)];
}

const KeyCaption& captionAt(const KeyboardForm& f, int i)
{
    const int characterCaptions = 2 * CharacterKeyCount;
    return i < characterCaptions ? f.Label[size_t(i)] : f.namedLabels[size_t(i - characterCaptions)];
}

QRect pixels(const TwipsBox& b)
{
    return twipsRect(b.left, b.top, b.width, b.height);
}

bool shows(const KeyCaption& c)
{
    return c.visible && !c.text.isEmpty();
}

void paintShape(QPainter& p, const KeyShape& s)
{
    p.setPen(toQColor(s.border));
    p.setBrush(toQColor(s.fill));
    p.drawRect(pixels(s.box).adjusted(0, 0, -1, -1)); // the border lies inside the key
}

void paintCaption(QPainter& p, const KeyCaption& c)
{
    p.setPen(toQColor(c.colour));
    // Like a label's caption, "&&" shows as one "&".
    p.drawText(pixels(c.box), Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, c.text);
}
} // namespace

KeyboardWindow::KeyboardWindow(const AppSettings& settings, ProgramPaths paths, const KeyState& keys)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      control_(settings, std::move(paths), keys, *this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(KeyboardCaption);
    setFixedSize(twipsToPixels(KeyboardClientWidthTwips), twipsToPixels(KeyboardClientHeightTwips));
    setFont(fixedFont(9));
    connect(&keys, &KeyState::changed, this, &KeyboardWindow::keysChanged);
    buildTiles();
}

void KeyboardWindow::setColours(Rgb back, Rgb fore)
{
    control_.setColours(back, fore);
    buildTiles();
}

void KeyboardWindow::LoadLayout()
{
    control_.LoadLayout();
    buildTiles();
}

void KeyboardWindow::buildTiles()
{
    // Captions and arrangement come with the layout: every key is painted afresh, in the
    // keys' present state.
    control_.tick();
    const KeyboardForm& f = control_.form();
    tiles_.clear();
    for (int s = 0; s < ShapeCount; ++s)
        if (shapeAt(f, s).visible)
            tiles_.push_back({pixels(shapeAt(f, s).box), s, {}, {}, {}});
    for (int c = 0; c < CaptionCount; ++c) {
        if (!shows(captionAt(f, c)))
            continue;
        const QRect rect = pixels(captionAt(f, c).box);
        auto tile = std::find_if(tiles_.begin(), tiles_.end(), [&rect](const Tile& t) {
            return t.rect.contains(rect.center()) && int(t.captions.size()) < MaxCaptionsPerKey;
        });
        if (tile == tiles_.end())
            tile = tiles_.insert(tiles_.end(), {rect, -1, {}, {}, {}});
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
    }
}

const QPixmap& KeyboardWindow::picture(Tile& tile)
{
    for (const Picture& p : tile.pictures)
        if (!p.pixmap.isNull() && p.look == tile.shown)
            return p.pixmap;
    // The older picture goes: a key mostly goes back and forth between two looks.
    std::swap(tile.pictures[0], tile.pictures[1]);
    Picture& fresh = tile.pictures[0];
    fresh.look = tile.shown;
    fresh.pixmap = render(tile);
    return fresh.pixmap;
}

QPixmap KeyboardWindow::render(const Tile& tile) const
{
    const KeyboardForm& f = control_.form();
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(tile.rect.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    QPainter p(&pixmap);
    p.setFont(font());
    p.translate(-tile.rect.topLeft());
    p.fillRect(tile.rect, toQColor(f.backColour));
    if (tile.shape >= 0)
        paintShape(p, shapeAt(f, tile.shape));
    for (const int c : tile.captions)
        paintCaption(p, captionAt(f, c));
    return pixmap;
}

void KeyboardWindow::showNotice(const QString& text)
{
    // Queued, so that the keyboard shows first and keeps following the keys behind the box.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            auto* box = new QMessageBox(QMessageBox::Warning, LayoutNoticeCaption, text, QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setModal(false);
            box->show();
        },
        Qt::QueuedConnection);
}

void KeyboardWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), toQColor(control_.form().backColour)); // the gaps between the keys
    for (Tile& t : tiles_)
        if (event->region().intersects(t.rect))
            p.drawPixmap(t.rect.topLeft(), picture(t));
}

void KeyboardWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closing();
}

} // namespace clavora
