// The day download against a unit played by the test on a pseudo-terminal: every request
// frame is read back byte for byte and every stored file compared whole.
#include "DownloadRig.h"
#include "common/TextFile.h"
#include "testmain.h"

#include <QTest>

namespace {

const QString DayFile = QStringLiteral("C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05\\m01d05.TXT");
const QString TempDay = QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_DAY.TXT");

void pickDay(DownloadRig &rig)
{
    rig.state.PickedDate = {"13", "01", "05"};
}

bool isQuestion(const Prompt::Message &m, const QString &text, const QString &title)
{
    return m.text == text && m.title == title && m.buttons == Prompt::Buttons::OkCancel &&
           m.icon == Prompt::Icon::Warning && m.defaultButton == Prompt::Answer::Cancel;
}

} // namespace

class DownloadDayTest : public QObject {
    Q_OBJECT
private slots:
    void storesTheDay_data();
    void storesTheDay();
    void cancelLeavesEverything();
    void todayEndsAtTheCurrentHalfHour();
    void kindGAsksAndSendsNothing();
    void closedPortEndsTheDownload();
    void silentUnitFailsAtTheThirdExpiry();
    void silentMidDayThenAnswersTheResend();
    void silentAgainAfterTheFirstResend();
    void lostEtxMergesTwoFrames();
    void recordsBeyond48AreDropped();
    void malformedRecordKeepsItsSlot();
    void damagedLogIsAppendedPerDownload();
    void repliesWithoutADownloadAreIgnored();
    void newDownloadReplacesTheRunningOne();
};

void DownloadDayTest::storesTheDay_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("dayFile");
    QTest::addColumn<QString>("label9");
    QTest::newRow("A") << "A" << QByteArray("RM0105BB13ID") << DayFile << "CH番号: 05";
    QTest::newRow("B") << "B" << QByteArray("RM0105BB13ID") << DayFile << "CH番号: 05";
    QTest::newRow("C") << "C" << QByteArray("TM0105BB13ID") << "C:\\GRP01\\ZR3\\Y2013\\DAY\\CH05\\m01d05.TXT"
                       << "CH番号: 05";
    QTest::newRow("D") << "D" << QByteArray("RM0105BB13ID") << "C:\\GRP01\\ZR2\\Y2013\\DAY\\CH05\\m01d05.TXT"
                       << "CH番号: 05";
    // A water-spray unit's logs go by its spray number, not the header's channel.
    QTest::newRow("WJ") << "WJ" << QByteArray("BM0105BB13ID")
                        << "C:\\GRP01\\ZR4\\Y2013\\DAY\\CH07\\m01d05.TXT"
                        << "水噴射番号: 07";
}

void DownloadDayTest::storesTheDay()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, request);
    QFETCH(QString, dayFile);
    QFETCH(QString, label9);
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.UnitTypeCode = kind;
    rig.state.SprayNo = QStringLiteral("07");
    pickDay(rig);

    rig.front->startDay();
    QCOMPARE(rig.script.asked.size(), 1);
    QVERIFY(isQuestion(rig.script.asked[0], "１日のﾃﾞｰﾀをﾀﾞｳﾝﾛｰﾄﾞします", "日報データのダウンロード"));
    QCOMPARE(unit.nextFrame(), request);
    QCOMPARE(rig.Label1.text(), QStringLiteral("13年01月05日"));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ開始"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 48"));
    QCOMPARE(rig.ProgressBar1.maximum(), 49);
    QCOMPARE(rig.ProgressBar1.value(), 1);
    QVERIFY(rig.Timer1.isActive());
    QCOMPARE(rig.Timer1.interval(), 3000);
    QVERIFY(!rig.Timer2.isActive());
    QCOMPARE(rig.state.StartDate, rig.state.PickedDate);
    QCOMPARE(rig.file(TempDay), QByteArray("13/01/05\r\n"));

    unit.reply({"Y05N05"});
    QCOMPARE(rig.Label9.text(), label9);
    QCOMPARE(rig.channelReloads, 1);
    unit.reply(dayReplies(47, kind));
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 1"));
    QCOMPARE(rig.ProgressBar1.value(), 48);
    unit.reply({recordReply(47, kind)});
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 0"));
    QCOMPARE(rig.ProgressBar1.value(), 49);
    QVERIFY(!rig.exists(dayFile));

    unit.reply({"O"});
    QCOMPARE(rig.file(dayFile), expectedDay(13, 1, 5, 48, kind));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QVERIFY(!rig.Timer1.isActive());
    QVERIFY(rig.Timer2.isActive());
    QVERIFY(!rig.session.isRunning());
    QCOMPARE(rig.state.Download.DayDownload, 0);
    QVERIFY(unit.framesWithin(30).isEmpty()); // no finish request for a past day
    QCOMPARE(rig.script.asked.size(), 1);
}

