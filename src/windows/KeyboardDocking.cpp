#include "KeyboardDocking.h"

#include "common/Twips.h"
#include "keyboard/KeyboardPlacement.h"
#include "platform/QtServices.h"

#include <QEvent>
#include <QPointer>
#include <QWindow>

namespace clavora {

namespace {
void placeNow(QWidget& keyboard, const QWidget& owner, int leftOffsetTwips)
{
    const QRect frame = owner.frameGeometry();
    const int decoration = frame.height() - owner.height(); // the keyboard's frame is alike
    const TwipsBox ownerFrame{pixelsToTwips(frame.x()), pixelsToTwips(frame.y()), pixelsToTwips(frame.width()),
                              pixelsToTwips(frame.height())};
    const auto position = KeyboardPosition(ownerFrame, pixelsToTwips(keyboard.height() + decoration),
                                           screenHeightTwips(), leftOffsetTwips);
    if (position)
        keyboard.move(twipsToPixels(position->x()), twipsToPixels(position->y()));
}

// Places the keyboard once, at the owner's first expose, and then goes.
class ExposeWatch final : public QObject {
public:
    ExposeWatch(QWidget& keyboard, QWidget& owner, int leftOffsetTwips)
        : QObject(&keyboard), keyboard_(&keyboard), owner_(&owner), leftOffset_(leftOffsetTwips)
    {
        owner.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            if (keyboard_ && owner_)
                placeNow(*keyboard_, *owner_, leftOffset_);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> keyboard_;
    QPointer<QWidget> owner_;
    int leftOffset_;
};

int outerHeight(const QWidget& window, const QWidget& framed)
{
    return window.height() + framed.frameGeometry().height() - framed.height();
}
} // namespace

void KeyboardDocking::place(QWidget& keyboard, QWidget& owner, int leftOffsetTwips)
{
    const QWindow* handle = owner.windowHandle();
    if (handle && owner.isVisible() && !handle->isExposed())
        new ExposeWatch(keyboard, owner, leftOffsetTwips);
    else
        placeNow(keyboard, owner, leftOffsetTwips);
}

bool KeyboardDocking::sitsBelow(const QWidget& keyboard, const QWidget& window, const QWidget& framed)
{
    return keyboard.y() == window.y() + outerHeight(window, framed);
}

void KeyboardDocking::moveBelow(QWidget& keyboard, const QWidget& window, const QWidget& framed)
{
    keyboard.move(keyboard.x(), window.y() + outerHeight(window, framed));
}

void KeyboardDocking::placeAt(QWidget& window, const QWidget& other)
{
    window.setGeometry(QRect(other.geometry().topLeft(), window.size()));
}

} // namespace clavora
