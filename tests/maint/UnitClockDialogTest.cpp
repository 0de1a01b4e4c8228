// The unit clock window: the PC clock it shows and sends at the moment "設定" is pressed,
// and the unit's clock from its clock replies.
#include "MaintFixture.h"
#include "testmain.h"

#include "maint/UnitClockDialog.h"

class UnitClockDialogTest : public QObject {
    Q_OBJECT
    QDateTime m_pc;

    UnitClockDialog *open(MaintFixture &f) { return f.openModal<UnitClockDialog>(WindowId::Form8); }

private slots:
    void init()
    {
        m_pc = QDateTime(QDate(2013, 12, 31), QTime(23, 59, 58));
        UnitClockDialog::setPcClock([this] { return m_pc; });
    }
    void cleanup() { UnitClockDialog::setPcClock(nullptr); }

    void opens()
    {
        MaintFixture f;
        UnitClockDialog *w = open(f);
        QCOMPARE(w->windowTitle(), QStringLiteral("時計設定"));
        QStringList texts;
        for (const char *name : {"Label1", "Label3", "Label2", "Label4", "Label5", "Label6", "Label7"})
            texts << MaintFixture::child<QLabel>(w, name)->text();
        QCOMPARE(texts, (QStringList{"子機時計設定", "子機現在年月日時刻", "00年00月00日_日", "00時00分00秒",
                                     "子機時刻設定用パソコン時計", "2013/12/31_Tue", "23:59:58"}));
        QCOMPARE(w->Command1->text(), QStringLiteral("設定"));
        QCOMPARE(w->Command2->text(), QStringLiteral("終了"));
        QCOMPARE(w->Label6->pos(), QPoint(16, 136));
        w->Command2->click();
        QVERIFY(!f.windows().existing(WindowId::Form8) || !w->isVisible());
    }

    void setsTheTimeOfThePress()
    {
        MaintFixture f;
        UnitClockDialog *w = open(f);
        w->Command1->click();
        QCOMPARE(f.sent(19), QByteArray("\x02WT1231235958131ID\x03"));

        // Minutes later, with no tick in between: the press sends its own moment.
        m_pc = QDateTime(QDate(2026, 12, 13), QTime(10, 4, 9));
        w->Command1->click();
        QCOMPARE(f.sent(19), QByteArray("\x02WT1213100409266ID\x03"));
        QCOMPARE(w->Label7->text(), QStringLiteral("10:04:09"));
    }

    void labelsTickWhileShown()
    {
        MaintFixture f;
        UnitClockDialog *w = open(f);
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 1000);
        m_pc = m_pc.addSecs(2);
        emit w->Timer1->timeout({});
        QCOMPARE(w->Label6->text(), QStringLiteral("2014/01/01_Wed"));
        QCOMPARE(w->Label7->text(), QStringLiteral("00:00:00"));
        w->hide();
        QVERIFY(!w->Timer1->isActive());
    }

    void portClosedSendsNothing()
    {
        MaintFixture f;
        UnitClockDialog *w = open(f);
        f.window->link().close();
        w->Command1->click();
        QVERIFY(f.nothingSent());
    }

    void unitClockReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("Monday 2013") << QByteArray("A0905003012081200130001") << "2013年12月08日_月"
                                     << "09時05分";
        QTest::newRow("Sunday") << QByteArray("A2359005812311206130001") << "2013年12月31日_日"
                                << "23時59分";
        // A weekday digit outside 0-6 keeps the name the unit last gave (Sunday, from the first reply).
        QTest::newRow("weekday 9") << QByteArray("A1000000001011109140001") << "2014年01月01日_日"
                                   << "10時00分";
        QTest::newRow("short: left as it was") << QByteArray("A10000000010111091") << "2013年12月31日_日"
                                               << "23時59分";
    }
    void unitClockReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, date);
        QFETCH(QString, time);
        MaintFixture f;
        UnitClockDialog *w = open(f);
        f.reply("A2359005812311206130001");
        f.reply(reply);
        QCOMPARE(w->Label2->text(), date);
        QCOMPARE(w->Label4->text(), time);
    }

    void clockRepliesCreateNoWindow()
    {
        MaintFixture f;
        f.reply("A0905003012081200130001");
        QVERIFY(!f.windows().existing(WindowId::Form8));
    }
};

UNITDESK_TEST(UnitClockDialogTest)
#include "UnitClockDialogTest.moc"
