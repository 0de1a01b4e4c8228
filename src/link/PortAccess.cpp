#include "PortAccess.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

QString groupToJoin(QSerialPort::SerialPortError error, bool deviceAccessible, const QString &deviceGroup)
{
    // A device we may read and write was refused because it is busy: no group helps.
    if (error != QSerialPort::PermissionError || deviceAccessible)
        return {};
    // Joining root is never the answer; serial devices belong to dialout on Debian.
    if (deviceGroup.isEmpty() || deviceGroup == QLatin1String("root"))
        return QStringLiteral("dialout");
    return deviceGroup;
}

QString groupToJoinFor(const QString &device, QSerialPort::SerialPortError error)
{
#ifdef Q_OS_UNIX
    const QFileInfo info(device); // a symbolic link answers for the device it names
    const bool accessible = ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
    return groupToJoin(error, accessible, info.exists() ? info.group() : QString());
#else
    Q_UNUSED(device)
    Q_UNUSED(error)
    return {}; // other systems grant ports without groups
#endif
}

QString joinGroupNotice(const QString &device, const QString &group)
{
    return QStringLiteral("%1 を開く権限がありません。ユーザーをグループ %2 に加え"
                          "（sudo usermod -aG %2 ユーザー名）、ログインし直してください")
        .arg(device, group);
}

QString joinGroupHint(const QString &device, const QString &group)
{
    return QStringLiteral("this user may not open %1: join the group %2 (sudo usermod -aG %2 $USER) "
                          "and log in again")
        .arg(device, group);
}
