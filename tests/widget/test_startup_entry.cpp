#include "platform/XdgStartupEntry.h"

#include <QProcess>
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

class StartupEntryTest : public QObject {
    Q_OBJECT
private slots:
    void hostilePathsStartExactlyThisProgram_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("blanks") << "/opt/my programs/clavora";
        QTest::newRow("quotes") << "/opt/it's \"here\"/clavora";
        QTest::newRow("backslash") << "/opt/back\\slash/clavora";
        QTest::newRow("dollar") << "/opt/$HOME/clavora";
        QTest::newRow("percent") << "/opt/100%u/clavora";
        QTest::newRow("backquote") << "/opt/`rm -rf ~`/clavora";
        QTest::newRow("semicolon") << "/opt/a;b|c&d/clavora";
    }
    void hostilePathsStartExactlyThisProgram()
    {
        QFETCH(QString, program);
        QTemporaryDir dir;
        XdgStartupEntry entry(dir.filePath("autostart"));
        QVERIFY(entry.read().isEmpty());
        entry.write(program);
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

    void lineBreakInPathWritesNothing()
    {
        QTemporaryDir dir;
        XdgStartupEntry entry(dir.filePath("autostart"));
        entry.write("/opt/two\nlines/clavora");
        QVERIFY(entry.read().isEmpty());
    }

    void unwritableFolderIsSilent()
    {
        XdgStartupEntry entry("/proc/no-such-place/autostart");
        entry.write("/opt/clavora");
        QVERIFY(entry.read().isEmpty());
    }
};

QTEST_MAIN(StartupEntryTest)
#include "test_startup_entry.moc"
