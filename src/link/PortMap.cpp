#include "PortMap.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSettings>
#include <QStandardPaths>

namespace PortMap {

namespace {

QString canonical(const QString &device)
{
    const QString path = QFileInfo(device).canonicalFilePath();
    return path.isEmpty() ? device : path;
}

// The stable name of a device: its link in /dev/serial/by-id survives a re-plug into
// another USB socket, where /dev/ttyUSBn may change.
QString stableName(const QString &systemLocation)
{
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (canonical(link.absoluteFilePath()) == systemLocation)
            return link.absoluteFilePath();
    return systemLocation;
}

QString adapterText(const QSerialPortInfo &info)
{
    QStringList maker;
    if (!info.manufacturer().isEmpty())
        maker << info.manufacturer();
    if (!info.serialNumber().isEmpty())
        maker << info.serialNumber();
    QString text = info.description().isEmpty() ? QStringLiteral("シリアルポート") : info.description();
    if (!maker.isEmpty())
        text += QStringLiteral(" (") + maker.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

} // namespace

Ports scan()
{
    return QSerialPortInfo::availablePorts();
}

QString inProcessLine()
{
    return QStringLiteral("模擬回線");
}

bool isPresent(const QString &device)
{
    if (device == inProcessLine())
        return true;
#ifdef Q_OS_WIN
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (info.portName().compare(device, Qt::CaseInsensitive) == 0)
            return true;
    return false;
#else
    return QFileInfo::exists(device);
#endif
}

QString describe(const QString &device, const Ports &ports)
{
    const QString dash = QStringLiteral(" — ");
    if (device == inProcessLine())
        return device + dash + QStringLiteral("プログラム内の模擬子機");
    if (!isPresent(device))
        return device + dash + QStringLiteral("見つかりません");
    const QString location = canonical(device);
    for (const QSerialPortInfo &info : ports)
        if (info.systemLocation() == location || info.portName().compare(device, Qt::CaseInsensitive) == 0)
            return location + dash + adapterText(info);
    if (location.startsWith(QLatin1String("/dev/pts/")))
        return location + dash + QStringLiteral("疑似端末");
    return location + dash + QStringLiteral("シリアルポート");
}

QList<PresentPort> presentPorts(const Ports &ports, const QStringList &alsoLook)
{
    QList<PresentPort> out;
    QStringList seen;
    for (const QSerialPortInfo &info : ports) {
#ifdef Q_OS_WIN
        const QString device = info.portName();
#else
        const QString device = stableName(info.systemLocation());
#endif
        out << PresentPort{device, describe(device, ports)};
        seen << canonical(device);
    }
    for (const QString &device : alsoLook) {
        if (!isPresent(device) || seen.contains(canonical(device)) ||
            !canonical(device).startsWith(QLatin1String("/dev/pts/")))
            continue;
        out << PresentPort{device, describe(device, ports)};
        seen << canonical(device);
    }
    return out;
}

QString settingsPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("unitdesk/ports.ini"));
}

QMap<int, QString> savedDevices()
{
    QMap<int, QString> out;
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("devices"));
    for (int n = 1; n <= 26; ++n) {
        const QString device = settings.value(QStringLiteral("COM%1").arg(n)).toString();
        if (!device.isEmpty())
            out.insert(n, device);
    }
    return out;
}

bool saveDevice(int portNumber, const QString &device)
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("devices"));
    const QString key = QStringLiteral("COM%1").arg(portNumber);
    if (device.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, device);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace PortMap
