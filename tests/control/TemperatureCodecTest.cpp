// The temperature range and sensor number on the wire: four characters per limit, never
// more or fewer; two digits per sensor number.
#include "testmain.h"

#include "control/TemperatureCodec.h"

#include <QTest>

class TemperatureCodecTest : public QObject {
    Q_OBJECT
private slots:
    void limits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("code"); // empty: refused
        QTest::newRow("default upper") << "+35.0" << QByteArray("+350");
        QTest::newRow("default lower") << "-99.9" << QByteArray("-999");
        QTest::newRow("whole degrees") << "+5" << QByteArray("+050");
        QTest::newRow("one decimal") << "-5.5" << QByteArray("-055");
        QTest::newRow("point without decimal") << "+5." << QByteArray("+050");
        QTest::newRow("decimal only") << "-.5" << QByteArray("-005");
        QTest::newRow("sign only: zero") << "+" << QByteArray("+000");
        QTest::newRow("leading zeros") << "+0050" << QByteArray("+500");
        QTest::newRow("many leading zeros") << "+00000000001" << QByteArray("+010");
        QTest::newRow("100 after zeros") << "-0100" << QByteArray();
        QTest::newRow("no sign") << "35.0" << QByteArray();
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("100 degrees") << "+100" << QByteArray();
        QTest::newRow("two decimals") << "+5.55" << QByteArray();
        QTest::newRow("letters") << "+3a" << QByteArray();
        QTest::newRow("blank inside") << "+ 35" << QByteArray();
        QTest::newRow("two signs") << "+-5" << QByteArray();
    }
    void limits()
    {
        QFETCH(QString, field);
        QFETCH(QByteArray, code);
        QCOMPARE(TemperatureCode(field).value_or(QByteArray()), code);
    }

    void rangePayload()
    {
        QCOMPARE(std::get<QByteArray>(EncodeTemperatureRange("+5", "-5.5")), QByteArray("+050-055"));
        QCOMPARE(std::get<BadValue>(EncodeTemperatureRange("35.0", "-5")).control, QStringLiteral("Text8"));
        QCOMPARE(std::get<BadValue>(EncodeTemperatureRange("+35.0", "-100.0")).control, QStringLiteral("Text2"));
    }

    void rangeReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::newRow("example") << QByteArray("TW+250+050") << "+25.0" << "+05.0";
        QTest::newRow("negative") << QByteArray("TW-999-005") << "-99.9" << "-00.5";
        QTest::newRow("long") << QByteArray("TW+250+050XX") << "+25.0" << "+05.0";
        QTest::newRow("short") << QByteArray("TW+250+05") << "+25.0" << "";
        QTest::newRow("no sign") << QByteArray("TW0250+050") << "" << "+05.0";
        QTest::newRow("non-digit") << QByteArray("TW+2x0+050") << "" << "+05.0";
        QTest::newRow("code alone") << QByteArray("TW") << "" << "";
    }
    void rangeReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        const TemperatureRangeTexts t = DecodeTemperatureRangeReply(reply);
        QCOMPARE(t.Text8, upper);
        QCOMPARE(t.Text2, lower);
    }

    void sensorNumber()
    {
        QCOMPARE(SensorNumberCode("7").value_or(""), QByteArray("07"));
        QCOMPARE(SensorNumberCode("12").value_or(""), QByteArray("12"));
        QVERIFY(!SensorNumberCode(""));
        QCOMPARE(DecodeSensorNumberReply("TQ12"), QStringLiteral("12"));
        QCOMPARE(DecodeSensorNumberReply("TQ123"), QStringLiteral("12"));
        QCOMPARE(DecodeSensorNumberReply("TQ1"), QString());
        QCOMPARE(DecodeSensorNumberReply("TQ1a"), QString());
    }
};

UNITDESK_TEST(TemperatureCodecTest)
#include "TemperatureCodecTest.moc"
