// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindControl.h"
#include "keyboard/KeyboardFakes.h"
#include "keyboard/KeyColour.h"
#include "settings/AppSettings.h"
#include "windows/Geometry.h"
#include "windows/KeyboardWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace clavora;
using namespace clavora::test;

namespace {
constexpr Rgb Back = 0x1E140A; // red 10, green 20, blue 30
constexpr Rgb Fore = 0x3264C8;

// Counts the window's repaints.
class PaintCounter final : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A point inside a key's border, clear of its captions.
QPoint inside(const TwipsBox& b)
{
    return twipsRect(b.left, b.top, b.width, b.height).topLeft() + QPoint(3, 3);
}

QColor colourAt(KeyboardWindow& w, QPoint p)
{
    return w.grab().toImage().pixelColor(p);
}
} // namespace

class KeyboardWindowTest : public QObject {
    Q_OBJECT
    AppSettings settings;
    FakeKeyState keys;

    std::unique_ptr<KeyboardWindow> open(const QString& layout)
    {
        settings.layoutFile = layout;
        auto w = std::make_unique<KeyboardWindow>(settings, ProgramPaths(qEnvironmentVariable("CLAVORA_DATA"), {}),
                                                  keys);
        w->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
        w->colourWindow(Back, Fore);
        w->loadLayout();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        return w;
    }

private slots:
    void init()
    {
        keys.down.clear();
        keys.capsLock = false;
    }

    void itRepaintsOnlyWhenALookChanges()
    {
        auto w = open("QWERTY - United Kingdom");
        QVERIFY(w);
        PaintCounter counter;
        w->installEventFilter(&counter);
        QSignalSpy ticks(findControl<QTimer>(*w, "KeyStateTimer"), &QTimer::timeout);
        QTRY_VERIFY(ticks.size() >= 10);
        QCOMPARE(counter.paints, 0);
        keys.capsLock = true;
        QTRY_VERIFY(counter.paints > 0);
        const QPoint caps = inside(w->control().form().shape(NamedShape::CapsLockKey).box);
        QCOMPARE(colourAt(*w, caps), toQColor(Back));
        QCOMPARE(colourAt(*w, caps - QPoint(3, 3)), toQColor(Fore)); // the border
        QCOMPARE(colourAt(*w, inside(w->control().form().keys[26].box)), toQColor(keyColour(26)));
    }

    void anUnreadableLayoutIsToldOnceWithoutBlockingTheWindow()
    {
        auto w = open("No Such Layout");
        QVERIFY(w);
        QTRY_VERIFY(!w->findChildren<QMessageBox*>().isEmpty());
        keys.down = {13};
        QTRY_COMPARE(w->control().form().shape(NamedShape::EnterKey).fill, Back); // still following the keys
        const auto boxes = w->findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0]->isVisible());
        QVERIFY(!boxes[0]->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(boxes[0]->text().contains("No Such Layout.kbl"));
        QCOMPARE(boxes[0]->windowTitle(), QString("Keyboard Layout Notice")); // not taken for the keyboard
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "test_keyboard_window.moc"
