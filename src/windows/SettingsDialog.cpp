// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDialog.h"

#include "ButtonKeys.h"
#include "FormWriting.h"
#include "Geometry.h"
#include "common/Captions.h"
#include "common/ProgramPaths.h"
#include "settings_dialog/FileList.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace clavora {

SettingsDialog::SettingsDialog(const AppSettings& live, const ProgramPaths& paths)
    : control_(baseNamesIn(paths.exercisesFolders(), QStringLiteral(".txt")),
               baseNamesIn(paths.layoutsFolders(), QStringLiteral(".kbl")), live, *this, desktopLayoutList())
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption(SettingsCaption));
    buildControls();
    bindControls();
    apply();
    new ButtonKeys(*this);
}

void SettingsDialog::placeOver(const QWidget& opener)
{
    const QRect screen = opener.screen()->availableGeometry();
    // Every group in view where the screen has room for them, else as many as fit, the rest
    // a scroll away; the frame is as tall as the opener's.
    groups_->setMinimumSize(groups_->widget()->sizeHint());
    QSize whole = sizeHint();
    groups_->setMinimumSize(0, 0);
    // Room for the frame twice over: a scale factor rounds the frame the opener reports.
    const int room = screen.height() - 2 * (opener.frameGeometry().height() - opener.height());
    if (whole.height() > room)
        whole.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setMaximumSize(whole);
    resize(whole.width(), std::min(whole.height(), room));
    QRect frame(QPoint(), size());
    frame.moveCenter(opener.frameGeometry().center());
    // The dialog is taller than the exercise window; its title bar must stay reachable.
    const int x = std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width()));
    const int y = std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height()));
    move(x, y);
}

QLabel* SettingsDialog::label(const QString& caption, QWidget* buddy)
{
    auto* l = new QLabel(caption, this);
    if (buddy)
        l->setBuddy(buddy);
    labels_.append(l);
    return l;
}

QLabel* SettingsDialog::heading(const QString& caption)
{
    QLabel* l = label(caption);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

QLineEdit* SettingsDialog::numericBox(NumberField box, const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    edit->installEventFilter(this);
    numericBoxes_.emplace(edit, box);
    return edit;
}

QPushButton* SettingsDialog::button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    return b;
}

QCheckBox* SettingsDialog::checkBox(const QString& name, const QString& caption, FlagField field)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    checkBoxes_.emplace(box, field);
    return box;
}

