// Whole downloads against the simulated unit line: every stored file must hold exactly
// what the unit sent, under the field rules of its kind.
#include "SimRig.h"
#include "common/TextFile.h"
#include "common/Vb.h"
#include "logstore/RecordLine.h"
#include "logstore/StorePaths.h"
#include "sim/SimLine.h"
#include "sim/UnitReplies.h"
#include "testmain.h"

#include <QTest>

namespace {

const QDateTime June13(QDate(2013, 6, 1), QTime(12, 0));

// 20 November of year 12 to 10 February of year 13.
QList<QDate> longRange()
{
    QList<QDate> days;
    for (QDate d(2012, 11, 20); d <= QDate(2013, 2, 10); d = d.addDays(1))
        days << d;
    return days;
}

// The day logs of the days, and month logs with the record lines of those days, whether
// the unit streamed them or answered day by day.
void compareRange(SimRig &r, const QList<QDate> &days)
{
    const QString group = QStringLiteral("C:\\GRP01"), kind = QStringLiteral("\\ZR1");
    QMap<QPair<int, int>, QStringList> months;
    for (const QDate &d : days) {
        const int yy = d.year() % 100;
        QCOMPARE(r.rig.file(DayLogFile(group, kind, yy, d.month(), d.day(), "05")),
                 simDay("A", yy, d.month(), d.day()));
        months[{yy, d.month()}] += simLines("A", yy, d.month(), d.day());
    }
    for (auto it = months.cbegin(); it != months.cend(); ++it) {
        const auto [yy, mm] = it.key();
        QCOMPARE(r.rig.file(MonthLogFile(group, kind, yy, mm, "05")),
                 crlfLines(QStringList{two(yy) + '/' + two(mm)} + it.value()));
    }
    const QStringList files = r.rig.allFiles();
    QCOMPARE(files.filter("/DAY/").size(), days.size());
    QCOMPARE(files.filter("MnLog.TXT").size(), months.size());
}

} // namespace

class DownloadSimTest : public QObject {
    Q_OBJECT
private slots:
    void rangeOverTheYearEnd_data();
    void rangeOverTheYearEnd();
    void dayOfTodayEndsAtTheHalfHour();
    void rangeEndingToday_data();
    void rangeEndingToday();
    void lineFaults_data();
    void lineFaults();
    void unitFallsSilentMidMonth_data();
    void unitFallsSilentMidMonth();
    void portVanishesMidMonth();
    void everyKindStoresWhatTheUnitSent_data();
    void everyKindStoresWhatTheUnitSent();
    void damagedDaysAreAskedForAgain_data();
    void damagedDaysAreAskedForAgain();
    void resendAfterAReRequestKeepsEarlierDaysOnce();
    void dayDamagedOnEveryTryIsKeptAndNamed_data();
    void dayDamagedOnEveryTryIsKeptAndNamed();
    void monthLogHoldsEveryStoredDay_data();
    void monthLogHoldsEveryStoredDay();
};

void DownloadSimTest::rangeOverTheYearEnd_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::addColumn<QList<QByteArray>>("requests");
    QTest::newRow("streamed") << true
                              << QList<QByteArray>{"RM1120AC12ID", "RM1201AC12ID", "RM0101AA13ID",
                                                   "RM0201AA13ID", "FNID"};
    QList<QByteArray> daily{"RM1120AC12ID"};
    for (const QDate &d : longRange().mid(1))
        daily << "RM" + two(d.month()).toLatin1() + two(d.day()).toLatin1() + "BB" +
                     two(d.year() % 100).toLatin1() + "ID";
    QTest::newRow("day by day") << false << daily;
}

