// The range download against a unit played by the test: the month chains, streamed and
// day by day, their ends, and the store failing under them.
#include "DownloadRig.h"
#include "testmain.h"

#include <QTest>

namespace {

using Replies = QList<QByteArray>;

// Header, 48 records and (optionally) the end of day.
Replies day(const QByteArray &header, bool withEnd)
{
    return Replies{header} + dayReplies(48) + (withEnd ? Replies{"O"} : Replies{});
}

const QString TempMonth = QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_MON.TXT");

} // namespace

Q_DECLARE_METATYPE(DateText)
Q_DECLARE_METATYPE(UnitClockText)

class DownloadRangeTest : public QObject {
    Q_OBJECT
private slots:
    void firstRequest_data();
    void firstRequest();
    void dayByDayAcrossTheMonthEnd();
    void streamedEndsAtTheEndDate();
    void streamingPastTheMonthIsStopped();
    void endBeforeStartEndsWithTheStartMonth();
    void rangeOfMoreThanAYear();
    void portVanishesMidMonth();
    void silentMidMonthRestartsTheMonth();
    void damagedStreamDayIsAskedForAgain();
    void unwritableStore_data();
    void unwritableStore();
    void storeFailsMidRangeKeepsEarlierMonths();
};

void DownloadRangeTest::firstRequest_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<DateText>("start");
    QTest::addColumn<UnitClockText>("clock");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("label21");
    QTest::addColumn<int>("daysLeft");
    const UnitClockText june{"13", "06", "01", "12", "00", "00"};
    QTest::newRow("A, leap year") << "A" << DateText{"12", "11", "20"} << june << QByteArray("RM1120AC12ID")
                                  << "12年11月20日" << 11;
    QTest::newRow("C") << "C" << DateText{"13", "02", "05"} << june << QByteArray("TM0205AA13ID")
                       << "13年2月5日" << 24;
    QTest::newRow("WJ leap February")
        << "WJ" << DateText{"12", "02", "10"} << june << QByteArray("BM0210AC12ID") << "12年2月10日" << 20;
    QTest::newRow("D last day") << "D" << DateText{"13", "01", "31"} << june << QByteArray("RM0131AA13ID")
                                << "13年1月31日" << 1;
    QTest::newRow("current month") << "A" << DateText{"13", "01", "08"}
                                   << UnitClockText{"13", "01", "10", "10", "20", "00"}
                                   << QByteArray("RM0108AA13ID") << "13年1月8日" << 3;
}

void DownloadRangeTest::firstRequest()
{
    QFETCH(QString, kind);
    QFETCH(DateText, start);
    QFETCH(UnitClockText, clock);
    QFETCH(QByteArray, request);
    QFETCH(QString, label21);
    QFETCH(int, daysLeft);
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.UnitTypeCode = kind;
    rig.state.UnitClock = clock;
    rig.state.StartDate = start;
    rig.state.EndDate = {"13", "12", "31"};
    rig.ProgressBar1.setMaximum(49);
    rig.ProgressBar1.setValue(30);
    rig.script.answer = [&rig](const Prompt::Message &) {
        return rig.ProgressBar1.value() == 1 ? Prompt::Answer::Ok : Prompt::Answer::Cancel;
    };

    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), request);
    QCOMPARE(rig.state.Download.DaysLeft, daysLeft);
    QCOMPARE(rig.state.Download.RangeDownload, 1);
    QCOMPARE(rig.state.Download.DayDownload, 0);
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ開始"));
    QCOMPARE(rig.Label21.text(), label21);
    QCOMPARE(rig.ProgressBar1.maximum(), 32);
    QCOMPARE(rig.ProgressBar1.value(), 1);
    QVERIFY(rig.Timer1.isActive());
    QVERIFY(!rig.Timer2.isActive());
    QCOMPARE(rig.file(TempMonth), (start.yy + '/' + start.mm + "\r\n").toLatin1());
    QCOMPARE(rig.file(QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_DAY.TXT")),
             (start.yy + '/' + start.mm + '/' + start.dd + "\r\n").toLatin1());
}

