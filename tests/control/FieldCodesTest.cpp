// Fixed-width payload fields: a value either fits its width exactly or has no code.
#include "testmain.h"

#include "control/FieldCodes.h"

#include <QTest>

class FieldCodesTest : public QObject {
    Q_OBJECT
private slots:
    void fieldCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QByteArray>("code"); // empty: refused
        QTest::newRow("1200 s halved") << "1200" << 3 << 2 << QByteArray("600");
        QTest::newRow("25 s halved rounds up") << "25" << 3 << 2 << QByteArray("013");
        QTest::newRow("1998 s halved fits") << "1998" << 3 << 2 << QByteArray("999");
        QTest::newRow("1999 s halved does not") << "1999" << 3 << 2 << QByteArray();
        QTest::newRow("35 degrees") << "35" << 3 << 1 << QByteArray("035");
        QTest::newRow("four-digit temperature") << "1000" << 3 << 1 << QByteArray();
        QTest::newRow("leading zeros fit") << "0035" << 3 << 1 << QByteArray("035");
        QTest::newRow("channel") << "5" << 2 << 1 << QByteArray("05");
        QTest::newRow("empty") << "" << 3 << 1 << QByteArray();
        QTest::newRow("letters") << "1a" << 3 << 1 << QByteArray();
        QTest::newRow("sign") << "-5" << 3 << 1 << QByteArray();
        QTest::newRow("full-width digit") << "３" << 3 << 1 << QByteArray();
    }
    void fieldCode()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, divisor);
        QFETCH(QByteArray, code);
        QCOMPARE(FieldCode(text, width, divisor).value_or(QByteArray()), code);
    }

    void receivedDigits()
    {
        QCOMPARE(ReceivedDigits("035", 3), QStringLiteral("035"));
        QCOMPARE(ReceivedDigits("03", 3), QString());
        QCOMPARE(ReceivedDigits("0*5", 3), QString());
    }
};

UNITDESK_TEST(FieldCodesTest)
#include "FieldCodesTest.moc"