void DownloadSimTest::rangeOverTheYearEnd()
{
    QFETCH(bool, streaming);
    QFETCH(QList<QByteArray>, requests);
    SimRig r(streaming, June13);
    QVERIFY(r.open());
    r.range({"12", "11", "20"}, {"13", "02", "10"});
    QVERIFY(r.runToEnd());
    QCOMPARE(r.sim.requests(), requests);
    compareRange(r, longRange());
    QCOMPARE(r.rig.Label19.text(),
             streaming ? QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 終了") : QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QVERIFY(r.rig.Timer2.isActive());
    QCOMPARE(r.rig.script.asked.size(), 1);
}

void DownloadSimTest::dayOfTodayEndsAtTheHalfHour()
{
    SimRig r(true, QDateTime(QDate(2013, 1, 5), QTime(10, 20)));
    QVERIFY(r.open());
    r.rig.state.PickedDate = {"13", "01", "05"};
    r.rig.front->startDay();
    QVERIFY(r.runToEnd());
    QCOMPARE(r.sim.requests(), (QList<QByteArray>{"RM0105BB13ID", "FNID"}));
    QCOMPARE(r.rig.Label21.text(), QStringLiteral("残 ： 0"));
    QCOMPARE(r.rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QCOMPARE(r.rig.file(dayFileA(13, 1, 5)), simDay("A", 13, 1, 5, 20));
}

void DownloadSimTest::rangeEndingToday_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::addColumn<QList<QByteArray>>("requests");
    QTest::newRow("streamed") << true << QList<QByteArray>{"RM0108AA13ID", "FNID"};
    QTest::newRow("day by day") << false
                                << QList<QByteArray>{"RM0108AA13ID", "RM0109BB13ID", "RM0110BB13ID", "FNID"};
}

void DownloadSimTest::rangeEndingToday()
{
    QFETCH(bool, streaming);
    QFETCH(QList<QByteArray>, requests);
    SimRig r(streaming, QDateTime(QDate(2013, 1, 10), QTime(10, 20)));
    QVERIFY(r.open());
    r.range({"13", "01", "08"}, {"13", "01", "31"});
    QCOMPARE(r.rig.state.Download.DaysLeft, 3);
    QVERIFY(r.runToEnd());
    QCOMPARE(r.sim.requests(), requests);
    QCOMPARE(r.rig.file(dayFileA(13, 1, 8)), simDay("A", 13, 1, 8));
    QCOMPARE(r.rig.file(dayFileA(13, 1, 9)), simDay("A", 13, 1, 9));
    QCOMPARE(r.rig.file(dayFileA(13, 1, 10)), simDay("A", 13, 1, 10, 20));
    const QStringList month =
        simLines("A", 13, 1, 8) + simLines("A", 13, 1, 9) + simLines("A", 13, 1, 10, 20);
    QCOMPARE(r.rig.file(monthFileA(13, 1)), crlfLines(QStringList{"13/01"} + month));
    QCOMPARE(r.rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
}

void DownloadSimTest::lineFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("afterFrames");
    QTest::addColumn<QList<QByteArray>>("requests");
    const QList<QByteArray> once{"RM1120AC12ID"};
    QTest::newRow("noise") << "noise" << 0 << once;
    QTest::newRow("header merges with a record") << "etx" << 0 << once;
    QTest::newRow("two records merge") << "etx" << 10 << once;
    QTest::newRow("record merges with the next day") << "etx" << 48 << once;
    // The damaged first day is asked for again, the stream being stopped first.
    QTest::newRow("record cut short")
        << "truncate" << 5 << QList<QByteArray>{"RM1120AC12ID", "FNID", "RM1120AC12ID"};
}

void DownloadSimTest::lineFaults()
{
    QFETCH(QString, fault);
    QFETCH(int, afterFrames);
    QFETCH(QList<QByteArray>, requests);
    SimRig r(true, June13);
    QVERIFY(r.open());
    if (fault == QLatin1String("noise"))
        r.sim.setNoise(true);
    else if (fault == QLatin1String("etx"))
        r.sim.setDropEtx(afterFrames);
    else
        r.sim.setTruncate(9, afterFrames);
    r.range({"12", "11", "20"}, {"12", "11", "30"});
    QVERIFY(r.runToEnd());
    QCOMPARE(r.sim.requests(), requests);
    QList<QDate> days;
    for (int dd = 20; dd <= 30; ++dd)
        days << QDate(2012, 11, dd);
    compareRange(r, days);
    QCOMPARE(r.rig.script.asked.size(), 1);
}

void DownloadSimTest::unitFallsSilentMidMonth_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::addColumn<QByteArray>("resent");
    QTest::newRow("streamed") << true << QByteArray("RM1120AC12ID");
    QTest::newRow("day by day") << false << QByteArray("RM1122BB12ID");
}

