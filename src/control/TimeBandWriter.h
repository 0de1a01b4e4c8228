#pragma once
// The second frame of a time-band write. The first frame goes out at once; the second
// waits on Timer1 (2000 ms) and is sent at its tick. Its payload is kept until the unit
// acknowledges it ("WK"): an unanswered frame is sent again at the next 1000 ms ticks, at
// most twice more; after that the timer stops and the payload is dropped, so the window
// can read again. A tick never sends an empty payload. With the port closed a tick sends
// nothing and the payload stays for the next tick. QtCore only: no widgets.
#include <QObject>
#include <QTimer>
#include <functional>

class TimeBandWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int FirstDelayMs = 2000;
    static constexpr int ResendMs = 1000;
    static constexpr int Resends = 2;

    // send(payload) sends the second frame when the port is open, false when it is closed.
    TimeBandWriter(std::function<bool(const QByteArray &)> send, QObject *parent);

    // The second payload waits for the first tick (a pending one is replaced).
    void start(const QByteArray &payload);
    // "WK": the timer stops and the payload is dropped.
    void acknowledged();
    // While a second frame is waiting or unanswered, reads are refused.
    bool isPending() const { return !m_payload.isEmpty(); }
    QTimer &timer() { return m_timer; } // "Timer1"

signals:
    void secondFrameSent(); // each send, resends included
    void gaveUp();          // no acknowledgement after the last resend

private:
    void tick();
    void drop();

    std::function<bool(const QByteArray &)> m_send;
    QTimer m_timer;
    QByteArray m_payload;
    int m_sends = 0;
};
