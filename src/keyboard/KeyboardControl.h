// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "DesktopLayout.h"
#include "KeyboardForm.h"
#include "LayoutFile.h"
#include "keyboard/KeyToPress.h"
#include "common/ProgramPaths.h"

#include <QCoreApplication>
#include <QHash>
#include <initializer_list>
#include <optional>

namespace clavora {

struct AppSettings;
class DesktopKeyboard;
class HistoryFigures;
class KeyState;
class KeyboardUi;

// The on-screen keyboard's rules: captions and arrangement from the layout file, every key
// lit while it is held down, and, when the learner asks, the keys coloured by error rate.
class KeyboardControl {
    Q_DECLARE_TR_FUNCTIONS(KeyboardControl)

public:
    KeyboardControl(AppSettings& settings, ProgramPaths paths, const KeyState& keys, KeyboardUi& ui,
                    const DesktopKeyboard& desktop, const HistoryFigures& figures);

    const KeyboardForm& form() const { return form_; }
    const KeyCapTable& keyCaps() const { return table_; }
    // The window's caption, which names the desktop's keyboard when the layout file is another.
    QString caption() const;
    // The desktop's shipped layout, offered while the chosen layout file is another one.
    std::optional<ShippedLayout> offeredLayout() const;
    // Weak keys can be shown only from a history.
    bool weakKeysAvailable() const;
    bool weakKeysShown() const { return heat_.has_value(); }

    // The learner turned the weak-key colours on or off; the setting is kept.
    void showWeakKeys(bool show);
    // Takes the offered layout file, and reads it.
    void switchToOfferedLayout();

    // The window's own colours, which lit keys take from the next tick on.
    void colourWindow(Rgb windowColour, Rgb textColour);
    // Reads the layout file the settings name; tells the user once when it is unreadable or short.
    // The weak-key colours are read afresh with it.
    void loadLayout();
    // Sets the look of every key from the key states, lit or not, changed or not.
    void tick();
    // The Coach's next character, outlined with the Shift or AltGr key it needs from the next
    // tick on and named with its finger in the caption; null for none.
    void showNextCharacter(QChar character);
    // How ready the Coach finds each letter, from 0 to 1, as a bar on its key; empty for none.
    void showReadiness(const QHash<QChar, double>& readiness);

private:
    void light(std::initializer_list<NamedShape> shapes, std::initializer_list<NamedLabel> labels, bool lit,
               Rgb unlitFill);
    void setLook(KeyShape& shape, bool lit, Rgb unlitFill) const;
    void setLook(KeyCaption& caption, bool lit) const;
    void readWeakKeys();
    void outlineNextKey();
    void showMeters();
    QString nextKeyText() const;

    AppSettings& settings_;
    ProgramPaths paths_;
    const KeyState& keys_;
    KeyboardUi& ui_;
    const DesktopKeyboard& desktop_;
    const HistoryFigures& figures_;
    KeyCapTable table_;
    KeyboardForm form_;
    // The keys as the heat map colours them, while weak keys are shown: their unlit look.
    std::optional<KeyboardForm> heat_;
    QChar nextCharacter_;
    std::optional<KeyToPress> nextKey_;
    QHash<QChar, double> readiness_; // by lower-case letter
};

} // namespace clavora