void DownloadSimTest::unitFallsSilentMidMonth()
{
    QFETCH(bool, streaming);
    QFETCH(QByteArray, resent);
    SimRig r(streaming, June13);
    QVERIFY(r.open());
    r.sim.setSilenceAfterRecords(100); // two days and four records of the third
    r.range({"12", "11", "20"}, {"12", "11", "30"});
    QTRY_COMPARE(r.tempDayLines(), 5);
    QVERIFY(!r.sim.transferActive());
    QCOMPARE(r.rig.file(TempDay).left(10), QByteArray("12/11/22\r\n"));

    r.rig.session.watchdogExpired(); // what Timer1 does after 3 s of silence
    QVERIFY(r.runToEnd());
    QCOMPARE(r.sim.requests().count(resent), 2);
    QList<QDate> days;
    for (int dd = 20; dd <= 30; ++dd)
        days << QDate(2012, 11, dd);
    compareRange(r, days);
}

void DownloadSimTest::portVanishesMidMonth()
{
    SimRig r(false, June13);
    if (r.sim.wire().kind() != SimWire::Kind::PseudoTerminal)
        QSKIP("a port's errors come from a real serial device (the in-process line has none)");
    QVERIFY(r.open());
    QObject::connect(&r.sim, &SimLine::requestReceived, &r.sim, [&r](const QByteArray &text) {
        if (text == "RM1125BB12ID")
            emit r.rig.link.port().errorOccurred(QSerialPort::ResourceError);
    });
    r.range({"12", "11", "20"}, {"12", "11", "30"});
    QTRY_VERIFY(!r.rig.link.isOpen());
    QCOMPARE(r.rig.state.Download.LastRequest, QByteArray("\x02RM1125BB12ID\x03"));
    for (int i = 0; i < 3; ++i)
        r.rig.session.watchdogExpired();
    QCOMPARE(r.rig.messages().last(), QStringLiteral("ダウンロード不良|ﾀﾞｳﾝﾛｰﾄﾞ通信不良です"));
    QVERIFY(!r.rig.session.isRunning());
    QCOMPARE(r.sim.requests().size(), 6);
    for (int dd = 20; dd <= 24; ++dd)
        QCOMPARE(r.rig.file(dayFileA(12, 11, dd)), simDay("A", 12, 11, dd));
    QVERIFY(!r.rig.exists(dayFileA(12, 11, 25)));
    QStringList stored;
    for (int dd = 20; dd <= 24; ++dd)
        stored += simLines("A", 12, 11, dd);
    QCOMPARE(r.rig.file(monthFileA(12, 11)), crlfLines(QStringList{"12/11"} + stored));
}

void DownloadSimTest::everyKindStoresWhatTheUnitSent_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("folder");
    QTest::newRow("A") << QByteArray("A") << "\\ZR1";
    QTest::newRow("B") << QByteArray("B") << "\\ZR1";
    QTest::newRow("C") << QByteArray("C") << "\\ZR3";
    QTest::newRow("D") << QByteArray("D") << "\\ZR2";
    QTest::newRow("WJ") << QByteArray("WJ") << "\\ZR4";
}

void DownloadSimTest::everyKindStoresWhatTheUnitSent()
{
    QFETCH(QByteArray, kind);
    QFETCH(QString, folder);
    SimRig r(true, June13, kind);
    QVERIFY(r.open());
    r.range({"13", "02", "26"}, {"13", "03", "01"});
    QVERIFY(r.runToEnd());
    const QString group = QStringLiteral("C:\\GRP01");
    QStringList february;
    for (int dd = 26; dd <= 28; ++dd) {
        QCOMPARE(r.rig.file(DayLogFile(group, folder, 13, 2, dd, "05")), simDay(kind, 13, 2, dd));
        february += simLines(kind, 13, 2, dd);
    }
    QCOMPARE(r.rig.file(MonthLogFile(group, folder, 13, 2, "05")),
             crlfLines(QStringList{"13/02"} + february));
    QCOMPARE(r.rig.file(DayLogFile(group, folder, 13, 3, 1, "05")), simDay(kind, 13, 3, 1));
    QCOMPARE(r.rig.file(MonthLogFile(group, folder, 13, 3, "05")),
             crlfLines(QStringList{"13/03"} + simLines(kind, 13, 3, 1)));
}

