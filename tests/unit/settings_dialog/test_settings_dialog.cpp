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
        ApplySettings(form(), s);
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
        form.quickExNumFrom = c.from;
        form.quickExNumTo = c.to;
        checkNumericBox(form, c.left);
        EXPECT_EQ(form.quickExNumFrom, c.expectedFrom) << c.from.toStdString() << "-" << c.to.toStdString();
        EXPECT_EQ(form.quickExNumTo, c.expectedTo) << c.from.toStdString() << "-" << c.to.toStdString();
    }
}

TEST_F(SettingsLogic, UpdateSettingsShowsTheLiveSettings)
{
    live.Repeats = 4;
    live.MinAccuracy = 90;
    live.MinSpeed = 25;
    live.UpperCase = true;
    live.LowerCase = false;
    live.QuickExStartUp = true;
    live.NumEx = 8;
    live.QuickExType = ExerciseType::Random;
    live.ExNumMin = 3;
    live.ExNumMax = 40;
    live.WinColour = 0x123456;
    live.TextColour = 0xABCDEF;
    open();
    EXPECT_EQ(form().repeats, "4");
    EXPECT_EQ(form().minAccuracy, "90");
    EXPECT_EQ(form().minSpeed, "25");
    EXPECT_TRUE(form().rndUpperCase);
    EXPECT_FALSE(form().rndLowerCase);
    EXPECT_TRUE(form().rndSpace);
    EXPECT_TRUE(form().quickExStartUp);
    EXPECT_EQ(form().numQuickEx, "8");
    EXPECT_FALSE(form().presetExercises);
    EXPECT_EQ(form().quickExNumFrom, "3");
    EXPECT_EQ(form().quickExNumTo, "40");
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
        live.CustomKeys = c.keys;
        live.Custom = c.custom;
        open();
        EXPECT_EQ(form().customKeys, QString(c.keys).remove(' '));
        EXPECT_EQ(form().rndCustom, c.custom) << c.keys.toStdString();
    }
}

TEST_F(SettingsLogic, ListsSelectTheFirstEntryEqualIgnoringCase)
{
    struct Case {
        QString stored;
        int expected;
    } cases[] = {{"qwerty - united states", 1}, {"Dvorak - United States", 0}, {"Colemak", -1}, {"", -1}};
    for (const Case& c : cases) {
        live.PresetFile = c.stored;
        live.LayoutFile = c.stored;
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
        {"space only", {&SettingsForm::rndSpace}, "asd", true, true, false},
        {"custom without keys", {&SettingsForm::rndCustom}, "", true, false, false},
        {"custom with keys", {&SettingsForm::rndCustom}, "asd", false, false, true},
        {"capitals", {&SettingsForm::rndUpperCase}, "asd", false, false, false},
    };
    for (const Case& c : cases) {
        open();
        control->customKeysChanged(c.customKeys);
        for (bool SettingsForm::*box : {&SettingsForm::rndLowerCase, &SettingsForm::rndUpperCase,
                                        &SettingsForm::rndNumbers, &SettingsForm::rndSpace,
                                        &SettingsForm::rndNumberPunc, &SettingsForm::rndPunc,
                                        &SettingsForm::rndShiftPunc, &SettingsForm::rndCustom})
            control->setTicked(box, false);
        for (bool SettingsForm::*box : c.ticked)
            control->setTicked(box, true);
        const AppSettings s = confirmed();
        EXPECT_EQ(s.LowerCase, c.lowerCase) << c.name;
        EXPECT_EQ(s.Space, c.space) << c.name;
        EXPECT_EQ(s.Custom, c.custom) << c.name;
        EXPECT_EQ(s.CustomKeys, c.customKeys) << c.name;
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
    EXPECT_EQ(s.Repeats, 2);
    EXPECT_EQ(s.MinAccuracy, 4);
    EXPECT_EQ(s.MinSpeed, 32767);
    EXPECT_EQ(s.NumEx, 0);
    EXPECT_EQ(s.QuickExRepeats, -32768);
    EXPECT_EQ(s.ExNumMin, 0);
    EXPECT_EQ(s.ExNumMax, 2147483647);
}

TEST_F(SettingsLogic, ApplyStoresTheChoices)
{
    open();
    control->presetFileChosen(0);
    control->layoutChosen(0);
    control->quickTypeChosen(false);
    control->setTicked(&SettingsForm::quickExStartUp, true);
    type(NumericBox::Repeats, "7.9");
    const AppSettings s = confirmed();
    EXPECT_EQ(s.PresetFile, "Dvorak - United States");
    EXPECT_EQ(s.LayoutFile, "QWERTY - United Kingdom");
    EXPECT_EQ(s.QuickExType, ExerciseType::Random);
    EXPECT_TRUE(s.QuickExStartUp);
    EXPECT_EQ(s.Repeats, 7);
}

TEST_F(SettingsLogic, NothingSelectedKeepsTheStoredNames)
{
    live.PresetFile = "Gone";
    live.LayoutFile = "Stale";
    for (const QStringList& listed : {QStringList(), QStringList{"Other"}}) {
        open(listed, listed);
        const AppSettings s = confirmed();
        EXPECT_EQ(s.PresetFile, "Gone");
        EXPECT_EQ(s.LayoutFile, "Stale");
    }
}

TEST(FileList, OffersOnlyFilesTheProgramCanOpenSorted)
{
    TempFolder folder;
    for (const char* name : {"b.txt", "A.txt", "c.TXT", ".txt", "notes.md", "a.txt.bak"})
        folder.write(name, "x");
    QDir().mkpath(folder.path("folder.txt"));
    EXPECT_EQ(baseNamesIn(folder.path(""), ".txt"), (QStringList{"A", "b"}));
    EXPECT_TRUE(baseNamesIn(folder.path("missing"), ".txt").isEmpty());
}
