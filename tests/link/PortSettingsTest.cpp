#include "link/PortSettings.h"
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"
#include "link/PortSettingsDialog.h"
#include "link/SerialLink.h"
#include "sim/Pty.h"
#include "testmain.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ComDir = QStringLiteral("C:\\ZRLOG\\COM");
const QByteArray Missing = "<missing>";

QByteArray fileBytes(const QString &logicalPath)
{
    QFile file(DriveMap::toNative(logicalPath));
    if (!file.open(QIODevice::ReadOnly))
        return Missing;
    return file.readAll();
}

void putFile(const QString &logicalPath, const QByteArray &bytes)
{
    if (bytes == Missing)
        return;
    QFile file(DriveMap::toNative(logicalPath));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

class PortSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void appliesStoredSettings_data();
    void appliesStoredSettings();
    void windowCaptionsAndItems();
    void openingShowsSettingsInForce();
    void choiceIsStoredByteForByte_data();
    void choiceIsStoredByteForByte();
    void choiceWithoutSpeedKeepsSpeedInForce();
    void choiceAppliesWhenFilesCannotBeWritten();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Pty> m_pty;
    std::unique_ptr<SerialLink> m_link;
    AppState m_state;
};

void PortSettingsTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    DriveMap::setRoot(m_root->path());
    QVERIFY(DriveMap::ensureDir(ComDir));
    m_pty = std::make_unique<Pty>();
    QVERIFY(m_pty->isValid());
    m_link = std::make_unique<SerialLink>();
    m_link->setDeviceForAll(m_pty->slavePath());
    m_state = AppState();
}

void PortSettingsTest::cleanup()
{
    m_link.reset();
    m_pty.reset();
    m_root.reset();
}

void PortSettingsTest::appliesStoredSettings_data()
{
    QTest::addColumn<QByteArray>("portFile");
    QTest::addColumn<QByteArray>("speedFile");
    QTest::addColumn<int>("portNumber");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("pcLineSpeed");

    // Before each row the port is COM7 at "38400,n,8,2" and PcLineSpeed is "38400".
    const QString com1At4800 = "4800,n,8,2";
    QTest::newRow("first start") << Missing << Missing << 1 << com1At4800 << "4800";
    QTest::newRow("empty files") << QByteArray() << QByteArray() << 1 << com1At4800 << "4800";
    QTest::newRow("line ends only") << QByteArray("\n") << QByteArray("\r\n") << 1 << com1At4800 << "4800";
    QTest::newRow("garbage") << QByteArray("abc\r\n") << QByteArray("xyz\r\n") << 1 << com1At4800 << "4800";
    QTest::newRow("overlong garbage")
        << QByteArray(100000, 'x') << QByteArray(100000, '#') << 1 << com1At4800 << "4800";
    QTest::newRow("COM4 at 115200") << QByteArray("\"03\"\r\n") << QByteArray("\" 5\"\r\n") << 4
                                    << "115200,n,8,2"
                                    << "115200";
    QTest::newRow("LF-only lines") << QByteArray("\"03\"\n") << QByteArray("\" 1\"\n") << 4 << "9600,n,8,2"
                                   << "9600";
    QTest::newRow("COM26") << QByteArray("\"25\"\r\n") << QByteArray("\" 2\"\r\n") << 26 << "19200,n,8,2"
                           << "19200";
    QTest::newRow("57600") << QByteArray("\"00\"\r\n") << QByteArray("\" 4\"\r\n") << 1 << "57600,n,8,2"
                           << "57600";
    QTest::newRow("long line, leading characters count")
        << QByteArray("\"0412345\"\r\n") << QByteArray("\" 3 and more\"\r\n") << 5 << "38400,n,8,2"
        << "38400";
    // Out of range: what the port had stays.
    QTest::newRow("speed index 9") << QByteArray("\"01\"\r\n") << QByteArray("\" 9\"\r\n") << 2
                                   << "38400,n,8,2"
                                   << "38400";
    QTest::newRow("port index 99") << QByteArray("\"99\"\r\n") << QByteArray("\" 0\"\r\n") << 7 << com1At4800
                                   << "4800";
    QTest::newRow("port index -1") << QByteArray("\"-1\"\r\n") << QByteArray("\" 0\"\r\n") << 7 << com1At4800
                                   << "4800";
}

