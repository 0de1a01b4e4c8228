#pragma once
// The line to the simulated units inside the program: two connected devices, the port's end
// (what the serial link reads and writes) and the units' end. What one end writes becomes
// readable at the other on a later turn of the event loop, as from a serial port; what is
// written while the other end is closed is lost, as on a bus with no listener. As in a
// terminal, a reader that falls behind holds the writer back: no more than Capacity bytes
// wait unread, the rest stays with the writer (bytesToWrite) until they are read. Pacing at
// a baud rate is the writer's (LineWriter), as on a pseudo-terminal.
#include <QByteArray>
#include <QIODevice>

class InProcessLine {
public:
    InProcessLine();
    InProcessLine(const InProcessLine &) = delete;
    InProcessLine &operator=(const InProcessLine &) = delete;

    static constexpr qsizetype Capacity = 4096;

    QIODevice &portEnd() { return m_port; }
    QIODevice &unitEnd() { return m_unit; }

private:
    class End : public QIODevice {
    public:
        explicit End(End *peer) : m_peer(*peer) {}
        bool isSequential() const override { return true; }
        qint64 bytesAvailable() const override { return m_in.size() + QIODevice::bytesAvailable(); }
        // Written and not yet at the other end.
        qint64 bytesToWrite() const override { return m_out.size() + QIODevice::bytesToWrite(); }
        void close() override;

    protected:
        qint64 readData(char *data, qint64 maxSize) override;
        qint64 writeData(const char *data, qint64 size) override;

    private:
        void scheduleDelivery();
        void deliver();

        End &m_peer;
        QByteArray m_in, m_out;
        bool m_deliveryDue = false;
    };

    End m_port, m_unit;
};
