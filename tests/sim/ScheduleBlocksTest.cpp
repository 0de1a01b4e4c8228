// The schedule blocks of a simulated unit: every read answered from what the unit holds,
// every write stored and acknowledged exactly, a damaged write neither stored nor answered.
#include "testmain.h"

#include "sim/DspBlock.h"
#include "sim/SettingsRequests.h"

#include <QTest>

namespace {
using Replies = QList<QByteArray>;
Replies ask(SimUnit &unit, const QByteArray &request)
{
    return simsettings::answer(unit, request).value_or(Replies{"(not served)"});
}
const QByteArray Seasons = "01010331040106300701093010011231";
const QByteArray Bands1 = QByteArray("0000").repeated(8);
const QByteArray Bands2 = QByteArray("1230").repeated(24);
} // namespace

class ScheduleBlocksTest : public QObject {
    Q_OBJECT
private slots:
    void writeThenRead_data()
    {
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<QByteArray>("ack");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("seasons") << "WS" + Seasons + "ID" << QByteArray("WS") << QByteArray("RSID") << "S" + Seasons;
        QTest::newRow("spray seasons") << "DS" + Seasons + "ID" << QByteArray("WS") << QByteArray("BSID")
                                       << "S" + Seasons;
        QTest::newRow("bands, first half") << "WJ" + Bands1 + "0000ID" << QByteArray("WJ")
                                           << QByteArray("RJ12345678912345ID") << "C" + Bands1;
        QTest::newRow("bands, second half") << "WK" + Bands2 + "000000000000ID" << QByteArray("WK")
                                            << QByteArray("RKID") << "K" + Bands2;
        QTest::newRow("spray bands, first half") << "DJ" + Bands1 + "0000ID" << QByteArray("WJ")
                                                 << QByteArray("BJ12345678912345ID") << "C" + Bands1;
        QTest::newRow("spray bands, second half") << "DK" + Bands2 + "000000000000ID" << QByteArray("WK")
                                                  << QByteArray("BKID") << "K" + Bands2;
        QTest::newRow("temperature range") << QByteArray("TC+050-055ID") << QByteArray("TK")
                                           << QByteArray("TRID") << QByteArray("TW+050-055");
        QTest::newRow("sensor number") << QByteArray("TP07ID") << QByteArray("TK|KK") << QByteArray("TQID")
                                       << QByteArray("TQ07");
        QTest::newRow("continuous time") << QByteArray("ADRL0090ID") << QByteArray("ERL")
                                         << QByteArray("ADRDDTID") << QByteArray("EDT0030000501000012000100900120");
        QTest::newRow("restart time") << QByteArray("ADCF0045ID") << QByteArray("ECF") << QByteArray("ADRDDTID")
                                      << QByteArray("EDT0030000501000012000100600045");
    }
    void writeThenRead()
    {
        QFETCH(QByteArray, write);
        QFETCH(QByteArray, ack);
        QFETCH(QByteArray, read);
        QFETCH(QByteArray, reply);
        SimUnit unit;
        const Replies before = ask(unit, read);
        QCOMPARE(before.size(), 1);
        QCOMPARE(before.first().size(), reply.size()); // the default has the layout
        QVERIFY(before.first() != reply);
        QCOMPARE(ask(unit, write).join('|'), ack); // frames joined by "|"
        QCOMPARE(ask(unit, read), Replies{reply});
    }

    // The standard and water-spray blocks are kept apart.
    void kindsKeptApart()
    {
        SimUnit unit;
        const Replies spray = ask(unit, "BSID");
        ask(unit, "WS" + Seasons + "ID");
        QCOMPARE(ask(unit, "BSID"), spray);
    }

    void damagedWritesAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("short seasons") << "WS" + Seasons.left(28) + "ID" << QByteArray("RSID");
        QTest::newRow("long seasons") << "WS" + Seasons + "0ID" << QByteArray("RSID");
        QTest::newRow("letter in seasons") << "WS" + Seasons.left(31) + "xID" << QByteArray("RSID");
        QTest::newRow("first half without padding") << "WJ" + Bands1 + "ID" << QByteArray("RJ12345678912345ID");
        QTest::newRow("second half, bad padding") << "WK" + Bands2 + "000000000001ID" << QByteArray("RKID");
        QTest::newRow("range without sign") << QByteArray("TC0050-055ID") << QByteArray("TRID");
        QTest::newRow("continuous time short") << QByteArray("ADRL090ID") << QByteArray("ADRDDTID");
    }
    void damagedWritesAreIgnored()
    {
        QFETCH(QByteArray, write);
        QFETCH(QByteArray, read);
        SimUnit unit;
        const Replies before = ask(unit, read);
        QCOMPARE(ask(unit, write), Replies{});
        QCOMPARE(ask(unit, read), before);
    }

    void dspReadReplyHasItsLength()
    {
        SimUnit unit;
        QCOMPARE(simsettings::dspReadReply(unit).size(), 31);
        QCOMPARE(ask(unit, "RXID"), Replies{"(not served)"});
    }
};

UNITDESK_TEST(ScheduleBlocksTest)
#include "ScheduleBlocksTest.moc"
