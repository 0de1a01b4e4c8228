// Unit selection, the poll, the no-reply watchdog and the live display, over a real
// pseudo-terminal.
#include "MainFixture.h"
#include "ReplyText.h"
#include "testmain.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

class MainLiveTest : public QObject {
    Q_OBJECT
private slots:
    void unitSelection()
    {
        MainFixture f;
        f.sent(0);
        f.window->selectUnitId(5);
        QCOMPARE(f.sent(8), QByteArray("\x02ID05ID\x03"));
        QCOMPARE(f.window->state().SelectedUnitId, QStringLiteral("05"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定中"));
        f.reply("ID");
        QCOMPARE(f.window->Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定完了"));

        f.window->selectUnitId(0);
        QCOMPARE(f.sent(8), QByteArray("\x02ID00ID\x03"));
    }

    void unitSelectionWithThePortClosed()
    {
        MainFixture f;
        f.window->link().close();
        f.window->Label19->setText("x");
        f.window->selectUnitId(7);
        QCOMPARE(f.window->state().SelectedUnitId, QStringLiteral("07"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("x"));
        QVERIFY(f.nothingSent());
    }

    void firstTimeBandHalfAsksForTheSecond()
    {
        MainFixture f;
        f.sent(0);
        f.reply("C" + QByteArray(48, '0'));
        QCOMPARE(f.sent(6), QByteArray("\x02RKID\x03"));
        f.window->List1->setCurrentRow(2);
        f.reply("C" + QByteArray(48, '0'));
        QCOMPARE(f.sent(6), QByteArray("\x02"
                                       "BKID\x03"));
        f.reply("K" + QByteArray(48, '0')); // the second half asks for nothing more
        QVERIFY(f.nothingSent());
    }

    void executedReply()
    {
        MainFixture f;
        f.reply("EX");
        QCOMPARE(f.window->Label19->text(), QStringLiteral("設定完了"));
        QCOMPARE(f.window->Label21->text(), QStringLiteral(" 通信中")); // the "E" stage ran too
    }

    // The unit settings replies leave their progress in UnitSettingStatus, which the unit
    // settings change window copies into its status line; "KE" is not the "K" reply.
    void unitSettingStatus_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("status");
        QTest::newRow("written") << QByteArray("KK") << " 子機ﾃﾞｰﾀ設定完了";
        QTest::newRow("read") << QByteArray("KS010203") << " 子機設定ﾃﾞｰﾀ読み取り完了";
        QTest::newRow("clearing") << QByteArray("KM") << " ﾓﾆﾀｰﾃﾞｰﾀ消去中";
        QTest::newRow("cleared") << QByteArray("KE") << " ﾓﾆﾀｰﾃﾞｰﾀ消去完了";
        QTest::newRow("time bands, second half") << QByteArray("K2200") << "(before)";
    }
    void unitSettingStatus()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, status);
        MainFixture f;
        f.window->state().UnitSettingStatus = "(before)";
        f.reply(reply);
        QCOMPARE(f.window->state().UnitSettingStatus, status);
    }

    void unitKinds_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("polled");
        QTest::newRow("standard") << 0 << "A"
                                  << "現在 電流" << false;
        QTest::newRow("other") << 1 << "B"
                               << "現在 電流" << false;
        QTest::newRow("water spray") << 2 << "WJ"
                                     << "現在 電流" << true;
        QTest::newRow("temperature") << 3 << "C"
                                     << "現在 電流" << false;
        QTest::newRow("power") << 4 << "D"
                               << "現在 電力" << false;
        QTest::newRow("direct") << 5 << "G"
                                << "現在 電流" << false;
    }
    void unitKinds()
    {
        QFETCH(int, index);
        MainFixture f;
        f.window->List1->setCurrentRow(2); // start from a polled kind
        f.window->List1->setCurrentRow(index);
        QCOMPARE(f.window->state().UnitKindIndex, index);
        QFETCH(QString, code);
        QFETCH(QString, title);
        QCOMPARE(f.window->state().UnitTypeCode, code);
        QCOMPARE(f.window->Label2->text(), title);
        QFETCH(bool, polled);
        QCOMPARE(f.window->Timer3->isActive(), polled);
        if (polled)
            QCOMPARE(f.window->Timer3->interval(), 10000);
    }

