// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "KeyboardFakes.h"
#include "TemporaryFolder.h"
#include "history/NoHistory.h"
#include "history/SampleRecords.h"
#include "keyboard/HeatMap.h"
#include "keyboard/KeyCodes.h"
#include "keyboard/KeyColour.h"
#include "keyboard/KeyboardControl.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <map>
#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

namespace {
const QByteArray Us47 = "`1234567890-=qwertyuiop[]\\asdfghjkl;'zxcvbnm,./";
const QByteArray UsShift47 = "~!@#$%^&*()_+QWERTYUIOP{}|ASDFGHJKL:\"ZXCVBNM<>?";
const QByteArray Uk48 = "`1234567890-=qwertyuiop[]#asdfghjkl;'zxcvbnm,./\\";
const QByteArray UkShift48 = "\xC2\xAC!\"\xC2\xA3$%^&*()_+QWERTYUIOP{}~ASDFGHJKL:@ZXCVBNM<>?|";

constexpr Rgb Back = 0x102030;
constexpr Rgb Fore = 0x405060;

class Keyboard : public ::testing::Test {
protected:
    Keyboard() : control(settings, ProgramPaths(folder.path(""), {}), keys, ui, desktop, noHistory)
    {
        QDir().mkpath(folder.path("Layouts"));
        control.colourWindow(Back, Fore);
    }
    void load(const QByteArray& text)
    {
        folder.write("Layouts/Test.kbl", text);
        settings.layoutFile = "Test";
        control.loadLayout();
    }
    const KeyboardForm& form() const { return control.form(); }

    TemporaryFolder folder;
    AppSettings settings;
    FakeKeyState keys;
    FakeKeyboardUi ui;
    FakeDesktopKeyboard desktop;
    NoHistory noHistory;
    KeyboardControl control;
};

bool lit(const KeyShape& s) { return s.fill == Back && s.border == Fore; }
} // namespace

TEST_F(Keyboard, ArrangementFollowsTheLayoutAndReloadsInPlace)
{
    const struct {
        QByteArray text;
        TwipsBox enterKey, enterLabel, key25, lower25, upper25;
        int shiftWidth;
        bool extra;
    } cases[] = {
        {Uk48 + "\r\n" + UkShift48, {8340, 1260, 675, 555}, {8340, 1440, 675, 255}, {7740, 1260, 555, 555},
         {7740, 1530, 555, 255}, {7740, 1320, 555, 255}, 735, true},
        {Us47 + "\r\n" + UsShift47, {7740, 1260, 1275, 555}, {7740, 1440, 1275, 255}, {8160, 660, 855, 555},
         {8160, 930, 855, 255}, {8160, 720, 855, 255}, 1335, false},
    };
    for (const auto& c : cases) { // the 48-key layout first: the second case is a reload
        load(c.text);
        EXPECT_EQ(form().shape(NamedShape::EnterKey).box, c.enterKey);
        EXPECT_EQ(form().label(NamedLabel::EnterLabel).box, c.enterLabel);
        EXPECT_EQ(form().shape(NamedShape::EnterKeyExt).visible, c.extra);
        EXPECT_EQ(form().shape(NamedShape::EnterKeyExt).box, (TwipsBox{8160, 660, 855, 555}));
        EXPECT_EQ(form().keys[25].box, c.key25);
        EXPECT_EQ(form().labels[25].box, c.lower25);
        EXPECT_EQ(form().labels[73].box, c.upper25);
        EXPECT_EQ(form().shape(NamedShape::LeftShiftKey).box.width, c.shiftWidth);
        EXPECT_EQ(form().label(NamedLabel::LeftShiftLabel).box.width, c.shiftWidth);
        EXPECT_EQ(form().keys[47].visible, c.extra);
        EXPECT_EQ(form().labels[95].visible, c.extra);
        EXPECT_EQ(form().keys[24].box, (TwipsBox{960 + 600 * 11, 660, 555, 555})); // the others stay
    }
    EXPECT_TRUE(ui.notices.isEmpty());
}