void DownloadRangeTest::dayByDayAcrossTheMonthEnd()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.StartDate = {"13", "01", "30"};
    rig.state.EndDate = {"13", "02", "02"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0130AA13ID"));

    unit.reply(day("Y05N30", true));
    QCOMPARE(unit.nextFrame(), QByteArray("RM0131BB13ID"));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 中"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("13年1月31日"));
    QCOMPARE(rig.ProgressBar1.value(), 2);
    QVERIFY(rig.Timer1.isActive());

    unit.reply(day("Y05N31", true));
    QCOMPARE(unit.nextFrame(), QByteArray("RM0201BB13ID"));
    // The month log holds the days fetched one by one, as a streamed month would.
    QCOMPARE(rig.file(monthFileA(13, 1)), expectedMonth(13, 1, {30, 31}));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ開始"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("13年2月1日"));
    QCOMPARE(rig.ProgressBar1.value(), 1);
    QVERIFY(!rig.Timer2.isActive());

    unit.reply(day("Y05N01", true));
    QCOMPARE(unit.nextFrame(), QByteArray("RM0202BB13ID"));
    unit.reply(day("Y05N02", true));
    QVERIFY(unit.framesWithin(20).isEmpty());
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QVERIFY(rig.Timer2.isActive());
    QVERIFY(!rig.Timer1.isActive());
    QCOMPARE(rig.state.Download.RangeDownload, 0);

    for (const auto &[mm, dd] : QList<std::pair<int, int>>{{1, 30}, {1, 31}, {2, 1}, {2, 2}})
        QCOMPARE(rig.file(dayFileA(13, mm, dd)), expectedDay(13, mm, dd));
    QCOMPARE(rig.file(monthFileA(13, 2)), expectedMonth(13, 2, {1, 2}));
    QCOMPARE(rig.allFiles().size(), 4 + 2 + 2); // and the two temporary files
}

void DownloadRangeTest::streamedEndsAtTheEndDate()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.StartDate = {"13", "01", "30"};
    rig.state.EndDate = {"13", "02", "02"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0130AA13ID"));

    unit.reply({"Y05D30"});
    QCOMPARE(rig.Label21.text(), QStringLiteral("13年1月30日"));
    QCOMPARE(rig.Label9.text(), QStringLiteral("CH番号: 05"));
    QCOMPARE(rig.ProgressBar1.value(), 2);
    unit.reply(dayReplies(48));
    unit.reply({"Y05D31"});
    QCOMPARE(rig.file(dayFileA(13, 1, 30)), expectedDay(13, 1, 30));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 中"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("13年1月31日"));
    QCOMPARE(rig.ProgressBar1.value(), 3);
    QVERIFY(rig.Timer1.isActive());
    unit.reply(dayReplies(48) + Replies{"O"});
    QCOMPARE(unit.nextFrame(), QByteArray("RM0201AA13ID"));
    QCOMPARE(rig.file(dayFileA(13, 1, 31)), expectedDay(13, 1, 31));
    QCOMPARE(rig.file(monthFileA(13, 1)), expectedMonth(13, 1, {30, 31}));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ開始"));

    unit.reply(day("Y05D01", false) + day("Y05D02", false) + Replies{"Y05D03"});
    QCOMPARE(unit.nextFrame(), QByteArray("FNID"));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 終了"));
    QVERIFY(rig.Timer2.isActive());
    QVERIFY(!rig.Timer1.isActive());
    QCOMPARE(rig.file(monthFileA(13, 2)), expectedMonth(13, 2, {1, 2}));
    QCOMPARE(rig.file(dayFileA(13, 2, 2)), expectedDay(13, 2, 2));
    QVERIFY(!rig.exists(dayFileA(13, 2, 3)));

    // What the unit still sends after the finish changes nothing.
    unit.reply(dayReplies(3) + Replies{"O"});
    QVERIFY(!rig.exists(dayFileA(13, 2, 3)));
    QVERIFY(unit.framesWithin(20).isEmpty());
    QVERIFY(!rig.Timer1.isActive());
}

void DownloadRangeTest::streamingPastTheMonthIsStopped()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.StartDate = {"13", "01", "30"};
    rig.state.EndDate = {"13", "03", "31"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0130AA13ID"));
    // No end of month after the 31st: the unit goes straight on.
    unit.reply(day("Y05D30", false) + day("Y05D31", false) + Replies{"Y05D01"});
    QCOMPARE(unit.nextFrame(), QByteArray("FNID"));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QCOMPARE(rig.file(dayFileA(13, 1, 31)), expectedDay(13, 1, 31));
    QCOMPARE(rig.file(monthFileA(13, 1)), expectedMonth(13, 1, {30, 31}));
    QVERIFY(!rig.session.isRunning());
    unit.reply(dayReplies(48));
    QVERIFY(!rig.exists(dayFileA(13, 2, 1)));
}

void DownloadRangeTest::endBeforeStartEndsWithTheStartMonth()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.StartDate = {"13", "01", "30"};
    rig.state.EndDate = {"13", "01", "10"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0130AA13ID"));
    unit.reply(day("Y05D30", false) + day("Y05D31", true));
    QVERIFY(unit.framesWithin(20).isEmpty());
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QCOMPARE(rig.file(monthFileA(13, 1)), expectedMonth(13, 1, {30, 31}));
}

