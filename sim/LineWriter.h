#pragma once
// The sending side of the simulated line: bytes leave through a queue onto the units' end
// of the wire, either as fast as the reader takes them or paced at a baud rate (11
// bit-times per character), and never block the event loop.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QIODevice;

class LineWriter : public QObject {
    Q_OBJECT
public:
    explicit LineWriter(QIODevice &device, QObject *parent = nullptr);

    void setBaud(int baud); // 0 = unpaced
    int baud() const { return m_baud; }

    void write(const QByteArray &bytes);
    // The next bytes follow the last ones at once (the next day of a streamed month): they
    // are paced from when the last ones were due to leave, not from when they are written,
    // so that the time the reader takes in between is not added to the line's.
    void continueSchedule() { m_continue = true; }
    // Nothing queued here or on its way through the device.
    bool isEmpty() const;

    // What nobody reads is dropped beyond this, as on a bus with no listener.
    static constexpr qsizetype MaxPending = 1 << 20;

signals:
    void drained(); // everything written has just left

private:
    void flush();
    void checkDrained();

    QIODevice &m_device;
    int m_baud = 0;
    QByteArray m_pending;
    bool m_sending = false; // written since the last drained()
    bool m_continue = false;
    QTimer m_pace;
    QElapsedTimer m_paceClock; // since the queue last started filling
    qint64 m_pacedSent = 0;    // characters sent since then
};
