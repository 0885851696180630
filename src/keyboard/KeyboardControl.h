// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "KeyboardForm.h"
#include "LayoutFile.h"
#include "common/ProgramPaths.h"

#include <QCoreApplication>
#include <initializer_list>

namespace clavora {

struct AppSettings;
class KeyState;
class KeyboardUi;

// The on-screen keyboard's rules: captions and arrangement from the layout file, and every
// key lit while it is held down.
class KeyboardControl {
    Q_DECLARE_TR_FUNCTIONS(KeyboardControl)

public:
    KeyboardControl(const AppSettings& settings, ProgramPaths paths, const KeyState& keys, KeyboardUi& ui);

    const KeyboardForm& form() const { return form_; }
    const KeyCapTable& keyCaps() const { return table_; }

    // The window's own colours, which lit keys take from the next tick on.
    void colourWindow(Rgb back, Rgb fore);
    // Reads the layout file the settings name; tells the user once when it is unreadable or short.
    void loadLayout();
    // Sets the look of every key from the key states, lit or not, changed or not.
    void tick();

private:
    void light(std::initializer_list<NamedShape> shapes, std::initializer_list<NamedLabel> labels, bool lit,
               Rgb unlitFill);
    void setLook(KeyShape& shape, bool lit, Rgb unlitFill) const;
    void setLook(KeyCaption& caption, bool lit) const;

    const AppSettings& settings_;
    ProgramPaths paths_;
    const KeyState& keys_;
    KeyboardUi& ui_;
    KeyCapTable table_;
    KeyboardForm form_;
};

} // namespace clavora
