// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalAnswerer.h"
#include "windows/PassingMessage.h"

#include <QTest>

using namespace clavora;

// A message that needs no answer goes sooner with ENTER or ESC; the hub test sees it go by itself.
class PassingMessageTest : public QObject {
    Q_OBJECT
    QWidget parent;

private slots:
    void initTestCase() { parent.show(); }

    void enterOrEscapeCloseItSooner()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            test::ModalAnswerer answerer([key](QWidget* box) { QTest::keyClick(box, key); });
            // Were the key lost, the box would outlast the test's time limit.
            constexpr int AnHour = 3600 * 1000;
            showPassingMessage(&parent, QStringLiteral("Streak"), QStringLiteral("5 days"), AnHour);
            QCOMPARE(answerer.seen().size(), std::size_t(1));
            QCOMPARE(answerer.seen().front().title, QString("Streak"));
            QCOMPARE(answerer.seen().front().text, QString("5 days"));
        }
    }
};

QTEST_MAIN(PassingMessageTest)
#include "test_passing_message.moc"
