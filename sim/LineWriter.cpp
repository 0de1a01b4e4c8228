#include "LineWriter.h"

#include <QSocketNotifier>
#include <cerrno>
#include <unistd.h>

LineWriter::LineWriter(int fd, QObject *parent)
    : QObject(parent), m_fd(fd), m_writable(new QSocketNotifier(fd, QSocketNotifier::Write, this))
{
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &LineWriter::flush);
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

void LineWriter::write(const QByteArray &bytes)
{
    if (bytes.isEmpty() || m_pending.size() + bytes.size() > MaxPending)
        return;
    if (m_pending.isEmpty()) {
        m_paceClock.restart();
        m_pacedSent = 0;
    }
    m_pending += bytes;
    flush();
}

qsizetype LineWriter::writeSome(qsizetype count)
{
    count = qMin(count, m_pending.size());
    if (count <= 0 || m_fd < 0)
        return 0;
    const ssize_t n = ::write(m_fd, m_pending.constData(), size_t(count));
    if (n <= 0)
        return 0; // EAGAIN: the reader is behind; try again when writable
    m_pending.remove(0, n);
    return n;
}

void LineWriter::flush()
{
    const bool had = !m_pending.isEmpty();
    if (m_baud > 0) {
        const qint64 due = m_paceClock.nsecsElapsed() * m_baud / 11 / 1000000000;
        m_pacedSent += writeSome(qsizetype(due - m_pacedSent));
    } else {
        writeSome(m_pending.size());
    }
    const bool blocked = !m_pending.isEmpty();
    m_writable->setEnabled(blocked && m_baud == 0);
    if (blocked && m_baud > 0 && !m_pace.isActive())
        m_pace.start();
    if (!blocked) {
        m_pace.stop();
        if (had)
            emit drained();
    }
}
