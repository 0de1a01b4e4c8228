// The second frame of a time-band write over time: the 2000 ms wait, the resends at
// 1000 ms, the acknowledgement, giving up, and a closed port. The timer is fired, never
// waited for.
#include "testmain.h"

#include "control/TimeBandWriter.h"

#include <QSignalSpy>
#include <QTest>

namespace {
struct Rig {
    bool open = true;
    QList<QByteArray> sent;
    QObject owner;
    TimeBandWriter writer{[this](const QByteArray &p) {
                              if (open)
                                  sent << p;
                              return open;
                          },
                          &owner};
    QSignalSpy gaveUp{&writer, &TimeBandWriter::gaveUp};
    void tick() { emit writer.timer().timeout({}); }
};
const QByteArray Payload(108, '1');
} // namespace

class TimeBandWriterTest : public QObject {
    Q_OBJECT
private slots:
    void waitsThenSends()
    {
        Rig r;
        QCOMPARE(r.writer.timer().objectName(), QStringLiteral("Timer1"));
        QVERIFY(!r.writer.timer().isActive());
        r.writer.start(Payload);
        QVERIFY(r.writer.isPending());
        QVERIFY(r.writer.timer().isActive());
        QCOMPARE(r.writer.timer().interval(), 2000);
        QVERIFY(r.sent.isEmpty());
        r.tick();
        QCOMPARE(r.sent, QList<QByteArray>{Payload});
        QCOMPARE(r.writer.timer().interval(), 1000);
        QVERIFY(r.writer.isPending()); // kept until the unit acknowledges it

        r.writer.acknowledged();
        QVERIFY(!r.writer.isPending());
        QVERIFY(!r.writer.timer().isActive());
    }

    // Unanswered: two resends, then the timer stops and the payload is dropped; no tick
    // ever sends an empty payload.
    void resendsTwiceThenGivesUp()
    {
        Rig r;
        r.writer.start(Payload);
        r.tick();
        r.tick();
        r.tick();
        QCOMPARE(r.sent, QList<QByteArray>(3, Payload));
        QVERIFY(r.writer.isPending());
        r.tick();
        QCOMPARE(r.sent.size(), 3);
        QCOMPARE(r.gaveUp.size(), 1);
        QVERIFY(!r.writer.isPending());
        QVERIFY(!r.writer.timer().isActive());
        r.tick(); // a stray tick after giving up
        QCOMPARE(r.sent.size(), 3);
    }

    void acknowledgementStopsResends()
    {
        Rig r;
        r.writer.start(Payload);
        r.tick();
        r.tick();
        r.writer.acknowledged();
        r.tick();
        QCOMPARE(r.sent.size(), 2);
        QCOMPARE(r.gaveUp.size(), 0);
        r.writer.acknowledged(); // an acknowledgement with nothing pending changes nothing
        QVERIFY(!r.writer.timer().isActive());
    }

    // Closed port: nothing goes out, the payload waits at the first interval; once the
    // port opens the next tick sends it and the resend count starts there.
    void closedPortKeepsThePayload()
    {
        Rig r;
        r.open = false;
        r.writer.start(Payload);
        r.tick();
        r.tick();
        QVERIFY(r.sent.isEmpty());
        QVERIFY(r.writer.isPending());
        QCOMPARE(r.writer.timer().interval(), 2000);
        r.open = true;
        r.tick();
        r.tick();
        r.tick();
        r.tick();
        QCOMPARE(r.sent.size(), 3);
        QCOMPARE(r.gaveUp.size(), 1);
    }

    void aNewWriteReplacesThePending()
    {
        Rig r;
        r.writer.start(Payload);
        r.tick();
        r.tick();
        const QByteArray next(108, '2');
        r.writer.start(next);
        QCOMPARE(r.writer.timer().interval(), 2000);
        r.tick();
        r.tick();
        r.tick();
        QCOMPARE(r.sent.mid(2), QList<QByteArray>(3, next));
        QVERIFY(r.writer.isPending());
    }
};

UNITDESK_TEST(TimeBandWriterTest)
#include "TimeBandWriterTest.moc"
