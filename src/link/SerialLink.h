#pragma once
// The one serial port of the program, with the receive assembler in front of the
// dispatcher. Requests never wait: SendFrame writes STX + text + ETX and returns.
#include "PortLock.h"
#include "RxAssembler.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QTimer>
#include <optional>
#include <utility>

class QSocketNotifier;
class ReplyHandlers;

// Decisions on port errors, kept pure so they can be tested.
enum class PortErrorAction { Ignore, Close };
PortErrorAction portErrorAction(QSerialPort::SerialPortError error);

// "COM4=/dev/ttyUSB0": the port number (1..26) and its device; nothing when malformed.
std::optional<std::pair<int, QString>> ParseComMapping(const QString &text);

class SerialLink : public QObject {
    Q_OBJECT
public:
    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // Platform layer: COMn -> device. Defaults: Windows "COMn", Linux "/dev/ttyS<n-1>".
    void setDeviceOverride(int portNumber, const QString &device);
    // Every COMn goes to this device (the simulated line of --demo).
    void setDeviceForAll(const QString &device);
    // Every COMn goes to this device in the program itself (the in-process end of the
    // simulated line of --demo), above everything else. It opens, closes and takes settings
    // as a port does, and never fails; nothing else can be on it, so it takes no lock.
    void setInProcessLine(QIODevice *line);
    // Devices the user picked in the port settings window: below the two above, above the
    // platform's default.
    void setSavedDevices(const QMap<int, QString> &devices) { m_saved = devices; }
    // COMn's device comes from the command line (--com or --demo).
    bool isOverridden(int portNumber) const
    {
        return m_overrides.contains(portNumber) || !m_deviceForAll.isEmpty() || m_line;
    }
    QString deviceFor(int portNumber) const;

    // The operations the port settings need. Each returns false when it failed; callers
    // running in skip-on-error mode just go on.
    bool close();
    bool setPortNumber(int portNumber); // 1..26
    int portNumber() const { return m_portNumber; }
    bool setSettings(const QString &settings); // "9600,n,8,2"
    QString settings() const { return m_settings; }
    bool setLineDefaults(); // no handshaking, RTS off (skipped silently where unsupported)
    // Opens the device of the port number, holding its lock while open: false when the
    // device cannot be opened or another program holds it (lockHolder() says who).
    bool open();
    bool isOpen() const;
    QString lockHolder() const { return m_lock.holder(); }
    // After open() failed for lack of access: the group the user must join; empty otherwise.
    QString groupToJoin() const { return m_groupToJoin; }

    // A frame left incomplete by a read is read on only after this pause (see readAvailable).
    static constexpr int ReadHoldMs = 5;

    // Writes STX + text + ETX in one write when the port is open; does nothing otherwise.
    void SendFrame(const QByteArray &text);

    void setHandlers(ReplyHandlers *handlers) { m_handlers = handlers; }
    RxAssembler &assembler() { return m_assembler; }
    QSerialPort &port() { return m_port; }

signals:
    void frameSent(const QByteArray &frame);
    // Every read, as the port delivered it (the frame monitor's tap).
    void bytesReceived(const QByteArray &bytes);
    void portClosedByError();

private:
    void readAvailable();
    QSocketNotifier *readNotifier() const;
    void onError(QSerialPort::SerialPortError error);
    void setRtsOff();
    // What is read and written: the in-process line when there is one, else the port.
    QIODevice &device();

    QSerialPort m_port;
    QPointer<QIODevice> m_line;
    PortLock m_lock;
    RxAssembler m_assembler;
    QTimer m_readHold; // the port is left unread while it runs
    ReplyHandlers *m_handlers = nullptr;
    int m_portNumber = 1;
    QString m_settings = QStringLiteral("9600,n,8,1"); // the port's own default until settings are applied
    QHash<int, QString> m_overrides;
    QString m_deviceForAll;
    QMap<int, QString> m_saved;
    QString m_groupToJoin;
};
