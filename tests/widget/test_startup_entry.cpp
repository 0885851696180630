// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/XdgStartupEntry.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <sys/stat.h>
#include <QTemporaryDir>
#include <QTest>

using namespace clavora;

// Reads an Exec value back by the Desktop Entry rules, independently of the writer: first the
// string escapes, then the quoting of arguments.
static QStringList execArguments(const QString& value)
{
    QString unescaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const QChar c = value[++i];
            unescaped += c == 's' ? QChar(' ') : c == 'n' ? QChar('\n') : c == 't' ? QChar('\t') : c;
        } else
            unescaped += value[i];
    }
    QStringList args;
    QString current;
    bool quoted = false, any = false;
    for (qsizetype i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (quoted) {
            if (c == '\\' && i + 1 < unescaped.size() && QString("\"`$\\").contains(unescaped[i + 1]))
                current += unescaped[++i];
            else if (c == '"')
                quoted = false;
            else
                current += c;
        } else if (c == '"') {
            quoted = any = true;
        } else if (c == ' ') {
            if (any)
                args.append(current);
            current.clear();
            any = false;
        } else if (c == '%' && i + 1 < unescaped.size() && unescaped[i + 1] == '%') {
            current += '%';
            ++i;
            any = true;
        } else {
            current += c;
            any = true;
        }
    }
    if (any)
        args.append(current);
    for (QString& arg : args)
        arg.replace("%%", "%");
    return args;
}

