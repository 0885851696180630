#include "KeyboardWindow.h"

#include "FormWriting.h"
#include "Geometry.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

namespace clavora {

namespace {
QRect pixels(const TwipsBox& b)
{
    return twipsRect(b.left, b.top, b.width, b.height);
}

void paintShape(QPainter& p, const KeyShape& s)
{
    if (!s.visible)
        return;
    p.setPen(toQColor(s.border));
    p.setBrush(toQColor(s.fill));
    p.drawRect(pixels(s.box).adjusted(0, 0, -1, -1)); // the border lies inside the key
}

void paintCaption(QPainter& p, const KeyCaption& c)
{
    if (!c.visible || c.text.isEmpty())
        return;
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
    keyStateTimer_ = new QTimer(this);
    keyStateTimer_->setObjectName(QStringLiteral("KeyStateTimer"));
    keyStateTimer_->setInterval(TickMilliseconds);
    connect(keyStateTimer_, &QTimer::timeout, this, forwardTo(this, control_, &KeyboardControl::tick));
    keyStateTimer_->start();
    painted_ = control_.form();
}

void KeyboardWindow::colourWindow(Rgb window, Rgb text)
{
    control_.colourWindow(window, text);
    apply();
}

void KeyboardWindow::loadLayout()
{
    forwardTo(this, control_, &KeyboardControl::loadLayout)();
}

void KeyboardWindow::apply()
{
    if (control_.form() == painted_)
        return;
    painted_ = control_.form();
    update();
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

void KeyboardWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(painted_.backColour));
    for (const KeyShape& s : painted_.keys)
        paintShape(p, s);
    for (const KeyShape& s : painted_.namedShapes)
        paintShape(p, s);
    for (const KeyCaption& c : painted_.labels)
        paintCaption(p, c);
    for (const KeyCaption& c : painted_.namedLabels)
        paintCaption(p, c);
}

void KeyboardWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace clavora
