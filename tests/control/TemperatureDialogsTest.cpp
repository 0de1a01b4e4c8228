// Form17 (temperature range) and Form18 (sensor number): their controls, frames, the
// refused writes and the "TW", "TK" and "TQ" replies.
#include "ControlFixture.h"
#include "testmain.h"

#include "control/SensorNumberDialog.h"
#include "control/TemperatureRangeDialog.h"

#include <QLabel>
#include <QPushButton>

namespace {
TemperatureRangeDialog *openRange(ControlFixture &f)
{
    f.window->action("mnuTemp_Range")->trigger();
    f.sent(0);
    return f.window->windows().existing<TemperatureRangeDialog>(WindowId::Form17);
}
SensorNumberDialog *openSensor(ControlFixture &f)
{
    f.window->action("mnuTemp_CH")->trigger();
    f.sent(0);
    return f.window->windows().existing<SensorNumberDialog>(WindowId::Form18);
}
QByteArray frame(const QByteArray &text)
{
    return "\x02" + text + "\x03";
}
} // namespace

class TemperatureDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void rangeWindow()
    {
        ControlFixture f;
        f.window->state().UnitSettingStatus = "old";
        auto *w = openRange(f);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("制御温度範囲設定"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("温度制御範囲設定"));
        QCOMPARE(w->pos(), QPoint(twipsToPixels(2000), twipsToPixels(3200)));
        QCOMPARE(f.window->state().UnitSettingStatus, QString());
        QCOMPARE(w->status(), QString());
        QCOMPARE(w->findChild<QLabel *>("Label15")->text(), QStringLiteral("温度範囲設定"));
        QCOMPARE(w->Text8->text() + w->Text2->text(), QStringLiteral("+35.0-99.9"));
        QCOMPARE(w->Text8->maxLength(), 5);
        QCOMPARE(w->Command1->text() + w->Command2->text(), QStringLiteral("書込読取"));

        w->Command2->click();
        QCOMPARE(f.sent(6), frame("TRID"));
        f.reply("TW+250+050");
        QCOMPARE(w->Text8->text(), QStringLiteral("+25.0"));
        QCOMPARE(w->Text2->text(), QStringLiteral("+05.0"));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));

        ControlFixture::type(w->Text8, "+5");
        ControlFixture::type(w->Text2, "-5.5");
        w->Command1->click();
        QCOMPARE(f.sent(14), frame("TC+050-055ID"));
        QCOMPARE(w->status(), QStringLiteral(" 書き込み中"));
        QCOMPARE(f.window->state().UnitSettingStatus, QStringLiteral(" 書き込み中"));
        f.reply("TK");
        QCOMPARE(w->status(), QStringLiteral(" ﾃﾞｰﾀ設定完了 "));
        w->close();
        QCOMPARE(f.window->Label19->text(), QString());
    }

    void refusedLimits_data()
    {
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no sign") << "35.0" << "-99.9" << "Text8";
        QTest::newRow("100 degrees") << "+35.0" << "-100" << "Text2";
        QTest::newRow("two decimals") << "+3.25" << "-9.9" << "Text8";
    }
    void refusedLimits()
    {
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QFETCH(QString, focus);
        ControlFixture f;
        auto *w = openRange(f);
        ControlFixture::type(w->Text8, upper);
        ControlFixture::type(w->Text2, lower);
        w->setStatus("before");
        w->Command1->click();
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QCOMPARE(f.prompts.asked.first().defaultButton, Prompt::Answer::Cancel);
        QVERIFY(f.nothingSent());
        QCOMPARE(w->status(), QStringLiteral("before"));
        QVERIFY(ControlFixture::keyboardIn(w, focus));
    }

    void closedPortSendsNothing()
    {
        ControlFixture f;
        auto *range = openRange(f);
        f.window->link().close();
        range->Command2->click();
        range->Command1->click();
        QVERIFY(f.nothingSent());
        QCOMPARE(range->status(), QString());
        QCOMPARE(f.window->state().UnitSettingStatus, QString());
        ControlFixture::type(range->Text8, "35");
        range->Command1->click(); // the sign test still speaks
        QCOMPARE(f.messages().size(), 1);
    }

    void sensorWindow()
    {
        ControlFixture f;
        auto *w = openSensor(f);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("温度 センサー 番号設定"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("温度ｾﾝｻｰ番号設定"));
        QCOMPARE(w->pos(), QPoint(twipsToPixels(2000), twipsToPixels(3000)));
        QCOMPARE(w->findChild<QLabel *>("Label1")->text(), QStringLiteral("温度 センサー番号"));
        QCOMPARE(w->Text1->text(), QStringLiteral("01"));
        QCOMPARE(w->Command2->text() + w->Command3->text(), QStringLiteral("書込読取"));

        ControlFixture::type(w->Text1, "a7-");
        QCOMPARE(w->Text1->text(), QStringLiteral("7"));
        w->Command2->click();
        QCOMPARE(f.sent(8), frame("TP07ID"));
        QCOMPARE(w->status(), QStringLiteral("データの書込み中"));
        f.reply("TK");
        QCOMPARE(w->status(), QStringLiteral(" ﾃﾞｰﾀ設定完了 "));
        w->Command3->click();
        QCOMPARE(f.sent(6), frame("TQID"));
        QCOMPARE(w->status(), QStringLiteral("データの読み込み中"));
        f.reply("TQ12");
        QCOMPARE(w->Text1->text(), QStringLiteral("12"));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        f.reply("TQ1x"); // damaged: an empty field, refused at the write
        QCOMPARE(w->Text1->text(), QString());
        w->Command2->click();
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QVERIFY(f.nothingSent());
        QVERIFY(ControlFixture::keyboardIn(w, "Text1"));
    }

    // "TK" answers both windows, creating the one not open hidden; "TW" to a closed window.
    void repliesReachBothWindows()
    {
        ControlFixture f;
        auto *sensor = openSensor(f);
        f.reply("TK");
        QCOMPARE(sensor->status(), QStringLiteral(" ﾃﾞｰﾀ設定完了 "));
        auto *range = f.window->windows().existing<TemperatureRangeDialog>(WindowId::Form17);
        QVERIFY(range && !range->isVisible());
        QCOMPARE(range->status(), QStringLiteral(" ﾃﾞｰﾀ設定完了 "));
        f.reply("TW-015+00"); // short: the lower limit empty
        QCOMPARE(range->Text8->text(), QStringLiteral("-01.5"));
        QCOMPARE(range->Text2->text(), QString());
    }
};

UNITDESK_TEST(TemperatureDialogsTest)
#include "TemperatureDialogsTest.moc"
