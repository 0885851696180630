// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "settings/AppSettings.h"
#include "settings_dialog/ApplySettings.h"
#include "settings_dialog/FileList.h"
#include "settings_dialog/NumericBoxCheck.h"
#include "settings_dialog/SettingsControl.h"
#include "settings_dialog/SettingsUi.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

namespace {
// The colour picker is exercised by the window tests; here it is always cancelled.
class CancelledPicker final : public SettingsUi {
public:
    std::optional<Rgb> pickColour(Rgb) override { return std::nullopt; }
};

struct SettingsLogic : ::testing::Test {
    AppSettings live;
    CancelledPicker ui;
    std::unique_ptr<SettingsControl> control;

    void open(QStringList presets = {"Dvorak - United States", "QWERTY - United States"},
              QStringList layouts = {"QWERTY - United Kingdom", "QWERTY - United States"})
    {
        control = std::make_unique<SettingsControl>(presets, layouts, live, ui);
    }
    const SettingsForm& form() const { return control->form(); }
    void type(NumericBox box, const QString& text)
    {
        control->numberEdited(box, text);
        control->numberBoxLeft(box);
    }
    AppSettings confirmed()
    {
        control->confirm(std::nullopt);
        AppSettings s = live;
        applySettings(form(), s);
        return s;
    }
};
} // namespace

