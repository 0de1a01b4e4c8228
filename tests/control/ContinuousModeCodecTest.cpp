// The continuous-mode times: four digits each way, from the fields, the files and the
// DSP block's read answer.
#include "testmain.h"

#include "control/ContinuousModeCodec.h"

#include <QTest>

class ContinuousModeCodecTest : public QObject {
    Q_OBJECT
private slots:
    void fieldCodes()
    {
        QCOMPARE(ContinuousCode("90").value_or(""), QByteArray("0090"));
        QCOMPARE(ContinuousCode("9999").value_or(""), QByteArray("9999"));
        QVERIFY(!ContinuousCode(""));
        QCOMPARE(ContinuousValueOf(ContinuousTimeValue).code, QByteArray("ADRL"));
        QCOMPARE(ContinuousValueOf(RestartTimeValue).file, QStringLiteral("CUTFBKDAT.TXT"));
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("line"); // "(none)": no file
        QTest::addColumn<QString>("value");
        QTest::newRow("written") << "\"0090\"" << "0090";
        QTest::newRow("missing") << "(none)" << "";
        QTest::newRow("short") << "\"90\"" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("damaged") << "\"00x0\"" << "";
        QTest::newRow("longer: characters 2-5") << "\"01234\"" << "0123";
    }
    void storedValues()
    {
        QFETCH(QString, line);
        QFETCH(QString, value);
        const std::optional<QString> first = line == "(none)" ? std::nullopt : std::optional(line);
        QCOMPARE(StoredContinuousValue(first), value);
    }

    void replies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("text2");
        const QByteArray dsp = "EDT" + QByteArray(20, '1');
        QTest::newRow("read answer") << dsp + "01200030" << true << "0120" << "0030";
        QTest::newRow("long") << dsp + "0120003099" << true << "0120" << "0030";
        QTest::newRow("short") << dsp + "012000" << true << "0120" << "";
        QTest::newRow("non-digit") << dsp + "01x00030" << true << "" << "0030";
        QTest::newRow("write acknowledgement") << QByteArray("ERL") << false << "" << "";
        QTest::newRow("setting executed") << QByteArray("EX") << false << "" << "";
        QTest::newRow("letter alone") << QByteArray("E") << false << "" << "";
    }
    void replies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, read);
        QFETCH(QString, text1);
        QFETCH(QString, text2);
        QCOMPARE(IsDspReadReply(reply), read);
        if (!read)
            return;
        const ContinuousModeTexts t = DecodeContinuousModeReply(reply);
        QCOMPARE(t.Text1, text1);
        QCOMPARE(t.Text2, text2);
    }
};

UNITDESK_TEST(ContinuousModeCodecTest)
#include "ContinuousModeCodecTest.moc"