void PortSettingsTest::appliesStoredSettings()
{
    QFETCH(QByteArray, portFile);
    QFETCH(QByteArray, speedFile);
    QFETCH(int, portNumber);
    QFETCH(QString, settings);
    QFETCH(QString, pcLineSpeed);

    putFile(PortSettings::PortFile, portFile);
    putFile(PortSettings::SpeedFile, speedFile);
    QVERIFY(m_link->setPortNumber(7));
    QVERIFY(m_link->setSettings("38400,n,8,2"));
    m_state.PcLineSpeed = "38400";
    QVERIFY(m_link->open()); // an open port is closed first

    ApplyPortSettings(*m_link, m_state);
    QCOMPARE(m_link->portNumber(), portNumber);
    QCOMPARE(m_link->settings(), settings);
    QCOMPARE(m_state.PcLineSpeed, pcLineSpeed);
    QVERIFY(m_link->isOpen());
    QCOMPARE(m_link->port().stopBits(), QSerialPort::TwoStop);
    QCOMPARE(m_link->port().parity(), QSerialPort::NoParity);
    QCOMPARE(m_link->port().dataBits(), QSerialPort::Data8);
    QCOMPARE(m_link->port().flowControl(), QSerialPort::NoFlowControl);
}

void PortSettingsTest::windowCaptionsAndItems()
{
    PortSettingsDialog form(*m_link, m_state);
    QCOMPARE(form.objectName(), QString("Form2"));
    QCOMPARE(form.windowTitle(), QString("環境設定"));
    QVERIFY(form.isWindow());
    QCOMPARE(form.windowType(), Qt::Tool);

    QCOMPARE(form.findChild<QLabel *>("Label1")->text(), QString("通信ポート"));
    QCOMPARE(form.findChild<QLabel *>("Label2")->text(), QString("通信速度"));
    QCOMPARE(form.findChild<QListWidget *>("List1"), form.List1);
    QCOMPARE(form.findChild<QListWidget *>("List2"), form.List2);
    QCOMPARE(form.findChild<QPushButton *>("Command1"), form.Command1);
    QCOMPARE(form.findChild<StatusBar *>("StatusBar1"), form.StatusBar1);
    QCOMPARE(form.Command1->text(), QString("設定終了"));

    QStringList ports;
    for (int n = 1; n <= 26; ++n)
        ports << QString("COM_%1").arg(n);
    QCOMPARE(items(form.List1), ports);
    QCOMPARE(items(form.List2), (QStringList{"4800", "9600", "19200", "38400", "57600", "115200"}));
}

void PortSettingsTest::openingShowsSettingsInForce()
{
    putFile(PortSettings::PortFile, "\"03\"\r\n");
    putFile(PortSettings::SpeedFile, "\" 5\"\r\n");
    PortSettingsDialog form(*m_link, m_state);
    form.prepareToShow();
    QCOMPARE(form.pos(), QPoint(twipsToPixels(3200), twipsToPixels(3400)));
    QCOMPARE(form.StatusBar1->panelText(2), QString("COM : 04 速度 : 115200"));
    QCOMPARE(form.List1->currentRow(), 3);
    QCOMPARE(form.List2->currentRow(), 5);
    QVERIFY(m_link->isOpen());

    // A speed the table does not have leaves the speed list as it was.
    putFile(PortSettings::SpeedFile, "\" 9\"\r\n");
    form.prepareToShow();
    QCOMPARE(form.StatusBar1->panelText(2), QString("COM : 04 速度 : 115200"));
    QCOMPARE(form.List2->currentRow(), 5);
}

