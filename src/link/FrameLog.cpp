#include "FrameLog.h"

#include <QDateTime>
#include <utility>

namespace {
constexpr char STX = 0x02;
constexpr char ETX = 0x03;
} // namespace

FrameLog::FrameLog(qsizetype capacity) : m_capacity(qMax<qsizetype>(1, capacity))
{
}

void FrameLog::add(qint64 msecs, Direction direction, Kind kind, const QByteArray &bytes)
{
    Entry e{msecs, direction, kind, bytes};
    if (qsizetype(m_ring.size()) < m_capacity) {
        m_ring.push_back(std::move(e));
        ++m_size;
    } else {
        m_ring[size_t(m_first)] = std::move(e); // the oldest goes
        m_first = (m_first + 1) % m_capacity;
    }
    ++m_added;
}

void FrameLog::addNoise(qint64 msecs, const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); i += NoiseLine)
        add(msecs, Direction::FromUnit, Kind::Noise, bytes.mid(i, NoiseLine));
}

void FrameLog::sent(qint64 msecs, const QByteArray &frame)
{
    add(msecs, Direction::ToUnit, Kind::Frame, frame);
}

void FrameLog::received(qint64 msecs, const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (m_frame.isEmpty()) {
            // Outside a frame: everything up to the next STX is noise.
            qsizetype stx = bytes.indexOf(STX, i);
            if (stx < 0)
                stx = n;
            if (stx > i)
                addNoise(msecs, bytes.mid(i, stx - i));
            if (stx < n) {
                m_frame = QByteArray(1, STX);
                m_frameMsecs = msecs;
            }
            i = stx + 1;
            continue;
        }
        // Inside a frame: up to its ETX, or an STX that starts the next one.
        qsizetype end = i;
        while (end < n && bytes[end] != ETX && bytes[end] != STX)
            ++end;
        m_frame += bytes.mid(i, end - i);
        if (m_frame.size() > LongestFrame) {
            addNoise(m_frameMsecs, m_frame.left(LongestFrame + 1));
            m_frame.remove(0, LongestFrame + 1);
            if (m_frame.isEmpty() && end == n)
                break;
            // What is left of it is noise as well.
            if (!m_frame.isEmpty())
                addNoise(m_frameMsecs, std::exchange(m_frame, {}));
            i = end;
            continue;
        }
        if (end == n)
            break;
        if (bytes[end] == ETX) {
            m_frame += ETX;
            add(m_frameMsecs, Direction::FromUnit, Kind::Frame, std::exchange(m_frame, {}));
            i = end + 1;
        } else {
            // The frame before lost its ETX: it stands as it came.
            add(m_frameMsecs, Direction::FromUnit, Kind::Frame, std::exchange(m_frame, {}));
            m_frame = QByteArray(1, STX);
            m_frameMsecs = msecs;
            i = end + 1;
        }
    }
}

void FrameLog::clear()
{
    m_ring.clear();
    m_first = m_size = 0;
    m_frame.clear();
}

QString FrameLog::text(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = uchar(c);
        if (c == STX)
            out += QStringLiteral("<STX>");
        else if (c == ETX)
            out += QStringLiteral("<ETX>");
        else if (u < 0x20 || u >= 0x7f)
            out += QStringLiteral("[%1]").arg(u, 2, 16, QLatin1Char('0')).toUpper();
        else
            out += QLatin1Char(c);
    }
    return out;
}

QString FrameLog::hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString FrameLog::timeText(qint64 msecs)
{
    return QDateTime::fromMSecsSinceEpoch(msecs).toString(QStringLiteral("HH:mm:ss.zzz"));
}

QString FrameLog::directionText(Direction direction)
{
    return direction == Direction::ToUnit ? QStringLiteral("PC → 子機") : QStringLiteral("子機 → PC");
}

QString FrameLog::kindText(Kind kind)
{
    return kind == Kind::Frame ? QStringLiteral("フレーム") : QStringLiteral("ノイズ");
}

bool FrameLog::hasCode(const Entry &entry, const QByteArray &code)
{
    return entry.kind == Kind::Frame && entry.bytes.size() > code.size() && entry.bytes.startsWith(STX) &&
           entry.bytes.mid(1, code.size()) == code;
}

QString FrameLog::line(const Entry &entry, bool hexView)
{
    return timeText(entry.msecs) + QLatin1Char('\t') + directionText(entry.direction) + QLatin1Char('\t') +
           kindText(entry.kind) + QLatin1Char('\t') + (hexView ? hex(entry.bytes) : text(entry.bytes));
}
