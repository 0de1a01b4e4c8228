#pragma once
// A port refused for lack of access: on Linux the user must join the group that owns the
// device and log in again. Deciding that is kept pure so it can be tested as any user.
#include <QSerialPort>
#include <QString>

// The group to join after opening a device failed with this error; empty when joining a
// group would not help (another failure, or a device we may open but that is busy).
// deviceGroup is the device's owning group; "root" or unknown gives Debian's "dialout".
QString groupToJoin(QSerialPort::SerialPortError error, bool deviceAccessible, const QString &deviceGroup);

// Looks at the device (our access to it, its group) and decides as above.
QString groupToJoinFor(const QString &device, QSerialPort::SerialPortError error);

// The window's notice and the command line's hint, both naming the device and the group.
QString joinGroupNotice(const QString &device, const QString &group);
QString joinGroupHint(const QString &device, const QString &group);
