// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalAnswerer.h"
#include "windows/PassingMessage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

using namespace clavora;

// A message that needs no answer: it goes by itself, or sooner with ENTER or ESC.
class PassingMessageTest : public QObject {
    Q_OBJECT
    QWidget parent;

private slots:
    void initTestCase() { parent.show(); }

    void closesItselfWithoutAKey()
    {
        QElapsedTimer shown;
        shown.start();
        showPassingMessage(&parent, QStringLiteral("Streak"), QStringLiteral("text"), 300);
        QVERIFY(shown.elapsed() >= 300); // not at once: it was there for its time
        QVERIFY(!QApplication::activeModalWidget());
    }

    void enterOrEscapeCloseItSooner()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            test::ModalAnswerer answerer([key](QWidget* box) { QTest::keyClick(box, key); });
            QElapsedTimer shown;
            shown.start();
            constexpr int AnHour = 3600 * 1000;
            showPassingMessage(&parent, QStringLiteral("Streak"), QStringLiteral("5 days"), AnHour);
            QVERIFY(shown.elapsed() < AnHour / 2);
            QCOMPARE(answerer.seen().size(), std::size_t(1));
            QCOMPARE(answerer.seen().front().title, QString("Streak"));
            QCOMPARE(answerer.seen().front().text, QString("5 days"));
        }
    }
};

QTEST_MAIN(PassingMessageTest)
#include "test_passing_message.moc"
