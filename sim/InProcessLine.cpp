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
}

qint64 InProcessLine::End::readData(char *data, qint64 maxSize)
{
    const qint64 n = qMin(maxSize, qint64(m_in.size()));
    std::memcpy(data, m_in.constData(), size_t(n));
    m_in.remove(0, n);
    return n;
}

qint64 InProcessLine::End::writeData(const char *data, qint64 size)
{
    m_out.append(data, size);
    if (!m_deliveryDue) {
        m_deliveryDue = true;
        QMetaObject::invokeMethod(
            this, [this] { deliver(); }, Qt::QueuedConnection);
    }
    return size;
}

void InProcessLine::End::deliver()
{
    m_deliveryDue = false;
    const QByteArray bytes = std::exchange(m_out, QByteArray());
    if (bytes.isEmpty())
        return;
    if (m_peer.isOpen() && (m_peer.openMode() & QIODevice::ReadOnly)) {
        m_peer.m_in += bytes;
        emit m_peer.readyRead();
    }
    emit bytesWritten(bytes.size());
}
