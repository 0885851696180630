// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardDocking.h"

#include "common/Twips.h"
#include "keyboard/KeyboardPlacement.h"
#include "platform/QtServices.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace clavora {

namespace {
void placeNow(QWidget& keyboard, const QWidget& owner, int leftOffsetTwips)
{
    const QRect frame = owner.frameGeometry();
    const int decoration = frame.height() - owner.height(); // the keyboard's frame is alike
    const TwipsBox ownerFrame{pixelsToTwips(frame.x()), pixelsToTwips(frame.y()), pixelsToTwips(frame.width()),
                              pixelsToTwips(frame.height())};
    const auto position = keyboardPosition(ownerFrame, pixelsToTwips(keyboard.height() + decoration),
                                           screenHeightTwips(), leftOffsetTwips);
    if (position)
        keyboard.move(twipsToPixels(position->x()), twipsToPixels(position->y()));
}

// Places the keyboard once, at the owner's first expose, shows it when asked to, and goes.
class ExposeWatch final : public QObject {
    Q_OBJECT
public:
    ExposeWatch(QWidget& keyboard, QWidget& owner, int leftOffsetTwips)
        : QObject(&keyboard), keyboard_(keyboard), owner_(&owner), leftOffset_(leftOffsetTwips)
    {
        owner.windowHandle()->installEventFilter(this);
        QTimer::singleShot(500, this, &ExposeWatch::done);
    }

    bool showWhenDone = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            done();
        return false;
    }

private:
    void done()
    {
        if (finished_)
            return;
        finished_ = true;
        if (owner_) {
            owner_->windowHandle()->removeEventFilter(this);
            placeNow(keyboard_, *owner_, leftOffset_);
        }
        if (showWhenDone)
            keyboard_.show();
        setParent(nullptr); // no longer found as the keyboard's pending placing
        deleteLater();
    }

    QWidget& keyboard_; // the parent
    QPointer<QWidget> owner_;
    int leftOffset_;
    bool finished_ = false;
};

int outerHeight(const QWidget& window, const QWidget* other)
{
    const QWidget& framed = window.frameGeometry().height() != window.height() || !other ? window : *other;
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

void KeyboardDocking::show(QWidget& keyboard)
{
    if (auto* watch = keyboard.findChild<ExposeWatch*>(QString(), Qt::FindDirectChildrenOnly))
        watch->showWhenDone = true;
    else
        keyboard.show();
}

bool KeyboardDocking::sitsBelow(const QWidget& keyboard, const QWidget& window, const QWidget* other)
{
    return keyboard.y() == window.y() + outerHeight(window, other);
}

void KeyboardDocking::moveBelow(QWidget& keyboard, QPoint frame, const QWidget& window, const QWidget* other)
{
    keyboard.move(keyboard.x(), frame.y() + outerHeight(window, other));
}

} // namespace clavora

#include "KeyboardDocking.moc"
