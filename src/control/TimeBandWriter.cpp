#include "TimeBandWriter.h"

TimeBandWriter::TimeBandWriter(std::function<bool(const QByteArray &)> send, QObject *parent)
    : QObject(parent), m_send(std::move(send)), m_timer(this)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    connect(&m_timer, &QTimer::timeout, this, &TimeBandWriter::tick);
}

void TimeBandWriter::start(const QByteArray &payload)
{
    m_payload = payload;
    m_sends = 0;
    m_timer.stop();
    m_timer.setInterval(FirstDelayMs);
    m_timer.start();
}

void TimeBandWriter::acknowledged()
{
    drop();
}

void TimeBandWriter::drop()
{
    m_timer.stop();
    m_payload.clear();
    m_sends = 0;
}

void TimeBandWriter::tick()
{
    if (m_payload.isEmpty()) {
        m_timer.stop();
        return;
    }
    if (m_sends > Resends) {
        drop();
        emit gaveUp();
        return;
    }
    if (!m_send(m_payload))
        return;
    ++m_sends;
    m_timer.setInterval(ResendMs);
    emit secondFrameSent();
}
