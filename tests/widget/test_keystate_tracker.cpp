// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyStateTracker.h"
#include "platform/KeySymbolCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <xkbcommon/xkbcommon-keysyms.h>

using namespace clavora;

namespace {
// X key codes of the default (US, evdev) keymap.
constexpr quint32 KeyA = 38, KeyQ = 24, KeySemicolon = 47, RightShift = 62, RightAlt = 108, Escape = 9;

void send(QWidget& w, QEvent::Type type, quint32 scanCode, bool autoRepeat = false, Qt::Key key = Qt::Key_A,
          const QString& text = "a")
{
    QKeyEvent event(type, key, Qt::NoModifier, scanCode, 0, 0, text, autoRepeat);
    QCoreApplication::sendEvent(&w, &event);
}
} // namespace

class KeyStateTrackerTest : public QObject {
    Q_OBJECT
    std::unique_ptr<KeyStateTracker> tracker;
    QWidget window;
    int changes = 0;

private slots:
    void initTestCase()
    {
        // The offscreen platform has no X server: the tracker falls back to a keymap from names.
        for (const char* name : {"XKB_DEFAULT_RULES", "XKB_DEFAULT_MODEL", "XKB_DEFAULT_LAYOUT",
                                 "XKB_DEFAULT_VARIANT", "XKB_DEFAULT_OPTIONS"})
            qunsetenv(name);
        tracker = std::make_unique<KeyStateTracker>();
        window.show();
        // Nobody listens yet: the tracker has not even read a keymap.
        send(window, QEvent::KeyPress, KeyA);
        QVERIFY(!tracker->isDown(65));
        send(window, QEvent::KeyRelease, KeyA);
        QObject::connect(tracker.get(), &KeyState::changed, [this] { ++changes; });
    }

    void init() { changes = 0; }

    void everyChangeIsSignalledOnceAndNothingElse()
    {
        const struct {
            QEvent::Type type;
            quint32 scanCode;
            bool autoRepeat;
            int changes;
        } steps[] = {
            {QEvent::KeyPress, KeyA, false, 1},         {QEvent::ShortcutOverride, KeyA, false, 1},
            {QEvent::KeyPress, KeyA, true, 1},          {QEvent::KeyPress, KeyQ, false, 2},
            {QEvent::KeyRelease, KeyA, true, 2},        {QEvent::KeyRelease, KeyA, false, 3},
            {QEvent::KeyRelease, KeyA, false, 3},       {QEvent::KeyRelease, KeyQ, false, 4},
        };
        for (const auto& step : steps) {
            send(window, step.type, step.scanCode, step.autoRepeat);
            QCOMPARE(changes, step.changes);
        }
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive); // nothing held: no change
        QCOMPARE(changes, 4);
        send(window, QEvent::KeyPress, KeyA);
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(changes, 6);
    }

    void symbolsMapToTheKeyboardsCodes()
    {
        const struct {
            quint32 symbol;
            std::uint16_t code;
        } cases[] = {
            {XKB_KEY_a, 65}, {XKB_KEY_A, 65}, {XKB_KEY_7, 55}, {XKB_KEY_semicolon, 186}, {XKB_KEY_apostrophe, 192},
            {XKB_KEY_eacute, 201}, {XKB_KEY_space, 32}, {XKB_KEY_Tab, 9}, {XKB_KEY_ISO_Left_Tab, 9},
            {XKB_KEY_BackSpace, 8}, {XKB_KEY_Return, 13}, {XKB_KEY_KP_Enter, 13}, {XKB_KEY_Caps_Lock, 20},
            {XKB_KEY_Shift_L, 160}, {XKB_KEY_Shift_R, 161}, {XKB_KEY_Control_L, 162}, {XKB_KEY_Control_R, 163},
            {XKB_KEY_Alt_L, 164}, {XKB_KEY_Alt_R, 165}, {XKB_KEY_ISO_Level3_Shift, 165}, {XKB_KEY_Super_L, 91},
            {XKB_KEY_Super_R, 92}, {XKB_KEY_Menu, 93},
            {XKB_KEY_KP_1, 0}, {XKB_KEY_KP_Subtract, 0}, // the keypad is not the main keys
            {XKB_KEY_dead_circumflex, 0}, {XKB_KEY_Escape, 0}, {XKB_KEY_F1, 0}, {XKB_KEY_exclam, 0}, {0, 0},
        };
        for (const auto& c : cases)
            QCOMPARE(keyCodeOfSymbol(c.symbol), c.code);
    }

    void pressesAndReleasesAreKeyedByPhysicalKey()
    {
        send(window, QEvent::KeyPress, KeyA);
        QVERIFY(tracker->isDown(65));
        QVERIFY(!tracker->isDown(81));
        send(window, QEvent::KeyPress, KeyQ, false, Qt::Key_Q, "q");
        QVERIFY(tracker->isDown(65) && tracker->isDown(81));
        // The release may carry another key and text than the press (Shift pressed meanwhile).
        send(window, QEvent::KeyRelease, KeyA, false, Qt::Key_Exclam, "!");
        QVERIFY(!tracker->isDown(65));
        QVERIFY(tracker->isDown(81));
        send(window, QEvent::KeyRelease, KeyQ);
        QVERIFY(!tracker->isDown(81));
        QVERIFY(!tracker->isDown(0));
    }

    void autoRepeatChangesNothing()
    {
        send(window, QEvent::KeyPress, KeySemicolon);
        send(window, QEvent::KeyRelease, KeySemicolon, true);
        send(window, QEvent::KeyPress, KeySemicolon, true);
        QVERIFY(tracker->isDown(186));
        send(window, QEvent::KeyRelease, KeySemicolon);
        QVERIFY(!tracker->isDown(186));
        send(window, QEvent::KeyPress, KeySemicolon, true); // a repeat after the release is no press
        QVERIFY(!tracker->isDown(186));
    }

    void aShortcutsKeyCountsAsHeld()
    {
        send(window, QEvent::ShortcutOverride, Escape, false, Qt::Key_Escape, "\x1b");
        send(window, QEvent::ShortcutOverride, RightAlt, false, Qt::Key_AltGr, {});
        QVERIFY(tracker->isDown(165));
        send(window, QEvent::KeyRelease, RightAlt, false, Qt::Key_AltGr, {});
        QVERIFY(!tracker->isDown(165));
        send(window, QEvent::KeyRelease, Escape, false, Qt::Key_Escape, {});
    }

    void losingTheFocusReleasesEverything()
    {
        send(window, QEvent::KeyPress, RightShift, false, Qt::Key_Shift, {});
        send(window, QEvent::KeyPress, KeyA);
        QVERIFY(tracker->isDown(161) && tracker->isDown(65));
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive); // what the platform reports
        QVERIFY(!tracker->isDown(161));
        QVERIFY(!tracker->isDown(65));
    }

    void aModalBoxReleasesEverything()
    {
        // ENTER opens a message box; its release then goes to the blocked window and is dropped.
        send(window, QEvent::KeyPress, 36, false, Qt::Key_Return, "\r");
        QVERIFY(tracker->isDown(13));
        QWidget box;
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QVERIFY(!tracker->isDown(13));
    }
};

QTEST_MAIN(KeyStateTrackerTest)
#include "test_keystate_tracker.moc"
