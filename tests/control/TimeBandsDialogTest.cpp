// Form7, the time bands window: the two-half read chained through the "C" reply, the
// two-frame write with Timer1, the acknowledgements, refused reads and writes.
#include "ControlFixture.h"
#include "testmain.h"

#include "control/TimeBandWriter.h"
#include "control/TimeBandsDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr WindowId Id = WindowId::Form7;
const QByteArray First = "08001200120013001300170017002100";
const QByteArray Second = "073011591200125913001659170020290900113011301230123016301630190008301200120013001300160016001800";

TimeBandsDialog *openBands(ControlFixture &f)
{
    f.window->action("mnuZone")->trigger();
    f.sent(0);
    return f.window->windows().existing<TimeBandsDialog>(Id);
}
QTimer *timer1(TimeBandsDialog *w)
{
    return w->findChild<QTimer *>("Timer1");
}
void tick(TimeBandsDialog *w)
{
    emit timer1(w)->timeout({});
}
QByteArray frame(const QByteArray &text)
{
    return "\x02" + text + "\x03";
}
} // namespace

class TimeBandsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensInEitherKind_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("firstCell");
        QTest::newRow("standard") << 0 << "時間帯設定" << " 時間帯設定" << "08時 00分";
        QTest::newRow("water spray") << 2 << "水噴射 時間帯設定" << " 水噴射 時間帯設定" << "09時 30分";
    }
    void opensInEitherKind()
    {
        QFETCH(int, kindRow);
        QFETCH(QString, caption);
        QFETCH(QString, panel);
        QFETCH(QString, firstCell);
        ControlFixture f;
        f.put("TZONE.TXT", "08時 00分\t12時 00分\r\n");
        f.put("TZONE_WJ.TXT", "09時 30分\t12時 00分\r\n");
        f.window->List1->setCurrentRow(kindRow);
        auto *w = openBands(f);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->status(), panel);
        QCOMPARE(f.window->Label19->text(), caption);
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 1), firstCell);
        QCOMPARE(w->pos(), QPoint(twipsToPixels(2000), twipsToPixels(3200)));
        QVERIFY(!timer1(w)->isActive());

        Grid *g = w->MSFlexGrid1;
        QCOMPARE(g->rows(), 17);
        QCOMPARE(g->textMatrix(0, 0) + g->textMatrix(0, 1) + g->textMatrix(0, 2),
                 QStringLiteral("季節別時間帯開始時刻終了時刻"));
        QCOMPARE(g->textMatrix(1, 0), QStringLiteral("季節１第一時間帯"));
        QCOMPARE(g->textMatrix(8, 0), QStringLiteral("季節２第四時間帯"));
        QCOMPARE(g->textMatrix(16, 0), QStringLiteral("季節４第四時間帯"));
        QCOMPARE(g->colWidthTwips(0), 2580);
        QCOMPARE(g->colWidthTwips(2), 1700);
        QCOMPARE(w->findChild<QLabel *>("Label1")->text(), QStringLiteral("時間帯条件の設定"));
        QCOMPARE(w->findChild<QLabel *>("Label2")->text() + w->findChild<QLabel *>("Label3")->text(),
                 QStringLiteral("時分"));
        QCOMPARE(w->List1->count(), 24);
        QStringList minutes;
        for (int i = 0; i < w->List2->count(); ++i)
            minutes << w->List2->item(i)->text();
        QCOMPARE(minutes, (QStringList{"00", "29", "30", "59"}));
    }

    void picks()
    {
        ControlFixture f;
        auto *w = openBands(f);
        ControlFixture::pick(w->MSFlexGrid1, 2, 2);
        w->pickSecond("30");
        QCOMPARE(w->MSFlexGrid1->textMatrix(2, 2), QStringLiteral("30分"));
        w->pickFirst("17");
        QCOMPARE(w->MSFlexGrid1->textMatrix(2, 2), QStringLiteral("17時 "));
        w->pickSecond("59");
        QCOMPARE(w->MSFlexGrid1->textMatrix(2, 2), QStringLiteral("17時 59分"));
    }

    // "C" fills season 1 and draws the request for the rest without user action; "K"
    // fills seasons 2-4.
    void readInTwoHalves_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QByteArray>("second");
        QTest::newRow("standard") << 0 << QByteArray("RJ12345678912345ID") << "時間帯設定ﾃﾞｰﾀ読み取り中"
                                  << QByteArray("RKID");
        QTest::newRow("water spray") << 2 << QByteArray("BJ12345678912345ID") << "水噴射 時間帯設定ﾃﾞｰﾀ読み取り中"
                                     << QByteArray("BKID");
    }
    void readInTwoHalves()
    {
        QFETCH(int, kindRow);
        QFETCH(QByteArray, read);
        QFETCH(QString, reading);
        QFETCH(QByteArray, second);
        ControlFixture f;
        auto *w = openBands(f);
        f.window->List1->setCurrentRow(kindRow);
        w->Command3->click();
        QCOMPARE(f.sent(20), frame(read));
        QCOMPARE(w->status(), reading);
        f.reply("C" + First);
        QCOMPARE(f.sent(6), frame(second));
        QCOMPARE(w->status(), QStringLiteral("OK"));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 4), (QStringList{"17時 00分", "21時 00分"}));
        QCOMPARE(w->MSFlexGrid1->textMatrix(5, 1), QString());
        f.reply("K" + Second);
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 5), (QStringList{"07時 30分", "11時 59分"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 16), (QStringList{"16時 00分", "18時 00分"}));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->MSFlexGrid1->row(), 1);
    }

    void writeInTwoFrames()
    {
        ControlFixture f;
        auto *w = openBands(f);
        f.reply("C" + First);
        f.reply("K" + Second);
        f.sent(0);
        w->Command2->click();
        QCOMPARE(f.sent(40), frame("WJ" + First + "0000ID"));
        QCOMPARE(w->status(), QStringLiteral("NO.2-4_時間帯条件書込み中"));
        QCOMPARE(timer1(w)->interval(), 2000);
        QVERIFY(timer1(w)->isActive());
        QVERIFY(f.file("TZONE.TXT").startsWith(TextFile::encode(QStringLiteral("08時 00分\t12時 00分\r\n"))));

        w->Command3->click(); // refused: the second frame is on its way
        QVERIFY(f.nothingSent());
        f.reply("WJ");
        QCOMPARE(w->status(), QStringLiteral(" 書込み1/2完了"));

        tick(w);
        QCOMPARE(f.sent(112), frame("WK" + Second + "000000000000ID"));
        QCOMPARE(w->status(), QStringLiteral("NO.2-4_時間帯条件書込み中"));
        QCOMPARE(timer1(w)->interval(), 1000);
        f.reply("WK");
        QVERIFY(!timer1(w)->isActive());
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
        tick(w); // a stray tick sends nothing
        QVERIFY(f.nothingSent());
        w->Command3->click(); // ready to read again
        QCOMPARE(f.sent(20), frame("RJ12345678912345ID"));
    }

    // Unanswered second frame: sent three times in all, then dropped; reads work again.
    void unansweredSecondFrameGivesUp()
    {
        ControlFixture f;
        f.window->List1->setCurrentRow(2);
        auto *w = openBands(f);
        f.reply("C" + First);
        f.reply("K" + Second);
        f.sent(0);
        w->Command2->click();
        QCOMPARE(f.sent(40), frame("DJ" + First + "0000ID"));
        for (int i = 0; i < 3; ++i) {
            tick(w);
            QCOMPARE(f.sent(112), frame("DK" + Second + "000000000000ID"));
        }
        tick(w);
        QVERIFY(f.nothingSent());
        QVERIFY(!timer1(w)->isActive());
        QVERIFY(!w->writer->isPending());
        w->Command3->click();
        QCOMPARE(f.sent(20), frame("BJ12345678912345ID"));
    }

    void closedPortWaitsForIt()
    {
        ControlFixture f;
        auto *w = openBands(f);
        f.reply("C" + First);
        f.reply("K" + Second);
        f.sent(0);
        f.window->link().close();
        w->Command2->click();
        QCOMPARE(w->status(), QStringLiteral("NO.2-4_時間帯条件書込み中"));
        tick(w);
        QVERIFY(w->writer->isPending());
        QVERIFY(timer1(w)->isActive());
        QVERIFY(f.file("TZONE.TXT").startsWith(TextFile::encode(QStringLiteral("08時 00分"))));
        w->Command3->click(); // still refused
        QVERIFY(w->writer->isPending());
        QVERIFY(f.window->link().open());
        tick(w);
        QCOMPARE(f.sent(112), frame("WK" + Second + "000000000000ID"));
    }

    void refusedWrite()
    {
        ControlFixture f;
        auto *w = openBands(f);
        f.reply("C" + First);
        f.reply("K" + Second);
        f.sent(0);
        ControlFixture::pick(w->MSFlexGrid1, 9, 1);
        w->MSFlexGrid1->setTextMatrix(9, 1, "30分");
        ControlFixture::pick(w->MSFlexGrid1, 1, 1);
        w->Command2->click();
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QVERIFY(f.nothingSent());
        QVERIFY(!timer1(w)->isActive());
        QCOMPARE(w->MSFlexGrid1->row(), 9);
        QVERIFY(ControlFixture::keyboardIn(w, "MSFlexGrid1"));
        QCOMPARE(f.file("TZONE.TXT"), QByteArray("(missing)"));
    }

    // Replies out of order or damaged change only what they carry.
    void strayAndDamagedReplies()
    {
        ControlFixture f;
        auto *w = openBands(f);
        f.reply("K" + Second); // no "C" before it: seasons 2-4 only, nothing asked
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 1), QString());
        QCOMPARE(w->MSFlexGrid1->textMatrix(5, 1), QStringLiteral("07時 30分"));
        QVERIFY(f.nothingSent());

        f.reply("WK"); // nothing pending
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
        QVERIFY(!timer1(w)->isActive());
        QVERIFY(f.nothingSent());

        f.reply("C" + First.left(30)); // short: the last cell empty
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 4), (QStringList{"17時 00分", ""}));
        f.sent(0);
        f.reply("C" + First + "99"); // long: the extra characters are ignored
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 4), (QStringList{"17時 00分", "21時 00分"}));
        f.sent(0);
        f.reply("K" + Second.left(40) + "x" + Second.mid(41)); // a damaged cell
        QCOMPARE(w->MSFlexGrid1->textMatrix(10, 1), QString());
        QCOMPARE(w->MSFlexGrid1->textMatrix(10, 2), QStringLiteral("12時 30分"));
    }
};

UNITDESK_TEST(TimeBandsDialogTest)
#include "TimeBandsDialogTest.moc"
