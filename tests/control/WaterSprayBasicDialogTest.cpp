// Form23, the water-spray basic conditions window: opening with the water-spray kind, its
// files, the frames, the "B" reply and refused writes.
#include "ControlFixture.h"
#include "testmain.h"

#include "control/ControlRatesDialog.h"
#include "control/WaterSprayBasicDialog.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr WindowId Id = WindowId::Form23;
const QByteArray SampleReply = "B"
                               "035030180006012"
                               "000010020030040050060070"
                               "9"
                               "03"
                               "080090";
} // namespace

class WaterSprayBasicDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensForTheWaterSprayKind()
    {
        ControlFixture f;
        f.window->List1->setCurrentRow(2);
        auto *w = f.open<WaterSprayBasicDialog>(Id);
        QVERIFY(w && w->isVisible());
        QVERIFY(!f.window->windows().existing(WindowId::Form10));
        QCOMPARE(w->windowTitle(), QStringLiteral("水噴射 基本条件 設定"));
        QCOMPARE(w->status(), QStringLiteral(" 制御基本条件設定"));
        QCOMPARE(w->pos(), QPoint(twipsToPixels(2000), twipsToPixels(3000)));
        QCOMPARE(w->Command1->text() + w->Command2->text(), QStringLiteral("読取書込"));
        QCOMPARE(w->Label16->text(), QStringLiteral("GRP_01 ：  CH_01"));
        QStringList rows;
        for (int r = 0; r < 6; ++r)
            rows << w->MSFlexGrid1->textMatrix(r, 0);
        QCOMPARE(rows, (QStringList{"季節時間帯,曜日別", "第一季節_第一時間帯", "第一季節_第二時間帯",
                                    "第一季節_第三時間帯", "第一季節_第四時間帯", ""}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 0), (QStringList{"噴射時間", "休止時間"}));

        const struct {
            const char *name, *title, *unit;
            int maxLength;
            const char *hint;
        } fields[] = {
            {"Text1", "水噴射　番号 ：", "_CH", 2, "水噴射 子機ＣＨ番号の設定"},
            {"Text2", "噴射開始温度 ：", "_℃", 4, "水噴射開始温度の設定"},
            {"Text3", "噴射終了温度 ：", "_℃", 4, "水噴射終了温度の設定"},
            {"Text4", "動作確認時間 ：", "_秒", 3, "圧縮機動作確認時間の設定"},
            {"Text5", "No.1 テスト 月：", "_月", 2, "第一 テスト月の設定"},
            {"Text6", "No.2 テスト 月 ：", "_月", 2, "第二 テスト月の設定"},
            {"Text8", "制御ﾃﾞｰﾀ設定  ：", "_秒", 3, ""},
        };
        for (const auto &expected : fields) {
            auto *field = w->findChild<QLineEdit *>(expected.name);
            QVERIFY(field);
            QCOMPARE(w->findChild<QLabel *>(QString(expected.name) + "Title")->text(),
                     QString::fromUtf8(expected.title));
            QCOMPARE(w->findChild<QLabel *>(QString(expected.name) + "Unit")->text(),
                     QString::fromUtf8(expected.unit));
            QCOMPARE(field->maxLength(), expected.maxLength);
            w->setStatus("before");
            QTest::mouseClick(field, Qt::LeftButton);
            QCOMPARE(w->status(), *expected.hint ? QString::fromUtf8(expected.hint) : QStringLiteral("before"));
            field->clear();
            QTest::keyClicks(field, "7x+ 2");
            QCOMPARE(field->text(), QStringLiteral("72"));
        }

        // Opening another window leaves this one open.
        f.window->action("mnuCont1")->trigger();
        QVERIFY(f.window->windows().existing(Id));
        QVERIFY(f.window->windows().existing(WindowId::Form5));
    }

    void loadsItsFiles()
    {
        ControlFixture f;
        f.put("BASE_WJ.TXT", "\"030035003018006129\"\r\n");
        f.put("CONT_WJ1.TXT", "060 _秒\t030 _秒\r\n\r\n\r\n\r\n010 _秒\t020 _秒\r\n");
        f.window->List1->setCurrentRow(2);
        auto *w = f.open<WaterSprayBasicDialog>(Id);
        QStringList fields;
        for (QLineEdit *t : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5, w->Text6})
            fields << t->text();
        QCOMPARE(fields, (QStringList{"03", "35", "30", "180", "6", "12"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"060 _秒", "030 _秒"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 5), (QStringList{"010 _秒", "020 _秒"}));

        // Without BASE_WJ.TXT the fields keep what was loaded and the grid file is not read.
        QVERIFY(f.window->windows().unload(Id));
        QFile::remove(DriveMap::toNative(ControlFixture::path("BASE_WJ.TXT")));
        w = f.open<WaterSprayBasicDialog>(Id);
        QCOMPARE(w->Text2->text(), QStringLiteral("35"));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"", ""}));
    }

    void replyThenWrite()
    {
        ControlFixture f;
        f.window->List1->setCurrentRow(2);
        auto *w = f.open<WaterSprayBasicDialog>(Id);
        f.reply(SampleReply);
        QStringList fields;
        for (QLineEdit *t : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5, w->Text6})
            fields << t->text();
        QCOMPARE(fields, (QStringList{"03", "035", "030", "180", "06", "12"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"000 _秒", "010 _秒"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 5), (QStringList{"080 _秒", "090 _秒"}));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));

        ControlFixture::pick(w->MSFlexGrid1, 1, 2);
        ControlFixture::type(w->Text8, "0");
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 2), QStringLiteral("000 _秒"));
        ControlFixture::type(w->Text2, "35");
        f.sent(0);
        w->Command2->click();
        QCOMPARE(f.sent(48), QByteArray("\x02"
                                        "DC035030180006012000000020030040050060070003ID\x03"));
        QCOMPARE(w->status(), QStringLiteral("水噴射 基本条件設定データ書き込み"));
        QCOMPARE(f.file("BASE_WJ.TXT"), QByteArray("\"030035003018006120\"\r\n")); // created
        QCOMPARE(f.file("CONT_WJ1.TXT"),
                 TextFile::encode(
                     "000 _秒\t000 _秒\r\n020 _秒\t030 _秒\r\n040 _秒\t050 _秒\r\n060 _秒\t070 _秒\r\n"
                     "080 _秒\t090 _秒\r\n"));
        f.reply("WC");
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));

        w->Command1->click();
        QCOMPARE(f.sent(6), QByteArray("\x02"
                                       "BCID\x03"));
        QCOMPARE(w->status(), QStringLiteral("水噴射 基本条件設定データ読み取り中"));
    }

    void refusedWrite_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("row");
        QTest::newRow("four-digit temperature") << "Text2"
                                                << "1000" << 0;
        QTest::newRow("empty field") << "Text1"
                                     << "" << 0;
        QTest::newRow("cell with no seconds") << ""
                                              << "休止" << 3;
    }
    void refusedWrite()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(int, row);
        ControlFixture f;
        f.window->List1->setCurrentRow(2);
        auto *w = f.open<WaterSprayBasicDialog>(Id);
        f.reply(SampleReply);
        if (row > 0)
            w->MSFlexGrid1->setTextMatrix(row, 1, value);
        else
            w->findChild<QLineEdit *>(field)->setText(value);
        f.sent(0);
        w->Command2->click();
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QVERIFY(f.nothingSent());
        QCOMPARE(f.file("BASE_WJ.TXT"), QByteArray("(missing)"));
        if (row > 0)
            QCOMPARE(w->MSFlexGrid1->row(), row);
        QVERIFY(ControlFixture::keyboardIn(w, row > 0 ? QStringLiteral("MSFlexGrid1") : field));
    }

    void monitoringShowsTheSprayNumber()
    {
        ControlFixture f;
        f.window->List1->setCurrentRow(2);
        auto *w = f.open<WaterSprayBasicDialog>(Id);
        f.window->state().GroupNo = "02";
        f.reply("Q01234253+053021709ON1");
        QCOMPARE(w->Label16->text(), QStringLiteral("GRP_02 ： CH_09"));
        f.window->List1->setCurrentRow(0); // another kind: the label stays
        f.reply("Q01234253+053021704ON1");
        QCOMPARE(w->Label16->text(), QStringLiteral("GRP_02 ： CH_09"));
    }
};

UNITDESK_TEST(WaterSprayBasicDialogTest)
#include "WaterSprayBasicDialogTest.moc"
