// The serial link on the in-process line to the simulated units (--demo's line, and the
// tests' line where there are no pseudo-terminals): the device pair behaves as a port does,
// and the link's operations keep their meaning on it.
#include "sim/InProcessLine.h"
#include "RecordingHandlers.h"
#include "link/PortMap.h"
#include "link/SerialLink.h"
#include "sim/SimLine.h"
#include "testmain.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

// Runs the event loop until the device has at least minBytes (or timeoutMs passed).
QByteArray readFrom(QIODevice &device, int minBytes, int timeoutMs = 2000)
{
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (got.size() < minBytes && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        got += device.readAll();
    }
    return got;
}

} // namespace

class InProcessLineTest : public QObject {
    Q_OBJECT
private slots:
    // What one end writes arrives at the other a turn of the event loop later, in order,
    // announced by readyRead; the writer hears bytesWritten once it has gone.
    void bytesArriveOnALaterTurn()
    {
        InProcessLine line;
        QVERIFY(line.portEnd().open(QIODevice::ReadWrite));
        QVERIFY(line.unitEnd().open(QIODevice::ReadWrite));
        QSignalSpy ready(&line.portEnd(), &QIODevice::readyRead);
        QSignalSpy written(&line.unitEnd(), &QIODevice::bytesWritten);
        QCOMPARE(line.unitEnd().write("\x02ID"), 3);
        QCOMPARE(line.unitEnd().write("\x03\x02Q"), 3);
        QCOMPARE(line.portEnd().bytesAvailable(), 0);
        QCOMPARE(line.unitEnd().bytesToWrite(), 6);
        QCOMPARE(readFrom(line.portEnd(), 6), QByteArray("\x02ID\x03\x02Q"));
        QCOMPARE(ready.count(), 1);
        QCOMPARE(written.count(), 1);
        QCOMPARE(written.at(0).at(0).toLongLong(), 6);
        QCOMPARE(line.unitEnd().bytesToWrite(), 0);

        QCOMPARE(line.portEnd().write("ID05ID"), 6); // and the other way
        QCOMPARE(readFrom(line.unitEnd(), 6), QByteArray("ID05ID"));
    }

    // A reader that falls behind holds the writer back, and loses nothing.
    void aReaderBehindHoldsTheWriterBack()
    {
        InProcessLine line;
        QVERIFY(line.portEnd().open(QIODevice::ReadWrite));
        QVERIFY(line.unitEnd().open(QIODevice::ReadWrite));
        QByteArray bytes;
        for (int i = 0; i < 10000; ++i)
            bytes += char('a' + i % 26);
        line.unitEnd().write(bytes);
        QTest::qWait(20);
        QCOMPARE(line.portEnd().bytesAvailable(), InProcessLine::Capacity);
        QCOMPARE(line.unitEnd().bytesToWrite(), 10000 - InProcessLine::Capacity);
        QCOMPARE(readFrom(line.portEnd(), 10000), bytes);
        QCOMPARE(line.unitEnd().bytesToWrite(), 0);

        line.unitEnd().write(bytes); // held back, then the reader goes: it is lost
        QCoreApplication::processEvents();
        line.portEnd().close();
        QTest::qWait(20);
        QCOMPARE(line.unitEnd().bytesToWrite(), 0);
    }

