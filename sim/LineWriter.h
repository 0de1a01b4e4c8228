#pragma once
// The sending side of the simulated line: bytes leave through a queue, either as fast as
// the reader takes them or paced at a baud rate (11 bit-times per character), and never
// block the event loop.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QSocketNotifier;

class LineWriter : public QObject {
    Q_OBJECT
public:
    LineWriter(int fd, QObject *parent = nullptr);

    void setBaud(int baud); // 0 = unpaced
    int baud() const { return m_baud; }

    void write(const QByteArray &bytes);
    bool isEmpty() const { return m_pending.isEmpty(); }

    // What nobody reads is dropped beyond this, as on a bus with no listener.
    static constexpr qsizetype MaxPending = 1 << 20;

signals:
    void drained(); // the queue has just become empty

private:
    void flush();
    qsizetype writeSome(qsizetype count);

    int m_fd;
    int m_baud = 0;
    QByteArray m_pending;
    QSocketNotifier *m_writable;
    QTimer m_pace;
    QElapsedTimer m_paceClock; // since the queue last started filling
    qint64 m_pacedSent = 0;    // characters sent since then
};
