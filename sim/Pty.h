#pragma once
// A pseudo-terminal pair: the master side is ours, the slave path is what a serial port
// opens. Used by the simulated unit line and by tests that watch the bytes a port sends.
#include <QByteArray>
#include <QString>

class Pty {
public:
    Pty();  // opens the master in raw, non-blocking mode
    ~Pty(); // closes it
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    bool isValid() const { return m_master >= 0; }
    int masterFd() const { return m_master; }
    QString slavePath() const { return m_slavePath; }

    QByteArray readAvailable(); // whatever the slave side has written, never blocks
    // Waits up to timeoutMs for at least minBytes (or until nothing more comes).
    QByteArray readFor(int timeoutMs, int minBytes = 1);
    bool write(const QByteArray &bytes); // writes all of it
    void close();

private:
    int m_master = -1;
    int m_keepSlave = -1; // keeps the slave side alive while no port has it open
    QString m_slavePath;
};