    void waterSprayPoll()
    {
        MainFixture f;
        f.sent(0);
        f.window->List1->setCurrentRow(2);
        emit f.window->Timer3->timeout({});
        QCOMPARE(f.sent(12), QByteArray("\x02"
                                        "E101RS01ID\x03"));
        f.window->link().close();
        emit f.window->Timer3->timeout({});
        QVERIFY(f.nothingSent());
    }

    void noReplyWatchdog()
    {
        MainFixture f;
        QCOMPARE(f.window->Label21->text(), QString());
        emit f.window->Timer2->timeout({});
        QCOMPARE(f.window->Label21->text(), QStringLiteral("子機未接続"));
        QVERIFY(f.window->Timer2->isActive());
        f.reply("Q01234253+0530217");
        QCOMPARE(f.window->Label21->text(), QStringLiteral(" 通信中"));
        QCOMPARE(f.window->Timer2->interval(), 25000);
        QVERIFY(f.window->Timer2->isActive());
        emit f.window->Timer2->timeout({});
        QCOMPARE(f.window->Label21->text(), QStringLiteral("子機未接続"));
    }

    void standardMonitoringReply()
    {
        MainFixture f;
        f.reply("Q01234253+0530217");
        MainWindow &w = *f.window;
        QCOMPARE(w.Label3->text(), QStringLiteral("012.3_A"));
        QCOMPARE(w.Label15->text(), QStringLiteral("+25.3_℃"));
        QCOMPARE(w.Label9->text(), QStringLiteral("CH番号: 05"));
        QCOMPARE(w.Label8->text(), QStringLiteral(" 制御中 "));
        QCOMPARE(w.Combo1->currentText(), QStringLiteral(" ID_No ： 02"));
        QCOMPARE(w.Label13->text(), QStringLiteral("Ver_No.： 17"));
        QCOMPARE(w.state().UnitChNo, QStringLiteral("05"));
        QCOMPARE(w.state().SelectedUnitId, QStringLiteral("01")); // only the shown text changes
    }

    void waterSprayMonitoringReply()
    {
        MainFixture f;
        f.window->List1->setCurrentRow(2);
        f.reply(fields("Q 0050 0 180 - 07 2 11 03 03 ON 1"));
        QCOMPARE(f.window->Label8->text(), QStringLiteral("水噴射中 _ 1"));
        QCOMPARE(f.window->Label9->text(), QStringLiteral("水噴射番号: 03"));
        QCOMPARE(f.window->state().SprayNo, QStringLiteral("03"));
        QCOMPARE(f.window->state().UnitChNo, QStringLiteral("07"));
    }

    void powerUnitChangesOnlyTheLink()
    {
        MainFixture f;
        f.window->List1->setCurrentRow(4);
        const QString before = f.window->Label3->text();
        f.reply("Q01234253+0530217");
        QCOMPARE(f.window->Label3->text(), before);
        QCOMPARE(f.window->Label9->text(), QStringLiteral("CH番号 : 01"));
        QCOMPARE(f.window->Label21->text(), QStringLiteral(" 通信中"));
        QCOMPARE(f.window->Timer2->interval(), 25000);
    }

    void clockReply()
    {
        MainFixture f;
        f.reply(fields("A 10 20 00 15 12 09 2 3 0 3 26 000"));
        QCOMPARE(f.window->Label18->text(), QStringLiteral("26年12月09日10時20分"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral(" 季節_2 時限_3 休_0"));
        const UnitClockText &c = f.window->state().UnitClock;
        QCOMPARE(c.hh + c.mi + c.ss, QStringLiteral("102015"));
        QCOMPARE(c.weekdayName, QStringLiteral("木"));
        f.reply(fields("A 10 20 00 15 12 09 2 3 0 9 26 000"));
        QCOMPARE(f.window->state().UnitClock.weekdayName, QStringLiteral("木"));
        f.window->state().Download.RangeDownload = 1;
        f.window->Label19->setText("ﾀﾞｳﾝﾛｰﾄﾞ 中");
        f.reply(fields("A 10 20 00 15 12 09 2 3 0 3 26 000"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 中"));
    }
};

UNITDESK_TEST(MainLiveTest)
#include "MainLiveTest.moc"
