#include "../TestLine.h"
#include "LinePeer.h"
#include "sim/SimLine.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

const QDateTime June1st(QDate(2013, 6, 1), QTime(12, 0));

// A quiet line (no spontaneous replies) with frozen clocks and the program's end open.
struct Fixture {
    SimLine line{testLineKind()};
    std::unique_ptr<LinePeer> peer;

    explicit Fixture(const QDateTime &clock = June1st)
    {
        line.setMonitorIntervalMs(0);
        line.setClockIntervalMs(0);
        line.setClock(clock, false);
        peer = std::make_unique<LinePeer>(line);
    }
    // Puts a unit on the line, on the line's clock, and selects it.
    void use(SimUnit u, const QDateTime &clock = June1st)
    {
        u.setClock(clock, false);
        line.setUnit(u);
        line.setSelectedUnit(u.id);
    }
};

SimUnit makeUnit(const QByteArray &id, const QByteArray &kind, int channel, bool streaming)
{
    SimUnit u;
    u.id = id;
    u.kind = kind;
    u.channel = channel;
    u.streaming = streaming;
    return u;
}

// Header and records of one day, framed, as the unit sends them.
QByteArray dayFrames(const SimUnit &u, int yy, int mm, int dd, int records)
{
    QByteArray out = frame(QByteArray("Y") + QByteArray::number(u.channel).rightJustified(2, '0') +
                           u.streamFlag() + QByteArray::number(dd).rightJustified(2, '0'));
    for (int slot = 0; slot < records; ++slot)
        out += frame("M" + unitreply::recordPayload(u.id, u.kind, yy, mm, dd, slot));
    return out;
}

int field(const QByteArray &payload, int index, int width = 4)
{
    return payload.mid(index * width, width).toInt();
}

} // namespace

class SimLineTest : public QObject {
    Q_OBJECT
private slots:
    void unitSelection_data();
    void unitSelection();
    void waterSprayPollLayout();
    void clockReplyLayout_data();
    void clockReplyLayout();
    void spontaneousRepliesPauseDuringTransfer();
    void dayDownload_data();
    void dayDownload();
    void recordValuesReachTheClampedRanges_data();
    void recordValuesReachTheClampedRanges();
    void streamedRangeRunsToMonthEnd_data();
    void streamedRangeRunsToMonthEnd();
    void streamedMonthDoesNotBlockTheEventLoop();
    void dayByDayUnitSendsOnlyTheRequestedDay();
    void todayEndsAtTheCurrentHalfHour_data();
    void todayEndsAtTheCurrentHalfHour();
    void streamedRangeStopsAtToday();
    void daysAfterTodayAndImpossibleDates_data();
    void daysAfterTodayAndImpossibleDates();
    void finishEndsAStreamInProgress();
    void silencedRequestStartsNothing();
    void silenceAfterRecords_data();
    void silenceAfterRecords();
    void lostEtx_data();
    void lostEtx();
    void truncatedReply();
    void noiseBetweenFrames();
    void pacingAtBaudRate();
    void latencyBeforeAnswer();
    void requestAssembly();
    void unitDescription_data();
    void unitDescription();
    void demoPopulation();
};

void SimLineTest::unitSelection_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("expected");
    // After the selection the line is polled: only a present, selected unit answers.
    QTest::newRow("present unit") << QByteArray("ID05ID") << QByteArray("ID,Q");
    QTest::newRow("unit 00") << QByteArray("ID00ID") << QByteArray("ID,Q");
    QTest::newRow("absent unit") << QByteArray("ID07ID") << QByteArray("");
    QTest::newRow("not a unit number") << QByteArray("ID0xID") << QByteArray("Q");
}

void SimLineTest::unitSelection()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, expected);
    Fixture f;
    f.line.removeUnit("07");
    f.line.setSelectedUnit("01");
    f.peer->send(request);
    f.peer->send("E101RS01ID");
    QByteArrayList codes;
    for (const QByteArray &t : frameTexts(f.peer->readFor(150)))
        codes << t.left(t.startsWith("ID") ? 2 : 1);
    QCOMPARE(codes.join(','), expected);
    if (expected == "ID,Q")
        QCOMPARE(f.line.selectedUnit(), request.mid(2, 2));
}

