#include "link/PortAccess.h"
#include "link/SerialLink.h"
#include "RecordingHandlers.h"
#include "sim/Pty.h"
#include "testmain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// Lets the event loop run (the port writes from it) and collects what reaches the master.
QByteArray readMaster(Pty &pty, int minBytes, int timeoutMs = 2000)
{
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (got.size() < minBytes && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        got += pty.readAvailable();
    }
    return got;
}

} // namespace

Q_DECLARE_METATYPE(PortErrorAction)

class SerialLinkTest : public QObject {
    Q_OBJECT
private slots:
    void errorDecision_data();
    void errorDecision();
    void joinGroupDecision_data();
    void joinGroupDecision();
    void refusedDeviceNamesItsGroup();
    void parsesSettings_data();
    void parsesSettings();
    void rejectsBadSettings_data();
    void rejectsBadSettings();
    void mapsPortNumberToDevice();
    void portNumberOnlyChangesWhileClosed();
    void opensPtyAlthoughRtsIsRefused();
    void sendFrameWritesOneFrame();
    void sendFrameOnClosedPortWritesNothing();
    void dispatchesRepliesFromTheLine();
    void assemblerSurvivesReopen();
    void vanishedDeviceClosesPort();
    void resourceErrorClosesPortOtherErrorsDoNot();
};

void SerialLinkTest::errorDecision_data()
{
    QTest::addColumn<QSerialPort::SerialPortError>("error");
    QTest::addColumn<PortErrorAction>("action");

    const auto ignore = PortErrorAction::Ignore;
    QTest::newRow("NoError") << QSerialPort::NoError << ignore;
    QTest::newRow("DeviceNotFound") << QSerialPort::DeviceNotFoundError << ignore;
    QTest::newRow("Permission") << QSerialPort::PermissionError << ignore;
    QTest::newRow("Open") << QSerialPort::OpenError << ignore;
    QTest::newRow("Write") << QSerialPort::WriteError << ignore;
    QTest::newRow("Read") << QSerialPort::ReadError << PortErrorAction::Close;
    QTest::newRow("Resource") << QSerialPort::ResourceError << PortErrorAction::Close;
    QTest::newRow("UnsupportedOperation") << QSerialPort::UnsupportedOperationError << ignore;
    QTest::newRow("Unknown") << QSerialPort::UnknownError << ignore;
    QTest::newRow("Timeout") << QSerialPort::TimeoutError << ignore;
    QTest::newRow("NotOpen") << QSerialPort::NotOpenError << ignore;
}

void SerialLinkTest::errorDecision()
{
    QFETCH(QSerialPort::SerialPortError, error);
    QFETCH(PortErrorAction, action);
    QCOMPARE(portErrorAction(error), action);
}

void SerialLinkTest::joinGroupDecision_data()
{
    QTest::addColumn<QSerialPort::SerialPortError>("error");
    QTest::addColumn<bool>("accessible");
    QTest::addColumn<QString>("deviceGroup");
    QTest::addColumn<QString>("group");
    QTest::newRow("no access, dialout device") << QSerialPort::PermissionError << false << "dialout" << "dialout";
    QTest::newRow("no access, other group") << QSerialPort::PermissionError << false << "uucp" << "uucp";
    QTest::newRow("no access, root's device") << QSerialPort::PermissionError << false << "root" << "dialout";
    QTest::newRow("no access, group unknown") << QSerialPort::PermissionError << false << "" << "dialout";
    // Refused although we may read and write it: busy, no group helps.
    QTest::newRow("busy") << QSerialPort::PermissionError << true << "dialout" << "";
    QTest::newRow("missing device") << QSerialPort::DeviceNotFoundError << false << "" << "";
    QTest::newRow("other failure") << QSerialPort::OpenError << false << "dialout" << "";
}

void SerialLinkTest::joinGroupDecision()
{
    QFETCH(QSerialPort::SerialPortError, error);
    QFETCH(bool, accessible);
    QFETCH(QString, deviceGroup);
    QFETCH(QString, group);
    QCOMPARE(groupToJoin(error, accessible, deviceGroup), group);
}

void SerialLinkTest::refusedDeviceNamesItsGroup()
{
    if (::geteuid() == 0)
        QSKIP("root opens a device without read/write permission");
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyLocked");
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.setPermissions({}));

    SerialLink link;
    link.setDeviceForAll(device);
    QVERIFY(!link.open());
    QCOMPARE(link.port().error(), QSerialPort::PermissionError);
    const QString owner = QFileInfo(device).group();
    QCOMPARE(link.groupToJoin(), owner == "root" ? QStringLiteral("dialout") : owner);

    // A later failure of another kind forgets the hint.
    link.setDeviceForAll(dir.filePath("ttyMissing"));
    QVERIFY(!link.open());
    QVERIFY(link.groupToJoin().isEmpty());
}

