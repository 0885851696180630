// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"
#include "exercises/ExerciseUi.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QPlainTextEdit;
class QTimer;

namespace clavora {

class ExerciseControl;

// The exercise window: shows the exercise logic's form and forwards its events.
class MainWindow final : public QWidget, public ExerciseUi {
    Q_OBJECT
public:
    MainWindow();
    void bind(ExerciseControl& control);

    // Writes the logic's form into the controls, touching only what differs.
    void apply();
    void applyColours(Rgb window, Rgb text);

    bool showLayoutChecked() const;
    void setShowLayoutChecked(bool checked);

    // ExerciseUi
    void showMessage(const QString& title, const QString& text) override;
    void focusTypingLine() override;
    void focusAndSelectNumber() override;
    std::optional<QString> askSaveFileName(const QString& proposed, const QStringList& filters,
                                           const QString& title) override;
    void closeMain() override;

    static constexpr int ClientWidthTwips = 10095;
    static constexpr int ClientHeightTwips = 5115;

signals:
    void gameClicked();
    void settingsClicked();
    void helpClicked();
    void showLayoutClicked(bool checked);
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename F>
    void forward(F&& f);

    ExerciseControl* control_ = nullptr;
    QLabel* label1_;
    QRadioButton* presetExercises_;
    QLineEdit* exNumBox_;
    QRadioButton* randomExercises_;
    QPushButton* startButton_;
    QPushButton* stopButton_;
    QPushButton* gameButton_;
    QPushButton* settingsButton_;
    QPushButton* helpButton_;
    QLineEdit* typeThis_;
    QLineEdit* exerciseBox_;
    QLabel* timeLabel_;
    QLineEdit* timeBox_;
    QLabel* secondsLabel_;
    QPlainTextEdit* log_;
    QCheckBox* showLayout_;
    QPushButton* saveLogButton_;
    QTimer* exTimer_;
    enum class Focus { None, TypingLine, Number } pendingFocus_ = Focus::None;
};

} // namespace clavora