namespace {

const QDateTime November13(QDate(2013, 11, 15), QTime(12, 0));

QList<QDate> october1to5()
{
    QList<QDate> days;
    for (int dd = 1; dd <= 5; ++dd)
        days << QDate(2013, 10, dd);
    return days;
}

QByteArray dayRequest(int dd)
{
    return "RM10" + two(dd).toLatin1() + "BB13ID";
}

} // namespace

void DownloadSimTest::damagedDaysAreAskedForAgain_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::addColumn<QList<QByteArray>>("requests");
    // The stream is stopped and asked for again from the damaged day; the last "FNID"
    // ends the range after the 5th as on a clean line.
    QTest::newRow("streamed") << true << QList<QByteArray>{"RM1001AA13ID", "FNID",         "RM1002AA13ID",
                                                           "FNID",         "RM1004AA13ID", "FNID"};
    QTest::newRow("day by day") << false << QList<QByteArray>{"RM1001AA13ID", dayRequest(2), dayRequest(2),
                                                              dayRequest(3),  dayRequest(4), dayRequest(4),
                                                              dayRequest(5)};
}

void DownloadSimTest::damagedDaysAreAskedForAgain()
{
    QFETCH(bool, streaming);
    QFETCH(QList<QByteArray>, requests);
    SimRig r(streaming, November13);
    QVERIFY(r.open());
    // Paced, a stream gets no further than the day on the wire before it is stopped, so the
    // fault of the 4th strikes the stream asked for again, not one already dropped.
    r.sim.setBaud(38400);
    r.sim.addRecordFault({RecordFault::Cut, QDate(2013, 10, 2), 11});
    r.sim.addRecordFault({RecordFault::Lost, QDate(2013, 10, 4), 20});
    r.range({"13", "10", "01"}, {"13", "10", "05"});
    QVERIFY(r.runToEnd());
    QCOMPARE(r.sim.requests(), requests);
    compareRange(r, october1to5());
    QCOMPARE(r.rig.script.asked.size(), 1); // the start question only
    QVERIFY(!r.rig.exists(DamagedDaysFile()));
}

// The watchdog's resend after a re-request starts again at the re-requested day: the days
// before it stay in the month file once.
void DownloadSimTest::resendAfterAReRequestKeepsEarlierDaysOnce()
{
    SimRig r(true, November13);
    QVERIFY(r.open());
    r.sim.addRecordFault({RecordFault::NonDigit, QDate(2013, 10, 3), 5});
    int asked = 0;
    QObject::connect(&r.sim, &SimLine::requestReceived, &r.sim, [&](const QByteArray &text) {
        if (text == "RM1003AA13ID" && ++asked == 1)
            r.sim.setSilenceAfterRecords(60); // all of the 3rd and some of the 4th
    });
    r.range({"13", "10", "01"}, {"13", "10", "05"});
    QTRY_VERIFY(asked == 1 && !r.sim.transferActive());
    r.rig.session.watchdogExpired();
    QVERIFY(r.runToEnd());
    QCOMPARE(r.sim.requests(),
             (QList<QByteArray>{"RM1001AA13ID", "FNID", "RM1003AA13ID", "RM1003AA13ID", "FNID"}));
    compareRange(r, october1to5());
}

void DownloadSimTest::dayDamagedOnEveryTryIsKeptAndNamed_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QStringList>("day2"); // the record lines kept of 2 October
    QStringList cut = simLines("A", 13, 10, 2);
    cut[11] = "02\t05:30\t0000\t0000\t0000\t0000";
    QStringList lost = simLines("A", 13, 10, 2);
    lost.removeAt(20);
    for (int k = 20; k < 47; ++k)
        lost[k].replace(3, 5, Mid(MakeSlotLabels(), 6 * k + 1, 5)); // each a half hour early
    QTest::newRow("streamed, cut short") << true << int(RecordFault::Cut) << cut;
    QTest::newRow("streamed, lost") << true << int(RecordFault::Lost) << lost;
    QTest::newRow("day by day, non-digit") << false << int(RecordFault::NonDigit) << cut;
    QTest::newRow("day by day, lost") << false << int(RecordFault::Lost) << lost;
}

