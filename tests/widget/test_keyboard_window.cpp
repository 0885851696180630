// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "history/NoHistory.h"
#include "keyboard/KeyboardFakes.h"
#include "keyboard/HeatMap.h"
#include "keyboard/KeyColour.h"
#include "settings/AppSettings.h"
#include "windows/Geometry.h"
#include "windows/KeyboardPainter.h"
#include "windows/KeyboardWindow.h"

#include <QAction>
#include <QDir>
#include <QPainter>
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

// A caption's box and all around it on a white picture of the given device pixel ratio, as
// `paint` draws it: a caption that overflows its box shows.
template<typename Paint> QImage captionPicture(const KeyCaption& c, int ratio, Paint paint)
{
    const QRect around = twipsRect(c.box.left, c.box.top, c.box.width, c.box.height).adjusted(-40, -20, 40, 20);
    QImage image(around.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter p(&image);
    p.translate(-around.topLeft());
    p.setFont(fixedFont(9));
    paint(p);
    return image;
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
    NoHistory noHistory;
    const HistoryFigures* history = &noHistory;

    std::unique_ptr<KeyboardWindow> open(const QString& layout)
    {
        settings.layoutFile = layout;
        auto w = std::make_unique<KeyboardWindow>(settings, ProgramPaths(qEnvironmentVariable("CLAVORA_DATA"), {}),
                                                  keys, desktop, *history);
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
        desktop.name = {};
        history = &noHistory;
        settings.showWeakKeys = false;
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

    void captionsLookAsTheirTextLaidOut()
    {
        // Every caption of every shipped layout, and captions drawn the slow way: a mark over
        // a letter, right to left, a letter the font lacks, an underlined mnemonic.
        std::vector<KeyCaption> captions;
        for (const QString& file : QDir(qEnvironmentVariable("CLAVORA_DATA") + "/Layouts").entryList({"*.kbl"})) {
            auto w = open(QFileInfo(file).completeBaseName());
            QVERIFY(w);
            const KeyboardForm& f = w->control().form();
            const auto add = [&captions](const auto& group) {
                std::copy_if(group.begin(), group.end(), std::back_inserter(captions),
                             [](const KeyCaption& c) { return c.visible && !c.text.isEmpty(); });
            };
            add(f.labels);
            add(f.altGrLabel);
            add(f.namedLabels);
        }
        QVERIFY(captions.size() > 500);
        for (const QString& text : {QString("&&"), QString("&a"), QString("a&"), QString("Caps Lock"),
                                    QString("e\u0301"), QString("\u00E9\u00DF"), QString("\u0416"),
                                    QString("\u0627\u0644"), QString("\u4E2D"), QString("\U0001D400")})
            captions.push_back({{600, 600, 450, 450}, text, true, 0x102030});
        const CaptionPainter painter(fixedFont(9));
        for (const int ratio : {1, 2}) // a scale factor of 2 draws the glyphs scaled
            for (const KeyCaption& c : captions) {
                const QImage fast = captionPicture(c, ratio, [&](QPainter& p) { painter.paint(p, c); });
                const QImage laidOut = captionPicture(c, ratio, [&](QPainter& p) {
                    p.setPen(toQColor(c.colour));
                    p.drawText(twipsRect(c.box.left, c.box.top, c.box.width, c.box.height),
                               Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, c.text);
                });
                QVERIFY2(fast == laidOut, qPrintable(QString("%1 at %2").arg(c.text).arg(ratio)));
            }
    }

    void theCoachsReadinessRepaintsItsKeysAloneAsABarAlongTheirFoot()
    {
        auto w = open("QWERTY - United States");
        QVERIFY(w);
        PaintCounter counter;
        w->installEventFilter(&counter);
        w->showReadiness({{u'a', 0.5}});
        const KeyboardForm& form = w->control().form();
        const QRect a = twipsRect(form.keys[26].box.left, form.keys[26].box.top, form.keys[26].box.width,
                                  form.keys[26].box.height);
        QTRY_COMPARE_WITH_TIMEOUT(counter.painted, QRegion(a), 1000);
        const QPoint bar(a.left() + a.width() / 2, a.bottom() - 6); // the bar's middle, in its height
        QCOMPARE(colourAt(*w, bar - QPoint(a.width() / 4, 0)), toQColor(HeatMap::colour(0.5, 1)));
        QCOMPARE(colourAt(*w, bar + QPoint(a.width() / 4, 0)), QColor(Qt::black)); // the half still to go
        QCOMPARE(colourAt(*w, inside(form.keys[26].box)), toQColor(keyColour(26)));
    }

    void theCaptionFollowsTheNextKeyAtMostFourTimesASecondAndEndsOnTheLast()
    {
        auto w = open("QWERTY - United States");
        QVERIFY(w);
        w->showNextCharacter(u'e');
        QVERIFY(w->windowTitle().endsWith(" - next: e, left middle finger"));
        w->showNextCharacter(u'j');
        w->showNextCharacter(u'k');
        QVERIFY(w->windowTitle().endsWith(" - next: e, left middle finger")); // within the pause
        QTRY_VERIFY_WITH_TIMEOUT(w->windowTitle().endsWith(" - next: k, right middle finger"), 2000);
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

    void weakKeysComeFromTheMenuOrItsShortcutAndHeldKeysLightOverThem()
    {
        auto w = open("QWERTY - United States");
        QVERIFY(w);
        QCOMPARE(w->contextMenuPolicy(), Qt::ActionsContextMenu);
        auto* entry = w->findChild<QAction*>("ShowWeakKeys");
        QVERIFY(entry && w->actions().contains(entry));
        QVERIFY(!entry->isEnabled()); // nothing is recorded: nothing to show
        QCOMPARE(entry->text(), QString("Show my &weak keys (no history)"));

        FakeHistory recorded;
        recorded.addStrokes(u'q', 100, 40, u'w');
        recorded.addStrokes(u'a', 100, 0);
        history = &recorded;
        w = open("QWERTY - United States");
        QVERIFY(w);
        entry = w->findChild<QAction*>("ShowWeakKeys");
        QVERIFY(entry->isEnabled());
        QCOMPARE(entry->text(), QString("Show my &weak keys"));
        QCOMPARE(entry->shortcut(), KeyboardWindow::WeakKeysShortcut);
        const KeyboardForm& form = w->control().form();
        const QPoint q = inside(form.keys[13].box), a = inside(form.keys[26].box);
        QCOMPARE(colourAt(*w, q), toQColor(keyColour(13)));

        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(entry->isChecked());
        QVERIFY(settings.showWeakKeys);
        const QColor red = toQColor(HeatMap::colour(0.4, 0.5));
        QCOMPARE(colourAt(*w, q), red);
        QCOMPARE(colourAt(*w, a), toQColor(HeatMap::colour(0, 0.5)));

        PaintCounter counter;
        w->installEventFilter(&counter);
        QTest::qWait(50); // the repaint of the whole keyboard in its new colours
        counter.painted = {};
        keys.down = {81};
        emit keys.changed();
        QTRY_COMPARE(counter.painted, QRegion(twipsRect(form.keys[13].box.left, form.keys[13].box.top,
                                                        form.keys[13].box.width, form.keys[13].box.height)));
        QCOMPARE(colourAt(*w, q), toQColor(Back));
        keys.down = {};
        emit keys.changed();
        QCOMPARE(colourAt(*w, q), red);

        entry->trigger(); // as the context menu does
        QVERIFY(!settings.showWeakKeys);
        QCOMPARE(colourAt(*w, q), toQColor(keyColour(13)));
        w.reset();
    }

    void theCaptionNamesAnotherDesktopKeyboardAndTheMenuSwitchesToIt()
    {
        const QString plain = "Orvella Clavora - Keyboard Layout";
        desktop.name = {"de", ""};
        settings.presetFile = "QWERTY - United States";
        auto w = open("QWERTY - United States");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), plain + " (your keyboard is German)");
        auto* offer = w->findChild<QAction*>("SwitchLayout");
        QVERIFY(offer && w->actions().contains(offer));
        QVERIFY(offer->isVisible());
        QCOMPARE(offer->text(), QString("&Switch to the German layout"));

        offer->trigger();
        QCOMPARE(settings.layoutFile, QString("QWERTZ - German"));
        QCOMPARE(settings.presetFile, QString("QWERTZ - German"));
        QCOMPARE(w->windowTitle(), plain);
        QVERIFY(!offer->isVisible());
        const QImage shown = w->grab().toImage();
        QCOMPARE(shown, open("QWERTZ - German")->grab().toImage());

        desktop.switchTo({"fr", ""}); // the desktop changes layouts while the window is open
        QCOMPARE(w->windowTitle(), plain + " (your keyboard is French)");
        QVERIFY(offer->isVisible());
        QCOMPARE(offer->text(), QString("&Switch to the French layout"));
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "test_keyboard_window.moc"
