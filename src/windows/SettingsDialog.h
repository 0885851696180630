// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "settings_dialog/SettingsControl.h"
#include "settings_dialog/SettingsUi.h"

#include <QDialog>
#include <QList>
#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace clavora {

struct AppSettings;
class ProgramPaths;

// The settings dialog: shows the settings logic's form and forwards its events. It is
// modeless and deletes itself when closed by any means; OK asks for the form to be applied.
class SettingsDialog final : public QDialog, public SettingsUi {
    Q_OBJECT
public:
    SettingsDialog(const AppSettings& live, const ProgramPaths& paths);

    const SettingsForm& form() const { return control_.form(); }
    // Centred over the window that opened it, kept whole on that window's screen.
    void placeOver(const QWidget& opener);

    // Writes the form into the controls, touching only what differs.
    void apply();

    // SettingsUi
    std::optional<Rgb> pickColour(Rgb current) override;

signals:
    void applyRequested(const SettingsForm& form);
    void helpRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void bindControls();
    void applyColours(Rgb windowColour, Rgb textColour);
    std::optional<NumberField> boxWithFocus() const;
    void okClicked();

    QLabel* label(const QString& caption, QWidget* buddy = nullptr);
    QLabel* heading(const QString& caption);
    QLineEdit* numericBox(NumberField box, const QString& name);
    QPushButton* button(const QString& name, const QString& caption);
    QCheckBox* checkBox(const QString& name, const QString& caption, FlagField field);

    SettingsControl control_;
    QList<QLabel*> labels_;
    std::map<QLineEdit*, NumberField> numericBoxes_;
    std::map<QCheckBox*, FlagField> checkBoxes_;
    QScrollArea* groups_ = nullptr;
    QComboBox* presetFile_ = nullptr;
    QLineEdit* customKeys_ = nullptr;
    QRadioButton* presetExercises_ = nullptr;
    QRadioButton* randomExercises_ = nullptr;
    QComboBox* layout_ = nullptr;
    QLineEdit* layoutSearch_ = nullptr;
    QPushButton* textColourButton_ = nullptr;
    QPushButton* windowColourButton_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    std::optional<std::pair<Rgb, Rgb>> paintedColours_;
};

} // namespace clavora
