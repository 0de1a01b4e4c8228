// The maintenance settings a simulated unit keeps: what it answers, byte for byte, and
// that an erased log is gone from its downloads.
#include "../TestLine.h"
#include "LinePeer.h"
#include "testmain.h"

#include "sim/SettingsRequests.h"
#include "sim/SimLine.h"

#include <QTest>

class MaintBlocksTest : public QObject {
    Q_OBJECT
private slots:
    // Requests in order on one unit; each row's answers are the frames joined by "|",
    // "(none)" for a request the maintenance blocks do not serve.
    void answers_data()
    {
        QTest::addColumn<QByteArrayList>("requests");
        QTest::addColumn<QByteArrayList>("answers");
        QTest::newRow("CT level until written") << QByteArrayList{"RPID"} << QByteArrayList{"P75000100"};
        QTest::newRow("CT level 250 written, read back") << QByteArrayList{"WP\xB5"
                                                                           "000120ID",
                                                                           "RPID"}
                                                         << QByteArrayList{"WP", "P\xB5"
                                                                                 "0000120"};
        QTest::newRow("WP of another length")
            << QByteArrayList{"WP000012ID", "RPID"} << QByteArrayList{"(none)", "P75000100"};
        QTest::newRow("DSP values until written")
            << QByteArrayList{"ADRDDTID"} << QByteArrayList{"EDT0030000501000012000100600120"};
        QTest::newRow("each DSP value in its place")
            << QByteArrayList{"ADIR0099ID", "ADCN0001ID", "ADIC0002ID", "ADOF0003ID", "WL0004ID", "ADRDDTID"}
            << QByteArrayList{"EOK", "EOK", "EOK", "EOK", "EOK", "EDT0001000300020099000400600120"};
        QTest::newRow("DSP value not digits") << QByteArrayList{"ADIR00x9ID"} << QByteArrayList{"(none)"};
        QTest::newRow("line settings until written") << QByteArrayList{"KKID"} << QByteArrayList{"KSON0101"};
        QTest::newRow("line settings written") << QByteArrayList{"BR0348ID", "CNOFID", "TP07ID", "KKID"}
                                               << QByteArrayList{"KK", "KK", "TK|KK", "KSOF0703"};
        QTest::newRow("malformed line settings") << QByteArrayList{"BR03ID", "CNXXID", "TP7ID", "KKID"}
                                                 << QByteArrayList{"(none)", "(none)", "(none)", "KSON0101"};
        QTest::newRow("erase") << QByteArrayList{"CLID"} << QByteArrayList{"KM|KE"};
        QTest::newRow("clock set, then reported")
            << QByteArrayList{"WT1231235958131ID"} << QByteArrayList{"A23590058123112011300011"};
        QTest::newRow("clock without weekday")
            << QByteArrayList{"WT123123595813ID"} << QByteArrayList{"A23590058123112011300011"};
        QTest::newRow("impossible clock: no answer")
            << QByteArrayList{"WT1332235958131ID"} << QByteArrayList{""};
    }
    void answers()
    {
        QFETCH(QByteArrayList, requests);
        QFETCH(QByteArrayList, answers);
        SimUnit unit;
        unit.season = '1';
        unit.band = '2';
        unit.rest = '0';
        unit.setClock(QDateTime(QDate(2026, 12, 8), QTime(9, 5)), false);
        QByteArrayList got;
        for (const QByteArray &request : requests) {
            const auto replies = simsettings::answer(unit, request);
            got << (replies ? replies->join('|') : QByteArray("(none)"));
        }
        QCOMPARE(got, answers);
    }

    void clockSetKeepsRunning()
    {
        SimUnit unit; // on the PC clock
        simsettings::answer(unit, "WT1231235958131ID");
        const qint64 drift = unit.now().secsTo(QDateTime(QDate(2013, 12, 31), QTime(23, 59, 58)));
        QVERIFY(qAbs(drift) <= 2);
        QVERIFY(!unit.frozenClock.isValid());
    }

    // After "CL" the days before it are downloaded empty.
    void erasedLogIsGone()
    {
        SimLine line(testLineKind());
        line.setMonitorIntervalMs(0);
        line.setClockIntervalMs(0);
        line.setClock(QDateTime(QDate(2013, 6, 1), QTime(12, 0)), false);
        line.setSelectedUnit("01");
        LinePeer peer(line);
        peer.send("CLID");
        QCOMPARE(peer.readUntilFrame("KE"), frame("KM") + frame("KE"));
        peer.send("RM0531BB13ID");
        QCOMPARE(peer.readUntilFrame("O"), frame("Y01D31") + frame("O"));
        QCOMPARE(line.unit("01")->logsErasedAt, QDateTime(QDate(2013, 6, 1), QTime(12, 0)));
    }
};

UNITDESK_TEST(MaintBlocksTest)
#include "MaintBlocksTest.moc"
