#include "Pty.h"

#include <QElapsedTimer>
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
