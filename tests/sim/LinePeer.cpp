#include "LinePeer.h"

#include "sim/SimLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>

LinePeer::LinePeer(SimLine &line)
{
    QIODevice *device = line.portDevice();
    if (!device) {
        m_port = std::make_unique<QSerialPort>(line.slavePath());
        m_port->setReadBufferSize(4096); // a reader that falls behind holds the line back
        device = m_port.get();
    }
    if (device->open(QIODevice::ReadWrite))
        m_device = device;
}

LinePeer::~LinePeer()
{
    if (m_device)
        m_device->close();
}

void LinePeer::sendRaw(const QByteArray &bytes)
{
    if (m_device && m_device->write(bytes) != bytes.size())
        qWarning("LinePeer: short write");
}

QByteArray LinePeer::readUntil(const std::function<bool(const QByteArray &)> &done, int timeoutMs)
{
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (m_device && !done(got) && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const QByteArray more = m_device->readAll();
        got += more;
        if (more.isEmpty())
            QThread::msleep(1);
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