void SerialLinkTest::parsesSettings_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("baud");
    QTest::addColumn<QSerialPort::Parity>("parity");
    QTest::addColumn<QSerialPort::DataBits>("dataBits");
    QTest::addColumn<QSerialPort::StopBits>("stopBits");

    QTest::newRow("4800") << "4800,n,8,2" << 4800 << QSerialPort::NoParity << QSerialPort::Data8
                          << QSerialPort::TwoStop;
    QTest::newRow("115200") << "115200,n,8,2" << 115200 << QSerialPort::NoParity << QSerialPort::Data8
                            << QSerialPort::TwoStop;
    QTest::newRow("even, 7, 1") << "9600,e,7,1" << 9600 << QSerialPort::EvenParity << QSerialPort::Data7
                                << QSerialPort::OneStop;
    QTest::newRow("capital, odd, 1.5") << "1200,O,5,1.5" << 1200 << QSerialPort::OddParity
                                       << QSerialPort::Data5 << QSerialPort::OneAndHalfStop;
}

void SerialLinkTest::parsesSettings()
{
    QFETCH(QString, settings);
    QFETCH(int, baud);
    QFETCH(QSerialPort::Parity, parity);
    QFETCH(QSerialPort::DataBits, dataBits);
    QFETCH(QSerialPort::StopBits, stopBits);

    SerialLink link;
    QVERIFY(link.setSettings(settings)); // closed: kept for the open
    QCOMPARE(link.settings(), settings);
    QCOMPARE(link.port().baudRate(), baud);
    QCOMPARE(link.port().parity(), parity);
    QCOMPARE(link.port().dataBits(), dataBits);
    QCOMPARE(link.port().stopBits(), stopBits);
}

void SerialLinkTest::rejectsBadSettings_data()
{
    QTest::addColumn<QString>("settings");
    QTest::newRow("empty") << "";
    QTest::newRow("speed only") << "9600";
    QTest::newRow("speed not a number") << "fast,n,8,2";
    QTest::newRow("zero speed") << "0,n,8,2";
    QTest::newRow("parity") << "9600,x,8,2";
    QTest::newRow("data bits") << "9600,n,9,2";
    QTest::newRow("stop bits") << "9600,n,8,3";
    QTest::newRow("extra field") << "9600,n,8,2,1";
}

void SerialLinkTest::rejectsBadSettings()
{
    QFETCH(QString, settings);
    SerialLink link;
    QVERIFY(link.setSettings("4800,n,8,2"));
    QVERIFY(!link.setSettings(settings));
    QCOMPARE(link.settings(), QString("4800,n,8,2"));
    QCOMPARE(link.port().baudRate(), 4800);
    QCOMPARE(link.port().stopBits(), QSerialPort::TwoStop);
}

void SerialLinkTest::mapsPortNumberToDevice()
{
    SerialLink link;
#ifdef Q_OS_WIN
    QCOMPARE(link.deviceFor(4), QString("COM4"));
#else
    QCOMPARE(link.deviceFor(1), QString("/dev/ttyS0"));
    QCOMPARE(link.deviceFor(26), QString("/dev/ttyS25"));
#endif
    link.setDeviceForAll("/tmp/sim");
    link.setDeviceOverride(4, "/dev/ttyUSB0");
    QCOMPARE(link.deviceFor(4), QString("/dev/ttyUSB0"));
    QCOMPARE(link.deviceFor(5), QString("/tmp/sim"));
}

void SerialLinkTest::portNumberOnlyChangesWhileClosed()
{
    Pty pty;
    QVERIFY(pty.isValid());
    SerialLink link;
    link.setDeviceForAll(pty.slavePath());
    QVERIFY(!link.setPortNumber(0));
    QVERIFY(!link.setPortNumber(27));
    QVERIFY(link.setPortNumber(26));
    QCOMPARE(link.portNumber(), 26);
    QVERIFY(link.open());
    QVERIFY(!link.setPortNumber(3));
    QCOMPARE(link.portNumber(), 26);
    QVERIFY(!link.open()); // already open
    QVERIFY(link.isOpen());
}

void SerialLinkTest::opensPtyAlthoughRtsIsRefused()
{
    Pty pty;
    QVERIFY(pty.isValid());
    SerialLink link;
    link.setDeviceForAll(pty.slavePath());
    QSignalSpy closedSpy(&link, &SerialLink::portClosedByError);
    QVERIFY(link.setSettings("4800,n,8,2"));
    link.setLineDefaults(); // before open, as the stored settings are applied
    QVERIFY(link.open());
    link.setLineDefaults(); // and while open
    QVERIFY(link.isOpen());
    QCOMPARE(link.port().flowControl(), QSerialPort::NoFlowControl);
    QCOMPARE(link.port().baudRate(), 4800);
    QCOMPARE(closedSpy.count(), 0);
    QVERIFY(link.close());
    QVERIFY(!link.isOpen());
    QVERIFY(!link.close());
}

