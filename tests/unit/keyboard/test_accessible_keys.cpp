// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/AccessibleKeys.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace clavora;

namespace {
QString nameAt(const KeyboardForm& form, const TwipsBox& box)
{
    for (const AccessibleKey& key : accessibleKeys(form))
        if (key.box == box)
            return key.name;
    return QStringLiteral("<absent>");
}
} // namespace

TEST(AccessibleKeys, CharacterKeysAreNamedByTheCaptionsTheyShow)
{
    KeyboardForm form = designKeyboardForm();
    const struct {
        const char* lower;
        const char* upper;
        const char* name;
    } cases[] = {
        {"1", "!", "1 !"},
        {"", "A", "A"},
        {"a", "a", "a"},      // the same caption twice is said once
        {"&&", "7", "& 7"},   // caption form: "&&" shows as "&"
        {" ", "", ""},        // a key without captions is still listed
    };
    for (const auto& c : cases) {
        form.labels[0].text = QString::fromUtf8(c.lower);
        form.labels[CharacterKeyCount].text = QString::fromUtf8(c.upper);
        EXPECT_EQ(nameAt(form, form.keys[0].box), QString::fromUtf8(c.name)) << c.lower << " " << c.upper;
    }
}

TEST(AccessibleKeys, OtherKeysAreNamedByTheirLabelsAndHiddenKeysLeftOut)
{
    KeyboardForm form = designKeyboardForm();
    EXPECT_EQ(nameAt(form, form.shape(NamedShape::CapsLockKey).box), "CAPS LOCK");
    EXPECT_EQ(nameAt(form, form.shape(NamedShape::RightAltKey).box), "ALT GR");
    EXPECT_EQ(nameAt(form, form.shape(NamedShape::Spacebar).box), "SPACE");

    const auto visibleCharacterKeys = std::count_if(form.keys.begin(), form.keys.end(), [](auto& k) { return k.visible; });
    // Every visible character key and the 14 others; the lower part of ENTER is part of ENTER.
    EXPECT_EQ(accessibleKeys(form).size(), visibleCharacterKeys + 14);
    form.keys[5].visible = false;
    form.shape(NamedShape::MenuKey).visible = false;
    EXPECT_EQ(accessibleKeys(form).size(), visibleCharacterKeys + 12);
    EXPECT_EQ(nameAt(form, form.shape(NamedShape::MenuKey).box), "<absent>");
}
