#include "PortReconnect.h"

#include "PortMap.h"
#include "SerialLink.h"

namespace {
constexpr int LookMs = 1000;
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
    if (!PortMap::isPresent(m_link.deviceFor(m_link.portNumber())) || !m_link.open())
        return;
    m_link.setLineDefaults();
    m_timer.stop();
    emit reconnected();
}