void DownloadRangeTest::rangeOfMoreThanAYear()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.UnitClock = {"14", "06", "01", "12", "00", "00"};
    rig.state.StartDate = {"12", "11", "30"};
    rig.state.EndDate = {"13", "12", "01"};
    rig.front->startMonth();
    QList<QByteArray> requests{unit.nextFrame()};
    // A unit with nothing logged: each month is a header and its end.
    while (rig.session.isRunning() && requests.size() < 20) {
        unit.reply({"Y05D01", "O"});
        if (rig.session.isRunning())
            requests << unit.nextFrame();
    }
    QList<QByteArray> expected{"RM1130AC12ID", "RM1201AC12ID"};
    for (int m = 1; m <= 12; ++m)
        expected << "RM" + QByteArray::number(m).rightJustified(2, '0') + "01AA13ID";
    QCOMPARE(requests, expected);
    QCOMPARE(rig.file(monthFileA(13, 12)), QByteArray("13/12\r\n"));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
}

void DownloadRangeTest::portVanishesMidMonth()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    if (unit.wire().kind() != SimWire::Kind::PseudoTerminal)
        QSKIP("a port's errors come from a real serial device (the in-process line has none)");
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.StartDate = {"13", "01", "01"};
    rig.state.EndDate = {"13", "01", "31"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0101AA13ID"));
    unit.reply(day("Y05N01", true));
    QCOMPARE(unit.nextFrame(), QByteArray("RM0102BB13ID"));
    unit.reply(Replies{"Y05N02"} + dayReplies(30));

    emit rig.link.port().errorOccurred(QSerialPort::ResourceError); // the adapter is pulled out
    QVERIFY(!rig.link.isOpen());
    // Replies already taken in before the port went: the day ends, the next request is
    // due on a closed port and is not sent, the watchdog runs out.
    for (const QByteArray &r : dayReplies(48).mid(30))
        rig.session.onRecord(r);
    rig.session.onEndOfDay("O");
    QCOMPARE(rig.state.Download.LastRequest, QByteArray("\x02RM0103BB13ID\x03"));
    QVERIFY(rig.Timer1.isActive());
    for (int i = 0; i < 3; ++i)
        rig.session.watchdogExpired();
    QCOMPARE(rig.messages().size(), 2);
    QCOMPARE(rig.messages().last(), QStringLiteral("ダウンロード不良|ﾀﾞｳﾝﾛｰﾄﾞ通信不良です"));
    QVERIFY(!rig.session.isRunning());
    QCOMPARE(rig.file(dayFileA(13, 1, 1)), expectedDay(13, 1, 1));
    QCOMPARE(rig.file(dayFileA(13, 1, 2)), expectedDay(13, 1, 2));
    // A download that gave up still leaves the month log of the days it stored.
    QCOMPARE(rig.file(monthFileA(13, 1)), expectedMonth(13, 1, {1, 2}));
    QVERIFY(unit.framesWithin(20).isEmpty());
}