void DownloadDayTest::cancelLeavesEverything()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.script.answer = [](const Prompt::Message &) { return Prompt::Answer::Cancel; };
    pickDay(rig);
    rig.front->startDay();
    rig.front->startMonth();
    QCOMPARE(rig.script.asked.size(), 2);
    QVERIFY(isQuestion(rig.script.asked[1], "月間ﾃﾞｰﾀをﾀﾞｳﾝﾛｰﾄﾞします", "デマンド データのダウンロード"));
    QVERIFY(unit.framesWithin(30).isEmpty());
    QVERIFY(rig.allFiles().isEmpty());
    QVERIFY(!rig.Timer1.isActive());
    QVERIFY(rig.Label19.text().isEmpty());
}

void DownloadDayTest::todayEndsAtTheCurrentHalfHour()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.UnitClock = {"13", "01", "05", "10", "20", "00"};
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 20"));

    unit.reply({"Y05N05"});
    unit.reply(dayReplies(19));
    QVERIFY(unit.framesWithin(20).isEmpty());
    unit.reply({recordReply(19)}); // slot "09:30", the 20th
    QCOMPARE(unit.nextFrame(), QByteArray("FNID"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 0"));
    unit.reply({recordReply(20), "O"}); // sent before the unit took the finish: dropped
    QCOMPARE(rig.file(DayFile), expectedDay(13, 1, 5, 20));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QVERIFY(unit.framesWithin(20).isEmpty());
}

void DownloadDayTest::kindGAsksAndSendsNothing()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.UnitTypeCode = QStringLiteral("G");
    rig.state.Download.LastRequest = "\x02RM0101BB13ID\x03";
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(rig.script.asked.size(), 1);
    QVERIFY(unit.framesWithin(30).isEmpty());
    QCOMPARE(rig.file(TempDay), QByteArray("13/01/05\r\n"));
    QCOMPARE(rig.state.Download.LastRequest, QByteArray("\x02RM0101BB13ID\x03"));
    QVERIFY(rig.Timer1.isActive()); // armed all the same: it resends what LastRequest holds

    rig.session.watchdogExpired();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0101BB13ID"));
    // Whatever comes back, a kind without a log stores nothing.
    unit.reply({"Y05N01"});
    unit.reply(dayReplies(3));
    unit.reply({"O"});
    QCOMPARE(rig.allFiles(), QStringList{"ZRLOG/TEMP/KOKI_DAY.TXT"});
}

void DownloadDayTest::closedPortEndsTheDownload()
{
    DownloadRig rig;
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(rig.file(TempDay), QByteArray("13/01/05\r\n"));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ開始"));
    QVERIFY(!rig.Timer1.isActive());
    QVERIFY(rig.Timer2.isActive());
    QVERIFY(rig.state.Download.LastRequest.isEmpty());
    // Nothing could be asked for: the download has ended (the main window's labels take
    // replies again) and the user is told why.
    QVERIFY(!rig.session.isRunning());
    QCOMPARE(rig.state.Download.DayDownload, 0);
    QCOMPARE(rig.messages().last(),
             QStringLiteral("ダウンロード不良|ﾀﾞｳﾝﾛｰﾄﾞ通信不良です\n通信ポートが開いていません"));

    rig.state.StartDate = {"13", "01", "30"};
    rig.state.EndDate = {"13", "02", "02"};
    rig.front->startMonth();
    QCOMPARE(rig.file(QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_MON.TXT")), QByteArray("13/01\r\n"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("13年1月30日"));
    QVERIFY(!rig.Timer1.isActive());
    QVERIFY(rig.Timer2.isActive());
    QVERIFY(!rig.session.isRunning());
    QCOMPARE(rig.state.Download.RangeDownload, 0);
}

void DownloadDayTest::silentUnitFailsAtTheThirdExpiry()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    for (int resend = 1; resend <= 2; ++resend) {
        QMetaObject::invokeMethod(&rig.Timer1, "timeout");
        QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
        QVERIFY(rig.Timer1.isActive());
        QCOMPARE(rig.Timer1.interval(), 3000);
        QCOMPARE(rig.state.Download.RetryCount, resend);
    }
    QCOMPARE(rig.script.asked.size(), 1);
    QMetaObject::invokeMethod(&rig.Timer1, "timeout");
    QVERIFY(unit.framesWithin(30).isEmpty());
    QCOMPARE(rig.script.asked.size(), 2);
    QVERIFY(isQuestion(rig.script.asked[1], "ﾀﾞｳﾝﾛｰﾄﾞ通信不良です", "ダウンロード不良"));
    QVERIFY(!rig.Timer1.isActive());
    QVERIFY(!rig.session.isRunning());
    // The no-reply watchdog watches the unit again.
    QVERIFY(rig.Timer2.isActive());

    // A late answer finds no download.
    unit.reply({"Y05N05", recordReply(0), "O"});
    QVERIFY(!rig.exists(DayFile));
    QCOMPARE(rig.file(TempDay), QByteArray("13/01/05\r\n"));
    QVERIFY(unit.framesWithin(20).isEmpty());
}

void DownloadDayTest::silentMidDayThenAnswersTheResend()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    unit.reply({"Y05N05"});
    unit.reply(dayReplies(10));

    rig.session.watchdogExpired();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    // The day starts over: the ten records already in are not kept in front of the repeat,
    // and the progress shown goes back with them.
    QCOMPARE(rig.file(TempDay), QByteArray("13/01/05\r\n"));
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 48"));
    QCOMPARE(rig.ProgressBar1.value(), 1);
    unit.reply({"Y05N05"});
    unit.reply(dayReplies(1));
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 47"));
    unit.reply(dayReplies(48).mid(1));
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 0"));
    QCOMPARE(rig.ProgressBar1.value(), 49);
    unit.reply({"O"});
    QCOMPARE(rig.file(DayFile), expectedDay(13, 1, 5));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QCOMPARE(rig.script.asked.size(), 1);
}