void PortSettingsTest::choiceIsStoredByteForByte_data()
{
    QTest::addColumn<int>("portRow");
    QTest::addColumn<int>("speedRow");
    QTest::addColumn<QByteArray>("portFile");
    QTest::addColumn<QByteArray>("speedFile");
    QTest::addColumn<QString>("status");

    QTest::newRow("COM_4, 115200") << 3 << 5 << QByteArray("\"03\"\r\n") << QByteArray("\" 5\"\r\n")
                                   << "COM : 04 速度 : 115200";
    QTest::newRow("COM_26, 9600") << 25 << 1 << QByteArray("\"25\"\r\n") << QByteArray("\" 1\"\r\n")
                                  << "COM : 26 速度 : 9600";
    QTest::newRow("COM_1, 4800") << 0 << 0 << QByteArray("\"00\"\r\n") << QByteArray("\" 0\"\r\n")
                                 << "COM : 01 速度 : 4800";
}

void PortSettingsTest::choiceIsStoredByteForByte()
{
    QFETCH(int, portRow);
    QFETCH(int, speedRow);
    QFETCH(QByteArray, portFile);
    QFETCH(QByteArray, speedFile);
    QFETCH(QString, status);

    PortSettingsDialog form(*m_link, m_state);
    form.prepareToShow();
    form.show();
    form.List1->setCurrentRow(portRow);
    form.List2->setCurrentRow(speedRow);
    QCOMPARE(m_link->portNumber(), 1); // picking only selects
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QCOMPARE(fileBytes(PortSettings::PortFile), portFile);
    QCOMPARE(fileBytes(PortSettings::SpeedFile), speedFile);
    QVERIFY(!form.isVisible());
    QCOMPARE(m_link->portNumber(), portRow + 1);
    QCOMPARE(m_link->settings(), QString(PortSettings::SpeedTable[speedRow].settings));
    QCOMPARE(m_state.PcLineSpeed, QString(PortSettings::SpeedTable[speedRow].speedText));
    QVERIFY(m_link->isOpen());

    // The next start reads the choice back.
    SerialLink next;
    next.setDeviceForAll(m_pty->slavePath());
    AppState nextState;
    m_link->close();
    PortSettingsDialog nextForm(next, nextState);
    nextForm.prepareToShow();
    QCOMPARE(nextForm.StatusBar1->panelText(2), status);
    QCOMPARE(next.portNumber(), portRow + 1);
    QCOMPARE(nextForm.List1->currentRow(), portRow);
    QCOMPARE(nextForm.List2->currentRow(), speedRow);
}

void PortSettingsTest::choiceWithoutSpeedKeepsSpeedInForce()
{
    // A list left without a choice must not store "-1", which would read back as 9600.
    PortSettingsDialog form(*m_link, m_state);
    form.List1->setCurrentRow(25);
    QCOMPARE(form.List2->currentRow(), -1);
    form.Command1->click();
    QCOMPARE(fileBytes(PortSettings::PortFile), QByteArray("\"25\"\r\n"));
    QCOMPARE(fileBytes(PortSettings::SpeedFile), Missing); // no speed has been applied yet

    m_state.PcLineSpeed = "19200";
    QVERIFY(m_link->setSettings("19200,n,8,2"));
    PortSettingsDialog again(*m_link, m_state);
    again.Command1->click();
    QCOMPARE(fileBytes(PortSettings::PortFile), QByteArray("\"25\"\r\n"));
    QCOMPARE(fileBytes(PortSettings::SpeedFile), QByteArray("\" 2\"\r\n"));
    QCOMPARE(m_link->settings(), QString("19200,n,8,2"));
}

void PortSettingsTest::choiceAppliesWhenFilesCannotBeWritten()
{
    QVERIFY(QDir(DriveMap::toNative(ComDir)).removeRecursively());
    PortSettingsDialog form(*m_link, m_state);
    form.show();
    form.List1->setCurrentRow(2);
    form.List2->setCurrentRow(3);
    form.Command1->click();
    QCOMPARE(fileBytes(PortSettings::PortFile), Missing);
    QVERIFY(!form.isVisible());
    QCOMPARE(m_link->portNumber(), 3);
    QCOMPARE(m_state.PcLineSpeed, QString("38400"));
    QVERIFY(m_link->isOpen());
}

UNITDESK_TEST(PortSettingsTest)
#include "PortSettingsTest.moc"
