#include "InProcessLine.h"

#include <QMetaObject>
#include <cstring>

InProcessLine::InProcessLine() : m_port(&m_unit), m_unit(&m_port) {}

void InProcessLine::End::close()
{
    // A port's buffers go with it; nothing written before reaches a later opening.
    m_in.clear();
    m_out.clear();
    QIODevice::close();
    if (m_peer.bytesToWrite() > 0)
        m_peer.scheduleDelivery(); // what the other end held back for us is lost now
}

qint64 InProcessLine::End::readData(char *data, qint64 maxSize)
{
    const qint64 n = qMin(maxSize, qint64(m_in.size()));
    std::memcpy(data, m_in.constData(), size_t(n));
    m_in.remove(0, n);
    if (n > 0 && m_peer.bytesToWrite() > 0)
        m_peer.scheduleDelivery(); // room again for what the writer holds
    return n;
}

qint64 InProcessLine::End::writeData(const char *data, qint64 size)
{
    m_out.append(data, size);
    scheduleDelivery();
    return size;
}

void InProcessLine::End::scheduleDelivery()
{
    if (m_deliveryDue)
        return;
    m_deliveryDue = true;
    QMetaObject::invokeMethod(
        this, [this] { deliver(); }, Qt::QueuedConnection);
}

void InProcessLine::End::deliver()
{
    m_deliveryDue = false;
    const bool listening = m_peer.isOpen() && (m_peer.openMode() & QIODevice::ReadOnly);
    const qsizetype n = listening ? qMin(m_out.size(), qMax(qsizetype(0), Capacity - m_peer.m_in.size()))
                                  : m_out.size(); // nobody listens: gone
    if (n == 0)
        return;
    if (listening) {
        m_peer.m_in += m_out.left(n);
        emit m_peer.readyRead();
    }
    m_out.remove(0, n);
    emit bytesWritten(n);
}