TEST(NumericBoxCheck, WholePartWithinTheBoxBounds)
{
    using B = NumericBox;
    struct Case {
        B box;
        QString typed;
        QString expected;
    } cases[] = {
        {B::Repeats, "abc", "1"},
        {B::Repeats, " 12abc", "12"},
        {B::Repeats, "-0.5", "1"},
        {B::Repeats, "1e999", "1"},        // beyond a double: the fallback
        {B::Repeats, "1e12", "2147483647"}, // held to the 32-bit field
        {B::MinAccuracy, "-5", "0"},
        {B::MinAccuracy, "", "0"},
        {B::MinAccuracy, "1e999", "100"},
        {B::MinSpeed, "-1", "0"},
        {B::MinSpeed, "250", "250"},
        {B::MinSpeed, "40000", "32767"}, // held to the 16-bit field
        {B::NumQuickEx, "0", "1"},
        {B::QuickExRepeats, "99999", "32767"},
        {B::QuickExNumFrom, "3.7", "3"},
        {B::QuickExNumTo, "-0", "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkedNumberText(c.typed, c.box), c.expected) << int(c.box) << " " << c.typed.toStdString();
}

TEST(NumericBoxCheck, OutOfOrderRangeTakesTheTextOfTheBoxLeft)
{
    struct Case {
        QString from, to;
        NumericBox left;
        QString expectedFrom, expectedTo;
    } cases[] = {
        {"0", "5", NumericBox::QuickExNumFrom, "1", "5"},
        {"5", "0", NumericBox::QuickExNumTo, "1", "1"},
        {"2.9", "9", NumericBox::QuickExNumFrom, "2", "9"},
        {"7", "7", NumericBox::QuickExNumTo, "7", "7"},
    };
    for (const Case& c : cases) {
        SettingsForm form;
        form.quickNumberFrom = c.from;
        form.quickNumberTo = c.to;
        checkNumericBox(form, c.left);
        EXPECT_EQ(form.quickNumberFrom, c.expectedFrom) << c.from.toStdString() << "-" << c.to.toStdString();
        EXPECT_EQ(form.quickNumberTo, c.expectedTo) << c.from.toStdString() << "-" << c.to.toStdString();
    }
}

TEST_F(SettingsLogic, UpdateSettingsShowsTheLiveSettings)
{
    live.repeats = 4;
    live.minAccuracy = 90;
    live.minSpeed = 25;
    live.upperCase = true;
    live.lowerCase = false;
    live.quickExercisesAtStartUp = true;
    live.quickExerciseCount = 8;
    live.quickExerciseType = ExerciseType::Random;
    live.quickNumberFrom = 3;
    live.quickNumberTo = 40;
    live.windowColour = 0x123456;
    live.textColour = 0xABCDEF;
    open();
    EXPECT_EQ(form().repeats, "4");
    EXPECT_EQ(form().minAccuracy, "90");
    EXPECT_EQ(form().minSpeed, "25");
    EXPECT_TRUE(form().upperCase);
    EXPECT_FALSE(form().lowerCase);
    EXPECT_TRUE(form().space);
    EXPECT_TRUE(form().quickExercisesAtStartUp);
    EXPECT_EQ(form().quickExerciseCount, "8");
    EXPECT_FALSE(form().presetExercises);
    EXPECT_EQ(form().quickNumberFrom, "3");
    EXPECT_EQ(form().quickNumberTo, "40");
    EXPECT_EQ(form().backColour, 0x123456u);
    EXPECT_EQ(form().foreColour, 0xABCDEFu);
}

TEST_F(SettingsLogic, CustomBoxFollowsTheSettingWhateverTheKeysRuleDid)
{
    struct Case {
        QString keys;
        bool custom;
    } cases[] = {{"a b", false}, {"", true}, {"xyz", true}};
    for (const Case& c : cases) {
        live.customKeys = c.keys;
        live.custom = c.custom;
        open();
        EXPECT_EQ(form().customKeys, QString(c.keys).remove(' '));
        EXPECT_EQ(form().custom, c.custom) << c.keys.toStdString();
    }
}

TEST_F(SettingsLogic, ListsSelectTheFirstEntryEqualIgnoringCase)
{
    struct Case {
        QString stored;
        int expected;
    } cases[] = {{"qwerty - united states", 1}, {"Dvorak - United States", 0}, {"Colemak", -1}, {"", -1}};
    for (const Case& c : cases) {
        live.presetFile = c.stored;
        live.layoutFile = c.stored;
        open({"Dvorak - United States", "QWERTY - United States", "qwerty - UNITED states"},
             {"Dvorak - United States", "QWERTY - United States"});
        EXPECT_EQ(form().presetFileIndex, c.expected) << c.stored.toStdString();
        EXPECT_EQ(form().layoutIndex, c.expected) << c.stored.toStdString();
    }
}

TEST_F(SettingsLogic, AtLeastOneClassStaysOn)
{
    struct Case {
        const char* name;
        std::vector<bool SettingsForm::*> ticked;
        QString customKeys;
        bool lowerCase, space, custom;
    } cases[] = {
        {"none", {}, "asd", true, false, false},
        {"space only", {&SettingsForm::space}, "asd", true, true, false},
        {"custom without keys", {&SettingsForm::custom}, "", true, false, false},
        {"custom with keys", {&SettingsForm::custom}, "asd", false, false, true},
        {"capitals", {&SettingsForm::upperCase}, "asd", false, false, false},
    };
    for (const Case& c : cases) {
        open();
        control->customKeysChanged(c.customKeys);
        for (bool SettingsForm::*box : {&SettingsForm::lowerCase, &SettingsForm::upperCase,
                                        &SettingsForm::numbers, &SettingsForm::space,
                                        &SettingsForm::numberPunctuation, &SettingsForm::punctuation,
                                        &SettingsForm::shiftedPunctuation, &SettingsForm::custom})
            control->setTicked(box, false);
        for (bool SettingsForm::*box : c.ticked)
            control->setTicked(box, true);
        const AppSettings s = confirmed();
        EXPECT_EQ(s.lowerCase, c.lowerCase) << c.name;
        EXPECT_EQ(s.space, c.space) << c.name;
        EXPECT_EQ(s.custom, c.custom) << c.name;
        EXPECT_EQ(s.customKeys, c.customKeys) << c.name;
    }
}

TEST_F(SettingsLogic, ApplyRoundsHalvesToEvenAndHoldsNumbersToTheirFields)
{
    open();
    // Texts the checks never saw, as they come from the settings file.
    control->numberEdited(NumericBox::Repeats, "2.5");
    control->numberEdited(NumericBox::MinAccuracy, "3.5");
    control->numberEdited(NumericBox::MinSpeed, "70000");
    control->numberEdited(NumericBox::NumQuickEx, "0");
    control->numberEdited(NumericBox::QuickExRepeats, "-40000");
    control->numberEdited(NumericBox::QuickExNumFrom, "abc");
    control->numberEdited(NumericBox::QuickExNumTo, "9e99");
    const AppSettings s = confirmed();
    EXPECT_EQ(s.repeats, 2);
    EXPECT_EQ(s.minAccuracy, 4);
    EXPECT_EQ(s.minSpeed, 32767);
    EXPECT_EQ(s.quickExerciseCount, 0);
    EXPECT_EQ(s.quickRepeats, -32768);
    EXPECT_EQ(s.quickNumberFrom, 0);
    EXPECT_EQ(s.quickNumberTo, 2147483647);
}

TEST_F(SettingsLogic, ApplyStoresTheChoices)
{
    open();
    control->presetFileChosen(0);
    control->layoutChosen(0);
    control->quickTypeChosen(false);
    control->setTicked(&SettingsForm::quickExercisesAtStartUp, true);
    type(NumericBox::Repeats, "7.9");
    const AppSettings s = confirmed();
    EXPECT_EQ(s.presetFile, "Dvorak - United States");
    EXPECT_EQ(s.layoutFile, "QWERTY - United Kingdom");
    EXPECT_EQ(s.quickExerciseType, ExerciseType::Random);
    EXPECT_TRUE(s.quickExercisesAtStartUp);
    EXPECT_EQ(s.repeats, 7);
}

TEST_F(SettingsLogic, NothingSelectedKeepsTheStoredNames)
{
    live.presetFile = "Gone";
    live.layoutFile = "Stale";
    for (const QStringList& listed : {QStringList(), QStringList{"Other"}}) {
        open(listed, listed);
        const AppSettings s = confirmed();
        EXPECT_EQ(s.presetFile, "Gone");
        EXPECT_EQ(s.layoutFile, "Stale");
    }
}

TEST(FileList, OffersOnlyFilesTheProgramCanOpenSorted)
{
    TempFolder folder;
    for (const char* name : {"b.txt", "A.txt", "c.TXT", ".txt", "notes.md", "a.txt.bak"})
        folder.write(name, "x");
    QDir().mkpath(folder.path("folder.txt"));
    EXPECT_EQ(baseNamesIn({folder.path("")}, ".txt"), (QStringList{"A", "b"}));
    EXPECT_TRUE(baseNamesIn({folder.path("missing")}, ".txt").isEmpty());
}

TEST(FileList, ListsTheUsersAndTheShippedFilesOnceEach)
{
    TempFolder folder;
    QDir().mkpath(folder.path("user"));
    QDir().mkpath(folder.path("shipped"));
    for (const char* name : {"user/Mine.txt", "user/Dvorak.txt", "shipped/dvorak.txt", "shipped/Dvorak.txt",
                             "shipped/Azerty.txt"})
        folder.write(name, "x");
    EXPECT_EQ(baseNamesIn({folder.path("user"), folder.path("missing"), folder.path("shipped")}, ".txt"),
              (QStringList{"Azerty", "Dvorak", "dvorak", "Mine"}));
}
