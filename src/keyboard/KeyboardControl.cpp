// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardControl.h"

#include "ChosenLayout.h"
#include "DesktopKeyboard.h"
#include "HeatMap.h"
#include "KeyCodes.h"
#include "KeyColour.h"
#include "KeyState.h"
#include "KeyboardUi.h"
#include "common/MarkingColour.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <algorithm>

namespace clavora {

namespace {
constexpr int UpperLabel = CharacterKeyCount;
} // namespace

KeyboardControl::KeyboardControl(AppSettings& settings, ProgramPaths paths, const KeyState& keys, KeyboardUi& ui,
                                 const DesktopKeyboard& desktop, const HistoryFigures& figures)
    : settings_(settings), paths_(std::move(paths)), keys_(keys), ui_(ui), desktop_(desktop), figures_(figures),
      form_(designKeyboardForm())
{
}

QString KeyboardControl::caption() const
{
    const QString caption = keyboardCaption(settings_.layoutFile, desktopLayoutChosen(settings_), desktop_.layout());
    return nextKey_ ? caption + QStringLiteral(" - ") + nextKeyText() : caption;
}

QString KeyboardControl::nextKeyText() const
{
    const QString character = nextCharacter_ == u' ' ? tr("space") : QString(nextCharacter_);
    QString text = tr("next: %1, %2").arg(character, fingerName(nextKey_->finger));
    if (nextKey_->shift == KeyToPress::Shift::Left)
        text += tr(" + left Shift");
    else if (nextKey_->shift == KeyToPress::Shift::Right)
        text += tr(" + right Shift");
    if (nextKey_->altGr)
        text += tr(" + AltGr");
    return text;
}

void KeyboardControl::showNextCharacter(QChar character)
{
    nextCharacter_ = character;
    nextKey_ = character.isNull() ? std::nullopt : keyToPress(table_, character);
}

void KeyboardControl::outlineNextKey()
{
    for (KeyShape& key : form_.keys)
        key.outlined = false;
    for (KeyShape& key : form_.namedShapes)
        key.outlined = false;
    if (!nextKey_)
        return;
    // Black or white, whichever stands out more against the gaps between the keys: a ring
    // around the key, however dark or light the key itself.
    const Rgb white = rgb(255, 255, 255);
    const Rgb ring = contrastRatio(form_.windowColour, white) > contrastRatio(form_.windowColour, 0) ? white : 0;
    const auto outline = [ring](KeyShape& key) {
        key.outlined = true;
        key.border = ring;
    };
    outline(nextKey_->index < 0 ? form_.shape(NamedShape::Spacebar) : form_.keys[nextKey_->index]);
    if (nextKey_->shift != KeyToPress::Shift::None)
        outline(form_.shape(nextKey_->shift == KeyToPress::Shift::Left ? NamedShape::LeftShiftKey
                                                                        : NamedShape::RightShiftKey));
    if (nextKey_->altGr)
        outline(form_.shape(NamedShape::RightAltKey));
}

void KeyboardControl::showReadiness(const QHash<QChar, double>& readiness)
{
    readiness_ = readiness;
    showMeters();
}

void KeyboardControl::showMeters()
{
    for (int i = 0; i < CharacterKeyCount; ++i) {
        const QString& lower = form_.labels[i].text;
        const auto found = lower.size() == 1 ? readiness_.constFind(lower[0].toLower()) : readiness_.constEnd();
        form_.keys[i].meter.reset();
        if (found != readiness_.constEnd())
            form_.keys[i].meter = KeyMeter{*found, HeatMap::colour(1 - *found, 1)}; // red, yellow, then green
    }
}

std::optional<ShippedLayout> KeyboardControl::offeredLayout() const
{
    return mismatchedLayout(settings_.layoutFile, desktop_.layout());
}

bool KeyboardControl::weakKeysAvailable() const
{
    // A store not opened yet counts: opening it to tell would load SQLite with every
    // keyboard window. One that fails when the keys are asked for is known from then on.
    return !figures_.knownUnavailable();
}

void KeyboardControl::showWeakKeys(bool show)
{
    settings_.showWeakKeys = show;
    readWeakKeys();
}

void KeyboardControl::switchToOfferedLayout()
{
    if (const std::optional<ShippedLayout> layout = offeredLayout()) {
        switchLayout(settings_, *layout);
        loadLayout();
    }
}

void KeyboardControl::readWeakKeys()
{
    // Read when asked for, never per key: the colours stay while the keys go up and down.
    if (settings_.showWeakKeys && figures_.available())
        heat_ = HeatMap::fromHistory(table_, figures_, HistoryPeriod::Month).keyboard;
    else
        heat_.reset();
}

void KeyboardControl::colourWindow(Rgb windowColour, Rgb textColour)
{
    form_.windowColour = windowColour;
    form_.textColour = textColour;
}

void KeyboardControl::loadLayout()
{
    const QString path = paths_.layoutFile(settings_.layoutFile);
    const LayoutFileContents contents = readChosenLayout(settings_, paths_);
    table_ = contents.table;
    showNextCharacter(nextCharacter_); // its key on the new layout
    applyLayout(form_, table_);
    showMeters();
    readWeakKeys();

    const QString shownPath = QDir::toNativeSeparators(path);
    const bool noCharacters = std::all_of(table_.lowerCaptions.begin(), table_.lowerCaptions.end(),
                                          [](const QString& caption) { return caption.isEmpty(); });
    if (contents.problem == LayoutFileProblem::UnknownDesktopLayout)
        ui_.showNotice(tr("The desktop's keyboard database has no layout \"%1\", so the keys show no characters.")
                           .arg(settings_.desktopLayout));
    else if (contents.problem == LayoutFileProblem::Unreadable)
        ui_.showNotice(tr("The layout file \"%1\" could not be read, so the keys show no characters.")
                           .arg(shownPath));
    else if (contents.problem == LayoutFileProblem::NoSecondLine && noCharacters)
        ui_.showNotice(tr("The layout file \"%1\" holds no characters, so the keys show none.")
                           .arg(shownPath));
    else if (contents.problem == LayoutFileProblem::NoSecondLine)
        ui_.showNotice(tr("The layout file \"%1\" ends after its first line, so the keys show "
                          "no shifted characters.")
                           .arg(shownPath));
}

void KeyboardControl::setLook(KeyShape& shape, bool lit, Rgb unlitFill) const
{
    shape.fill = lit ? form_.windowColour : unlitFill;
    shape.border = lit ? form_.textColour : 0;
}

void KeyboardControl::setLook(KeyCaption& caption, bool lit) const
{
    caption.colour = lit ? form_.textColour : 0;
}

void KeyboardControl::light(std::initializer_list<NamedShape> shapes, std::initializer_list<NamedLabel> labels,
                            bool lit, Rgb unlitFill)
{
    for (const NamedShape s : shapes)
        setLook(form_.shape(s), lit, heat_ ? heat_->shape(s).fill : unlitFill);
    for (const NamedLabel l : labels)
        setLook(form_.label(l), lit);
}

void KeyboardControl::tick()
{
    using S = NamedShape;
    using L = NamedLabel;
    light({S::CapsLockKey}, {L::CapsLockLabel1, L::CapsLockLabel2}, keys_.isToggled(virtualKey::CapsLock), zone::DarkBlue);
    light({S::TabKey}, {L::TabLabel}, keys_.isDown(virtualKey::Tab), zone::DarkBlue);
    light({S::LeftShiftKey}, {L::LeftShiftLabel}, keys_.isDown(virtualKey::LeftShift), zone::DarkBlue);
    light({S::RightShiftKey}, {L::RightShiftLabel}, keys_.isDown(virtualKey::RightShift), zone::Blue);
    // ALT GR also reports the left CTRL key as down; only the right ALT key lights for it.
    const bool leftCtrl = keys_.isDown(virtualKey::LeftCtrl);
    const bool altGr = keys_.isDown(virtualKey::RightAlt);
    light({S::LeftCtrlKey}, {L::LeftCtrlLabel}, leftCtrl && !altGr, zone::Grey);
    light({S::RightCtrlKey}, {L::RightCtrlLabel}, keys_.isDown(virtualKey::RightCtrl), zone::Grey);
    light({S::LeftAltKey}, {L::LeftAltLabel}, keys_.isDown(virtualKey::LeftAlt), zone::Grey);
    light({S::RightAltKey}, {L::RightAltLabel}, keys_.isDown(virtualKey::RightAlt), zone::Grey);
    light({S::LeftWinKey}, {L::LeftWinLabel}, keys_.isDown(virtualKey::LeftWin), zone::Grey);
    light({S::RightWinKey}, {L::RightWinLabel}, keys_.isDown(virtualKey::RightWin), zone::Grey);
    light({S::MenuKey}, {L::MenuLabel}, keys_.isDown(virtualKey::Menu), zone::Grey);
    light({S::BackspaceKey}, {L::BackspaceLabel}, keys_.isDown(virtualKey::Backspace), zone::Blue);
    light({S::EnterKey, S::EnterKeyExt}, {L::EnterLabel}, keys_.isDown(virtualKey::Enter), zone::Blue);
    light({S::Spacebar}, {}, keys_.isDown(virtualKey::Space), zone::Brown);
    for (int i = 0; i < CharacterKeyCount; ++i) {
        const QString& lower = form_.labels[i].text;
        const bool lit = lower.size() == 1 && keys_.isDown(characterKeyCode(lower));
        setLook(form_.keys[i], lit, heat_ ? heat_->keys[i].fill : keyColour(std::int16_t(i)));
        setLook(form_.labels[i], lit);
        setLook(form_.labels[i + UpperLabel], lit);
        setLook(form_.altGrLabel[i], lit);
    }
    outlineNextKey();
}

} // namespace clavora
