#pragma once
// The program's end of a simulated line in tests: a serial port on the pseudo-terminal, or
// the in-process line's port end (see TestLine.h), pumping the event loop (where the line
// runs) while it waits.
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QIODevice;
class QSerialPort;
class SimLine;

class LinePeer {
public:
    explicit LinePeer(SimLine &line);
    ~LinePeer();
    LinePeer(const LinePeer &) = delete;
    LinePeer &operator=(const LinePeer &) = delete;

    bool isOpen() const { return m_device != nullptr; }
    void send(const QByteArray &text) { sendRaw('\x02' + text + '\x03'); }
    void sendRaw(const QByteArray &bytes);

    // Everything received until done(received) holds or timeoutMs pass.
    QByteArray readUntil(const std::function<bool(const QByteArray &)> &done, int timeoutMs = 3000);
    // Everything received in the next ms milliseconds.
    QByteArray readFor(int ms);
    // Received bytes until the stream ends with frame text (STX text ETX).
    QByteArray readUntilFrame(const QByteArray &text, int timeoutMs = 3000);

private:
    std::unique_ptr<QSerialPort> m_port; // on a pseudo-terminal
    QIODevice *m_device = nullptr;
};

QByteArray frame(const QByteArray &text);
// The frame texts in bytes, as a receiver assembles them (noise outside frames dropped).
QList<QByteArray> frameTexts(const QByteArray &bytes);
