#include "Pty.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

Pty::Pty()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return;
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        close();
        return;
    }
    m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
    m_keepSlave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios t{};
    if (m_keepSlave >= 0 && tcgetattr(m_keepSlave, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(m_keepSlave, TCSANOW, &t);
    }
}

Pty::~Pty()
{
    close();
}

void Pty::close()
{
    if (m_keepSlave >= 0)
        ::close(m_keepSlave);
    if (m_master >= 0)
        ::close(m_master);
    m_keepSlave = m_master = -1;
}

QByteArray Pty::readAvailable()
{
    QByteArray out;
    if (m_master < 0)
        return out;
    char buf[4096];
    for (;;) {
        ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n <= 0)
            break;
        out.append(buf, n);
    }
    return out;
}

QByteArray Pty::readFor(int timeoutMs, int minBytes)
{
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (m_master >= 0 && out.size() < minBytes) {
        int left = timeoutMs - int(clock.elapsed());
        if (left <= 0)
            break;
        pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, left) <= 0)
            break;
        out += readAvailable();
    }
    return out;
}

bool Pty::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                pollfd p{m_master, POLLOUT, 0};
                ::poll(&p, 1, 100);
                continue;
            }
            return false;
        }
        done += n;
    }
    return done == bytes.size();
}

PtyDevice::PtyDevice()
{
    if (!m_pty.isValid())
        return;
    m_readable = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &QIODevice::readyRead);
    m_writable = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &PtyDevice::flush);
    open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

PtyDevice::~PtyDevice() = default;

qint64 PtyDevice::readData(char *data, qint64 maxSize)
{
    const ssize_t n = ::read(m_pty.masterFd(), data, size_t(maxSize));
    return n > 0 ? n : 0; // nothing now (EAGAIN); the slave side is kept open, so never an end
}

qint64 PtyDevice::writeData(const char *data, qint64 size)
{
    m_out.append(data, size);
    flush();
    return size;
}

void PtyDevice::flush()
{
    qsizetype done = 0;
    while (done < m_out.size()) {
        const ssize_t n = ::write(m_pty.masterFd(), m_out.constData() + done, size_t(m_out.size() - done));
        if (n <= 0)
            break; // EAGAIN: the reader is behind; go on when the terminal takes more
        done += n;
    }
    m_out.remove(0, done);
    m_writable->setEnabled(!m_out.isEmpty());
    if (done > 0)
        emit bytesWritten(done);
}
