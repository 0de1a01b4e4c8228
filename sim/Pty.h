#pragma once
// A pseudo-terminal pair: the master side is ours, the slave path is what a serial port
// opens. Used by the simulated unit line (unitsim, and the tests that need a real serial
// device) and by tests that watch the bytes a port sends. Built where the system has
// pseudo-terminals only: the rest of sim/ reaches it through SimWire.
#include <QByteArray>
#include <QIODevice>
#include <QString>

class QSocketNotifier;

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

// The master side of a new pseudo-terminal as a device, for the simulated units: readyRead
// when the slave side has written; writes queue and leave as the terminal takes them
// (bytesWritten), never blocking.
class PtyDevice : public QIODevice {
public:
    PtyDevice(); // open ReadWrite when the terminal could be made
    ~PtyDevice() override;

    bool isValid() const { return m_pty.isValid(); }
    QString slavePath() const { return m_pty.slavePath(); }

    bool isSequential() const override { return true; }
    qint64 bytesToWrite() const override { return m_out.size() + QIODevice::bytesToWrite(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void flush();

    Pty m_pty;
    QSocketNotifier *m_readable = nullptr;
    QSocketNotifier *m_writable = nullptr;
    QByteArray m_out;
};