TEST_F(Keyboard, CaptionsStandAboveEachOtherUnlessTheCapitalIsTheShiftedOne)
{
    // Keys: a letter, a digit under its mark, two ampersands, an ampersand over a digit;
    // key 26 starts the home row; keys without characters have two empty captions.
    load(QByteArray("a1&&") + QByteArray(22, ' ') + "x\r\n" + "A!&7" + QByteArray(22, '_') + "X\r\n");
    const struct {
        int key;
        QString lower, upper;
        bool lowerShown;
        int lowerTop, upperTop;
    } cases[] = {
        {0, "a", "A", false, -1, 60 + 180},
        {1, "1", "!", true, 60 + 270, 60 + 60},
        {2, "&&", "&&", false, -1, 60 + 180},
        {3, "&&", "7", true, 60 + 270, 60 + 60},
        {26, "x", "X", false, -1, 1260 + 180},
        {30, "", "", false, -1, 1260 + 180},
    };
    for (const auto& c : cases) {
        const KeyCaption& lower = form().labels[c.key];
        const KeyCaption& upper = form().labels[c.key + 48];
        EXPECT_EQ(lower.text, c.lower) << c.key;
        EXPECT_EQ(upper.text, c.upper) << c.key;
        EXPECT_EQ(lower.visible, c.lowerShown) << c.key;
        if (c.lowerShown) {
            EXPECT_EQ(lower.box.top, c.lowerTop) << c.key;
        }
        EXPECT_EQ(upper.box.top, c.upperTop) << c.key;
        EXPECT_TRUE(form().keys[c.key].visible) << c.key; // drawn, captioned or not
    }
}

TEST_F(Keyboard, AShortLayoutsHiddenExtraKeyKeepsItsUpperCaptionHidden)
{
    load(Us47 + "\r\n" + UsShift47 + "|\r\n");
    EXPECT_FALSE(form().keys[47].visible);
    EXPECT_TRUE(form().labels[47].visible); // its two captions differ: "" and "|"
    EXPECT_EQ(form().labels[47].text, "");
    EXPECT_FALSE(form().labels[95].visible);
}

TEST_F(Keyboard, NamedKeysLightFromTheirCodesAndAltGrKeepsLeftCtrlDark)
{
    load(Us47 + "\r\n" + UsShift47);
    using S = NamedShape;
    const struct {
        std::set<std::uint16_t> down;
        bool caps;
        std::set<S> lit;
    } cases[] = {
        {{}, false, {}},
        {{162}, false, {S::LeftCtrlKey}},
        {{165}, false, {S::RightAltKey}},
        {{162, 165}, false, {S::RightAltKey}},
        {{162, 163}, false, {S::LeftCtrlKey, S::RightCtrlKey}},
        {{}, true, {S::CapsLockKey}},
        {{20}, false, {}}, // held, but its toggle is off
        {{9, 160, 161, 164}, false, {S::TabKey, S::LeftShiftKey, S::RightShiftKey, S::LeftAltKey}},
        {{160}, false, {S::LeftShiftKey}}, // each of a pair by its own code
        {{161}, false, {S::RightShiftKey}},
        {{92}, false, {S::RightWinKey}},
        {{91, 92, 93, 8}, false, {S::LeftWinKey, S::RightWinKey, S::MenuKey, S::BackspaceKey}},
        {{13, 32}, false, {S::EnterKey, S::EnterKeyExt, S::Spacebar}},
    };
    const KeyboardForm design = designKeyboardForm();
    for (const auto& c : cases) {
        keys.down = c.down;
        keys.capsLock = c.caps;
        keys.reads = 0;
        control.tick();
        EXPECT_LE(keys.reads, 63);
        for (std::size_t s = 0; s < std::size_t(S::Count); ++s) {
            const KeyShape& shape = form().namedShapes[s];
            if (c.lit.count(S(s)))
                EXPECT_TRUE(lit(shape)) << "shape " << s;
            else
                EXPECT_TRUE(shape.fill == design.namedShapes[s].fill && shape.border == 0) << "shape " << s;
        }
    }
    keys.down = {162, 165};
    control.tick();
    EXPECT_EQ(form().label(NamedLabel::RightAltLabel).colour, Fore);
    EXPECT_EQ(form().label(NamedLabel::LeftCtrlLabel).colour, 0u);
    keys.down = {};
    keys.capsLock = true;
    control.tick();
    EXPECT_EQ(form().label(NamedLabel::CapsLockLabel1).colour, Fore);
    EXPECT_EQ(form().label(NamedLabel::CapsLockLabel2).colour, Fore);
}