// The program a launcher should start: a script that writes down its own path and arguments.
static QString makeRecorder(const QString& folder, const QString& output)
{
    QDir().mkpath(folder);
    const QString path = folder + "/clavora";
    QFile script(path);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '" + output.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

static QStringList recorded(const QString& output)
{
    QFile file(output);
    // The script writes its lines at once; a last line end means it is done.
    const auto written = [&] {
        QFile check(output);
        return check.open(QIODevice::ReadOnly) && check.readAll().endsWith('\n');
    };
    if (!QTest::qWaitFor(written, 5000) || !file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    lines.removeLast();
    QFile::remove(output);
    return lines;
}

class StartupEntryTest : public QObject {
    Q_OBJECT
private slots:
    void hostileButReadablePathsStartExactlyThisProgram_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("blanks") << "/opt/my programs/clavora";
        QTest::newRow("single quotes") << "/opt/it's 'here'/clavora";
        QTest::newRow("shell words") << "/opt/a;b|c&d (e) <f> *?[g] ~ #h !i/clavora";
        QTest::newRow("accents") << QString::fromUtf8("/opt/Übung ß/clavora");
    }
    void hostileButReadablePathsStartExactlyThisProgram()
    {
        QFETCH(QString, program);
        QTemporaryDir dir;
        XdgStartupEntry entry(dir.filePath("autostart"));
        QVERIFY(entry.read().isEmpty());
        QCOMPARE(int(entry.write(program).outcome), int(StartupEntry::Written::Outcome::Written));
        QFile file(entry.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QVERIFY(lines.contains("Name=Orvella Clavora - Quick Exercises"));
        QString exec;
        for (const QString& line : lines)
            if (line.startsWith("Exec="))
                exec = line.mid(5);
        QCOMPARE(execArguments(exec), (QStringList{program, "/q"}));
        QVERIFY(!entry.read().isEmpty());
        entry.remove();
        QVERIFY(entry.read().isEmpty());
        entry.remove(); // removing an absent entry is harmless
    }

    void pathsALauncherWouldMisreadGetNoEntryAndLoseTheOldOne_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("dollar") << "/opt/$HOME/clavora";
        QTest::newRow("command") << "/opt/subst$(touch X)/clavora";
        QTest::newRow("backquote") << "/opt/`rm -rf ~`/clavora";
        QTest::newRow("double quote") << "/opt/\"q\"/clavora";
        QTest::newRow("backslash") << "/opt/back\\slash/clavora";
        QTest::newRow("percent") << "/opt/100%u/clavora";
        QTest::newRow("line break") << "/opt/two\nlines/clavora";
        QTest::newRow("tab") << "/opt/a\tb/clavora";
        QTest::newRow("C1 control") << QString("/opt/a") + QChar(0x85) + "b/clavora";
    }
    void pathsALauncherWouldMisreadGetNoEntryAndLoseTheOldOne()
    {
        QFETCH(QString, program);
        QTemporaryDir dir;
        XdgStartupEntry entry(dir.filePath("autostart"));
        QCOMPARE(int(entry.write("/opt/clavora").outcome), int(StartupEntry::Written::Outcome::Written));
        QCOMPARE(int(entry.write(program).outcome), int(StartupEntry::Written::Outcome::UnsafePath));
        QVERIFY(!QFile::exists(entry.filePath()));
    }

    // GLib's launcher, Openbox's runner (through /bin/sh) and systemd's generator each start
    // exactly the program, with "/q".
    void everyLauncherStartsExactlyTheProgram_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "plain";
        QTest::newRow("shell words") << "my prog's (x) a;b&c|d *?~#!";
    }
    void everyLauncherStartsExactlyTheProgram()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        const QString output = dir.filePath("arguments");
        const QString program = makeRecorder(dir.filePath(folder), output);
        XdgStartupEntry entry(dir.filePath("config/autostart"));
        QCOMPARE(int(entry.write(program).outcome), int(StartupEntry::Written::Outcome::Written));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        environment.insert("XDG_CONFIG_DIRS", dir.filePath("no-system-entries"));
        const auto run = [&](const QString& tool, const QStringList& arguments) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(tool, arguments);
            QVERIFY2(process.waitForFinished(20000), qPrintable(tool));
        };
        int launchers = 0;

        if (!QStandardPaths::findExecutable("gio").isEmpty()) {
            ++launchers;
            run("gio", {"launch", entry.filePath()});
            QCOMPARE(recorded(output), (QStringList{program, "/q"}));
        }
        const QString openbox = "/usr/lib/x86_64-linux-gnu/openbox-xdg-autostart";
        if (QFile::exists(openbox) && QProcess::execute("/usr/bin/python3", {"-c", "import xdg.DesktopEntry"}) == 0) {
            ++launchers;
            run(openbox, {});
            QCOMPARE(recorded(output), (QStringList{program, "/q"}));
        }
        const QString generator = "/usr/lib/systemd/user-generators/systemd-xdg-autostart-generator";
        if (QFile::exists(generator)) {
            ++launchers;
            const QString units = dir.filePath("units");
            QDir().mkpath(units);
            run(generator, {units, units, units});
            QFile unit(units + "/app-clavora\\x2dquick\\x2dexercises@autostart.service");
            QVERIFY(unit.open(QIODevice::ReadOnly));
            QString start;
            for (const QString& line : QString::fromUtf8(unit.readAll()).split('\n'))
                if (line.startsWith("ExecStart=:"))
                    start = line.mid(11);
            // systemd splits the line by the same quotes; the path holds no escapes to undo.
            QCOMPARE(execArguments(start), (QStringList{program, "/q"}));
        }
        if (launchers == 0)
            QSKIP("none of gio, openbox-xdg-autostart (python3-xdg) or systemd's generator is installed");
    }

    void unwritableFolderIsReported()
    {
        XdgStartupEntry entry("/proc/no-such-place/autostart");
        const StartupEntry::Written written = entry.write("/opt/clavora");
        QCOMPARE(int(written.outcome), int(StartupEntry::Written::Outcome::Failed));
        QVERIFY(!written.reason.isEmpty());
        QVERIFY(entry.read().isEmpty());
    }

    void aFifoInPlaceOfTheEntryReadsAsNone()
    {
        QTemporaryDir dir;
        XdgStartupEntry entry(dir.filePath("autostart"));
        QDir().mkpath(dir.filePath("autostart"));
        QCOMPARE(::mkfifo(QFile::encodeName(entry.filePath()).constData(), 0600), 0);
        QVERIFY(entry.read().isEmpty());
    }
};

QTEST_MAIN(StartupEntryTest)
#include "test_startup_entry.moc"