void SimLineTest::waterSprayPollLayout()
{
    Fixture f;
    SimUnit u = makeUnit("05", "WJ", 7, false);
    u.sprayNo = 3;
    u.version = "21";
    u.controlState = '0';
    u.sprayState = "OF";
    u.spraySuffix = '2';
    f.use(u);
    f.peer->send("E101RS01ID");
    f.peer->send("E101RS01ID");
    const QList<QByteArray> replies = frameTexts(f.peer->readFor(150));
    QCOMPARE(replies.size(), 2);
    for (const QByteArray &q : replies) {
        QCOMPARE(q.size(), 22);
        QCOMPARE(q.left(1), QByteArray("Q"));
        for (int i = 1; i <= 8; ++i) // current (4), hundredths (1), temperature (3)
            QVERIFY2(q[i] >= '0' && q[i] <= '9', q.constData());
        QCOMPARE(q.mid(9), QByteArray("+070052103OF2"));
    }
    QVERIFY2(replies[0].mid(1, 8) != replies[1].mid(1, 8), "live values should move");
}

void SimLineTest::clockReplyLayout_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("Saturday") << QDateTime(QDate(2013, 1, 5), QTime(10, 20, 7))
                              << QByteArray("A10200007010523051300041");
    QTest::newRow("Sunday") << QDateTime(QDate(2013, 1, 6), QTime(23, 59, 59))
                            << QByteArray("A23590059010623061300041");
    QTest::newRow("Monday, leap day")
        << QDateTime(QDate(2016, 2, 29), QTime(0, 0, 0)) << QByteArray("A00000000022923001600041");
}

void SimLineTest::clockReplyLayout()
{
    QFETCH(QDateTime, time);
    QFETCH(QByteArray, expected);
    Fixture f;
    SimUnit u = makeUnit("02", "A", 2, true);
    u.season = '2';
    u.band = '3';
    u.rest = '0';
    u.wjSeason = '4';
    u.wjBand = '1';
    f.use(u, time);
    f.line.sendClock();
    QCOMPARE(f.peer->readFor(100), frame(expected));

    // The timer does the same by itself.
    f.line.setClockIntervalMs(20);
    QCOMPARE(f.peer->readUntilFrame(expected, 1000), frame(expected));
}

void SimLineTest::spontaneousRepliesPauseDuringTransfer()
{
    Fixture f(QDateTime(QDate(2013, 1, 5), QTime(10, 20)));
    f.use(makeUnit("01", "A", 1, true), QDateTime(QDate(2013, 1, 5), QTime(10, 20)));
    f.line.setMonitorIntervalMs(10);
    f.line.setClockIntervalMs(10);
    QVERIFY(!f.peer->readFor(100).isEmpty());
    f.peer->send("RM0105BB13ID");
    f.peer->readUntil([](const QByteArray &) { return false; }, 50);
    QVERIFY(f.line.waitingForFinish());
    QCOMPARE(f.peer->readFor(100), QByteArray()); // quiet while waiting for FN
    f.peer->send("FNID");
    const QList<QByteArray> after = frameTexts(f.peer->readFor(100));
    QVERIFY(after.size() >= 2);
    QCOMPARE(after[0], QByteArray("O"));
    QVERIFY(after[1].startsWith('Q') || after[1].startsWith('A'));
}

void SimLineTest::dayDownload_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<bool>("streaming");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("standard, streaming") << QByteArray("A") << true << QByteArray("RM0105BB13ID");
    QTest::newRow("other, day by day") << QByteArray("B") << false << QByteArray("RM0105BB13ID");
    QTest::newRow("temperature") << QByteArray("C") << false << QByteArray("TM0105BB13ID");
    QTest::newRow("power") << QByteArray("D") << true << QByteArray("RM0105BB13ID");
    QTest::newRow("water spray") << QByteArray("WJ") << false << QByteArray("BM0105BB13ID");
    QTest::newRow("code of another kind") << QByteArray("C") << true << QByteArray("RM0105BB13ID");
}

