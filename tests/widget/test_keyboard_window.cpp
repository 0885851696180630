// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "history/HistoryStore.h"
#include "keyboard/KeyboardFakes.h"
#include "keyboard/KeyColour.h"
#include "settings/AppSettings.h"
#include "windows/Geometry.h"
#include "windows/KeyboardWindow.h"

#include <QApplication>
#include <QPaintEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <set>

using namespace clavora;
using namespace clavora::test;

namespace {
constexpr Rgb Back = 0x1E140A; // red 10, green 20, blue 30
constexpr Rgb Fore = 0x3264C8;

// Records the window's repaints.
class PaintCounter final : public QObject {
public:
    int paints = 0;
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(e)->region();
        }
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
    FakeDesktopKeyboard desktop;
    FakeClock clock;
    const HistoryStore* history = nullptr;

    std::unique_ptr<KeyboardWindow> open(const QString& layout)
    {
        settings.layoutFile = layout;
        auto w = std::make_unique<KeyboardWindow>(settings, ProgramPaths(qEnvironmentVariable("CLAVORA_DATA"), {}),
                                                  keys, desktop, history, clock);
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

    void aKeyChangeRepaintsThatKeyAloneAndNothingRunsMeanwhile()
    {
        auto w = open("QWERTY - United States");
        QVERIFY(w);
        PaintCounter counter;
        w->installEventFilter(&counter);
        QTest::qWait(100);
        emit keys.changed(); // a change the keyboard does not show, such as a key it lacks
        QTest::qWait(20);
        QCOMPARE(counter.paints, 0);
        QCOMPARE(w->findChildren<QTimer*>().size(), 0);

        const KeyboardForm& form = w->control().form();
        const auto rectOf = [](const TwipsBox& b) { return QRegion(twipsRect(b.left, b.top, b.width, b.height)); };
        const struct {
            const char* what;
            std::set<std::uint16_t> down;
            bool capsLock;
            QRegion repainted;
        } steps[] = {
            {"Caps Lock on", {}, true, rectOf(form.shape(NamedShape::CapsLockKey).box)},
            {"A down", {65}, true, rectOf(form.keys[26].box)},
            {"A up, S and Enter down", {83, 13}, true,
             rectOf(form.keys[26].box) + rectOf(form.keys[27].box) + rectOf(form.shape(NamedShape::EnterKey).box)},
            {"everything off", {}, false,
             rectOf(form.keys[27].box) + rectOf(form.shape(NamedShape::EnterKey).box) +
                 rectOf(form.shape(NamedShape::CapsLockKey).box)},
        };
        for (const auto& step : steps) {
            counter.painted = {};
            keys.down = step.down;
            keys.capsLock = step.capsLock;
            emit keys.changed();
            QTRY_COMPARE_WITH_TIMEOUT(counter.painted, step.repainted, 1000);
        }
        const QPoint caps = inside(form.shape(NamedShape::CapsLockKey).box);
        keys.capsLock = true;
        emit keys.changed();
        QCOMPARE(colourAt(*w, caps), toQColor(Back));
        QCOMPARE(colourAt(*w, caps - QPoint(3, 3)), toQColor(Fore)); // the border
        QCOMPARE(colourAt(*w, inside(form.keys[26].box)), toQColor(keyColour(26)));
    }

    void cachedKeysNeverOutliveNewColoursOrLayouts()
    {
        // More keys lit and unlit than the window keeps pictures of.
        auto w = open("QWERTY - United States");
        QVERIFY(w);
        for (std::uint16_t code = 'A'; code <= 'Z'; ++code) {
            keys.down = {code, 13};
            emit keys.changed();
            QTest::qWait(1); // painted one by one, as a typist's keys are
        }
        keys.down = {65, 13};
        emit keys.changed();
        QTest::qWait(1);
        const QImage typed = w->grab().toImage();
        QCOMPARE(typed, open("QWERTY - United States")->grab().toImage());

        w->colourWindow(Fore, Back);
        settings.layoutFile = "QWERTY - United Kingdom";
        w->loadLayout();
        const QImage shown = w->grab().toImage();

        auto fresh = open("QWERTY - United Kingdom");
        QVERIFY(fresh);
        fresh->colourWindow(Fore, Back);
        QCOMPARE(shown, fresh->grab().toImage());
    }

    void anUnreadableLayoutIsToldOnceWithoutBlockingTheWindow()
    {
        auto w = open("No Such Layout");
        QVERIFY(w);
        QTRY_VERIFY(!w->findChildren<QMessageBox*>().isEmpty());
        keys.down = {13};
        emit keys.changed();
        const auto boxes = w->findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0]->isVisible());
        QVERIFY(!boxes[0]->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(boxes[0]->text().contains("No Such Layout.kbl"));
        QCOMPARE(boxes[0]->windowTitle(), QString("Keyboard Layout Notice")); // not taken for the keyboard
        QCOMPARE(w->control().form().shape(NamedShape::EnterKey).fill, Back); // still following the keys
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "test_keyboard_window.moc"