TEST_F(Keyboard, CharacterKeysLightByTheirLowerCaptionsCode)
{
    // Key 0 is an ampersand, key 1 a blank: neither has a code that can be down.
    load(QByteArray("& 1") + QByteArray(23, '-') + "a\r\n" + "x!\"" + QByteArray(23, '_') + "A\r\n");
    keys.down = {65, 32, 49};
    control.tick();
    EXPECT_TRUE(lit(form().keys[26]));
    EXPECT_EQ(form().labels[26].colour, Fore);
    EXPECT_EQ(form().labels[26 + 48].colour, Fore);
    EXPECT_TRUE(lit(form().keys[2]));
    EXPECT_FALSE(lit(form().keys[0]));
    EXPECT_FALSE(lit(form().keys[1]));
    EXPECT_EQ(form().keys[13].fill, keyColour(13));

    keys.down.clear();
    control.tick();
    EXPECT_EQ(form().keys[26].fill, keyColour(26));
    EXPECT_EQ(form().keys[26].border, 0u);
    EXPECT_EQ(form().labels[26 + 48].colour, 0u);
}

TEST_F(Keyboard, NewColoursShowOnLitKeysFromTheNextTick)
{
    load(Us47 + "\r\n" + UsShift47);
    keys.down = {65};
    control.tick();
    control.colourWindow(0x00FF00, 0x0000FF);
    EXPECT_EQ(form().keys[26].fill, Back);
    control.tick();
    EXPECT_EQ(form().keys[26].fill, 0x00FF00u);
    EXPECT_EQ(form().keys[26].border, 0x0000FFu);
    EXPECT_EQ(form().keys[27].fill, keyColour(27));
}

TEST_F(Keyboard, AnUnreadableOrShortLayoutIsReportedOncePerLoad)
{
    settings.layoutFile = "Missing";
    control.loadLayout();
    for (int i = 0; i < 10; ++i)
        control.tick();
    ASSERT_EQ(ui.notices.size(), 1);
    EXPECT_TRUE(ui.notices[0].contains(QDir::toNativeSeparators(folder.path("Layouts/Missing.kbl"))));
    EXPECT_TRUE(ui.notices[0].contains("could not be read"));
    EXPECT_FALSE(form().shape(NamedShape::EnterKeyExt).visible);
    EXPECT_EQ(form().labels[13].text, "");

    load(Uk48); // one line: the unshifted characters still show, in the 48-key arrangement
    ASSERT_EQ(ui.notices.size(), 2);
    EXPECT_TRUE(ui.notices[1].contains("Test.kbl"));
    EXPECT_TRUE(form().shape(NamedShape::EnterKeyExt).visible);
    EXPECT_EQ(form().labels[13].text, "q");
    EXPECT_TRUE(form().labels[13].visible);

    EXPECT_TRUE(ui.notices[1].contains("no shifted characters"));

    load(Uk48 + "\r\n" + UkShift48);
    EXPECT_EQ(ui.notices.size(), 2);

    // An empty file (or one blank line) shows no characters at all, and says so.
    for (const QByteArray& empty : {QByteArray(), QByteArray("\r\n")}) {
        load(empty);
        EXPECT_TRUE(ui.notices.last().contains("holds no characters")) << ui.notices.last().toStdString();
    }
    EXPECT_EQ(ui.notices.size(), 4);
}