void SimLineTest::dayDownload()
{
    QFETCH(QByteArray, kind);
    QFETCH(bool, streaming);
    QFETCH(QByteArray, request);
    Fixture f;
    const SimUnit u = makeUnit("04", kind, 9, streaming);
    f.use(u);
    f.peer->send(request);
    const QByteArray got = f.peer->readUntilFrame("O");
    QCOMPARE(got, dayFrames(u, 13, 1, 5, 48) + frame("O"));
    QCOMPARE(got.left(8), frame(streaming ? "Y09D05" : "Y09N05"));
    QVERIFY(!f.line.transferActive());
}

void SimLineTest::recordValuesReachTheClampedRanges_data()
{
    QTest::addColumn<QByteArray>("unitId");
    QTest::addColumn<QDate>("day");
    QTest::newRow("unit 01, 5 Jan 13") << QByteArray("01") << QDate(2013, 1, 5);
    QTest::newRow("unit 12, 29 Feb 12") << QByteArray("12") << QDate(2012, 2, 29);
    QTest::newRow("unit 00, 31 Dec 99") << QByteArray("00") << QDate(2099, 12, 31);
}

// Downloads clamp some values; the simulated units must produce such values every day.
void SimLineTest::recordValuesReachTheClampedRanges()
{
    QFETCH(QByteArray, unitId);
    QFETCH(QDate, day);
    const int yy = day.year() % 100, mm = day.month(), dd = day.day();
    bool aboveAverage = false, stopped = false, over3000 = false, over1750 = false, restOver = false;
    bool powerHigh = false, powerLow = false, belowZero = false;
    for (int slot = 0; slot < 48; ++slot) {
        const QByteArray a = unitreply::recordPayload(unitId, "A", yy, mm, dd, slot);
        const QByteArray c = unitreply::recordPayload(unitId, "C", yy, mm, dd, slot);
        const QByteArray d = unitreply::recordPayload(unitId, "D", yy, mm, dd, slot);
        const QByteArray w = unitreply::recordPayload(unitId, "WJ", yy, mm, dd, slot);
        for (const QByteArray &p : {a, c, d, w}) {
            QCOMPARE(p.size(), p == d ? 5 : 16);
            for (char ch : p)
                QVERIFY2(ch >= '0' && ch <= '9', p.constData());
        }
        aboveAverage |= field(a, 1) > field(a, 0);
        stopped |= field(a, 0) < 10;
        over3000 |= field(a, 2) > 3000 && field(a, 0) >= 10;
        over1750 |= field(a, 2) > 1750 && field(a, 2) <= 3000 && field(a, 0) >= 10;
        restOver |= field(a, 3) > 1750;
        powerHigh |= d.toInt() > 90000;
        powerLow |= d.toInt() < 7;
        for (int i = 0; i < 4; ++i) {
            QVERIFY(field(c, i) >= 1000 - 800 && field(c, i) <= 1000 + 800);
            belowZero |= field(c, i) < 1000;
        }
        QCOMPARE(w.mid(4, 2), QByteArray("12")); // characters 6-7, which downloads ignore
    }
    QVERIFY(aboveAverage);
    QVERIFY(stopped);
    QVERIFY(over3000);
    QVERIFY(over1750);
    QVERIFY(restOver);
    QVERIFY(powerHigh);
    QVERIFY(powerLow);
    QVERIFY(belowZero);
}

void SimLineTest::streamedRangeRunsToMonthEnd_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("yy");
    QTest::addColumn<int>("mm");
    QTest::addColumn<QList<int>>("days");
    QTest::newRow("February, AA") << QByteArray("RM0227AA13ID") << 13 << 2 << QList<int>{27, 28};
    QTest::newRow("February, AC") << QByteArray("RM0227AC12ID") << 12 << 2 << QList<int>{27, 28, 29};
    QTest::newRow("April") << QByteArray("RM0429AA13ID") << 13 << 4 << QList<int>{29, 30};
    QTest::newRow("last day of December") << QByteArray("RM1231AC12ID") << 12 << 12 << QList<int>{31};
    QList<int> january;
    for (int dd = 1; dd <= 31; ++dd)
        january << dd;
    QTest::newRow("whole of January") << QByteArray("RM0101AA13ID") << 13 << 1 << january;
}