void SerialLinkTest::sendFrameWritesOneFrame()
{
    Pty pty;
    QVERIFY(pty.isValid());
    SerialLink link;
    link.setDeviceForAll(pty.slavePath());
    QVERIFY(link.open());
    QSignalSpy sent(&link, &SerialLink::frameSent);
    link.SendFrame("ID05ID");
    const QByteArray expected("\x02ID05ID\x03");
    QCOMPARE(readMaster(pty, expected.size()), expected);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).toByteArray(), expected);
}

void SerialLinkTest::sendFrameOnClosedPortWritesNothing()
{
    Pty pty;
    QVERIFY(pty.isValid());
    SerialLink link;
    link.setDeviceForAll(pty.slavePath());
    QSignalSpy sent(&link, &SerialLink::frameSent);
    link.SendFrame("RSID"); // never opened
    QVERIFY(link.open());
    link.close();
    link.SendFrame("RDID"); // closed again
    QCOMPARE(readMaster(pty, 1, 200), QByteArray());
    QCOMPARE(sent.count(), 0);
}

void SerialLinkTest::dispatchesRepliesFromTheLine()
{
    Pty pty;
    QVERIFY(pty.isValid());
    SerialLink link;
    RecordingHandlers handlers;
    link.setHandlers(&handlers);
    link.setDeviceForAll(pty.slavePath());
    QVERIFY(link.open());

    QVERIFY(pty.write("noise\x02KE\x03\x02Q1"));
    QTRY_COMPARE(handlers.calls, QStringList{"KE:KE"});
    QVERIFY(pty.write("2\x03\x02WD\x03"));
    QTRY_COMPARE(handlers.calls, (QStringList{"KE:KE", "Q:Q12", "WD"}));
}

void SerialLinkTest::assemblerSurvivesReopen()
{
    Pty pty;
    QVERIFY(pty.isValid());
    SerialLink link;
    RecordingHandlers handlers;
    link.setHandlers(&handlers);
    link.setDeviceForAll(pty.slavePath());
    QVERIFY(link.open());
    QVERIFY(pty.write("\x02Q1"));
    QTRY_COMPARE(link.assembler().RxBuffer, QByteArray("Q1"));
    link.close();
    QVERIFY(link.open());
    QVERIFY(pty.write("2\x03"));
    QTRY_COMPARE(handlers.calls, QStringList{"Q:Q12"});
}

void SerialLinkTest::vanishedDeviceClosesPort()
{
    auto pty = std::make_unique<Pty>();
    QVERIFY(pty->isValid());
    SerialLink link;
    RecordingHandlers handlers;
    link.setHandlers(&handlers);
    link.setDeviceForAll(pty->slavePath());
    QVERIFY(link.open());
    QSignalSpy closedSpy(&link, &SerialLink::portClosedByError);

    pty.reset(); // the other end goes away, as a pulled USB adapter does
    QTRY_VERIFY(!link.isOpen());
    QCOMPARE(closedSpy.count(), 1);
    QSignalSpy sent(&link, &SerialLink::frameSent);
    link.SendFrame("RSID");
    QCOMPARE(sent.count(), 0);
    QVERIFY(handlers.calls.isEmpty());
}

void SerialLinkTest::resourceErrorClosesPortOtherErrorsDoNot()
{
    Pty pty;
    QVERIFY(pty.isValid());
    SerialLink link;
    link.setDeviceForAll(pty.slavePath());
    QVERIFY(link.open());
    QSignalSpy closedSpy(&link, &SerialLink::portClosedByError);

    emit link.port().errorOccurred(QSerialPort::UnsupportedOperationError);
    emit link.port().errorOccurred(QSerialPort::WriteError);
    QVERIFY(link.isOpen());
    QCOMPARE(closedSpy.count(), 0);

    emit link.port().errorOccurred(QSerialPort::ResourceError);
    QVERIFY(!link.isOpen());
    QCOMPARE(closedSpy.count(), 1);
    emit link.port().errorOccurred(QSerialPort::ResourceError); // already closed: nothing more
    QCOMPARE(closedSpy.count(), 1);

    // The port can be opened again once the device is back.
    QVERIFY(link.open());
}

UNITDESK_TEST(SerialLinkTest)
#include "SerialLinkTest.moc"