void DownloadDayTest::silentAgainAfterTheFirstResend()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    rig.session.watchdogExpired();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    // Progress within the day does not reset the count: two more silences end it.
    unit.reply({"Y05N05"});
    unit.reply(dayReplies(5));
    QCOMPARE(rig.state.Download.RetryCount, 1);
    rig.session.watchdogExpired();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    rig.session.watchdogExpired();
    QVERIFY(unit.framesWithin(20).isEmpty());
    QCOMPARE(rig.messages().last(), QStringLiteral("ダウンロード不良|ﾀﾞｳﾝﾛｰﾄﾞ通信不良です"));
    QVERIFY(!rig.exists(DayFile));
}

void DownloadDayTest::lostEtxMergesTwoFrames()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    // The header's ETX is lost, and later two records' and the last record's.
    unit.replyRaw("\x02Y05N05\x02" + recordReply(0) + "\x03", 1);
    QCOMPARE(rig.Label9.text(), QStringLiteral("CH番号: 05"));
    unit.reply(dayReplies(10).mid(1));
    unit.replyRaw("\x02" + recordReply(10) + "\x02" + recordReply(11) + "\x03", 1);
    unit.reply(dayReplies(47).mid(12));
    unit.replyRaw("\x02" + recordReply(47) + "\x02O\x03", 1);
    QCOMPARE(rig.file(DayFile), expectedDay(13, 1, 5));
    QVERIFY(!rig.session.isRunning());
}

void DownloadDayTest::recordsBeyond48AreDropped()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    unit.reply({"Y05N05"});
    unit.reply(dayReplies(48) + QList<QByteArray>{"M9999999999999999", recordReply(3)});
    QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 0"));
    QCOMPARE(rig.ProgressBar1.value(), 49);
    unit.reply({"O"});
    QCOMPARE(rig.file(DayFile), expectedDay(13, 1, 5));
}

void DownloadDayTest::malformedRecordKeepsItsSlot()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    QList<QByteArray> day = dayReplies(48);
    day[2] = "M00#2000509020898"; // line noise inside a field
    day[3] = "M0013";             // cut short
    // The same damage on every try: the day is asked for twice more, then kept as it came.
    for (int again = 1; again <= 2; ++again) {
        unit.reply(QList<QByteArray>{"Y05N05"} + day + QList<QByteArray>{"O"});
        QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
        QCOMPARE(rig.file(TempDay), QByteArray("13/01/05\r\n"));
        QCOMPARE(rig.Label21.text(), QStringLiteral("残 ： 48"));
        QVERIFY(!rig.exists(DayFile));
    }
    unit.reply(QList<QByteArray>{"Y05N05"} + day + QList<QByteArray>{"O"});

    QList<QByteArray> lines = expectedDay(13, 1, 5).split('\n');
    lines[3] = "05\t01:00\t0000\t0000\t0000\t0000\r";
    lines[4] = "05\t01:30\t0000\t0000\t0000\t0000\r";
    QCOMPARE(rig.file(DayFile), lines.join('\n'));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QCOMPARE(rig.messages().last(),
             QStringLiteral("ダウンロード不良|次の日のデータは不完全です\n子機 01  13年01月05日"));
    QVERIFY(unit.framesWithin(20).isEmpty());
}

