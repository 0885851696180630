// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindControl.h"
#include "ModalAnswerer.h"
#include "app/AppWiring.h"
#include "windows/GameWindow.h"
#include "windows/Geometry.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"
#include "windows/SettingsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>

using namespace clavora;
using namespace clavora::test;

namespace {
SettingsDialog* openDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<SettingsDialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

// Types into a box and leaves it with Tab, as a user would.
void typeAndLeave(QLineEdit* box, const QString& text)
{
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

QColor textColourOf(QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::WindowText);
}
QColor backgroundOf(QWidget* w)
{
    return w->palette().color(w->backgroundRole());
}
} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    AppSettings live;
    QPointer<SettingsDialog> dialog;

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    ProgramPaths paths() const { return ProgramPaths(dir.path(), dir.filePath("clavora")); }

    void showDialog()
    {
        dialog = new SettingsDialog(live, paths());
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }

    // A AppWiring on the test folder whose settings file holds `ini`.
    std::unique_ptr<AppWiring> startWiring(const QByteArray& ini = {}, const QByteArray& keyLayout = "ShowLayout=0\n")
    {
        writeFile("Clavora.ini", "[KeyLayout]\n" + keyLayout + ini);
        auto wiring = std::make_unique<AppWiring>(paths(), QString());
        wiring->start();
        return wiring;
    }
    SettingsDialog* clickSettings(QWidget* window)
    {
        findControl<QPushButton>(*window, "SettingsButton")->click();
        SettingsDialog* d = openDialog();
        if (d) {
            QApplication::setActiveWindow(d);
            [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(d);
        }
        return d;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        QDir(dir.path()).mkpath("Exercises");
        QDir(dir.path()).mkpath("Layouts");
        for (const char* name : {"Exercises/Set B.txt", "Exercises/set a.txt", "Layouts/Zed.kbl", "Layouts/Alpha.kbl"})
            writeFile(QString::fromLatin1(name), "abc\r\n");
    }

    void init()
    {
        live = AppSettings{};
        live.presetFile = "SET B";
        live.layoutFile = "alpha";
    }

    void cleanup() { delete dialog; }

    void listsAreSortedAndSelectIgnoringCase()
    {
        showDialog();
        auto* presets = findControl<QComboBox>(*dialog, "PresetFile");
        QCOMPARE(presets->count(), 2);
        QCOMPARE(presets->itemText(0), QString("set a"));
        QCOMPARE(presets->currentText(), QString("Set B"));
        QCOMPARE(findControl<QComboBox>(*dialog, "Layout")->currentText(), QString("Alpha"));
        QCOMPARE(dialog->windowTitle(), QString("Orvella Clavora - Settings"));
    }

    void numericBoxesAreCheckedWhenLeft_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("repeats 7.9") << "Repeats" << "7.9" << "7";
        QTest::newRow("repeats -2") << "Repeats" << "-2" << "1";
        QTest::newRow("repeats empty") << "Repeats" << "" << "1";
        QTest::newRow("accuracy 150") << "MinAccuracy" << "150" << "100";
        QTest::newRow("accuracy 99.9") << "MinAccuracy" << "99.9" << "99";
    }
    void numericBoxesAreCheckedWhenLeft()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        showDialog();
        auto* edit = findControl<QLineEdit>(*dialog, box.toLatin1().constData());
        typeAndLeave(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void rangeBoxesCopyTheBoxLeft_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("leaving From") << "QuickExNumFrom" << "10" << "10";
        QTest::newRow("leaving To") << "QuickExNumTo" << "5" << "5";
    }
    void rangeBoxesCopyTheBoxLeft()
    {
        QFETCH(QString, left);
        QFETCH(QString, from);
        QFETCH(QString, to);
        live.quickNumberFrom = 10;
        live.quickNumberTo = 5;
        showDialog();
        auto* box = findControl<QLineEdit>(*dialog, left.toLatin1().constData());
        typeAndLeave(box, box->text());
        QCOMPARE(findControl<QLineEdit>(*dialog, "QuickExNumFrom")->text(), from);
        QCOMPARE(findControl<QLineEdit>(*dialog, "QuickExNumTo")->text(), to);
    }

    void enterConfirmsAndChecksTheBoxWithTheFocus()
    {
        showDialog();
        std::optional<SettingsForm> applied;
        connect(dialog, &SettingsDialog::applyRequested, this, [&](const SettingsForm& f) { applied = f; });
        auto* accuracy = findControl<QLineEdit>(*dialog, "MinAccuracy");
        accuracy->setFocus(Qt::OtherFocusReason);
        accuracy->selectAll();
        QTest::keyClicks(accuracy, "150");
        QTest::keyClick(accuracy, Qt::Key_Return);
        QVERIFY(applied);
        QCOMPARE(applied->text(&AppSettings::minAccuracy), QString("100"));
        QTRY_VERIFY(!dialog);
    }

    void aCheckBoxTickedByItsAccessKeyIsSavedByAnEnterRightAfter()
    {
        showDialog();
        std::optional<SettingsForm> applied;
        connect(dialog, &SettingsDialog::applyRequested, this, [&](const SettingsForm& f) { applied = f; });
        QVERIFY(findControl<QCheckBox>(*dialog, "RndSpace")->isChecked());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        QVERIFY(applied);
        QVERIFY(!applied->ticked(&AppSettings::space));
    }

    void textsTooLongForTheirBoxShowTheirStart_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("repeats") << "Repeats" << "99999999999999" << "2147483647";
        QTest::newRow("custom keys") << "CustomKeys" << QString(60, 'k') << QString(60, 'k');
    }
    void textsTooLongForTheirBoxShowTheirStart()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        live.repeats = 2147483647;
        showDialog();
        auto* edit = findControl<QLineEdit>(*dialog, box.toLatin1().constData());
        QCOMPARE(edit->cursorPosition(), 0);
        typeAndLeave(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(edit->cursorPosition(), 0);
    }

    void customKeysLoseBlanksAndDriveTheirBox()
    {
        showDialog();
        auto* keys = findControl<QLineEdit>(*dialog, "CustomKeys");
        auto* custom = findControl<QCheckBox>(*dialog, "RndCustom");
        QVERIFY(!custom->isChecked());
        keys->setFocus(Qt::OtherFocusReason);
        keys->clear();
        QVERIFY(!custom->isChecked());
        QTest::keyClicks(keys, "a s d");
        QCOMPARE(keys->text(), QString("asd"));
        QCOMPARE(keys->cursorPosition(), 3);
        QVERIFY(custom->isChecked());
        keys->selectAll();
        QTest::keyClick(keys, Qt::Key_Delete);
        QVERIFY(!custom->isChecked());
    }

    void colourPickerCancelKeepsTheColourAndPickingRepaints()
    {
        live.windowColour = rgb(10, 20, 30);
        showDialog();
        auto* lower = findControl<QCheckBox>(*dialog, "RndLowerCase");
        {
            ModalAnswerer cancel([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
            findControl<QPushButton>(*dialog, "WindowColourButton")->click();
            QCOMPARE(cancel.seen().size(), size_t(1));
        }
        QCOMPARE(dialog->form().windowColour, rgb(10, 20, 30));
        QCOMPARE(backgroundOf(lower), QColor(10, 20, 30));
        {
            ModalAnswerer pick([](QWidget* w) {
                auto* picker = qobject_cast<QColorDialog*>(w);
                picker->setCurrentColor(QColor(200, 100, 50));
                picker->accept();
            });
            findControl<QPushButton>(*dialog, "TextColourButton")->click();
        }
        QCOMPARE(textColourOf(lower), QColor(200, 100, 50));
        for (QLabel* l : dialog->findChildren<QLabel*>())
            QCOMPARE(textColourOf(l), QColor(200, 100, 50));
        QCOMPARE(backgroundOf(lower), QColor(10, 20, 30));
        QCOMPARE(dialog->palette().color(QPalette::Window), QColor(10, 20, 30));
    }

    // The dialog from the exercise window, through the app wiring.

    void everyWayOfClosingEnablesMainAgain_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"ok", "cancel", "escape", "close box"})
            QTest::newRow(how) << how;
    }
    void everyWayOfClosingEnablesMainAgain()
    {
        QFETCH(QString, how);
        auto wiring = startWiring();
        MainWindow& main = wiring->mainWindow();
        QPointer<SettingsDialog> d = clickSettings(&main);
        QVERIFY(d);
        QVERIFY(!main.isEnabled());
        QVERIFY(d->isEnabled());
        if (how == "ok")
            findControl<QPushButton>(*d, "OKButton")->click();
        else if (how == "cancel")
            findControl<QPushButton>(*d, "CancelButton")->click();
        else if (how == "escape")
            QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
        else
            d->close();
        QVERIFY(main.isEnabled());
        QTRY_VERIFY(!d);
    }

    void theOpenersCloseBoxBringsTheDialogForward()
    {
        auto wiring = startWiring();
        MainWindow& main = wiring->mainWindow();
        QPointer<SettingsDialog> d = clickSettings(&main);
        QVERIFY(d);
        QCloseEvent fromWindowManager;
        QSpontaneKeyEvent::setSpontaneous(&fromWindowManager);
        qApp->notify(&main, &fromWindowManager); // as the window system delivers it
        QVERIFY(!fromWindowManager.isAccepted());
        QVERIFY(main.isVisible() && d);
        QTRY_COMPARE(QApplication::activeWindow(), d.data());
        d->close();
    }

    void helpLeavesTheDialogOpen()
    {
        showDialog();
        int helps = 0;
        connect(dialog, &SettingsDialog::helpRequested, this, [&] { ++helps; });
        findControl<QPushButton>(*dialog, "HelpButton")->click();
        QCOMPARE(helps, 1);
        QVERIFY(dialog && dialog->isVisible());
    }

    void restoreDefaultsReachesMainOnlyWithOk_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("cancel") << false;
        QTest::newRow("ok") << true;
    }
    void restoreDefaultsReachesMainOnlyWithOk()
    {
        QFETCH(bool, ok);
        auto wiring = startWiring("[Display]\nWinColour=255\nTextColour=65280\n[Exercises]\nRepeats=4\n");
        MainWindow& main = wiring->mainWindow();
        SettingsDialog* d = clickSettings(&main);
        findControl<QPushButton>(*d, "DefaultsButton")->click();
        QCOMPARE(d->palette().color(QPalette::Window), QColor(Qt::black));
        findControl<QPushButton>(*d, ok ? "OKButton" : "CancelButton")->click();
        const AppSettings& s = wiring->session().settings();
        QCOMPARE(s.windowColour, ok ? DefaultWindowColour : Rgb(255));
        QCOMPARE(s.textColour, ok ? DefaultTextColour : Rgb(65280));
        QCOMPARE(s.repeats, 4);
        QCOMPARE(main.palette().color(QPalette::Window), ok ? QColor(Qt::black) : QColor(255, 0, 0));
        auto* showLayout = findControl<QCheckBox>(main, "ShowLayout");
        QCOMPARE(textColourOf(showLayout), ok ? toQColor(DefaultTextColour) : QColor(0, 255, 0));
    }

    void uncheckingEveryClassKeepsLowerCase()
    {
        auto wiring = startWiring("[RndEx]\nLowerCase=0\nUpperCase=1\n");
        SettingsDialog* d = clickSettings(&wiring->mainWindow());
        for (auto* box : d->findChildren<QCheckBox*>())
            if (box->objectName().startsWith("Rnd") && box->isChecked())
                box->click();
        findControl<QPushButton>(*d, "OKButton")->click();
        QVERIFY(wiring->session().settings().lowerCase);
        QVERIFY(!wiring->session().settings().upperCase);
        QVERIFY(!wiring->session().settings().space);
    }

    void okReloadsTheShownKeyboardWithTheNewLayoutAndColours()
    {
        const QDir data(qEnvironmentVariable("CLAVORA_DATA") + "/Layouts");
        for (const char* name : {"QWERTY - United Kingdom.kbl", "QWERTY - United States.kbl"})
            QFile::copy(data.filePath(name), dir.filePath(QString("Layouts/") + name));
        auto wiring = startWiring("[Display]\nWinColour=255\nTextColour=65280\n",
                            "ShowLayout=1\nLayout=QWERTY - United States\n");
        QTRY_VERIFY(wiring->keyboardWindow()); // built once Main is exposed
        const KeyboardWindow* keyboard = wiring->keyboardWindow();
        QTRY_VERIFY(keyboard->isVisible());
        QVERIFY(!keyboard->control().keyCaps().extraKey);
        SettingsDialog* d = clickSettings(&wiring->mainWindow());
        auto* layouts = findControl<QComboBox>(*d, "Layout");
        layouts->setCurrentIndex(layouts->findText("QWERTY - United Kingdom"));
        findControl<QPushButton>(*d, "DefaultsButton")->click();
        findControl<QPushButton>(*d, "OKButton")->click();
        QCOMPARE(wiring->session().settings().layoutFile, QString("QWERTY - United Kingdom"));
        QVERIFY(keyboard->control().keyCaps().extraKey); // the UK layout's 48 keys
        QCOMPARE(keyboard->control().form().windowColour, DefaultWindowColour);
        QCOMPARE(keyboard->control().form().textColour, DefaultTextColour);
    }

    void openedFromTheGameBothWindowsComeBackWithTheColours()
    {
        auto wiring = startWiring("[Display]\nWinColour=255\n");
        findControl<QPushButton>(wiring->mainWindow(), "GameButton")->click();
        GameWindow* game = wiring->gameWindow();
        QVERIFY(game);
        SettingsDialog* d = clickSettings(game);
        QVERIFY(d);
        QVERIFY(!game->isEnabled());
        findControl<QPushButton>(*d, "DefaultsButton")->click();
        findControl<QPushButton>(*d, "OKButton")->click();
        QVERIFY(game->isEnabled());
        QVERIFY(wiring->mainWindow().isEnabled());
        QCOMPARE(game->palette().color(QPalette::Window), QColor(Qt::black));
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "test_settings_dialog.moc"
