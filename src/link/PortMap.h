#pragma once
// Which device stands behind each COMn: the present serial ports with their adapter's
// description, and the device a user picked for a COMn, kept in a small settings file of
// our own in the platform's configuration folder (never among the system's files).
#include <QList>
#include <QMap>
#include <QSerialPortInfo>
#include <QString>

namespace PortMap {

struct PresentPort {
    QString device;      // the name to open: /dev/serial/by-id/... where there is one
    QString description; // "/dev/ttyUSB0 — FT232R USB UART (FTDI, A50285BI)"
};

// One look at the system's serial ports (it reads the device tree: not cheap, so one a
// refresh, which the functions below share).
using Ports = QList<QSerialPortInfo>;
Ports scan();
// The serial ports present, and the pseudo-terminals among `alsoLook` (the simulated
// line's, which the system does not list as serial ports).
QList<PresentPort> presentPorts(const Ports &ports, const QStringList &alsoLook = {});
// "/dev/ttyUSB0 — FT232R USB UART (FTDI, A50285BI)", "/dev/pts/3 — 疑似端末",
// "/dev/ttyS3 — 見つかりません" (not present); on Windows "COM3 — <description>";
// "模擬回線 — プログラム内の模擬子機" (the in-process line).
QString describe(const QString &device, const Ports &ports);
// A device node (or the link naming one) on Linux; a port the system lists on Windows.
bool isPresent(const QString &device);
// The device of every COMn on the simulated line inside the program (--demo).
QString inProcessLine();

// The settings file and the devices kept in it.
QString settingsPath();
QMap<int, QString> savedDevices();
// An empty device forgets the choice (COMn goes back to its default).
bool saveDevice(int portNumber, const QString &device);

} // namespace PortMap
