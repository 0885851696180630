// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardDocking.h"

#include "Geometry.h"
#include "keyboard/KeyboardPlacement.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace clavora {

namespace {
// Waits for the owner's first expose, then queues the work behind the paint it brings.
class ExposeWatch final : public QObject {
public:
    ExposeWatch(QWidget& owner, QObject& context, std::function<void()> then)
        : QObject(&context), owner_(&owner), then_(std::move(then))
    {
        owner.windowHandle()->installEventFilter(this);
        QTimer::singleShot(500, this, &ExposeWatch::done);
    }

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
        if (owner_)
            owner_->windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(parent(), then_, Qt::QueuedConnection);
        deleteLater();
    }

    QPointer<QWidget> owner_;
    std::function<void()> then_;
    bool finished_ = false;
};

int outerHeight(const QWidget& window, const QWidget* other)
{
    const QWidget& framed = window.frameGeometry().height() != window.height() || !other ? window : *other;
    return window.height() + framed.frameGeometry().height() - framed.height();
}
} // namespace

void KeyboardDocking::afterFirstExpose(QWidget& owner, QObject& context, std::function<void()> then)
{
    const QWindow* handle = owner.windowHandle();
    if (handle && owner.isVisible() && !handle->isExposed())
        new ExposeWatch(owner, context, std::move(then));
    else
        then();
}

bool KeyboardDocking::place(QWidget& keyboard, const QWidget& owner, int leftOffsetTwips)
{
    if (!windowsCanBePlaced())
        return false;
    const QRect frame = owner.frameGeometry();
    const int decoration = frame.height() - owner.height(); // the keyboard's frame is alike
    const TwipsBox ownerFrame{pixelsToTwips(frame.x()), pixelsToTwips(frame.y()), pixelsToTwips(frame.width()),
                              pixelsToTwips(frame.height())};
    const QRect screen = screenGeometry(owner);
    const TwipsBox screenRows{0, pixelsToTwips(screen.y()), 0, pixelsToTwips(screen.height())};
    const auto position =
        keyboardPosition(ownerFrame, pixelsToTwips(keyboard.height() + decoration), screenRows, leftOffsetTwips);
    if (position)
        keyboard.move(twipsToPixels(position->x()), twipsToPixels(position->y()));
    return true;
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