void SimLineTest::streamedRangeRunsToMonthEnd()
{
    QFETCH(QByteArray, request);
    QFETCH(int, yy);
    QFETCH(int, mm);
    QFETCH(QList<int>, days);
    Fixture f;
    const SimUnit u = makeUnit("01", "A", 1, true);
    f.use(u);
    f.peer->send(request);
    QByteArray expected;
    for (int dd : days)
        expected += dayFrames(u, yy, mm, dd, 48);
    expected += frame("O");
    QCOMPARE(f.peer->readUntilFrame("O"), expected);
    QCOMPARE(f.peer->readFor(50), QByteArray());
}

// A reader that falls behind holds the month back; the line keeps serving its event loop
// and loses nothing.
void SimLineTest::streamedMonthDoesNotBlockTheEventLoop()
{
    Fixture f;
    const SimUnit u = makeUnit("01", "A", 1, true);
    f.use(u);
    f.peer->send("RM0101AA13ID");
    QElapsedTimer clock;
    clock.start();
    bool fired = false;
    QTimer::singleShot(20, [&fired] { fired = true; });
    while (!fired && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5); // the peer is not reading
    QVERIFY(fired);
    QVERIFY2(clock.elapsed() < 500, QByteArray::number(clock.elapsed()).constData());
    QVERIFY(f.line.transferActive());
    QByteArray expected;
    for (int dd = 1; dd <= 31; ++dd)
        expected += dayFrames(u, 13, 1, dd, 48);
    QCOMPARE(f.peer->readUntilFrame("O"), expected + frame("O"));
}

void SimLineTest::dayByDayUnitSendsOnlyTheRequestedDay()
{
    Fixture f;
    const SimUnit u = makeUnit("03", "C", 3, false);
    f.use(u);
    f.peer->send("TM0227AA13ID");
    QCOMPARE(f.peer->readUntilFrame("O"), dayFrames(u, 13, 2, 27, 48) + frame("O"));
    f.peer->send("TM0228BB13ID"); // the program asks for the next day itself
    QCOMPARE(f.peer->readUntilFrame("O"), dayFrames(u, 13, 2, 28, 48) + frame("O"));
}

void SimLineTest::todayEndsAtTheCurrentHalfHour_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("records");
    QTest::newRow("10:20") << QTime(10, 20) << 20;
    QTest::newRow("10:30 exactly") << QTime(10, 30, 59) << 20;
    QTest::newRow("10:31") << QTime(10, 31) << 21;
    QTest::newRow("23:59") << QTime(23, 59) << 47;
    QTest::newRow("00:10, nothing complete") << QTime(0, 10) << 0;
}

void SimLineTest::todayEndsAtTheCurrentHalfHour()
{
    QFETCH(QTime, time);
    QFETCH(int, records);
    const QDateTime now(QDate(2013, 1, 5), time);
    Fixture f(now);
    const SimUnit u = makeUnit("06", "A", 6, false);
    f.use(u, now);
    f.peer->send("RM0105BB13ID");
    const QByteArray head = dayFrames(u, 13, 1, 5, records);
    if (records == 0) {
        QCOMPARE(f.peer->readUntilFrame("O"), head + frame("O"));
        return;
    }
    QCOMPARE(f.peer->readUntil([&](const QByteArray &got) { return got.size() >= head.size(); }), head);
    QCOMPARE(f.peer->readFor(100), QByteArray()); // the unit waits for the finish request
    QVERIFY(f.line.waitingForFinish());
    f.peer->send("FNID");
    QCOMPARE(f.peer->readUntilFrame("O"), frame("O"));
    QVERIFY(!f.line.transferActive());
}

void SimLineTest::streamedRangeStopsAtToday()
{
    const QDateTime now(QDate(2013, 1, 5), QTime(10, 20));
    Fixture f(now);
    const SimUnit u = makeUnit("01", "D", 1, true);
    f.use(u, now);
    f.peer->send("RM0103AA13ID");
    const QByteArray expected =
        dayFrames(u, 13, 1, 3, 48) + dayFrames(u, 13, 1, 4, 48) + dayFrames(u, 13, 1, 5, 20);
    QCOMPARE(f.peer->readUntil([&](const QByteArray &got) { return got.size() >= expected.size(); }),
             expected);
    QCOMPARE(f.peer->readFor(100), QByteArray());
    f.peer->send("FNID");
    QCOMPARE(f.peer->readUntilFrame("O"), frame("O"));
}

