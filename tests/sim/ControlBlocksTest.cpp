// The simulated unit's control blocks: reads answer from what it holds, writes store and
// acknowledge exactly, frames of the wrong width are not answered.
#include "testmain.h"

#include "sim/SettingsRequests.h"

#include <QTest>

class ControlBlocksTest : public QObject {
    Q_OBJECT
private slots:
    void writeThenRead_data()
    {
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<QByteArray>("writeCode");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("ack");
        QTest::addColumn<QByteArray>("replied"); // reply = this + payload + what follows
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("basic") << QByteArray("RCID") << QByteArray("WC")
                               << QByteArray("600013180020015060000999120005006007008105000030FNFFFNF")
                               << QByteArray("WC") << QByteArray("B") << QByteArray("3050");
        QTest::newRow("rates") << QByteArray("RDID") << QByteArray("WD") << QByteArray(72, '7')
                               << QByteArray("WD") << QByteArray("D") << QByteArray();
        QTest::newRow("spray rates") << QByteArray("BDID") << QByteArray("DD") << QByteArray(72, '4')
                                     << QByteArray("WD") << QByteArray("D") << QByteArray();
        QTest::newRow("spray basic") << QByteArray("BCID") << QByteArray("DC")
                                     << QByteArray("035030180006012000010020030040050060070003")
                                     << QByteArray("WC") << QByteArray("B") << QByteArray("000000");
    }
    void writeThenRead()
    {
        QFETCH(QByteArray, read);
        QFETCH(QByteArray, writeCode);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, ack);
        QFETCH(QByteArray, replied);
        QFETCH(QByteArray, after);
        SimUnit unit;
        const auto before = simsettings::answer(unit, read);
        QVERIFY(before && before->size() == 1);
        QCOMPARE(before->first().size(), replied.size() + payload.size() + after.size()); // a full default
        QCOMPARE(simsettings::answer(unit, read), before);                                // deterministic

        QCOMPARE(simsettings::answer(unit, writeCode + payload + "ID"), QList<QByteArray>{ack});
        QCOMPARE(simsettings::answer(unit, read), QList<QByteArray>{replied + payload + after});

        // One character short or long, or a letter among the digits: stored nothing, no answer.
        for (const QByteArray &bad : {payload.chopped(1), payload + "0", "X" + payload.mid(1)}) {
            QCOMPARE(simsettings::answer(unit, writeCode + bad + "ID"), QList<QByteArray>{});
            QCOMPARE(simsettings::answer(unit, read), QList<QByteArray>{replied + payload + after});
        }
    }

    void unitsHoldTheirOwnBlocks()
    {
        SimUnit a, b, fresh;
        b.channel = 7;
        simsettings::answer(a, "WD" + QByteArray(72, '1') + "ID");
        QCOMPARE(simsettings::answer(b, "RDID")->first(), simsettings::answer(fresh, "RDID")->first());
        QCOMPARE(simsettings::answer(b, "RCID")->first().mid(41, 2), QByteArray("07")); // its channel
    }
};

UNITDESK_TEST(ControlBlocksTest)
#include "ControlBlocksTest.moc"
