#include "LineWriter.h"

#include <QIODevice>
#include <utility>

LineWriter::LineWriter(QIODevice &device, QObject *parent) : QObject(parent), m_device(device)
{
    connect(&m_device, &QIODevice::bytesWritten, this, &LineWriter::checkDrained);
    m_pace.setObjectName(QStringLiteral("paceTimer"));
    m_pace.setInterval(2);
    connect(&m_pace, &QTimer::timeout, this, &LineWriter::flush);
}

void LineWriter::setBaud(int baud)
{
    m_baud = qMax(0, baud);
    m_paceClock.restart();
    m_pacedSent = 0;
    flush();
}

bool LineWriter::isEmpty() const
{
    return m_pending.isEmpty() && m_device.bytesToWrite() == 0;
}

void LineWriter::write(const QByteArray &bytes)
{
    if (bytes.isEmpty() || m_pending.size() + m_device.bytesToWrite() + bytes.size() > MaxPending)
        return;
    const bool follows = std::exchange(m_continue, false);
    if (m_pending.isEmpty() && !follows) {
        m_paceClock.restart();
        m_pacedSent = 0;
    }
    m_pending += bytes;
    m_sending = true;
    flush();
}

void LineWriter::flush()
{
    qsizetype count = m_pending.size();
    if (m_baud > 0) {
        const qint64 due = m_paceClock.nsecsElapsed() * m_baud / 11 / 1000000000;
        count = qBound(qsizetype(0), qsizetype(due - m_pacedSent), count);
        m_pacedSent += count;
    }
    if (count > 0 && m_device.write(m_pending.constData(), count) == count)
        m_pending.remove(0, count);
    else if (count > 0)
        m_pending.clear(); // the device is gone: nothing of it arrives anywhere
    if (!m_pending.isEmpty() && !m_pace.isActive())
        m_pace.start();
    if (m_pending.isEmpty())
        m_pace.stop();
    checkDrained();
}

void LineWriter::checkDrained()
{
    if (m_sending && isEmpty()) {
        m_sending = false;
        emit drained();
    }
}
