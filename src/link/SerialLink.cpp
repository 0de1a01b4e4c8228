#include "SerialLink.h"

#include "PortAccess.h"
#include "PortMap.h"
#include "ReplyDispatcher.h"

#include <QRegularExpression>
#include <QSocketNotifier>
#include <optional>

PortErrorAction portErrorAction(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
        // The device went away (a USB adapter pulled out): only closing helps.
        return PortErrorAction::Close;
    case QSerialPort::ReadError:
        // The line was hung up (the read gave nothing although data was announced). The
        // port never receives again: on Linux it would announce the same again and again
        // without end, on Windows it stops reading. Closed, it can be chosen anew.
        return PortErrorAction::Close;
    case QSerialPort::NoError:
    case QSerialPort::DeviceNotFoundError: // open failed: the port is closed already
    case QSerialPort::PermissionError:     // open failed: in use or no access
    case QSerialPort::OpenError:           // opened twice: the open port still works
    case QSerialPort::NotOpenError:
    case QSerialPort::UnsupportedOperationError: // a line the device cannot set (RTS on a pty)
    case QSerialPort::WriteError:                // one frame lost; the download watchdog resends
    case QSerialPort::TimeoutError:              // only the blocking calls give it; none is used
    case QSerialPort::UnknownError:              // a working port is not given up on a guess
        return PortErrorAction::Ignore;
    }
    return PortErrorAction::Ignore;
}

std::optional<std::pair<int, QString>> ParseComMapping(const QString &text)
{
    static const QRegularExpression com(QStringLiteral("^COM([1-9]|1[0-9]|2[0-6])=(.+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return std::pair{m.captured(1).toInt(), m.captured(2)};
}

namespace {

struct LineSettings {
    qint32 baudRate;
    QSerialPort::Parity parity;
    QSerialPort::DataBits dataBits;
    QSerialPort::StopBits stopBits;
};

// "9600,n,8,2": speed, parity letter, data bits, stop bits.
std::optional<LineSettings> parseSettings(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    LineSettings s{};
    bool ok = false;
    s.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baudRate <= 0)
        return std::nullopt;

    const QString parity = parts[1].trimmed().toLower();
    if (parity == QLatin1String("n"))
        s.parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("e"))
        s.parity = QSerialPort::EvenParity;
    else if (parity == QLatin1String("o"))
        s.parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("m"))
        s.parity = QSerialPort::MarkParity;
    else if (parity == QLatin1String("s"))
        s.parity = QSerialPort::SpaceParity;
    else
        return std::nullopt;

    const int dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || dataBits < 5 || dataBits > 8)
        return std::nullopt;
    s.dataBits = QSerialPort::DataBits(dataBits);

    const QString stop = parts[3].trimmed();
    if (stop == QLatin1String("1"))
        s.stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("1.5"))
        s.stopBits = QSerialPort::OneAndHalfStop;
    else if (stop == QLatin1String("2"))
        s.stopBits = QSerialPort::TwoStop;
    else
        return std::nullopt;
    return s;
}

} // namespace

SerialLink::SerialLink(QObject *parent) : QObject(parent)
{
    setSettings(m_settings);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::readAvailable);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
    m_readHold.setSingleShot(true);
    m_readHold.setInterval(ReadHoldMs);
    connect(&m_readHold, &QTimer::timeout, this, [this] {
        if (QSocketNotifier *notifier = readNotifier())
            notifier->setEnabled(true); // what came meanwhile is read at once, in one piece
    });
}

SerialLink::~SerialLink()
{
    // No error signal may reach a half-destroyed link.
    disconnect(&m_port, nullptr, this, nullptr);
    m_port.close();
    if (m_line)
        m_line->close();
}

void SerialLink::setDeviceOverride(int portNumber, const QString &device)
{
    m_overrides.insert(portNumber, device);
}

void SerialLink::setDeviceForAll(const QString &device)
{
    m_deviceForAll = device;
}

void SerialLink::setInProcessLine(QIODevice *line)
{
    close();
    if (m_line)
        disconnect(m_line, nullptr, this, nullptr);
    m_line = line;
    if (m_line)
        connect(m_line, &QIODevice::readyRead, this, &SerialLink::readAvailable);
}

