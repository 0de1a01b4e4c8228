// Form6, the season bands window, in both kinds: opening, the month and day picks, the
// "S" reply, the write with its file and frame, and refused writes.
#include "ControlFixture.h"
#include "testmain.h"

#include "control/SeasonBandsDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr WindowId Id = WindowId::Form6;
const QByteArray Example = "03010531060108310901113012010228";

SeasonBandsDialog *openSeasons(ControlFixture &f)
{
    f.window->action("mnuSeason")->trigger();
    f.sent(0);
    return f.window->windows().existing<SeasonBandsDialog>(Id);
}
void click(QListWidget *list, const char *entry)
{
    QListWidgetItem *item = list->findItems(QLatin1String(entry), Qt::MatchExactly).value(0);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}
} // namespace

class SeasonBandsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensInEitherKind_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("label19");
        QTest::addColumn<QString>("firstCell"); // from the kind's file
        QTest::newRow("standard") << 0 << "季節帯設定" << " 季節帯設定" << "季節帯設定" << "03月 01日";
        QTest::newRow("water spray") << 2 << "水噴射 季節帯設定" << " 水噴射 季節帯設定" << "水噴射 季節帯設定"
                                     << "04月 01日";
    }
    void opensInEitherKind()
    {
        QFETCH(int, kindRow);
        QFETCH(QString, caption);
        QFETCH(QString, panel);
        QFETCH(QString, label19);
        QFETCH(QString, firstCell);
        ControlFixture f;
        f.put("SEASN.TXT", "03月 01日\t05月 31日\r\n");
        f.put("SEASN_WJ.TXT", "04月 01日\t06月 30日\r\n");
        f.window->List1->setCurrentRow(kindRow);
        auto *w = openSeasons(f);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->status(), panel);
        QCOMPARE(f.window->Label19->text(), label19);
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 1), firstCell);
        QCOMPARE(w->MSFlexGrid1->textMatrix(2, 1), QString());
        QCOMPARE(w->pos(), QPoint(twipsToPixels(2000), twipsToPixels(3200)));

        Grid *g = w->MSFlexGrid1;
        QCOMPARE(g->rows(), 5);
        QCOMPARE(ControlFixture::cells(g, 0), (QStringList{"開始月日", "終了月日"}));
        QCOMPARE(g->textMatrix(0, 0), QStringLiteral("季節帯"));
        QCOMPARE(g->textMatrix(4, 0), QStringLiteral("第四季節帯"));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(g->colWidthTwips(c), 2000);
        QCOMPARE(w->findChild<QLabel *>("Label1")->text(), QStringLiteral("季節別条件の設定"));
        QCOMPARE(w->findChild<QLabel *>("Label2")->text() + w->findChild<QLabel *>("Label3")->text(),
                 QStringLiteral("月日"));
        QCOMPARE(w->List1->count(), 13);
        QCOMPARE(w->List1->item(12)->text(), QStringLiteral("12"));
        QCOMPARE(w->List2->count(), 32);
        QCOMPARE(w->List2->item(31)->text(), QStringLiteral("31"));
        QCOMPARE(w->Command2->text() + w->Command3->text(), QStringLiteral("書込読取"));
        QCOMPARE(w->unitSelector()->itemText(0), QStringLiteral("　ＩＤ_Ｎｏ ： **"));
    }

    void picksFillTheSelection()
    {
        ControlFixture f;
        auto *w = openSeasons(f);
        Grid *g = w->MSFlexGrid1;
        ControlFixture::pick(g, 1, 1);
        click(w->List1, "07");
        QCOMPARE(g->textMatrix(1, 1), QStringLiteral("07月 "));
        click(w->List2, "15");
        QCOMPARE(g->textMatrix(1, 1), QStringLiteral("07月 15日"));

        // The four start cells with the cursor on row 1: month 04, and row 1's day in all.
        g->setTextMatrix(2, 1, "09月 30日");
        ControlFixture::pick(g, 1, 1, 4, 1);
        click(w->List1, "04");
        for (int r = 1; r <= 4; ++r)
            QCOMPARE(g->textMatrix(r, 1), QStringLiteral("04月 15日"));
        QCOMPARE(g->textMatrix(1, 2), QString());
    }

    void readsAndWritesByKind_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<QString>("writing");
        QTest::addColumn<QString>("file");
        QTest::newRow("standard") << 0 << QByteArray("RSID") << "季節条件読み取り中" << QByteArray("WS")
                                  << "季節条件書込み" << "SEASN.TXT";
        QTest::newRow("water spray") << 2 << QByteArray("BSID") << "水噴射 季節条件読み取り中" << QByteArray("DS")
                                     << "水噴射 季節条件書込み" << "SEASN_WJ.TXT";
    }
    void readsAndWritesByKind()
    {
        QFETCH(int, kindRow);
        QFETCH(QByteArray, read);
        QFETCH(QString, reading);
        QFETCH(QByteArray, write);
        QFETCH(QString, writing);
        QFETCH(QString, file);
        ControlFixture f;
        auto *w = openSeasons(f);
        f.window->List1->setCurrentRow(kindRow); // the kind is taken at each use
        w->Command3->click();
        QCOMPARE(f.sent(read.size() + 2), "\x02" + read + "\x03");
        QCOMPARE(w->status(), reading);

        f.reply("S" + Example);
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"03月 01日", "05月 31日"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 4), (QStringList{"12月 01日", "02月 28日"}));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));

        ControlFixture::pick(w->MSFlexGrid1, 3, 2);
        w->Command2->click();
        QCOMPARE(f.sent(38), "\x02" + write + Example + "ID\x03");
        QCOMPARE(w->status(), writing);
        QCOMPARE(w->MSFlexGrid1->row(), 1);
        QCOMPARE(w->MSFlexGrid1->col(), 1);
        QCOMPARE(f.file(file.toLatin1()),
                 TextFile::encode(QStringLiteral("03月 01日\t05月 31日\r\n06月 01日\t08月 31日\r\n"
                                                 "09月 01日\t11月 30日\r\n12月 01日\t02月 28日\r\n")));
        f.reply("WS");
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
    }

    void replyToAClosedWindow()
    {
        ControlFixture f;
        f.reply("S" + Example);
        auto *w = f.window->windows().existing<SeasonBandsDialog>(Id);
        QVERIFY(w && !w->isVisible());
        QCOMPARE(w->MSFlexGrid1->textMatrix(2, 2), QStringLiteral("08月 31日"));
    }

    // A cell without its full form stops the write: the message, the cursor on the cell,
    // nothing sent and the file as it was.
    void halfFilledCellIsRefused()
    {
        ControlFixture f;
        f.put("SEASN.TXT", "03月 01日\t05月 31日\r\n");
        auto *w = openSeasons(f);
        f.reply("S" + Example);
        f.sent(0);
        ControlFixture::pick(w->MSFlexGrid1, 3, 2);
        w->MSFlexGrid1->setTextMatrix(3, 2, "11月 ");
        ControlFixture::pick(w->MSFlexGrid1, 1, 1);
        w->Command2->click();
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QVERIFY(f.nothingSent());
        QCOMPARE(w->MSFlexGrid1->row(), 3);
        QCOMPARE(w->MSFlexGrid1->col(), 2);
        QVERIFY(ControlFixture::keyboardIn(w, "MSFlexGrid1"));
        QCOMPARE(f.file("SEASN.TXT"), TextFile::encode(QStringLiteral("03月 01日\t05月 31日\r\n")));
    }

    void closedPortStillKeepsTheFile()
    {
        ControlFixture f;
        auto *w = openSeasons(f);
        f.reply("S" + Example);
        f.window->link().close();
        w->setStatus("before");
        w->Command3->click();
        w->Command2->click();
        QVERIFY(f.nothingSent());
        QCOMPARE(w->status(), QStringLiteral("before"));
        QVERIFY(f.file("SEASN.TXT").startsWith(TextFile::encode(QStringLiteral("03月 01日\t05月 31日\r\n"))));
    }

    void unwritableFileIsNamed()
    {
        ControlFixture f;
        QDir().mkpath(DriveMap::toNative(ControlFixture::path("SEASN.TXT"))); // a folder where the file goes
        auto *w = openSeasons(f);
        f.reply("S" + Example);
        f.sent(0);
        w->Command2->click();
        QCOMPARE(f.messages(),
                 QStringList{QStringLiteral("ファイルの保存|ファイルに書き込めません。\n") + ControlFixture::path("SEASN.TXT")});
        QCOMPARE(f.sent(38), "\x02WS" + Example + "ID\x03"); // the unit still gets the bands
    }

    // Short, long and damaged "S" replies fill what they carry and empty the rest; a
    // damaged cell is then refused at the write.
    void damagedReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("row4");
        QTest::newRow("long") << "S" + Example + "0000" << QStringList{"12月 01日", "02月 28日"};
        QTest::newRow("short") << "S" + Example.left(28) << QStringList{"12月 01日", ""};
        QTest::newRow("non-digit") << "S" + Example.left(24) + "12O1" + Example.mid(28)
                                   << QStringList{"", "02月 28日"};
    }
    void damagedReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, row4);
        ControlFixture f;
        auto *w = openSeasons(f);
        f.reply(reply);
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"03月 01日", "05月 31日"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 4), row4);
        w->Command2->click();
        QCOMPARE(f.messages().size(), row4.contains(QString()) ? 1 : 0);
    }

    void unitSelectionAndMonitoring()
    {
        ControlFixture f;
        auto *w = openSeasons(f);
        emit w->unitSelector()->activated(3);
        QCOMPARE(f.sent(8), QByteArray("\x02ID03ID\x03"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定中"));
        f.reply("ID");
        QCOMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
        f.reply("Q01234253+053111701");
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ID_No ： 11"));
        w->close();
        QCOMPARE(f.window->Label19->text(), QString());
    }
};

UNITDESK_TEST(SeasonBandsDialogTest)
#include "SeasonBandsDialogTest.moc"
