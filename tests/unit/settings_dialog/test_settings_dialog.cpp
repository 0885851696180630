// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
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
    void type(NumberField box, const QString& text)
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
    struct Case {
        NumberField box;
        QString typed;
        QString expected;
    } cases[] = {
        {&AppSettings::repeats, "abc", "1"},
        {&AppSettings::repeats, " 12abc", "12"},
        {&AppSettings::repeats, "-0.5", "1"},
        {&AppSettings::repeats, "1e999", "1"},        // beyond a double: the fallback
        {&AppSettings::repeats, "1e12", "2147483647"}, // held to the 32-bit field
        {&AppSettings::minAccuracy, "-5", "0"},
        {&AppSettings::minAccuracy, "", "0"},
        {&AppSettings::minAccuracy, "1e999", "100"},
        {&AppSettings::minSpeed, "-1", "0"},
        {&AppSettings::minSpeed, "250", "250"},
        {&AppSettings::minSpeed, "40000", "32767"}, // held to the 16-bit field
        {&AppSettings::quickExerciseCount, "0", "1"},
        {&AppSettings::quickRepeats, "99999", "32767"},
        {&AppSettings::quickNumberFrom, "3.7", "3"},
        {&AppSettings::quickNumberTo, "-0", "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkedNumberText(c.typed, c.box), c.expected) << c.box.index() << " " << c.typed.toStdString();
}

TEST(NumericBoxCheck, OutOfOrderRangeTakesTheTextOfTheBoxLeft)
{
    struct Case {
        QString from, to;
        NumberField left;
        QString expectedFrom, expectedTo;
    } cases[] = {
        {"0", "5", &AppSettings::quickNumberFrom, "1", "5"},
        {"5", "0", &AppSettings::quickNumberTo, "1", "1"},
        {"2.9", "9", &AppSettings::quickNumberFrom, "2", "9"},
        {"7", "7", &AppSettings::quickNumberTo, "7", "7"},
    };
    for (const Case& c : cases) {
        SettingsForm form;
        form.text(&AppSettings::quickNumberFrom) = c.from;
        form.text(&AppSettings::quickNumberTo) = c.to;
        checkNumericBox(form, c.left);
        const std::string range = c.from.toStdString() + "-" + c.to.toStdString();
        EXPECT_EQ(form.text(&AppSettings::quickNumberFrom), c.expectedFrom) << range;
        EXPECT_EQ(form.text(&AppSettings::quickNumberTo), c.expectedTo) << range;
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
    EXPECT_EQ(form().text(&AppSettings::repeats), "4");
    EXPECT_EQ(form().text(&AppSettings::minAccuracy), "90");
    EXPECT_EQ(form().text(&AppSettings::minSpeed), "25");
    EXPECT_TRUE(form().ticked(&AppSettings::upperCase));
    EXPECT_FALSE(form().ticked(&AppSettings::lowerCase));
    EXPECT_TRUE(form().ticked(&AppSettings::space));
    EXPECT_TRUE(form().ticked(&AppSettings::quickExercisesAtStartUp));
    EXPECT_EQ(form().text(&AppSettings::quickExerciseCount), "8");
    EXPECT_FALSE(form().presetExercises);
    EXPECT_EQ(form().text(&AppSettings::quickNumberFrom), "3");
    EXPECT_EQ(form().text(&AppSettings::quickNumberTo), "40");
    EXPECT_EQ(form().windowColour, 0x123456u);
    EXPECT_EQ(form().textColour, 0xABCDEFu);
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
        EXPECT_EQ(form().ticked(&AppSettings::custom), c.custom) << c.keys.toStdString();
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
        std::vector<FlagField> ticked;
        QString customKeys;
        bool lowerCase, space, custom;
    } cases[] = {
        {"none", {}, "asd", true, false, false},
        {"space only", {&AppSettings::space}, "asd", true, true, false},
        {"custom without keys", {&AppSettings::custom}, "", true, false, false},
        {"custom with keys", {&AppSettings::custom}, "asd", false, false, true},
        {"capitals", {&AppSettings::upperCase}, "asd", false, false, false},
    };
    for (const Case& c : cases) {
        open();
        control->customKeysChanged(c.customKeys);
        for (FlagField box : {&AppSettings::lowerCase, &AppSettings::upperCase,
                                        &AppSettings::numbers, &AppSettings::space,
                                        &AppSettings::numberPunctuation, &AppSettings::punctuation,
                                        &AppSettings::shiftedPunctuation, &AppSettings::custom})
            control->setTicked(box, false);
        for (FlagField box : c.ticked)
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
    control->numberEdited(&AppSettings::repeats, "2.5");
    control->numberEdited(&AppSettings::minAccuracy, "3.5");
    control->numberEdited(&AppSettings::minSpeed, "70000");
    control->numberEdited(&AppSettings::quickExerciseCount, "0");
    control->numberEdited(&AppSettings::quickRepeats, "-40000");
    control->numberEdited(&AppSettings::quickNumberFrom, "abc");
    control->numberEdited(&AppSettings::quickNumberTo, "9e99");
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
    control->setTicked(&AppSettings::quickExercisesAtStartUp, true);
    type(&AppSettings::repeats, "7.9");
    const AppSettings s = confirmed();
    EXPECT_EQ(s.presetFile, "Dvorak - United States");
    EXPECT_EQ(s.layoutFile, "QWERTY - United Kingdom");
    EXPECT_EQ(s.quickExerciseType, ExerciseType::Random);
    EXPECT_TRUE(s.quickExercisesAtStartUp);
    EXPECT_EQ(s.repeats, 7);
}

TEST_F(SettingsLogic, TheDesktopsLayoutsFollowTheFilesByNameAndAreSavedByTheirOwn)
{
    const std::vector<DesktopLayoutEntry> desktop = {{{"se", "nodeadkeys"}, "Swedish (no dead keys)", {}},
                                                     {{"se", ""}, "Swedish", {}},
                                                     {{"us", "dvorak"}, "English (Dvorak)", {}}};
    const QStringList files = {"QWERTY - United States", "Swedish"};
    const struct {
        const char* what;
        QString layoutFile;
        QString desktopLayout;
        QString searched;
        int selected;
        QString savedDesktopLayout;
    } cases[] = {
        {"a file", "QWERTY - United States", "", "", 0, ""},
        {"a file of a desktop layout's name", "Swedish", "", "", 1, ""},
        {"a desktop layout by its stored name", "Swedish", "se", "", 3, "se"},
        {"a variant of the same name", "Swedish", "se(nodeadkeys)", "", 4, "se(nodeadkeys)"},
        {"found by the start of its name", "QWERTY - United States", "", "swedish (", 4, "se(nodeadkeys)"},
        {"found by a part of it", "QWERTY - United States", "", "dvorak", 2, "us(dvorak)"},
        {"nothing found: kept", "Swedish", "se", "Klingon", 3, "se"},
    };
    for (const auto& c : cases) {
        live.layoutFile = c.layoutFile;
        live.desktopLayout = c.desktopLayout;
        live.presetFile = c.layoutFile; // the set that goes with the layout
        control = std::make_unique<SettingsControl>(QStringList(), files, live, ui, desktop);
        EXPECT_EQ(form().layouts, (QStringList{"QWERTY - United States", "Swedish", "English (Dvorak)", "Swedish",
                                               "Swedish (no dead keys)"}));
        control->layoutSearched(c.searched);
        EXPECT_EQ(form().layoutIndex, c.selected) << c.what;
        const AppSettings s = confirmed();
        EXPECT_EQ(s.layoutFile, form().layouts[c.selected]) << c.what;
        EXPECT_EQ(s.desktopLayout, c.savedDesktopLayout) << c.what;
        // A set made from a layout follows it; between two files the preset list decides.
        const bool made = !c.desktopLayout.isEmpty() || !c.savedDesktopLayout.isEmpty();
        EXPECT_EQ(s.presetFile, made ? s.layoutFile : c.layoutFile) << c.what;
    }
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
    TemporaryFolder folder;
    for (const char* name : {"b.txt", "A.txt", "c.TXT", ".txt", "notes.md", "a.txt.bak"})
        folder.write(name, "x");
    QDir().mkpath(folder.path("folder.txt"));
    EXPECT_EQ(baseNamesIn({folder.path("")}, ".txt"), (QStringList{"A", "b"}));
    EXPECT_TRUE(baseNamesIn({folder.path("missing")}, ".txt").isEmpty());
}

TEST(FileList, ListsTheUsersAndTheShippedFilesOnceEach)
{
    TemporaryFolder folder;
    QDir().mkpath(folder.path("user"));
    QDir().mkpath(folder.path("shipped"));
    for (const char* name : {"user/Mine.txt", "user/Dvorak.txt", "shipped/dvorak.txt", "shipped/Dvorak.txt",
                             "shipped/Azerty.txt"})
        folder.write(name, "x");
    EXPECT_EQ(baseNamesIn({folder.path("user"), folder.path("missing"), folder.path("shipped")}, ".txt"),
              (QStringList{"Azerty", "Dvorak", "dvorak", "Mine"}));
}
