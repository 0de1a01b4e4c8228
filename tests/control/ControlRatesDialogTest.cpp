// Form5, the control rates window, in both kinds: opening, its file, the frames, the "D"
// reply and refused writes.
#include "ControlFixture.h"
#include "testmain.h"

#include "control/ControlRatesDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr WindowId Id = WindowId::Form5;

QByteArray codes(const char *first6)
{
    QByteArray out = first6;
    for (int v = 2; v < 24; ++v)
        out += QByteArray::number(100 + v);
    return out;
}
} // namespace

class ControlRatesDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensInEitherKind_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("label19");
        QTest::addColumn<QString>("firstCell"); // from the kind's file
        QTest::newRow("standard") << 0 << "制御条件設定" << QStringList{"第一回制御", "第二回制御"}
                                  << " 制御率設定"
                                  << "制御率設定"
                                  << "060 _秒";
        QTest::newRow("water spray") << 2 << "水噴射 制御条件設定" << QStringList{"噴射時間", "休止時間"}
                                     << " 水噴射 制御率設定"
                                     << "水噴射 制御率設定"
                                     << "連続";
    }
    void opensInEitherKind()
    {
        QFETCH(int, kindRow);
        QFETCH(QString, caption);
        QFETCH(QStringList, titles);
        QFETCH(QString, panel);
        QFETCH(QString, label19);
        QFETCH(QString, firstCell);
        ControlFixture f;
        f.put("CONT2.TXT", "060 _秒\t休止\r\n");
        f.put("CONTWJ2.TXT", "連続\t休止\r\n");
        f.window->List1->setCurrentRow(kindRow);
        auto *w = f.open<ControlRatesDialog>(Id);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 0), titles);
        QCOMPARE(w->status(), panel);
        QCOMPARE(f.window->Label19->text(), label19);
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 1), firstCell);
        QCOMPARE(w->pos(), QPoint(twipsToPixels(2000), twipsToPixels(3200)));

        Grid *g = w->MSFlexGrid1;
        QCOMPARE(g->rows(), 13);
        QCOMPARE(g->colWidthTwips(0), 3400);
        QCOMPARE(g->colWidthTwips(2), 1500);
        QCOMPARE(g->textMatrix(1, 0), QStringLiteral("第二季節_第一時間帯"));
        QCOMPARE(g->textMatrix(8, 0), QStringLiteral("第三季節_第四時間帯"));
        QCOMPARE(g->textMatrix(12, 0), QStringLiteral("第四季節_第四時間帯"));
        QCOMPARE(w->findChild<QLabel *>("Label4")->text(), QStringLiteral("制御ﾃﾞｰﾀ設定"));
        QCOMPARE(w->findChild<QLabel *>("Label1")->text(), QStringLiteral("_秒"));
        QCOMPARE(w->Text1->text(), QStringLiteral("000"));
        QCOMPARE(w->Text1->maxLength(), 3);
        w->Text1->clear();
        QTest::keyClicks(w->Text1, "4a.5");
        QCOMPARE(w->Text1->text(), QStringLiteral("45"));
        QCOMPARE(w->Command1->text() + w->Command3->text(), QStringLiteral("書込読取"));
        QCOMPARE(w->unitSelector()->itemText(12), QStringLiteral("　ＩＤ_Ｎｏ ： １２"));
    }

    // The kind is taken again at each read and write: commands and file change, captions stay.
    void kindChangedWhileOpen()
    {
        ControlFixture f;
        auto *w = f.open<ControlRatesDialog>(Id);
        f.reply("D" + codes("000999"));
        f.window->List1->setCurrentRow(2);
        QCOMPARE(w->windowTitle(), QStringLiteral("制御条件設定"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(0, 1), QStringLiteral("第一回制御"));
        f.sent(0);
        w->Command3->click();
        QCOMPARE(f.sent(6), QByteArray("\x02"
                                       "BDID\x03"));
        QCOMPARE(w->status(), QStringLiteral("_水噴射時間データ２の読み取り中"));
        w->Command1->click();
        QCOMPARE(f.sent(78), "\x02"
                             "DD" +
                                 codes("000999") + "ID\x03");
        QCOMPARE(w->status(), QStringLiteral("水噴射時間データの書き込み中"));
        QCOMPARE(f.file("CONT2.TXT"), QByteArray("(missing)"));
        QVERIFY(f.file("CONTWJ2.TXT").startsWith(TextFile::encode("休止\t連続\r\n102 _秒\t103 _秒\r\n")));

        f.window->List1->setCurrentRow(0);
        w->Command3->click();
        QCOMPARE(f.sent(6), QByteArray("\x02RDID\x03"));
        QCOMPARE(w->status(), QStringLiteral("_制御率データ２の読み取り中"));
    }

    void ratesReplyAndWrite()
    {
        ControlFixture f;
        f.reply("D" + codes("000999")); // not open: created hidden and filled
        auto *w = f.window->windows().existing<ControlRatesDialog>(Id);
        QVERIFY(w && !w->isVisible());
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"休止", "連続"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 12), (QStringList{"122 _秒", "123 _秒"}));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(f.window->Label21->text(), QStringLiteral(" 通信中"));

        ControlFixture::pick(w->MSFlexGrid1, 1, 1, 12, 2);
        ControlFixture::type(w->Text1, "0");
        w->Command1->click();
        QCOMPARE(f.sent(78), "\x02WD" + QByteArray(72, '0') + "ID\x03");
        QCOMPARE(w->status(), QStringLiteral("制御率データの書き込み中"));
        QCOMPARE(f.file("CONT2.TXT"), TextFile::encode(QStringLiteral("休止\t休止\r\n").repeated(12)));
        QCOMPARE(w->MSFlexGrid1->row(), 1);
        f.reply("WD");
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
        w->setStatus("before");
        f.reply("WDX", 0); // not an acknowledgement
        QCOMPARE(w->status(), QStringLiteral("before"));
    }

    void damagedReplyIsRefusedAtTheWrite_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("short") << "D" + QByteArray(30, '1') << 6 << 1;
        QTest::newRow("non-digit") << "D" + QByteArray(9, '1') + "1A1" + QByteArray(60, '1') << 2 << 2;
    }
    void damagedReplyIsRefusedAtTheWrite()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, row);
        QFETCH(int, col);
        ControlFixture f;
        auto *w = f.open<ControlRatesDialog>(Id);
        f.reply(reply);
        w->Command1->click();
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QVERIFY(f.nothingSent());
        QCOMPARE(f.file("CONT2.TXT"), QByteArray("(missing)"));
        QCOMPARE(w->MSFlexGrid1->row(), row);
        QCOMPARE(w->MSFlexGrid1->col(), col);
        QVERIFY(ControlFixture::keyboardIn(w, "MSFlexGrid1"));
    }

    void missingFileLeavesTheGridEmpty()
    {
        ControlFixture f;
        auto *w = f.open<ControlRatesDialog>(Id);
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"", ""}));
        w->Command1->click(); // nothing to send from an empty grid
        QCOMPARE(f.messages().size(), 1);
        QVERIFY(f.nothingSent());
    }

    void unitSelectionShowsOnTheMainLabelOnly()
    {
        ControlFixture f;
        auto *w = f.open<ControlRatesDialog>(Id);
        emit w->unitSelector()->activated(12);
        QCOMPARE(f.sent(8), QByteArray("\x02ID12ID\x03"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定中"));
        QCOMPARE(w->status(), QStringLiteral(" 制御率設定"));
        f.reply("ID");
        QCOMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
        f.reply("Q01234253+053111701");
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ID_No ： 11"));
        w->close();
        QCOMPARE(f.window->Label19->text(), QString());
    }
};

UNITDESK_TEST(ControlRatesDialogTest)
#include "ControlRatesDialogTest.moc"
