// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "FindControl.h"
#include "coach/CoachStrokes.h"
#include "common/Translations.h"
#include "game/GameForm.h"
#include "settings/AppSettings.h"
#include "keyboard/KeyboardFakes.h"
#include "windows/GameWindow.h"
#include "windows/Geometry.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"
#include "windows/ProgressWindow.h"
#include "windows/SettingsDialog.h"
#include "windows/ClassGoalsDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;
using namespace clavora::test;

namespace {

// The captions of a window that carry an access key, by their key.
QMultiMap<int, QString> accessKeys(const QWidget& window)
{
    QStringList captions;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        captions << button->text();
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy())
            captions << label->text();
    for (const QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
    for (const QAction* action : window.actions()) // the context menu's entries
        captions << action->text();
    QMultiMap<int, QString> keys;
    for (const QString& caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty())
            keys.insert(key[0].toCombined(), caption);
    }
    return keys;
}

// The key a notice tells the player to press with ALT: "Press ALT and S ..." gives S.
int namedKey(const QString& notice)
{
    const auto match = QRegularExpression(QStringLiteral("\\bALT\\b.*?\\b(\\w)\\b")).match(notice);
    return match.hasMatch() ? QKeySequence(QStringLiteral("Alt+") + match.captured(1))[0].toCombined() : 0;
}

int keyOf(const QString& caption)
{
    return QKeySequence::mnemonic(caption)[0].toCombined();
}

} // namespace

// In every shipped language, each window's access keys are unique, none is lost in
// translation, the game's notices name the keys its buttons really have, and captions
// squeezed between other controls stay whole.
class AccessKeysTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    AppSettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeClipboard clipboard;
    FakeBeep beep;
    FakeHistory history;
    FakeKeyState keyState;
    FakeDesktopKeyboard desktop; // another keyboard than the layout file's: every entry shows
    CoachStrokes strokes{settings, QString()};

    // Each window's access-keyed captions, built in the language installed now.
    QMap<QString, QMultiMap<int, QString>> windowKeys()
    {
        const ProgramPaths paths(folder.path(), QStringLiteral("clavora"));
        MainWindow main(settings, paths, clock, random, clipboard, history, history, strokes);
        GameWindow game(settings, clock, random, beep, history, history, strokes);
        SettingsDialog dialog(settings, paths);
        ProgressWindow progress(history, history, true, folder.path());
        ClassGoalsDialog goals({{QStringLiteral("5a"), {}, {}}});
        desktop.name = {QStringLiteral("de"), {}};
        KeyboardWindow keyboard(settings, paths, keyState, desktop, history);
        QMap<QString, QMultiMap<int, QString>> keys = {{QStringLiteral("exercises"), accessKeys(main)},
                                                       {QStringLiteral("game"), accessKeys(game)},
                                                       {QStringLiteral("settings"), accessKeys(dialog)},
                                                       {QStringLiteral("progress"), accessKeys(progress)},
                                                       {QStringLiteral("class goals"), accessKeys(goals)},
                                                       {QStringLiteral("keyboard"), accessKeys(keyboard)}};
        // The pause button shows its other caption while a game is paused.
        findControl<QAbstractButton>(game, "PauseButton")->setText(gameText(UnpauseCaption));
        keys.insert(QStringLiteral("paused game"), accessKeys(game));
        return keys;
    }

private slots:
    void everyWindowHasUniqueKeysInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyWindowHasUniqueKeysInEveryLanguage()
    {
        QFETCH(QString, language);
        const auto english = windowKeys();
        Translations translations({language});
        QCOMPARE(translations.language(), language == u"en" ? QString() : language);
        translations.install();
        const auto translated = windowKeys();
        for (auto window = translated.begin(); window != translated.end(); ++window) {
            const auto& keys = window.value();
            for (const int key : keys.uniqueKeys())
                QVERIFY2(keys.count(key) == 1, qPrintable(QStringLiteral("%1 window: %2 share %3")
                                                              .arg(window.key(), keys.values(key).join(u", "),
                                                                   QKeySequence(key).toString())));
            QVERIFY2(keys.size() == english[window.key()].size(),
                     qPrintable(QStringLiteral("%1 window: %2 access keys instead of %3")
                                    .arg(window.key())
                                    .arg(keys.size())
                                    .arg(english[window.key()].size())));
        }
    }

    void gameNoticesNameTheButtonsKeys_data() { everyWindowHasUniqueKeysInEveryLanguage_data(); }

    void gameNoticesNameTheButtonsKeys()
    {
        QFETCH(QString, language);
        Translations translations({language});
        translations.install();
        GameWindow game(settings, clock, random, beep, history, history, strokes);
        const QString start = findControl<QAbstractButton>(game, "StartButton")->text();
        QCOMPARE(namedKey(gameText(StartNotice)), keyOf(start));
        QCOMPARE(namedKey(gameText(PauseNotice)), keyOf(gameText(PauseCaption)));
        QCOMPARE(namedKey(gameText(PausedNotice)), keyOf(gameText(UnpauseCaption)));
    }

    void presetCaptionEndsBeforeTheNumberBox_data() { everyWindowHasUniqueKeysInEveryLanguage_data(); }

    void presetCaptionEndsBeforeTheNumberBox()
    {
        QFETCH(QString, language);
        Translations translations({language});
        translations.install();
        QApplication::setFont(interfaceFont()); // the program's font
        MainWindow main(settings, ProgramPaths(folder.path(), QStringLiteral("clavora")), clock, random, clipboard,
                        history, history, strokes);
        const auto* preset = findControl<QRadioButton>(main, "PresetExercises");
        QCOMPARE(preset->geometry(), twipsRect(1320, 300, 1575, 255));
        QVERIFY(preset->x() + preset->sizeHint().width() <= findControl(main, "ExNumBox")->x());
    }
};

QTEST_MAIN(AccessKeysTest)
#include "test_access_keys.moc"
