#include "LinePeer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

LinePeer::LinePeer(const QString &path)
{
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
}

LinePeer::~LinePeer()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void LinePeer::sendRaw(const QByteArray &bytes)
{
    if (m_fd >= 0 && ::write(m_fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        qWarning("LinePeer: short write");
}

QByteArray LinePeer::readUntil(const std::function<bool(const QByteArray &)> &done, int timeoutMs)
{
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (m_fd >= 0 && !done(got) && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, 1) > 0) {
            char buf[4096];
            const ssize_t n = ::read(m_fd, buf, sizeof buf);
            if (n > 0)
                got.append(buf, n);
        }
    }
    return got;
}

QByteArray LinePeer::readFor(int ms)
{
    return readUntil([](const QByteArray &) { return false; }, ms);
}

QByteArray LinePeer::readUntilFrame(const QByteArray &text, int timeoutMs)
{
    const QByteArray end = frame(text);
    return readUntil([&end](const QByteArray &got) { return got.endsWith(end); }, timeoutMs);
}

QByteArray frame(const QByteArray &text)
{
    return '\x02' + text + '\x03';
}

QList<QByteArray> frameTexts(const QByteArray &bytes)
{
    QList<QByteArray> texts;
    QByteArray pending;
    bool inFrame = false;
    for (char c : bytes) {
        if (!inFrame) {
            inFrame = c == '\x02';
        } else if (c == '\x03') {
            texts << pending;
            pending.clear();
            inFrame = false;
        } else {
            pending += c;
        }
    }
    return texts;
}
