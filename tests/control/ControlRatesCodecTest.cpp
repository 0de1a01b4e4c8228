// The rates of seasons 2-4: the 72-character payload and the "D" reply.
#include "testmain.h"

#include "control/ControlRatesCodec.h"

#include <QTest>

class ControlRatesCodecTest : public QObject {
    Q_OBJECT
private slots:
    void allRestIsSeventyTwoZeros()
    {
        RateGridCells cells;
        cells.fill(QStringLiteral("休止"));
        QCOMPARE(std::get<QByteArray>(EncodeRates(cells)), QByteArray(72, '0'));
    }

    void replyThenWriteRoundTrips()
    {
        QByteArray codes = "000999";
        for (int v = 2; v < 24; ++v)
            codes += QByteArray::number(100 + v);
        const RateGridCells cells = DecodeRatesReply("D" + codes);
        QCOMPARE(cells[0], QStringLiteral("休止"));
        QCOMPARE(cells[1], QStringLiteral("連続"));
        QCOMPARE(cells[2], QStringLiteral("102 _秒"));
        QCOMPARE(cells[23], QStringLiteral("123 _秒"));
        QCOMPARE(std::get<QByteArray>(EncodeRates(cells)), codes);
    }

    void damagedReplyLeavesCellsThatAreRefused_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("firstEmpty"); // index of the first empty cell
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("short") << "D" + QByteArray(30, '1') << 10 << 6 << 1;
        QTest::newRow("non-digit code")
            << "D" + QByteArray(9, '1') + "1*1" + QByteArray(60, '1') << 3 << 2 << 2;
        QTest::newRow("letter only") << QByteArray("D") << 0 << 1 << 1;
    }
    void damagedReplyLeavesCellsThatAreRefused()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, firstEmpty);
        QFETCH(int, row);
        QFETCH(int, col);
        const RateGridCells cells = DecodeRatesReply(reply);
        QCOMPARE(cells[firstEmpty], QString());
        QCOMPARE(std::get<BadValue>(EncodeRates(cells)), (BadValue{"MSFlexGrid1", row, col}));
    }

    void longReplyTakesTheFirstSeventyTwo()
    {
        const RateGridCells cells = DecodeRatesReply("D" + QByteArray(72, '5') + "999");
        QCOMPARE(std::get<QByteArray>(EncodeRates(cells)), QByteArray(72, '5'));
    }

    void commandsByKind()
    {
        const RateCommands standard = RateCommandsFor(false);
        const RateCommands spray = RateCommandsFor(true);
        QCOMPARE(standard.read + "|" + standard.write, QByteArray("RDID|WD"));
        QCOMPARE(spray.read + "|" + spray.write, QByteArray("BDID|DD"));
        QCOMPARE(standard.file, QStringLiteral("CONT2.TXT"));
        QCOMPARE(spray.file, QStringLiteral("CONTWJ2.TXT"));
    }
};

UNITDESK_TEST(ControlRatesCodecTest)
#include "ControlRatesCodecTest.moc"
