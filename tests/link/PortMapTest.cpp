// Ports by their device names: what stands behind a COMn and whether it is there, the
// device a user puts behind it (kept in our own settings file) and the order in which the
// command line, the saved choice and the default count.
#include "testmain.h"

#include "common/AppState.h"
#include "common/DriveMap.h"
#include "link/PortMap.h"
#include "link/PortSettingsDialog.h"
#include "link/SerialLink.h"
#include "sim/Pty.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

class PortMapTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
        m_root = std::make_unique<QTemporaryDir>();
        DriveMap::setRoot(m_root->path());
    }

    void describesDevices()
    {
        Pty pty;
        const QString pts = QFileInfo(pty.slavePath()).canonicalFilePath();
        const PortMap::Ports ports = PortMap::scan();
        QCOMPARE(PortMap::describe(pty.slavePath(), ports), pts + QStringLiteral(" — 疑似端末"));
        QCOMPARE(PortMap::describe("/dev/unitdesk-none", ports), QStringLiteral("/dev/unitdesk-none — 見つかりません"));
        bool listed = false;
        for (const PortMap::PresentPort &p : PortMap::presentPorts(ports, {pty.slavePath(), "/dev/unitdesk-none"})) {
            QVERIFY(p.device != "/dev/unitdesk-none");
            listed = listed || p.device == pty.slavePath();
        }
        QVERIFY(listed);
    }

    void savedDeviceBetweenCommandLineAndDefault()
    {
        QVERIFY(PortMap::saveDevice(4, "/dev/serial/by-id/usb-x"));
        QVERIFY(PortMap::settingsPath().startsWith(m_config->path()));
        QCOMPARE(PortMap::savedDevices(), (QMap<int, QString>{{4, "/dev/serial/by-id/usb-x"}}));
        SerialLink link;
        link.setSavedDevices(PortMap::savedDevices());
        QCOMPARE(link.deviceFor(4), QString("/dev/serial/by-id/usb-x"));
        QCOMPARE(link.deviceFor(5), QString("/dev/ttyS4"));
        QVERIFY(!link.isOverridden(4));
        link.setDeviceOverride(4, "/dev/ttyUSB1");
        QCOMPARE(link.deviceFor(4), QString("/dev/ttyUSB1"));
        QVERIFY(link.isOverridden(4));
        QVERIFY(PortMap::saveDevice(4, QString()));
        QVERIFY(PortMap::savedDevices().isEmpty());
    }

    // 環境設定 shows the device behind the chosen port beside its own controls, and puts a
    // present one behind it; its lists stay as they are.
    void windowShowsAndPicksTheDevice()
    {
        Pty pty;
        const QString pts = QFileInfo(pty.slavePath()).canonicalFilePath();
        QVERIFY(PortMap::saveDevice(1, pty.slavePath()));
        AppState state;
        SerialLink link;
        link.setSavedDevices(PortMap::savedDevices());
        PortSettingsDialog form(link, state);
        form.prepareToShow();
        QVERIFY(link.isOpen()); // COM1 in force, opened on the device picked for it, opened on the device picked for it
        QCOMPARE(form.List1->item(0)->text(), QString("COM_1"));
        QCOMPARE(form.lblDevice->text(), "COM_1: " + pts + QStringLiteral(" — 疑似端末"));
        QCOMPARE(form.List1->item(0)->toolTip(), pts + QStringLiteral(" — 疑似端末"));
        QCOMPARE(form.cboDevice->currentData().toString(), pty.slavePath());
        QVERIFY(form.cboDevice->isEnabled());

        form.List1->setCurrentRow(2);
        QVERIFY(form.lblDevice->text().startsWith("COM_3: /dev/ttyS2 — "));
        QCOMPARE(form.cboDevice->currentIndex(), 0); // the default
        const int ptyEntry = form.cboDevice->findData(pty.slavePath());
        QVERIFY(ptyEntry > 0);
        form.cboDevice->setCurrentIndex(ptyEntry);
        emit form.cboDevice->activated(ptyEntry);
        QCOMPARE(PortMap::savedDevices().value(3), pty.slavePath());
        QCOMPARE(link.deviceFor(3), pty.slavePath());
        QCOMPARE(form.lblDevice->text(), "COM_3: " + pts + QStringLiteral(" — 疑似端末"));

        emit form.cboDevice->activated(0); // back to the default
        QVERIFY(!PortMap::savedDevices().contains(3));

        link.setDeviceOverride(3, pty.slavePath());
        form.showDevices();
        QVERIFY(form.lblDevice->text().endsWith(QStringLiteral("（コマンドラインで指定）")));
        QVERIFY(!form.cboDevice->isEnabled());
        link.close();
    }

private:
    std::unique_ptr<QTemporaryDir> m_config, m_root;
};

UNITDESK_TEST(PortMapTest)
#include "PortMapTest.moc"
