// The frame monitor's record: reads split into frames and noise, the bounded ring, and
// the texts it shows.
#include "testmain.h"

#include "link/FrameLog.h"

#include <QTest>

using Kind = FrameLog::Kind;
using Direction = FrameLog::Direction;

namespace {
// "F:bytes" for a frame, "N:bytes" for noise, stamped "@ms".
QStringList entries(const FrameLog &log)
{
    QStringList out;
    for (qsizetype i = 0; i < log.size(); ++i) {
        const FrameLog::Entry &e = log.at(i);
        out << QString(e.kind == Kind::Frame ? "F:" : "N:") + QString::fromLatin1(e.bytes).replace('\x02', '<').replace('\x03', '>') +
                   "@" + QString::number(e.msecs);
    }
    return out;
}
} // namespace

class FrameLogTest : public QObject {
    Q_OBJECT
private slots:
    void splitsReads_data()
    {
        QTest::addColumn<QList<QByteArray>>("reads"); // read k comes at k ms
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one frame") << QList<QByteArray>{"\x02M01\x03"} << QStringList{"F:<M01>@0"};
        QTest::newRow("frame over two reads, noise around")
            << QList<QByteArray>{"ab\x02M0", "1\x03" "cd"} << QStringList{"N:ab@0", "F:<M01>@0", "N:cd@1"};
        QTest::newRow("lost ETX") << QList<QByteArray>{"\x02M01\x02Y05\x03"} << QStringList{"F:<M01@0", "F:<Y05>@0"};
        QTest::newRow("ETX outside a frame is noise") << QList<QByteArray>{"\x03z"} << QStringList{"N:>z@0"};
        QTest::newRow("noise in lines of 64")
            << QList<QByteArray>{QByteArray(130, 'x')}
            << QStringList{"N:" + QString(64, 'x') + "@0", "N:" + QString(64, 'x') + "@0", "N:xx@0"};
        QTest::newRow("a frame that never ends is noise")
            << QList<QByteArray>{"\x02" + QByteArray(1024, 'y') + "\x02" "A\x03"}
            << QStringList{"N:<" + QString(63, 'y') + "@0"} + QStringList(15, "N:" + QString(64, 'y') + "@0") +
                   QStringList{"N:y@0", "F:<A>@0"};
    }
    void splitsReads()
    {
        QFETCH(QList<QByteArray>, reads);
        FrameLog log;
        for (int k = 0; k < reads.size(); ++k)
            log.received(k, reads[k]);
        QTEST(entries(log), "expected");
    }

    void ringKeepsTheNewest()
    {
        FrameLog log(3);
        for (int k = 0; k < 5; ++k)
            log.sent(k, "\x02" + QByteArray::number(k) + "\x03");
        QCOMPARE(entries(log), (QStringList{"F:<2>@2", "F:<3>@3", "F:<4>@4"}));
        QCOMPARE(log.added(), quint64(5));
        QCOMPARE(log.at(0).direction, Direction::ToUnit);
        log.clear();
        QCOMPARE(log.size(), 0);
        log.sent(9, "\x02Z\x03");
        QCOMPARE(entries(log), QStringList{"F:<Z>@9"});
        QCOMPARE(log.added(), quint64(6));
    }

    // 10 MB of noise: the ring holds the last 100 000 lines of at most 64 bytes.
    void tenMegabytesOfNoise()
    {
        FrameLog log;
        const QByteArray chunk(4096, '\x55');
        for (int k = 0; k < 2560; ++k)
            log.received(k, chunk);
        QCOMPARE(log.size(), FrameLog::Capacity);
        qint64 kept = 0;
        for (qsizetype i = 0; i < log.size(); ++i)
            kept += log.at(i).bytes.size();
        QCOMPARE(kept, qint64(FrameLog::Capacity) * 64);
        QCOMPARE(log.at(log.size() - 1).msecs, 2559);
    }

    void texts()
    {
        const QByteArray frame("\x02M\x0d\xff\x03", 5);
        QCOMPARE(FrameLog::text(frame), QStringLiteral("<STX>M[0D][FF]<ETX>"));
        QCOMPARE(FrameLog::hex(frame), QStringLiteral("02 4D 0D FF 03"));
        const FrameLog::Entry e{QDateTime(QDate(2026, 12, 8), QTime(9, 5, 30, 7)).toMSecsSinceEpoch(),
                                Direction::ToUnit, Kind::Frame, "\x02ID01ID\x03"};
        QCOMPARE(FrameLog::line(e, false), QStringLiteral("09:05:30.007\tPC → 子機\tフレーム\t<STX>ID01ID<ETX>"));
        QCOMPARE(FrameLog::line({0, Direction::FromUnit, Kind::Noise, "ab"}, true).section('\t', 1),
                 QStringLiteral("子機 → PC\tノイズ\t61 62"));
        QVERIFY(FrameLog::hasCode(e, "ID"));
        QVERIFY(!FrameLog::hasCode(e, "IE"));
        QVERIFY(!FrameLog::hasCode({0, Direction::FromUnit, Kind::Noise, "\x02ID"}, "ID"));
    }
};

UNITDESK_TEST(FrameLogTest)
#include "FrameLogTest.moc"