void SettingsDialog::buildControls()
{
    // Created in the order they stand, which is also the tab order. The groups scroll on a
    // screen too small for them (a large scale factor); the buttons below stay in view.
    groups_ = new QScrollArea(this);
    groups_->setWidgetResizable(true);
    groups_->setFrameShape(QFrame::NoFrame);
    groups_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    groups_->setFocusPolicy(Qt::NoFocus); // no Tab stop of its own: it scrolls to the control that has the focus
    auto* body = new QWidget;
    auto* page = new QVBoxLayout(body);
    page->setContentsMargins({});
    const auto addGroup = [page](QLabel* title, QLayout* content) {
        page->addWidget(title);
        content->setContentsMargins(12, 0, 0, 8);
        page->addLayout(content);
    };

    QLabel* exercisesHeading = heading(tr("Exercises:"));
    auto* exercises = new QGridLayout;
    presetFile_ = new QComboBox(this);
    presetFile_->setObjectName(QStringLiteral("PresetFile"));
    presetFile_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    exercises->addWidget(label(tr("Preset exercise &file:"), presetFile_), 0, 0);
    exercises->addWidget(presetFile_, 0, 1, 1, 3, Qt::AlignLeft);
    const struct {
        const char* name;
        const char* caption;
        NumberField box;
        const char* unit;
    } numbers[] = {{"Repeats", QT_TR_NOOP("&Repeats:"), &AppSettings::repeats, nullptr},
                   {"MinAccuracy", QT_TR_NOOP("Minimum &accuracy to pass:"), &AppSettings::minAccuracy, "%"},
                   {"MinSpeed", QT_TR_NOOP("Minimum &speed to pass:"), &AppSettings::minSpeed, QT_TR_NOOP("WPM")}};
    int row = 1;
    for (const auto& n : numbers) {
        QLineEdit* box = numericBox(n.box, QString::fromLatin1(n.name));
        exercises->addWidget(label(tr(n.caption), box), row, 0);
        exercises->addWidget(box, row, 1);
        if (n.unit)
            exercises->addWidget(label(tr(n.unit)), row, 2);
        ++row;
    }
    exercises->setColumnStretch(3, 1);
    addGroup(exercisesHeading, exercises);

    QLabel* classesHeading = heading(tr("Random Exercises and Game - allow these keys:"));
    auto* classes = new QGridLayout;
    classes->addWidget(
        checkBox(QStringLiteral("RndLowerCase"), tr("&Lower case letters"), &AppSettings::lowerCase), 0, 0);
    classes->addWidget(
        checkBox(QStringLiteral("RndUpperCase"), tr("&Upper case letters"), &AppSettings::upperCase), 1, 0);
    classes->addWidget(checkBox(QStringLiteral("RndNumbers"), tr("&Numbers"), &AppSettings::numbers), 2, 0);
    classes->addWidget(checkBox(QStringLiteral("RndSpace"), tr("Spa&cebar"), &AppSettings::space), 3, 0);
    classes->addWidget(
        checkBox(QStringLiteral("RndNumberPunc"), tr("Nu&mber punctuation and symbols (! $ % etc.)"),
                 &AppSettings::numberPunctuation),
        0, 1);
    classes->addWidget(
        checkBox(QStringLiteral("RndPunc"), tr("Other non-shifted &punctuation and symbols (; , . etc.)"),
                 &AppSettings::punctuation),
        1, 1);
    classes->addWidget(
        checkBox(QStringLiteral("RndShiftPunc"), tr("Other sh&ifted punctuation and symbols (: < > etc.)"),
                 &AppSettings::shiftedPunctuation),
        2, 1);
    auto* custom = new QHBoxLayout;
    custom->addWidget(checkBox(QStringLiteral("RndCustom"), tr("Cust&om:"), &AppSettings::custom));
    customKeys_ = new QLineEdit(this);
    customKeys_->setObjectName(QStringLiteral("CustomKeys"));
    customKeys_->setAccessibleName(tr("Custom keys"));
    customKeys_->installEventFilter(this);
    custom->addWidget(customKeys_, 1);
    classes->addLayout(custom, 3, 1);
    classes->setHorizontalSpacing(24);
    addGroup(classesHeading, classes);

    QLabel* quickHeading = heading(tr("Quick Exercises:"));
    auto* quick = new QGridLayout;
    quick->addWidget(
        checkBox(QStringLiteral("QuickExStartUp"), tr("Launch &quick exercises when I log in"),
                 &AppSettings::quickExercisesAtStartUp),
        0, 0, 1, 2);
    QLineEdit* quickExerciseCount = numericBox(&AppSettings::quickExerciseCount, QStringLiteral("NumQuickEx"));
    quick->addWidget(label(tr("Num&ber of exercises:"), quickExerciseCount), 1, 0);
    quick->addWidget(quickExerciseCount, 1, 1, Qt::AlignLeft);
    QLineEdit* quickRepeats = numericBox(&AppSettings::quickRepeats, QStringLiteral("QuickExRepeats"));
    quick->addWidget(label(tr("Repeats:"), quickRepeats), 2, 0);
    quick->addWidget(quickRepeats, 2, 1, Qt::AlignLeft);
    auto* type = new QHBoxLayout;
    presetExercises_ = new QRadioButton(tr("Pr&eset - random exercise between:"), this);
    presetExercises_->setObjectName(QStringLiteral("PresetExercises"));
    presetExercises_->setChecked(true);
    type->addWidget(presetExercises_);
    QLineEdit* from = numericBox(&AppSettings::quickNumberFrom, QStringLiteral("QuickExNumFrom"));
    from->setAccessibleName(tr("Lowest quick exercise"));
    type->addWidget(from);
    QLineEdit* to = numericBox(&AppSettings::quickNumberTo, QStringLiteral("QuickExNumTo"));
    to->setAccessibleName(tr("Highest quick exercise"));
    type->addWidget(label(tr("and"), to));
    type->addWidget(to);
    randomExercises_ = new QRadioButton(tr("Ran&dom"), this);
    randomExercises_->setObjectName(QStringLiteral("RandomExercises"));
    type->addSpacing(12);
    type->addWidget(randomExercises_);
    type->addStretch(1);
    quick->addWidget(label(tr("Exercise type:"), presetExercises_), 3, 0);
    quick->addLayout(type, 3, 1);
    quick->setColumnStretch(1, 1);
    addGroup(quickHeading, quick);

    QLabel* layoutHeading = heading(tr("Keyboard Layout:"));
    auto* layoutRow = new QHBoxLayout;
    layout_ = new QComboBox(this);
    layout_->setObjectName(QStringLiteral("Layout"));
    layout_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout_->setAccessibleName(tr("Keyboard layout"));
    layoutRow->addWidget(layout_);
    // Some hundreds of the desktop's layouts follow the files: found by a part of their name.
    layoutSearch_ = new QLineEdit(this);
    layoutSearch_->setObjectName(QStringLiteral("LayoutSearch"));
    layoutSearch_->setPlaceholderText(tr("Find a layout"));
    layoutSearch_->setAccessibleName(tr("Find a keyboard layout by name"));
    layoutSearch_->setClearButtonEnabled(true);
    layoutRow->addWidget(layoutSearch_);
    layoutRow->addStretch(1);
    addGroup(layoutHeading, layoutRow);

    QLabel* displayHeading = heading(tr("Display:"));
    auto* display = new QHBoxLayout;
    textColourButton_ = button(QStringLiteral("TextColourButton"), tr("Change &Text Colour"));
    windowColourButton_ = button(QStringLiteral("WindowColourButton"), tr("Change &Window Colour"));
    defaultsButton_ = button(QStringLiteral("DefaultsButton"), tr("Restore Defaults"));
    for (QPushButton* b : {textColourButton_, windowColourButton_, defaultsButton_})
        display->addWidget(b);
    display->addStretch(1);
    addGroup(displayHeading, display);

    QLabel* coachHeading = heading(tr("Coach:"));
    auto* coach = new QHBoxLayout;
    coach->addWidget(checkBox(QStringLiteral("CoachStopAtWrongKey"),
                              tr("Stop at a wrong &key: it stays marked until the right one is typed"),
                              &AppSettings::coachStopsAtWrongKey));
    coach->addStretch(1);
    addGroup(coachHeading, coach);

    auto* bottom = new QHBoxLayout;
    okButton_ = button(QStringLiteral("OKButton"), tr("OK"));
    okButton_->setDefault(true);
    cancelButton_ = button(QStringLiteral("CancelButton"), tr("Cancel"));
    helpButton_ = button(QStringLiteral("HelpButton"), tr("Help"));
    bottom->addStretch(1);
    for (QPushButton* b : {okButton_, cancelButton_, helpButton_})
        bottom->addWidget(b);
    groups_->setWidget(body);
    auto* window = new QVBoxLayout(this);
    window->addWidget(groups_);
    window->addLayout(bottom);
}

