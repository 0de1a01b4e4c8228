// The program driven as a user would, against the simulated line: live display of the unit
// kinds, the no-reply watchdog, and downloads started from the toolbar.
#include "OnTheLine.h"
#include "testmain.h"

#include "sim/UnitReplies.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {
// A temperature unit's record is stored as sent: day, slot label and its four fields.
QByteArray storedRecords(int yy, int mm, int dd, int count)
{
    QByteArray out;
    for (int slot = 0; slot < count; ++slot) {
        const QByteArray f = unitreply::recordPayload("01", "C", yy, mm, dd, slot);
        out += QByteArray::number(dd).rightJustified(2, '0') + '\t' +
               QTime(0, 0).addSecs(slot * 1800).toString("hh:mm").toLatin1() + '\t' + f.mid(0, 4) + '\t' +
               f.mid(4, 4) + '\t' + f.mid(8, 4) + '\t' + f.mid(12, 4) + "\r\n";
    }
    return out;
}
} // namespace

class ProgramOnTheLineTest : public QObject {
    Q_OBJECT
private slots:
    void waterSprayUnitIsPolled()
    {
        SimUnit u = unit("03", "WJ", 2);
        u.sprayState = "ON";
        u.spraySuffix = '1';
        OnTheLine line(u);
        line.w().List1->setCurrentRow(2);
        QVERIFY(line.w().Timer3->isActive());
        QCOMPARE(line.w().Timer3->interval(), 10000);
        emit line.w().Timer3->timeout({});
        QTRY_COMPARE(line.w().Label8->text(), QStringLiteral("水噴射中 _ 1"));
        QCOMPARE(line.sim.requests(), QList<QByteArray>{"E101RS01ID"});
        QCOMPARE(line.w().Label9->text(), QStringLiteral("水噴射番号: 02"));
        QCOMPARE(line.w().Label21->text(), QStringLiteral(" 通信中"));
    }

    void powerUnitChangesOnlyTheLinkTexts()
    {
        OnTheLine line(unit("04", "D", 4));
        line.w().List1->setCurrentRow(4);
        QCOMPARE(line.w().Label2->text(), QStringLiteral("現在 電力"));
        line.sim.sendMonitoring();
        QTRY_COMPARE(line.w().Label21->text(), QStringLiteral(" 通信中"));
        QCOMPARE(line.w().Label3->text(), QStringLiteral(" 000.00_A"));
        QCOMPARE(line.w().Label9->text(), QStringLiteral("CH番号 : 01"));
        QCOMPARE(line.w().Timer2->interval(), 25000);
    }

    void silentLineShowsTheUnitMissing()
    {
        OnTheLine line(unit("01", "A", 1));
        QCOMPARE(line.w().Timer2->interval(), 15000);
        emit line.w().Timer2->timeout({});
        QCOMPARE(line.w().Label21->text(), QStringLiteral("子機未接続"));
        line.sim.sendMonitoring();
        QTRY_COMPARE(line.w().Label21->text(), QStringLiteral(" 通信中"));
        emit line.w().Timer2->timeout({});
        QCOMPARE(line.w().Label21->text(), QStringLiteral("子機未接続"));
    }

    void rangeDownloadFromTheToolbar()
    {
        OnTheLine line(unit("01", "C", 5));
        line.sim.setClock(QDateTime(QDate(2026, 12, 8), QTime(10, 20)), false);
        MainWindow &w = line.w();
        w.List1->setCurrentRow(3);
        w.calendarClicked(QDate(2026, 11, 28));
        w.selectDateMode("2");
        w.calendarClicked(QDate(2026, 12, 2));
        QCOMPARE(w.Label1->text(), QStringLiteral("26年11月28日"));
        QCOMPARE(w.Label7->text(), QStringLiteral("26年12月02日"));

        w.action("mnuMnth_Log")->trigger();
        QCOMPARE(line.prompts.asked.last().text, QStringLiteral("月間ﾃﾞｰﾀをﾀﾞｳﾝﾛｰﾄﾞします"));
        QTRY_COMPARE(w.Label19->text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 終了"));
        QTRY_COMPARE(line.sim.requests(), (QList<QByteArray>{"TM1128AA26ID", "TM1201AA26ID", "FNID"}));
        QVERIFY(w.Timer2->isActive());
        QVERIFY(!w.Timer1->isActive());

        const QString year = "GRP/ZR3/Y2026/";
        for (const QDate &d : {QDate(2026, 11, 28), QDate(2026, 11, 29), QDate(2026, 11, 30),
                               QDate(2026, 12, 1), QDate(2026, 12, 2)}) {
            const QByteArray expected =
                d.toString("yy/MM/dd").toLatin1() + "\r\n" + storedRecords(26, d.month(), d.day(), 48);
            QCOMPARE(line.file(year + d.toString("'DAY/CH05/m'MM'd'dd'.TXT'")), expected);
        }
        QCOMPARE(line.file(year + "DAY/CH05/m12d03.TXT"), QByteArray("(missing)"));
        QCOMPARE(line.file(year + "M11/CH05/MnLog.TXT"), "26/11\r\n" + storedRecords(26, 11, 28, 48) +
                                                             storedRecords(26, 11, 29, 48) +
                                                             storedRecords(26, 11, 30, 48));
        QCOMPARE(line.file(year + "M12/CH05/MnLog.TXT"),
                 "26/12\r\n" + storedRecords(26, 12, 1, 48) + storedRecords(26, 12, 2, 48));
        QVERIFY(line.prompts.asked.size() == 1); // no failure message
    }

    void todaysDayDownloadEndsAtTheCurrentHalfHour()
    {
        OnTheLine line(unit("01", "C", 5));
        line.sim.setClock(QDateTime(QDate(2026, 12, 8), QTime(10, 20)), false);
        MainWindow &w = line.w();
        w.List1->setCurrentRow(3);
        line.sim.sendClock(); // the program takes the unit's clock
        QTRY_COMPARE(w.Label18->text(), QStringLiteral("26年12月08日10時20分"));

        w.action("mnuDay_Log")->trigger();
        QCOMPARE(line.prompts.asked.last().title, QStringLiteral("日報データのダウンロード"));
        QTRY_COMPARE(w.Label19->text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
        QCOMPARE(w.Label21->text(), QStringLiteral("残 ： 0"));
        QCOMPARE(line.sim.requests(), (QList<QByteArray>{"TM1208BB26ID", "FNID"}));
        QCOMPARE(line.file("GRP/ZR3/Y2026/DAY/CH05/m12d08.TXT"),
                 "26/12/08\r\n" + storedRecords(26, 12, 8, 20));
    }
};

UNITDESK_TEST(ProgramOnTheLineTest)
#include "ProgramOnTheLineTest.moc"
