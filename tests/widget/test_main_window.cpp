// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "FindControl.h"
#include "ModalAnswerer.h"
#include "coach/CoachStrokes.h"
#include "exercises/ExerciseControl.h"
#include "history/NoHistory.h"
#include "settings/AppSettings.h"
#include "settings/FollowedGoals.h"
#include "windows/Geometry.h"
#include "windows/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace clavora;
using namespace clavora::test;

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    AppSettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeClipboard clipboard;
    NoHistory history;
    CoachStrokes strokes{settings, QString()};
    std::unique_ptr<MainWindow> window;

    const ExerciseControl& control() const { return window->control(); }
    QLineEdit* edit(const char* name) { return findControl<QLineEdit>(*window, name); }
    QPushButton* button(const char* name) { return findControl<QPushButton>(*window, name); }
    QLineEdit* numberBox() { return edit("ExNumBox"); }
    void startExercises() { button("StartButton")->click(); }

private slots:
    void init()
    {
        QDir(dir.path()).mkpath("Exercises");
        QFile f(dir.filePath("Exercises/set.txt"));
        f.open(QIODevice::WriteOnly);
        f.write("first exercise\r\nsecond exercise\r\n");
        f.close();
        settings = AppSettings{};
        settings.presetFile = "set";
        window = std::make_unique<MainWindow>(settings, ProgramPaths(dir.path(), "clavora"), clock, random,
                                              clipboard, history, history, strokes);
        window->load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
    }

    void thePresetCaptionIsNarrowedToFitBeforeTheNumberBox()
    {
        // The program's font is wider than the one the places were laid out for.
        const QFont usual = QApplication::font();
        QApplication::setFont(interfaceFont());
        MainWindow wide(settings, ProgramPaths(dir.path(), "clavora"), clock, random, clipboard, history, history,
                        strokes);
        QApplication::setFont(usual);
        const auto* caption = findControl<QRadioButton>(wide, "PresetExercises");
        QVERIFY(caption->font().stretch() >= 75 && caption->font().stretch() < 100);
        QVERIFY(caption->sizeHint().width() <= findControl<QLineEdit>(wide, "ExNumBox")->x() - caption->x());
    }

    // The box stays ticked, the target goes no lower than the teacher's, and a line says who
    // set them; once the class sets nothing, the learner's controls are their own again.
    void theCoachControlsFollowTheTeachersGoals()
    {
        auto* coach = findControl<QCheckBox>(*window, "CoachBox");
        auto* target = findControl<QSpinBox>(*window, "SpeedTarget");
        auto* goals = findControl<QLabel>(*window, "TeacherGoals");
        followClassGoals(settings, {97, 20, true});
        window->classGoalsChanged();
        QVERIFY(coach->isChecked());
        QVERIFY(!coach->isEnabled());
        QCOMPARE(target->value(), 20);
        QTRY_VERIFY(goals->isVisible());
        QCOMPARE(goals->text(), "Set by your teacher: the Coach on, at least 97% correct, a speed target of at least 20 WPM.");
        QVERIFY(findControl<QLabel>(*window, "ResultStrip")->y() >= goals->geometry().bottom());
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Down);
        QCOMPARE(settings.coachSpeedTarget, 20);
        QTest::keyClick(target, Qt::Key_Up);
        QCOMPARE(settings.coachSpeedTarget, 21);

        followClassGoals(settings, {});
        window->classGoalsChanged();
        QVERIFY(coach->isEnabled());
        QVERIFY(!goals->isVisible());
        QTest::keyClick(target, Qt::Key_Down);
        QCOMPARE(settings.coachSpeedTarget, 20);
        coach->click();
        QVERIFY(!settings.coach);
    }

    void escapeStopsOnlyARunningExercise()
    {
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(button("StartButton")->isEnabled());
        button("StartButton")->click();
        QVERIFY(control().running());
        QCOMPARE(edit("TypeThis")->text(), QString("first exercise"));
        QVERIFY(edit("ExerciseBox")->hasFocus());
        QTest::keyClick(edit("ExerciseBox"), Qt::Key_Escape);
        QVERIFY(!control().running());
        QCOMPARE(edit("ExerciseBox")->text(), SampleText);
    }

    void typingLineKeepsFortyCharacters()
    {
        startExercises();
        QLineEdit* line = edit("ExerciseBox");
        QTest::keyClicks(line, QString(41, 'x'));
        QCOMPARE(line->text(), QString(40, 'x'));
        QCOMPARE(line->cursorPosition(), 40);
        line->clear();
        line->insert(QString(100, 'y')); // as a paste does
        QCOMPARE(line->text(), QString(40, 'y'));
    }

    void enterShowsTheStatusAndLogsIt()
    {
        ModalAnswerer answerer;
        startExercises();
        clock.now = 12;
        QSignalSpy ticks(findControl<QTimer>(*window, "ExTimer"), &QTimer::timeout);
        QTRY_VERIFY(!ticks.isEmpty());
        QTest::keyClicks(edit("ExerciseBox"), "first exercise");
        QTest::keyClick(edit("ExerciseBox"), Qt::Key_Return);
        QCOMPARE(answerer.seen().size(), size_t(1));
        QCOMPARE(answerer.seen()[0].title, QString("Exercise Status"));
        QVERIFY(answerer.seen()[0].text.startsWith("Preset Exercise #1 (1 of 2): 14/14 (100%)"));
        QVERIFY(control().running());
        QCOMPARE(edit("ExerciseBox")->text(), QString());
    }

    void missingExerciseSelectsTheNumberForCorrection()
    {
        ModalAnswerer answerer;
        QLineEdit* number = numberBox();
        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, "500");
        button("StartButton")->click();
        QTRY_COMPARE(answerer.seen().size(), size_t(1));
        QCOMPARE(answerer.seen()[0].title, QString("Exercise Not Found"));
        QCOMPARE(answerer.seen()[0].text, QString("Invalid exercise number.  Please try a lower number."));
        QVERIFY(!control().running());
        QCOMPARE(window->focusWidget(), number);
        QCOMPARE(number->selectedText(), QString("500"));
    }

    void numberBoxNormalisesOnLeavingAndTypingChoosesPreset()
    {
        auto* random = findControl<QRadioButton>(*window, "RandomExercises");
        random->click();
        QCOMPARE(settings.exerciseType, ExerciseType::Random);
        QLineEdit* number = numberBox();
        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, "12.9");
        QCOMPARE(settings.exerciseType, ExerciseType::Preset);
        button("StopButton")->setFocus(); // focus leaves the box
        edit("TypeThis")->setFocus();
        QCOMPARE(number->text(), QString("12"));
        QCOMPARE(number->cursorPosition(), 0); // a number too long for the box shows its start
    }

    void accessKeyTidiesTheNumberFirstAndTheNextKeyReachesTheTypingLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("fraction") << "1.7";
        QTest::newRow("zero") << "0";
    }
    void accessKeyTidiesTheNumberFirstAndTheNextKeyReachesTheTypingLine()
    {
        QFETCH(QString, typed);
        ModalAnswerer answerer;
        QLineEdit* number = numberBox();
        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, typed);
        QTest::keyClick(number, Qt::Key_S, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // at once, as a quick typist does
        QCOMPARE(number->text(), QString("1"));
        QVERIFY(control().running());
        QCOMPARE(edit("TypeThis")->text(), QString("first exercise"));
        QCOMPARE(answerer.seen().size(), size_t(1));
        QCOMPARE(answerer.seen()[0].title, QString("Exercise Status"));
    }

    void saveAsTakesANameOnlyInAFolderThatExists()
    {
        const QString missing = dir.filePath("No Such Folder/log.txt");
        int asked = 0;
        ModalAnswerer answerer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) {
                static_cast<QDialog*>(modal)->accept(); // the box that says why
                return;
            }
            if (++asked == 1) {
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(missing);
                // At once: a poll before a queued accept would take the dialog for a second one.
                QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
            } else {
                dialog->reject();
            }
        });
        button("SaveLogButton")->click();
        QCOMPARE(asked, 2); // still open after the refused name
        QCOMPARE(answerer.seen().size(), size_t(3));
        QVERIFY(answerer.seen()[1].text.contains("does not exist"));
        QVERIFY(!QFileInfo::exists(missing));
    }

    void enterClicksTheFocusedButton()
    {
        button("StartButton")->setFocus();
        QTest::keyClick(button("StartButton"), Qt::Key_Return);
        QVERIFY(control().running());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