void DownloadRangeTest::silentMidMonthRestartsTheMonth()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.StartDate = {"13", "01", "29"};
    rig.state.EndDate = {"13", "01", "31"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0129AA13ID"));
    unit.reply(day("Y05D29", false) + Replies{"Y05D30"} + dayReplies(7));

    // The resend asks for the month from its first day again: the repeat is taken as such.
    QCOMPARE(rig.Label21.text(), QStringLiteral("13年1月30日"));
    rig.session.watchdogExpired();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0129AA13ID"));
    QCOMPARE(rig.file(TempMonth), QByteArray("13/01\r\n"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("13年1月29日"));
    QCOMPARE(rig.ProgressBar1.value(), 1);
    unit.reply(day("Y05D29", false) + day("Y05D30", false) + day("Y05D31", true));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    for (int dd = 29; dd <= 31; ++dd)
        QCOMPARE(rig.file(dayFileA(13, 1, dd)), expectedDay(13, 1, dd));
    QCOMPARE(rig.file(monthFileA(13, 1)), expectedMonth(13, 1, {29, 30, 31}));
}

void DownloadRangeTest::damagedStreamDayIsAskedForAgain()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.StartDate = {"13", "01", "29"};
    rig.state.EndDate = {"13", "01", "31"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0129AA13ID"));
    Replies lost = dayReplies(48);
    lost.removeAt(17);
    unit.reply(day("Y05D29", false) + Replies{"Y05D30"} + lost + Replies{"Y05D31"});

    // The 30th lacks a record: the stream is stopped and asked for from the 30th.
    QCOMPARE(unit.nextFrame(), QByteArray("FNID"));
    QCOMPARE(unit.nextFrame(), QByteArray("RM0130AA13ID"));
    QCOMPARE(rig.file(TempMonth), expectedMonth(13, 1, {29}));
    QCOMPARE(rig.Label21.text(), QStringLiteral("13年1月30日"));
    QVERIFY(!rig.exists(dayFileA(13, 1, 30)));
    // What the old stream still had on the way, and its end, are not taken for the new one.
    unit.reply(dayReplies(5) + Replies{"Y05D01"} + dayReplies(3) + Replies{"O"});
    QVERIFY(rig.session.isRunning());
    QVERIFY(rig.Timer1.isActive());
    unit.reply(day("Y05D30", false) + day("Y05D31", true));
    QVERIFY(unit.framesWithin(20).isEmpty());
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    for (int dd = 29; dd <= 31; ++dd)
        QCOMPARE(rig.file(dayFileA(13, 1, dd)), expectedDay(13, 1, dd));
    QCOMPARE(rig.file(monthFileA(13, 1)), expectedMonth(13, 1, {29, 30, 31}));
    QCOMPARE(rig.script.asked.size(), 1);
}

void DownloadRangeTest::unwritableStore_data()
{
    QTest::addColumn<QString>("blocked");  // made a regular file
    QTest::addColumn<bool>("requestSent"); // the store fails only once the unit answers
    QTest::addColumn<QString>("shownPath");
    QTest::newRow("group folder") << "C:\\GRP01" << false << "C:\\GRP01\\ZR1\\Y2013\\DAY";
    QTest::newRow("temporary folder") << "C:\\ZRLOG\\TEMP" << false << "C:\\ZRLOG\\TEMP\\KOKI_DAY.TXT";
    QTest::newRow("month folder") << "C:\\GRP01\\ZR1\\Y2013\\M01" << true
                                  << "C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05";
}

void DownloadRangeTest::unwritableStore()
{
    QFETCH(QString, blocked);
    QFETCH(bool, requestSent);
    QFETCH(QString, shownPath);
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    // A day stored earlier must survive whatever happens.
    const QString old = dayFileA(13, 1, 5);
    const bool keepsOld = blocked != QLatin1String("C:\\GRP01");
    if (keepsOld)
        QVERIFY(rig.blockWithFile(old));
    if (blocked == QLatin1String("C:\\ZRLOG\\TEMP"))
        QVERIFY(QDir(rig.root.path() + "/ZRLOG/TEMP").removeRecursively());
    QVERIFY(rig.blockWithFile(blocked));
    const QStringList filesBefore = rig.allFiles();

    rig.state.PickedDate = {"13", "01", "05"};
    rig.front->startDay();
    if (requestSent) {
        QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
        unit.reply({"Y05N05"});
        QCOMPARE(unit.nextFrame(), QByteArray("FNID")); // the unit is told to stop
        unit.reply(dayReplies(48) + Replies{"O"});
    }
    QVERIFY(unit.framesWithin(20).isEmpty());
    QCOMPARE(rig.messages().mid(1),
             QStringList{QStringLiteral("ダウンロード不良|ﾀﾞｳﾝﾛｰﾄﾞﾃﾞｰﾀを保存できません\n") + shownPath});
    QVERIFY(!rig.session.isRunning());
    QVERIFY(!rig.Timer1.isActive());
    QVERIFY(rig.Timer2.isActive());
    QCOMPARE(rig.state.Download.DayDownload, 0);
    if (keepsOld)
        QCOMPARE(rig.file(old), QByteArray("x"));
    for (const QString &f : filesBefore)
        QVERIFY2(rig.allFiles().contains(f), qPrintable(f));
}

void DownloadRangeTest::storeFailsMidRangeKeepsEarlierMonths()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    QVERIFY(rig.blockWithFile(QStringLiteral("C:\\GRP01\\ZR1\\Y2013")));
    rig.state.StartDate = {"12", "12", "30"};
    rig.state.EndDate = {"13", "01", "31"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM1230AC12ID"));
    unit.reply(day("Y05D30", false) + day("Y05D31", true));
    QCOMPARE(unit.nextFrame(), QByteArray("RM0101AA13ID"));
    unit.reply({"Y05D01"});
    QCOMPARE(unit.nextFrame(), QByteArray("FNID"));
    QCOMPARE(rig.messages().size(), 2);
    QVERIFY(
        rig.messages().last().startsWith(QStringLiteral("ダウンロード不良|ﾀﾞｳﾝﾛｰﾄﾞﾃﾞｰﾀを保存できません\n")));
    QCOMPARE(rig.file(dayFileA(12, 12, 30)), expectedDay(12, 12, 30));
    QCOMPARE(rig.file(dayFileA(12, 12, 31)), expectedDay(12, 12, 31));
    QCOMPARE(rig.file(monthFileA(12, 12)), expectedMonth(12, 12, {30, 31}));
    QVERIFY(!rig.session.isRunning());
}

UNITDESK_TEST(DownloadRangeTest)
#include "DownloadRangeTest.moc"