void DownloadSimTest::dayDamagedOnEveryTryIsKeptAndNamed()
{
    QFETCH(bool, streaming);
    QFETCH(int, fault);
    QFETCH(QStringList, day2);
    SimRig r(streaming, November13);
    QVERIFY(r.open());
    const int slot = fault == RecordFault::Lost ? 20 : 11;
    r.sim.addRecordFault({RecordFault::Kind(fault), QDate(2013, 10, 2), slot, true});
    r.range({"13", "10", "01"}, {"13", "10", "05"});
    QVERIFY(r.runToEnd());

    // Day by day the 2nd had its own request before the two more.
    const QByteArray again = streaming ? "RM1002AA13ID" : dayRequest(2);
    QCOMPARE(r.sim.requests().count(again), streaming ? 2 : 3);
    QCOMPARE(r.rig.file(dayFileA(13, 10, 2)), crlfLines(QStringList{"13/10/02"} + day2));
    for (int dd : {1, 3, 4, 5})
        QCOMPARE(r.rig.file(dayFileA(13, 10, dd)), simDay("A", 13, 10, dd));
    const QStringList month = simLines("A", 13, 10, 1) + day2 + simLines("A", 13, 10, 3) +
                              simLines("A", 13, 10, 4) + simLines("A", 13, 10, 5);
    QCOMPARE(r.rig.file(monthFileA(13, 10)), crlfLines(QStringList{"13/10"} + month));

    QCOMPARE(r.rig.messages().size(), 2);
    QCOMPARE(r.rig.messages().last(),
             QStringLiteral("ダウンロード不良|次の日のデータは不完全です\n子機 01  13年10月02日"));
    const QStringList log = TextFile::readLines(DamagedDaysFile());
    QCOMPARE(log.size(), 1);
    QVERIFY2(log[0].endsWith(QStringLiteral("  子機 01  13年10月02日")), qPrintable(log[0]));
    QVERIFY(
        r.rig.file(DamagedDaysFile()).endsWith(TextFile::encode(QStringLiteral("13年10月02日")) + "\r\n"));
}

void DownloadSimTest::monthLogHoldsEveryStoredDay_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::newRow("streamed") << true;
    QTest::newRow("day by day") << false;
}

// After a short range the month log still holds the whole month stored before, byte for
// byte as a streamed download of the whole month writes it.
void DownloadSimTest::monthLogHoldsEveryStoredDay()
{
    QFETCH(bool, streaming);
    QByteArray wholeMonth;
    {
        SimRig r(true, November13);
        QVERIFY(r.open());
        r.range({"13", "10", "01"}, {"13", "10", "31"});
        QVERIFY(r.runToEnd());
        wholeMonth = r.rig.file(monthFileA(13, 10));
    }
    QCOMPARE(wholeMonth.count('\n'), 1 + 31 * 48);

    SimRig r(streaming, November13);
    QVERIFY(r.open());
    r.range({"13", "10", "01"}, {"13", "10", "31"});
    QVERIFY(r.runToEnd());
    QCOMPARE(r.rig.file(monthFileA(13, 10)), wholeMonth);
    r.range({"13", "10", "30"}, {"13", "10", "31"});
    QVERIFY(r.runToEnd());
    QCOMPARE(r.rig.file(monthFileA(13, 10)), wholeMonth);
    // The first eight days of the next month, alone in its month log.
    r.range({"13", "11", "01"}, {"13", "11", "08"});
    QVERIFY(r.runToEnd());
    QStringList eight;
    for (int dd = 1; dd <= 8; ++dd)
        eight += simLines("A", 13, 11, dd);
    QCOMPARE(r.rig.file(monthFileA(13, 11)), crlfLines(QStringList{"13/11"} + eight));
    QCOMPARE(r.rig.ProgressBar1.value(), r.rig.ProgressBar1.maximum());
}

UNITDESK_TEST(DownloadSimTest)
#include "DownloadSimTest.moc"