void SimLineTest::daysAfterTodayAndImpossibleDates_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("day after today") << false << QByteArray("RM0106BB13ID") << QByteArray("Y01N06,O");
    QTest::newRow("streamed range after today")
        << true << QByteArray("RM0120AA13ID") << QByteArray("Y01D20,O");
    QTest::newRow("next year") << true << QByteArray("RM0101BB14ID") << QByteArray("Y01D01,O");
    QTest::newRow("30 February") << true << QByteArray("RM0230AA12ID") << QByteArray("O");
    QTest::newRow("29 February, AA") << true << QByteArray("RM0229AA12ID") << QByteArray("O");
    QTest::newRow("day 00") << false << QByteArray("RM0100BB13ID") << QByteArray("O");
    QTest::newRow("month 13") << false << QByteArray("RM1301BB12ID") << QByteArray("O");
}

void SimLineTest::daysAfterTodayAndImpossibleDates()
{
    QFETCH(bool, streaming);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, expected);
    const QDateTime now(QDate(2013, 1, 5), QTime(10, 20));
    Fixture f(now);
    f.use(makeUnit("01", "A", 1, streaming), now);
    f.peer->send(request);
    QByteArray got = f.peer->readUntilFrame("O");
    got += f.peer->readFor(30); // and nothing after the end reply
    QCOMPARE(frameTexts(got).join(','), expected);
    QVERIFY(!f.line.transferActive());
}

void SimLineTest::finishEndsAStreamInProgress()
{
    Fixture f;
    f.use(makeUnit("01", "A", 1, true));
    f.line.setBaud(115200); // a day takes about 0.1 s, so the finish request lands mid-month
    f.peer->send("RM0101AA13ID");
    QByteArray got = f.peer->readUntil([](const QByteArray &b) { return b.contains("Y01D02"); });
    f.peer->send("FNID");
    got += f.peer->readUntilFrame("O");
    const QList<QByteArray> texts = frameTexts(got);
    QCOMPARE(texts.last(), QByteArray("O"));
    QVERIFY2(texts.count("O") == 1, "one end reply");
    int headers = 0;
    for (const QByteArray &t : texts)
        headers += t.startsWith('Y');
    QVERIFY2(headers >= 2 && headers <= 3, QByteArray::number(headers).constData());
    QCOMPARE(f.peer->readFor(200), QByteArray());
}

void SimLineTest::silencedRequestStartsNothing()
{
    Fixture f;
    const SimUnit u = makeUnit("05", "A", 5, false);
    f.use(u);
    f.line.setSilence(3);
    f.peer->send("ID05ID");
    f.peer->send("E101RS01ID");
    f.peer->send("RM0104BB13ID");
    QCOMPARE(f.peer->readFor(150), QByteArray());
    QVERIFY(!f.line.transferActive());
    f.peer->send("RM0104BB13ID"); // the resend is answered in full
    QCOMPARE(f.peer->readUntilFrame("O"), dayFrames(u, 13, 1, 4, 48) + frame("O"));
    QCOMPARE(f.line.requests(), QByteArrayList({"ID05ID", "E101RS01ID", "RM0104BB13ID", "RM0104BB13ID"}));
}

void SimLineTest::silenceAfterRecords_data()
{
    QTest::addColumn<int>("silentResends");
    QTest::newRow("answers the first resend") << 0;
    QTest::newRow("ignores the first resend") << 1;
    QTest::newRow("ignores two resends") << 2;
}