QIODevice &SerialLink::device()
{
    if (m_line)
        return *m_line;
    return m_port;
}

QString SerialLink::deviceFor(int portNumber) const
{
    if (m_line)
        return PortMap::inProcessLine();
    const auto it = m_overrides.constFind(portNumber);
    if (it != m_overrides.constEnd())
        return *it;
    if (!m_deviceForAll.isEmpty())
        return m_deviceForAll;
    if (const auto saved = m_saved.constFind(portNumber); saved != m_saved.constEnd())
        return *saved;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

bool SerialLink::close()
{
    if (!isOpen())
        return false;
    device().close();
    m_lock.unlock();
    return true;
}

bool SerialLink::setPortNumber(int portNumber)
{
    // As with the serial control, the number of an open port cannot change.
    if (isOpen() || portNumber < 1 || portNumber > 26)
        return false;
    m_portNumber = portNumber;
    return true;
}

bool SerialLink::setSettings(const QString &settings)
{
    const std::optional<LineSettings> s = parseSettings(settings);
    if (!s)
        return false;
    m_settings = settings;
    // A closed port keeps these and applies them when it opens.
    bool ok = m_port.setBaudRate(s->baudRate);
    ok = m_port.setParity(s->parity) && ok;
    ok = m_port.setDataBits(s->dataBits) && ok;
    ok = m_port.setStopBits(s->stopBits) && ok;
    return ok;
}

bool SerialLink::setLineDefaults()
{
    bool ok = m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (m_port.isOpen())
        setRtsOff();
    return ok;
}

void SerialLink::setRtsOff()
{
    // A pseudo-terminal has no RTS line and refuses this; the port works all the same.
    m_port.setRequestToSend(false);
}

bool SerialLink::open()
{
    if (isOpen())
        return false;
    m_groupToJoin.clear();
    if (m_line)
        return m_line->open(QIODevice::ReadWrite);
    const QString device = deviceFor(m_portNumber);
    if (!m_lock.lock(device))
        return false;
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_groupToJoin = groupToJoinFor(device, m_port.error());
        m_lock.unlock();
        return false;
    }
    setRtsOff(); // opening raises RTS on most devices
    return true;
}

bool SerialLink::isOpen() const
{
    return m_line ? m_line->isOpen() : m_port.isOpen();
}

void SerialLink::SendFrame(const QByteArray &text)
{
    if (!isOpen())
        return;
    const QByteArray frame = RxAssembler::STX + text + RxAssembler::ETX;
    if (device().write(frame) == frame.size())
        emit frameSent(frame);
}

void SerialLink::readAvailable()
{
    const QByteArray bytes = device().readAll();
    emit bytesReceived(bytes);
    m_assembler.feed(bytes, [this](const QByteArray &text, QByteArray &rxCode) {
        if (m_handlers)
            DispatchReply(text, rxCode, *m_handlers);
    });
    // A pseudo-terminal or a UART hands on what came in the last millisecond or two, so a
    // reply arriving in pieces would wake the program every few characters, and each wake
    // costs far more than the characters. Inside a frame the rest is let gather for a few
    // milliseconds and read in one piece: a reply is handled at most ReadHoldMs after its
    // ETX, and the first character of a reply is still read as it comes. (Where the port
    // has no socket notifier, on Windows, the system's driver gathers the characters.)
    if (m_assembler.RxSynced && !m_readHold.isActive())
        if (QSocketNotifier *notifier = readNotifier()) {
            notifier->setEnabled(false);
            m_readHold.start();
        }
}

QSocketNotifier *SerialLink::readNotifier() const
{
    // QSerialPort reads through a socket notifier of its own, a child of the port, made anew
    // at every open; it reads again as soon as the notifier is enabled.
    if (!m_port.isOpen())
        return nullptr;
    for (QSocketNotifier *n : m_port.findChildren<QSocketNotifier *>(Qt::FindDirectChildrenOnly))
        if (n->type() == QSocketNotifier::Read)
            return n;
    return nullptr;
}

void SerialLink::onError(QSerialPort::SerialPortError error)
{
    if (portErrorAction(error) != PortErrorAction::Close || !m_port.isOpen())
        return;
    m_port.close();
    m_lock.unlock();
    emit portClosedByError();
}
