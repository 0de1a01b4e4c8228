#include "PortReconnect.h"

#include "SerialLink.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace {
constexpr int LookMs = 1000;

// A device node (or the link naming one) on Linux; a port the system lists on Windows.
bool present(const QString &device)
{
#ifdef Q_OS_WIN
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (info.portName().compare(device, Qt::CaseInsensitive) == 0)
            return true;
    return false;
#else
    return QFileInfo::exists(device);
#endif
}
} // namespace

PortReconnect::PortReconnect(SerialLink &link, QObject *parent) : QObject(parent), m_link(link)
{
    m_timer.setObjectName(QStringLiteral("ReconnectTimer"));
    m_timer.setInterval(LookMs);
    connect(&m_timer, &QTimer::timeout, this, &PortReconnect::look);
    connect(&link, &SerialLink::portClosedByError, this, [this] {
        m_timer.start();
        emit waiting();
    });
}

QString PortReconnect::waitingText()
{
    return QStringLiteral("回線切断 - 再接続待ち");
}

QString PortReconnect::reconnectedText()
{
    return QStringLiteral("再接続しました");
}

void PortReconnect::look()
{
    if (m_link.isOpen()) {
        // Opened anew meanwhile (the port settings window): nothing left to do.
        m_timer.stop();
        return;
    }
    if (!present(m_link.deviceFor(m_link.portNumber())) || !m_link.open())
        return;
    m_link.setLineDefaults();
    m_timer.stop();
    emit reconnected();
}