void SimLineTest::silenceAfterRecords()
{
    QFETCH(int, silentResends);
    Fixture f;
    const SimUnit u = makeUnit("01", "A", 1, true);
    f.use(u);
    f.line.setSilenceAfterRecords(10, silentResends);
    f.peer->send("RM0104BB13ID");
    const QByteArray cut = dayFrames(u, 13, 1, 4, 10);
    QCOMPARE(f.peer->readUntil([&](const QByteArray &got) { return got.size() >= cut.size(); }), cut);
    QCOMPARE(f.peer->readFor(100), QByteArray());
    QVERIFY(!f.line.transferActive());
    for (int i = 0; i < silentResends; ++i) {
        f.peer->send("RM0104BB13ID");
        QCOMPARE(f.peer->readFor(100), QByteArray());
    }
    f.peer->send("RM0104BB13ID");
    QCOMPARE(f.peer->readUntilFrame("O"), dayFrames(u, 13, 1, 4, 48) + frame("O"));
}

void SimLineTest::lostEtx_data()
{
    QTest::addColumn<int>("afterFrames");
    QTest::newRow("next reply") << 0;
    QTest::newRow("a record in the middle of a day") << 7;
}

void SimLineTest::lostEtx()
{
    QFETCH(int, afterFrames);
    Fixture f;
    const SimUnit u = makeUnit("01", "B", 1, true);
    f.use(u);
    f.line.setDropEtx(afterFrames);
    f.peer->send("RM0104BB13ID");
    QList<QByteArray> frames;
    for (const QByteArray &t : frameTexts(dayFrames(u, 13, 1, 4, 48) + frame("O")))
        frames << frame(t);
    frames[afterFrames].chop(1);
    QCOMPARE(f.peer->readUntilFrame("O"), frames.join());
    // Only that one frame.
    f.peer->send("RM0104BB13ID");
    QCOMPARE(f.peer->readUntilFrame("O"), dayFrames(u, 13, 1, 4, 48) + frame("O"));
}

void SimLineTest::truncatedReply()
{
    Fixture f;
    const SimUnit u = makeUnit("01", "A", 1, true);
    f.use(u);
    f.line.setTruncate(5);
    f.peer->send("E101RS01ID");
    const QList<QByteArray> q = frameTexts(f.peer->readFor(100));
    QCOMPARE(q.size(), 1);
    QCOMPARE(q[0].size(), 5);
    QVERIFY(q[0].startsWith('Q'));

    f.line.setTruncate(3, 2); // the second record of the day
    f.peer->send("RM0104BB13ID");
    QList<QByteArray> expected = frameTexts(dayFrames(u, 13, 1, 4, 48) + frame("O"));
    expected[2].truncate(3);
    QCOMPARE(frameTexts(f.peer->readUntilFrame("O")), expected);
}

void SimLineTest::noiseBetweenFrames()
{
    Fixture f;
    const SimUnit u = makeUnit("01", "WJ", 1, false);
    f.use(u);
    f.line.setNoise(true);
    f.peer->send("BM0104BB13ID");
    const QByteArray got = f.peer->readUntilFrame("O");
    const QByteArray clean = dayFrames(u, 13, 1, 4, 48) + frame("O");
    QCOMPARE(frameTexts(got), frameTexts(clean));
    QVERIFY(got.size() > clean.size());
    QCOMPARE(got.count('\x02'), clean.count('\x02'));
    QCOMPARE(got.count('\x03'), clean.count('\x03'));
}

void SimLineTest::pacingAtBaudRate()
{
    Fixture f;
    const SimUnit u = makeUnit("01", "A", 1, true);
    f.use(u);
    f.line.setBaud(38400);
    const QByteArray expected = dayFrames(u, 13, 1, 4, 48) + frame("O");
    f.peer->send("RM0104BB13ID");
    const QByteArray first = f.peer->readUntil([](const QByteArray &got) { return !got.isEmpty(); });
    QElapsedTimer clock;
    clock.start();
    const QByteArray rest = f.peer->readUntilFrame("O");
    const double seconds = clock.nsecsElapsed() / 1e9;
    QCOMPARE(first + rest, expected);
    const double nominal = (expected.size() - first.size()) * 11.0 / 38400;
    qInfo("%lld characters at 38400 baud: %.3f s (nominal %.3f s)", qlonglong(expected.size()), seconds,
          nominal);
    QVERIFY2(seconds > 0.8 * nominal && seconds < 2 * nominal + 0.3, QByteArray::number(seconds).constData());
}