void SettingsDialog::bindControls()
{
    const auto to = [this](auto event) { return forwardTo(this, control_, event); };
    for (const auto& [edit, box] : numericBoxes_)
        connect(edit, &QLineEdit::textChanged, this,
                [to, box = box](const QString& text) { to(&SettingsControl::numberEdited)(box, text); });
    for (const auto& [check, field] : checkBoxes_)
        connect(check, &QCheckBox::toggled, this,
                [to, field = field](bool ticked) { to(&SettingsControl::setTicked)(field, ticked); });
    connect(customKeys_, &QLineEdit::textChanged, this, to(&SettingsControl::customKeysChanged));
    connect(presetFile_, &QComboBox::currentIndexChanged, this, to(&SettingsControl::presetFileChosen));
    connect(layout_, &QComboBox::currentIndexChanged, this, to(&SettingsControl::layoutChosen));
    connect(layoutSearch_, &QLineEdit::textEdited, this, to(&SettingsControl::layoutSearched));
    connect(presetExercises_, &QRadioButton::toggled, this, to(&SettingsControl::quickTypeChosen));
    connect(windowColourButton_, &QPushButton::clicked, this, to(&SettingsControl::windowColourClicked));
    connect(textColourButton_, &QPushButton::clicked, this, to(&SettingsControl::textColourClicked));
    connect(defaultsButton_, &QPushButton::clicked, this, to(&SettingsControl::defaultsClicked));
    connect(okButton_, &QPushButton::clicked, this, &SettingsDialog::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton_, &QPushButton::clicked, this, &SettingsDialog::helpRequested);
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving a numeric box for another control checks it; a popup (the box's own menu) or a
    // switch to another window is not leaving it. A box left shows the start of its text.
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const auto found = numericBoxes_.find(static_cast<QLineEdit*>(watched));
        if (found != numericBoxes_.end() && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            forwardTo(this, control_, &SettingsControl::numberBoxLeft)(found->second);
        if (found != numericBoxes_.end() || watched == customKeys_)
            showStartOnLeaving(static_cast<QLineEdit*>(watched), event);
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<NumberField> SettingsDialog::boxWithFocus() const
{
    const auto found = numericBoxes_.find(qobject_cast<QLineEdit*>(focusWidget()));
    if (found == numericBoxes_.end())
        return std::nullopt;
    return found->second;
}

void SettingsDialog::okClicked()
{
    forwardTo(this, control_, &SettingsControl::confirm)(boxWithFocus());
    emit applyRequested(form());
    accept();
}

void SettingsDialog::apply()
{
    const SettingsForm& f = control_.form();
    setListIfDifferent(presetFile_, f.presetFiles, f.presetFileIndex);
    for (const auto& [edit, box] : numericBoxes_)
        setTextIfDifferent(edit, f.text(box));
    for (const auto& [check, field] : checkBoxes_)
        setCheckedIfDifferent(check, f.ticked(field));
    setTextIfDifferent(customKeys_, f.customKeys);
    setCheckedIfDifferent(f.presetExercises ? presetExercises_ : randomExercises_, true);
    setListIfDifferent(layout_, f.layouts, f.layoutIndex);
    applyColours(f.windowColour, f.textColour);
}

void SettingsDialog::applyColours(Rgb windowColour, Rgb textColour)
{
    if (paintedColours_ == std::pair(windowColour, textColour))
        return;
    paintedColours_ = std::pair(windowColour, textColour);
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(windowColour));
    setPalette(p);
    setAutoFillBackground(true);
    for (QLabel* l : labels_)
        paintControl(l, textColour);
    for (const auto& [check, field] : checkBoxes_)
        paintControl(check, textColour, &windowColour);
    for (QRadioButton* r : {presetExercises_, randomExercises_})
        paintControl(r, textColour, &windowColour);
}

std::optional<Rgb> SettingsDialog::pickColour(Rgb current)
{
    const QColor picked = QColorDialog::getColor(toQColor(current), this);
    if (!picked.isValid())
        return std::nullopt;
    return fromQColor(picked);
}

} // namespace clavora