void DownloadDayTest::damagedLogIsAppendedPerDownload()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    const QString log = QStringLiteral("C:\\ZRLOG\\TEMP\\DAMAGED.TXT");
    for (const QByteArray id : {"03", "07"}) {
        rig.state.SelectedUnitId = QString::fromLatin1(id);
        pickDay(rig);
        rig.front->startDay();
        for (int tries = 0; tries < 3; ++tries) {
            QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
            unit.reply(QList<QByteArray>{"Y05N05"} + dayReplies(47) + QList<QByteArray>{"O"});
        }
        QVERIFY(!rig.session.isRunning());
    }
    QCOMPARE(rig.file(DayFile), expectedDay(13, 1, 5, 47));
    const QStringList lines = TextFile::readLines(log);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].endsWith(QStringLiteral("  子機 03  13年01月05日")));
    QVERIFY(lines[1].endsWith(QStringLiteral("  子機 07  13年01月05日")));
    QVERIFY(rig.file(log).endsWith("\r\n"));
}

void DownloadDayTest::repliesWithoutADownloadAreIgnored()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    unit.reply({"Y05D05", recordReply(0), "O"});
    QVERIFY(rig.allFiles().isEmpty());
    QVERIFY(rig.Label9.text().isEmpty() && rig.Label21.text().isEmpty());
    QVERIFY(rig.Timer2.isActive());
    QVERIFY(!rig.Timer1.isActive());

    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    unit.reply(QList<QByteArray>{"Y05N05"} + dayReplies(48) + QList<QByteArray>{"O"});
    const QStringList files = rig.allFiles();
    const QByteArray temp = rig.file(TempDay);

    // After the finish: a repeated day changes neither the store nor the temporary file.
    unit.reply(QList<QByteArray>{"Y06D06"} + dayReplies(3) + QList<QByteArray>{"Y06D07", "O"});
    QCOMPARE(rig.allFiles(), files);
    QCOMPARE(rig.file(DayFile), expectedDay(13, 1, 5));
    QCOMPARE(rig.file(TempDay), temp);
    QCOMPARE(rig.Label9.text(), QStringLiteral("CH番号: 05"));
    QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
    QVERIFY(!rig.Timer1.isActive());
    QVERIFY(unit.framesWithin(20).isEmpty());
}

void DownloadDayTest::newDownloadReplacesTheRunningOne()
{
    DownloadRig rig;
    ManualUnit unit(rig);
    QVERIFY(rig.openPort(unit.wire()));
    rig.state.StartDate = {"13", "01", "20"};
    rig.state.EndDate = {"13", "01", "31"};
    rig.front->startMonth();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0120AA13ID"));
    unit.reply(QList<QByteArray>{"Y05D20"} + dayReplies(5));
    QVERIFY(rig.exists(QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_MON.TXT")));

    pickDay(rig);
    rig.front->startDay();
    QCOMPARE(unit.nextFrame(), QByteArray("RM0105BB13ID"));
    QVERIFY(!rig.exists(QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_MON.TXT")));
    QCOMPARE(rig.file(TempDay), QByteArray("13/01/05\r\n"));
    QCOMPARE(rig.state.Download.RangeDownload, 0);
    QCOMPARE(rig.ProgressBar1.maximum(), 49);
    unit.reply(QList<QByteArray>{"Y05N05"} + dayReplies(48) + QList<QByteArray>{"O"});
    QCOMPARE(rig.file(DayFile), expectedDay(13, 1, 5));
    // A day fetched alone is in its month's log too.
    QCOMPARE(rig.file(monthFileA(13, 1)), expectedMonth(13, 1, {5}));
    QCOMPARE(rig.allFiles(), QStringList({"GRP01/ZR1/Y2013/DAY/CH05/m01d05.TXT",
                                          "GRP01/ZR1/Y2013/M01/CH05/MnLog.TXT", "ZRLOG/TEMP/KOKI_DAY.TXT"}));
}

UNITDESK_TEST(DownloadDayTest)
#include "DownloadDayTest.moc"