void SimLineTest::latencyBeforeAnswer()
{
    Fixture f;
    f.use(makeUnit("05", "A", 5, true));
    f.line.setLatencyMs(150);
    QElapsedTimer clock;
    clock.start();
    f.peer->send("ID05ID");
    QCOMPARE(f.peer->readUntilFrame("ID"), frame("ID"));
    QVERIFY2(clock.elapsed() >= 140, QByteArray::number(clock.elapsed()).constData());
}

void SimLineTest::requestAssembly()
{
    Fixture f;
    f.use(makeUnit("05", "A", 5, true));
    QSignalSpy received(&f.line, &SimLine::requestReceived);
    QSignalSpy sent(&f.line, &SimLine::replySent);
    // Noise, a frame cut short by a new STX, an overlong frame, a good frame.
    f.peer->sendRaw("zz\x03\x02ID0" + frame("ID05ID") + "junk\x03" + '\x02' + QByteArray(300, 'X') + '\x03' +
                    frame("ID05ID"));
    QCOMPARE(f.peer->readFor(150), frame("ID") + frame("ID"));
    QCOMPARE(f.line.requests(), QByteArrayList({"ID05ID", "ID05ID"}));
    QCOMPARE(received.count(), 2);
    QCOMPARE(received.at(0).at(0).toByteArray(), QByteArray("ID05ID"));
    QCOMPARE(sent.count(), 2);
    QCOMPARE(sent.at(1).at(0).toByteArray(), QByteArray("ID"));
}

void SimLineTest::unitDescription_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("streaming");
    QTest::newRow("full") << "05:WJ:07:day" << true << QByteArray("WJ") << 7 << false;
    QTest::newRow("defaults") << "03:c" << true << QByteArray("C") << 3 << true;
    QTest::newRow("stream") << "12:D:99:stream" << true << QByteArray("D") << 99 << true;
    QTest::newRow("unit 13") << "13:A" << false << QByteArray() << 0 << false;
    QTest::newRow("one digit") << "5:A" << false << QByteArray() << 0 << false;
    QTest::newRow("kind G") << "05:G" << false << QByteArray() << 0 << false;
    QTest::newRow("channel 100") << "05:A:100" << false << QByteArray() << 0 << false;
    QTest::newRow("bad mode") << "05:A:07:fast" << false << QByteArray() << 0 << false;
    QTest::newRow("too many parts") << "05:A:07:day:x" << false << QByteArray() << 0 << false;
}

void SimLineTest::unitDescription()
{
    QFETCH(QString, description);
    QFETCH(bool, valid);
    QString error;
    const auto u = SimUnit::fromDescription(description, &error);
    QCOMPARE(u.has_value(), valid);
    if (!valid) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QFETCH(QByteArray, kind);
    QFETCH(int, channel);
    QFETCH(bool, streaming);
    QCOMPARE(u->id, description.left(2).toLatin1());
    QCOMPARE(u->kind, kind);
    QCOMPARE(u->channel, channel);
    QCOMPARE(u->sprayNo, channel);
    QCOMPARE(u->streaming, streaming);
}

void SimLineTest::demoPopulation()
{
    SimLine line;
    QCOMPARE(line.unitIds().size(), 13);
    QCOMPARE(line.unitIds().first(), QByteArray("00"));
    QCOMPARE(line.unitIds().last(), QByteArray("12"));
    QCOMPARE(line.selectedUnit(), QByteArray("01"));
    const SimUnit *one = line.unit("01");
    QVERIFY(one);
    QCOMPARE(one->kind, QByteArray("A"));
    QCOMPARE(one->channel, 1);
    QVERIFY(one->streaming);
    QSet<QByteArray> kinds;
    int streaming = 0;
    for (const QByteArray &id : line.unitIds()) {
        kinds << line.unit(id)->kind;
        streaming += line.unit(id)->streaming;
    }
    QCOMPARE(kinds, QSet<QByteArray>({"A", "B", "C", "D", "WJ"}));
    QVERIFY(streaming > 0 && streaming < 13);
    QCOMPARE(line.monitorIntervalMs(), 5000);
    QCOMPARE(line.clockIntervalMs(), 5000);
}

#include "SimLineTest.moc"
#include "testmain.h"
UNITDESK_TEST(SimLineTest)