    // As on a bus with no listener: what is sent while the port is closed is lost, and a
    // port opened again starts empty.
    void closedPortHearsNothing()
    {
        InProcessLine line;
        QVERIFY(line.unitEnd().open(QIODevice::ReadWrite));
        line.unitEnd().write("lost");
        QCoreApplication::processEvents();
        QVERIFY(line.portEnd().open(QIODevice::ReadWrite));
        QCOMPARE(line.portEnd().bytesAvailable(), 0);
        line.unitEnd().write("unread");
        QCoreApplication::processEvents();
        line.portEnd().close();
        QVERIFY(line.portEnd().open(QIODevice::ReadWrite));
        QCOMPARE(readFrom(line.portEnd(), 1, 50), QByteArray());
        line.portEnd().close();
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QIODevice): device not open");
        QCOMPARE(line.portEnd().write("x"), -1);
    }

    // Open, close, port number and settings work as on a port; it is never refused and
    // takes no lock; frames go out and replies are dispatched byte for byte.
    void linkOnTheLine()
    {
        InProcessLine line;
        QVERIFY(line.unitEnd().open(QIODevice::ReadWrite));
        SerialLink link;
        RecordingHandlers handlers;
        link.setHandlers(&handlers);
        QSignalSpy closedByError(&link, &SerialLink::portClosedByError);
        link.setInProcessLine(&line.portEnd());
        QCOMPARE(link.deviceFor(1), QStringLiteral("模擬回線"));
        QCOMPARE(link.deviceFor(26), QStringLiteral("模擬回線"));
        QVERIFY(link.isOverridden(3));
        // What the port settings window says of it.
        QCOMPARE(PortMap::describe(link.deviceFor(3), {}),
                 QStringLiteral("模擬回線 — プログラム内の模擬子機"));
        QVERIFY(PortMap::isPresent(link.deviceFor(3)));

        QVERIFY(link.setPortNumber(3));
        QVERIFY(link.setSettings("9600,n,8,2"));
        QVERIFY(link.setLineDefaults());
        QVERIFY(!link.isOpen());
        link.SendFrame("ID05ID"); // closed: nothing goes
        QVERIFY(link.open());
        QVERIFY(link.isOpen());
        QVERIFY(link.lockHolder().isEmpty());
        QVERIFY(link.groupToJoin().isEmpty());
        QVERIFY(!link.open()); // already open
        QVERIFY(!link.setPortNumber(4));
        QCOMPARE(link.settings(), QStringLiteral("9600,n,8,2"));

        QSignalSpy sent(&link, &SerialLink::frameSent);
        link.SendFrame("ID05ID");
        QCOMPARE(readFrom(line.unitEnd(), 8), QByteArray("\x02ID05ID\x03"));
        QCOMPARE(sent.count(), 1);
        line.unitEnd().write(QByteArray("~\x02ID\x03\x02Q0123", 11));
        line.unitEnd().write("4\x03");
        QTRY_COMPARE(handlers.calls, (QStringList{"ID:ID", "Q:Q01234"}));

        QVERIFY(link.close());
        QVERIFY(!link.close());
        link.SendFrame("ID06ID");
        QCOMPARE(readFrom(line.unitEnd(), 1, 50), QByteArray());
        QVERIFY(link.open()); // opens again at once
        link.SendFrame("ID06ID");
        QCOMPARE(readFrom(line.unitEnd(), 8), QByteArray("\x02ID06ID\x03"));
        QCOMPARE(closedByError.count(), 0);
    }

    // The line that goes away first leaves the link closed, not dangling.
    void lineGoneFirst()
    {
        SerialLink link;
        {
            InProcessLine line;
            link.setInProcessLine(&line.portEnd());
            QVERIFY(link.open());
        }
        QVERIFY(!link.isOpen());
        link.SendFrame("ID05ID");
    }

    // The simulated units on the in-process line pace what they send at the baud rate they
    // are told, as on a pseudo-terminal.
    void unitsPacedAtTheBaudRate()
    {
        SimLine sim(SimWire::Kind::InProcess);
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);
        sim.setClock(QDateTime(QDate(2013, 6, 1), QTime(12, 0)), false);
        sim.setBaud(38400);
        QIODevice &port = *sim.portDevice();
        QVERIFY(port.open(QIODevice::ReadWrite));
        port.write("\x02RM0104BB13ID\x03");
        const QByteArray first = readFrom(port, 1);
        QElapsedTimer clock;
        clock.start();
        QByteArray rest;
        while (!(first + rest).endsWith("\x02O\x03") && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            rest += port.readAll();
        }
        const double seconds = clock.nsecsElapsed() / 1e9;
        const QByteArray all = first + rest;
        QVERIFY(all.startsWith("\x02Y01D04\x03\x02M"));
        QCOMPARE(all.count('\x02'), 1 + 48 + 1);
        const double nominal = (all.size() - first.size()) * 11.0 / 38400;
        QVERIFY2(seconds > 0.8 * nominal && seconds < 2 * nominal + 0.3,
                 QByteArray::number(seconds).constData());
    }
};

UNITDESK_TEST(InProcessLineTest)
#include "InProcessLineTest.moc"
