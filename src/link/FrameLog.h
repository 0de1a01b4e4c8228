#pragma once
// What the frame monitor keeps: every frame sent and received, and the bytes that came
// outside any frame (noise), with the time they passed the port. A ring of a fixed number
// of entries, so that its memory is bounded whatever the line does. Pure QtCore.
#include <QByteArray>
#include <QString>
#include <vector>

class FrameLog {
public:
    enum class Direction : quint8 { ToUnit, FromUnit };
    enum class Kind : quint8 { Frame, Noise };
    struct Entry {
        qint64 msecs = 0; // since the epoch
        Direction direction = Direction::FromUnit;
        Kind kind = Kind::Frame;
        QByteArray bytes; // STX and ETX included where they came
    };

    static constexpr qsizetype Capacity = 100000;
    // Noise is kept in lines of at most this many bytes.
    static constexpr qsizetype NoiseLine = 64;
    // A frame not ended after this many bytes was noise (no unit sends one so long).
    static constexpr qsizetype LongestFrame = 1024;

    explicit FrameLog(qsizetype capacity = Capacity);

    void sent(qint64 msecs, const QByteArray &frame);
    // Bytes as the port delivered them: split into frames and noise, a frame that is not
    // complete yet waits for the rest.
    void received(qint64 msecs, const QByteArray &bytes);
    // Forgets every entry (numbering goes on).
    void clear();

    qsizetype size() const { return m_size; }
    // 0 is the oldest entry kept.
    const Entry &at(qsizetype i) const { return m_ring[size_t((m_first + i) % m_capacity)]; }
    // Entries ever added: entry i is number added() - size() + i.
    quint64 added() const { return m_added; }

    // Display: the bytes with STX and ETX shown as "<STX>" and "<ETX>", other bytes outside
    // printable ASCII as "[hh]"; or every byte in hex ("02 4D 30 03").
    static QString text(const QByteArray &bytes);
    static QString hex(const QByteArray &bytes);
    static QString timeText(qint64 msecs); // "09:05:30.123", local time
    static QString directionText(Direction direction); // "PC → 子機", "子機 → PC"
    static QString kindText(Kind kind);                 // "フレーム", "ノイズ"
    // A frame whose text (after STX) begins with this code.
    static bool hasCode(const Entry &entry, const QByteArray &code);
    // One line of a saved monitor: time, direction, kind and the bytes, TAB-separated.
    static QString line(const Entry &entry, bool hexView);

private:
    void add(qint64 msecs, Direction direction, Kind kind, const QByteArray &bytes);
    void addNoise(qint64 msecs, const QByteArray &bytes);

    qsizetype m_capacity;
    std::vector<Entry> m_ring;
    qsizetype m_first = 0, m_size = 0;
    quint64 m_added = 0;
    QByteArray m_frame; // begun with STX, not ended yet
    qint64 m_frameMsecs = 0;
};