TEST_F(Keyboard, AltGrCaptionsTakeTheKeysBottomRightAndLightWithTheKey)
{
    // q: "@" with AltGr; 2: "²"; w: none.
    load(Us47 + "\r\n" + UsShift47 + "\r\n" + "  \xC2\xB2" + QByteArray(10, ' ') + "@\r\n");
    const struct {
        int key;
        QString altGr;
        TwipsBox altGrBox, lowerBox, upperBox;
    } cases[] = {
        {13, "@", {960 + 270, 660 + 270, 285, 255}, {960, 930, 270, 255}, {960, 840, 270, 255}}, // a letter: capital alone
        {2, "\xC2\xB2", {1260 + 270, 60 + 270, 285, 255}, {1260, 330, 270, 255}, {1260, 120, 270, 255}},
        {14, "", {1560 + 270, 660 + 270, 285, 255}, {1560, 930, 555, 255}, {1560, 840, 555, 255}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(form().altGrLabel[c.key].text, c.altGr) << c.key;
        EXPECT_EQ(form().altGrLabel[c.key].box, c.altGrBox) << c.key;
        EXPECT_EQ(form().labels[c.key].box, c.lowerBox) << c.key;
        EXPECT_EQ(form().labels[c.key + 48].box, c.upperBox) << c.key;
    }
    keys.down = {'Q'};
    control.tick();
    EXPECT_EQ(form().altGrLabel[13].colour, Fore);
    EXPECT_EQ(form().altGrLabel[2].colour, 0u);

    // Reloading a layout without the line takes the captions away.
    load(Us47 + "\r\n" + UsShift47);
    EXPECT_EQ(form().altGrLabel[13].text, "");
    EXPECT_EQ(form().labels[13 + 48].box.width, 555);
}

TEST(KeyboardForm, ADeadKeysAccentAndACombiningMarkStandOnADottedCircle)
{
    const struct {
        const char16_t* accent;
        bool dead;
        const char16_t* shown;
    } cases[] = {
        {u"\u00A8", true, u"\u25CC\u0308"}, // by its decomposition
        {u"^", true, u"\u25CC\u0302"},       // ASCII: by the table
        {u"\u02C7", true, u"\u25CC\u030C"},
        {u"\u00B5", true, u"\u00B5"},        // no combining form: as it is
        {u"^", false, u"^"},                 // a key that types ^ itself
        {u"\u0301", false, u"\u25CC\u0301"},  // a combining mark the key types
    };
    for (const auto& c : cases) {
        KeyCapTable table;
        table.lowerCaptions[12] = table.upperCaptions[12] = table.altGrCaption[12] = QString::fromUtf16(c.accent);
        table.deadLower[12] = table.deadUpper[12] = table.deadAltGr[12] = c.dead;
        KeyboardForm form = designKeyboardForm();
        applyLayout(form, table);
        for (const KeyCaption* caption : {&form.labels[12], &form.labels[12 + 48], &form.altGrLabel[12]})
            EXPECT_EQ(caption->text, QString::fromUtf16(c.shown)) << QString::fromUtf16(c.accent).toStdString();
    }
}

TEST_F(Keyboard, WeakKeysColourTheUnlitKeysByErrorRateReadOnlyWhenAskedFor)
{
    FakeHistory history;
    history.addStrokes(u'q', 100, 40, u'w');
    history.addStrokes(u'a', 100, 0, u's');
    KeyboardControl weak(settings, ProgramPaths(folder.path(""), {}), keys, ui, desktop, history);
    weak.colourWindow(Back, Fore);
    folder.write("Layouts/Test.kbl", Us47 + "\r\n" + UsShift47);
    settings.layoutFile = "Test";
    weak.loadLayout();
    weak.tick();
    ASSERT_TRUE(weak.weakKeysAvailable());
    EXPECT_FALSE(weak.weakKeysShown());
    EXPECT_EQ(weak.form().keys[13].fill, keyColour(13));

    const Rgb red = HeatMap::colour(0.4, 0.5), green = HeatMap::colour(0, 0.5), grey = HeatMap::TooFewStrokesColour;
    weak.showWeakKeys(true);
    EXPECT_TRUE(settings.showWeakKeys);
    const struct {
        const char* what;
        std::set<std::uint16_t> down;
        Rgb q, a, w, tab;
    } steps[] = {
        {"nothing held", {}, red, green, grey, grey},
        {"q held lights over its colour", {81}, Back, green, grey, grey},
        {"Tab held", {9}, red, green, grey, Back},
        {"released", {}, red, green, grey, grey},
    };
    for (const auto& step : steps) {
        keys.down = step.down;
        weak.tick();
        EXPECT_EQ(weak.form().keys[13].fill, step.q) << step.what;
        EXPECT_EQ(weak.form().keys[26].fill, step.a) << step.what;
        EXPECT_EQ(weak.form().keys[14].fill, step.w) << step.what;
        EXPECT_EQ(weak.form().shape(NamedShape::TabKey).fill, step.tab) << step.what;
    }

    // New strokes show at the next reading, not at the next key.
    history.addStrokes(u'a', 300, 300, u's');
    weak.tick();
    EXPECT_EQ(weak.form().keys[26].fill, green);
    weak.loadLayout();
    weak.tick();
    EXPECT_EQ(weak.form().keys[26].fill, HeatMap::colour(0.75, 1.0));

    weak.showWeakKeys(false);
    weak.tick();
    EXPECT_FALSE(settings.showWeakKeys);
    EXPECT_EQ(weak.form().keys[13].fill, keyColour(13));
    EXPECT_EQ(weak.form().shape(NamedShape::TabKey).fill, keyColour(0));
}

TEST_F(Keyboard, WeakKeysNeedAHistoryAndTheSavedChoiceShowsThemOnLoad)
{
    settings.showWeakKeys = true;
    load(Us47 + "\r\n" + UsShift47); // the fixture's control has no history
    control.tick();
    EXPECT_FALSE(control.weakKeysAvailable());
    EXPECT_FALSE(control.weakKeysShown());
    EXPECT_EQ(form().keys[13].fill, keyColour(13));
    EXPECT_TRUE(settings.showWeakKeys); // kept for a run that has one

    FakeHistory history;
    KeyboardControl weak(settings, ProgramPaths(folder.path(""), {}), keys, ui, desktop, history);
    weak.loadLayout();
    EXPECT_TRUE(weak.weakKeysShown());
    weak.tick();
    EXPECT_EQ(weak.form().keys[13].fill, HeatMap::TooFewStrokesColour); // no strokes yet
}

TEST_F(Keyboard, TheCoachsNextCharacterIsOutlinedWithItsModifierAndNamedInTheCaption)
{
    load(Us47 + "\r\n" + UsShift47 + "\r\n" + "  \xC2\xB2\r\n");
    const QString plainCaption = control.caption();
    const auto outlined = [this] {
        QList<int> shown;
        for (int i = 0; i < CharacterKeyCount; ++i)
            if (form().keys[i].outlined)
                shown.append(i);
        for (const NamedShape s : {NamedShape::Spacebar, NamedShape::LeftShiftKey, NamedShape::RightShiftKey,
                                   NamedShape::RightAltKey})
            if (form().shape(s).outlined)
                shown.append(100 + int(s));
        return shown;
    };
    const struct {
        QChar character;
        QList<int> outlined;
        QString caption; // after the layout's caption
    } cases[] = {
        {u'e', {15}, " - next: e, left middle finger"},
        {u'E', {15, 100 + int(NamedShape::RightShiftKey)}, " - next: E, left middle finger + right Shift"},
        {u'P', {22, 100 + int(NamedShape::LeftShiftKey)}, " - next: P, right little finger + left Shift"},
        {QChar(0xB2), {2, 100 + int(NamedShape::RightAltKey)}, " - next: \u00B2, left ring finger + AltGr"},
        {u' ', {100 + int(NamedShape::Spacebar)}, " - next: space, thumb"},
        {QChar(0xE9), {}, ""}, // no key of its own
        {QChar(), {}, ""},
    };
    for (const auto& c : cases) {
        control.showNextCharacter(c.character);
        control.tick();
        EXPECT_EQ(outlined(), c.outlined) << int(c.character.unicode());
        EXPECT_EQ(control.caption(), plainCaption + c.caption) << int(c.character.unicode());
    }
}

TEST_F(Keyboard, TheCoachsReadinessIsAMeterOnEachLettersKeyWhereverTheLayoutPutsIt)
{
    const auto meters = [this] {
        std::map<int, KeyMeter> shown;
        for (int i = 0; i < CharacterKeyCount; ++i)
            if (form().keys[i].meter)
                shown[i] = *form().keys[i].meter;
        return shown;
    };
    const Rgb red = HeatMap::colour(1, 1), green = HeatMap::colour(0, 1);
    QByteArray swapped = Us47 + "\r\n" + UsShift47;
    swapped.replace("asdfg", "asdgf");
    const struct {
        QByteArray layout;
        QHash<QChar, double> readiness;
        std::map<int, KeyMeter> meters;
    } cases[] = {
        {Us47 + "\r\n" + UsShift47, {{u'f', 0}, {u'j', 0.5}, {u'd', 1}},
         {{28, {1, green}}, {29, {0, red}}, {32, {0.5, HeatMap::colour(0.5, 1)}}}},
        {swapped, {{u'f', 0}}, {{30, {0, red}}}}, // f has moved, and keeps its meter
        {Us47 + "\r\n" + UsShift47, {}, {}},
    };
    for (const auto& c : cases) {
        control.showReadiness(c.readiness);
        load(c.layout);
        keys.down = {characterKeyCode(QStringLiteral("f"))}; // a key going down leaves its meter
        control.tick();
        EXPECT_EQ(meters(), c.meters) << c.readiness.size();
    }
}
