// Form10, the basic conditions window, on the whole program: opening, its controls, the
// files, read and write frames byte for byte, the replies, refused writes.
#include "../FileSizeLimit.h"
#include "ControlFixture.h"
#include "testmain.h"

#include "control/BasicConditionsDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

namespace {
constexpr WindowId Id = WindowId::Form10;
const QByteArray SampleReply = "B"
                               "600013180020015"
                               "000999120005006007008009"
                               "1"
                               "05"
                               "999030"
                               "FNFFFNF"
                               "3050";
} // namespace

class BasicConditionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheToolbar()
    {
        ControlFixture f;
        auto *w = f.open<BasicConditionsDialog>(Id);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("基本条件設定"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("制御基本条件設定"));
        QCOMPARE(w->status(), QStringLiteral(" 制御基本条件設定"));
        QCOMPARE(w->pos(), QPoint(twipsToPixels(2000), twipsToPixels(3000)));

        QStringList toolbar;
        for (QAction *a : w->Toolbar1->actions())
            toolbar << a->text();
        QCOMPARE(toolbar,
                 (QStringList{"", "電流値調整", "ＤＳＰ設定", "時計設定", "ﾃﾞｰﾀ読取", "ﾃﾞｰﾀ書込", "終了"}));
        QCOMPARE(w->unitSelector()->count(), 13);
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ＩＤ_Ｎｏ ： ＊＊"));
        QCOMPARE(w->findChild<QLabel *>("Label15")->text(), QStringLiteral("子機ＩＤ番号の選定"));
        QCOMPARE(w->Label16->text(), QStringLiteral("GRP_01 ：  CH_01"));
        QCOMPARE(w->Label20->text(), QStringLiteral("外部制御_%"));
        QCOMPARE(w->Label19->text(), QStringLiteral("00_% 00_%"));
        QCOMPARE(w->Label14->text(), QStringLiteral("曜日制御設定"));
        QCOMPARE(w->Command1->text() + w->Command2->text(), QStringLiteral("設定解除"));

        Grid *rates = w->MSFlexGrid1;
        QCOMPARE(rates->rows(), 6);
        QCOMPARE(rates->colWidthTwips(0) + rates->colWidthTwips(1) + rates->colWidthTwips(2),
                 3120 + 1520 + 1520);
        QCOMPARE(ControlFixture::cells(rates, 0), (QStringList{"第一回制御", "第二回制御"}));
        QStringList titles;
        for (int r = 0; r < 6; ++r)
            titles << rates->textMatrix(r, 0);
        QCOMPARE(titles, (QStringList{"季節時間帯,曜日別", "第一季節_第一時間帯", "第一季節_第二時間帯",
                                      "第一季節_第三時間帯", "第一季節_第四時間帯", "設定曜日制御率"}));
        Grid *week = w->MSFlexGrid2;
        QCOMPARE(week->rows(), 2);
        QCOMPARE(week->cols(), 8);
        QCOMPARE(week->colWidthTwips(0), 1230);
        QCOMPARE(week->colWidthTwips(7), 716);
        QCOMPARE(ControlFixture::cells(week, 0),
                 (QStringList{"日曜", "月曜", "火曜", "水曜", "木曜", "金曜", "土曜"}));
        QCOMPARE(week->textMatrix(1, 0), QStringLiteral("曜日設定"));
        QVERIFY(f.nothingSent());
    }

    void fields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Text1") << "Text1"
                               << "子機ＣＨ 番号 ："
                               << "_CH" << 2 << "制御子機個別認識番号の設定";
        QTest::newRow("Text2") << "Text2"
                               << "1_ｓｔ　START ："
                               << "_秒" << 4 << "制御開始時間＿１の設定";
        QTest::newRow("Text3") << "Text3"
                               << "2_ｎｄ  START ："
                               << "_秒" << 4 << "制御開始時間＿２の設定";
        QTest::newRow("Text4") << "Text4"
                               << "圧縮機保護時間 ："
                               << "_秒" << 3 << "圧縮機保護時間の設定";
        QTest::newRow("Text5") << "Text5"
                               << "デフロON ："
                               << "_分" << 2 << "デフロモード開始時間（分）の設定";
        QTest::newRow("Text6") << "Text6"
                               << "デフロOFF ："
                               << "_分" << 2 << "デフロモードからの復帰時間（分）の設定";
        QTest::newRow("Text7") << "Text7"
                               << "交互制御ﾓｰﾄﾞ ："
                               << "" << 1 << "交互制御モードの設定";
        QTest::newRow("Text8") << "Text8"
                               << "制御ﾃﾞｰﾀ設定  ："
                               << "_秒" << 3 << "";
    }
    void fields()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, unit);
        QFETCH(int, maxLength);
        QFETCH(QString, hint);
        ControlFixture f;
        auto *w = f.open<BasicConditionsDialog>(Id);
        auto *field = w->findChild<QLineEdit *>(name);
        QVERIFY(field);
        const QString n = name.mid(4);
        QCOMPARE(w->findChild<QLabel *>("Title" + n)->text(), title);
        QCOMPARE(w->findChild<QLabel *>("Unit" + n)->text(), unit);
        QCOMPARE(field->maxLength(), maxLength);
        QVERIFY(field->alignment() & Qt::AlignRight);
        w->setStatus("before");
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(w->status(), hint.isEmpty() ? QStringLiteral("before") : hint);
        // Only digits and Backspace: other keys change nothing.
        field->clear();
        QTest::keyClicks(field, "1a-.");
        QCOMPARE(field->text(), QStringLiteral("1"));
    }

    void loadsItsFiles()
    {
        ControlFixture f;
        f.put("BASE.TXT", "\"011200003018020151\"\r\n");
        f.put("CONT1.TXT", "060 _秒\t休止\r\n連続\t120 _秒\r\n005 _秒\t006 _秒\r\n"); // three lines
        f.put("WEEK.TXT", "解除\t設定\t解除\t解除\t解除\t設定\t解除\n");              // LF only
        auto *w = f.open<BasicConditionsDialog>(Id);
        QStringList fields;
        for (const char *n : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
            fields << w->findChild<QLineEdit *>(n)->text();
        QCOMPARE(fields, (QStringList{"01", "1200", "30", "180", "20", "15", "1"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"060 _秒", "休止"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 3), (QStringList{"005 _秒", "006 _秒"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 4), (QStringList{"", ""}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid2, 1),
                 (QStringList{"解除", "設定", "解除", "解除", "解除", "設定", "解除"}));
        QCOMPARE(w->MSFlexGrid1->row(), 1);
        QCOMPARE(w->MSFlexGrid1->col(), 1);

        // The field texts stay for the next opening even when BASE.TXT has gone since; the
        // grids are not read then.
        f.window->CloseSecondaryWindows();
        QFile::remove(DriveMap::toNative(ControlFixture::path("BASE.TXT")));
        w = f.open<BasicConditionsDialog>(Id);
        QCOMPARE(w->Text2->text(), QStringLiteral("1200"));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"", ""}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid2, 1), (QStringList{"", "", "", "", "", "", ""}));
    }

    void badFiles_data()
    {
        QTest::addColumn<QString>("cont1");
        QTest::addColumn<QStringList>("row1");
        QTest::addColumn<QStringList>("week");
        // More lines than the grid has rows: the rows that fit are filled, WEEK.TXT is not read.
        QTest::newRow("overlong") << "1\t2\r\n3\t4\r\n5\t6\r\n7\t8\r\n9\t10\r\n11\t12\r\n"
                                  << QStringList{"1", "2"} << QStringList{"", "", "", "", "", "", ""};
        QTest::newRow("damaged cells")
            << "abc\r\n"
            << QStringList{"abc", ""} << QStringList{"設定", "設定", "設定", "設定", "設定", "設定", "設定"};
    }
    void badFiles()
    {
        QFETCH(QString, cont1);
        QFETCH(QStringList, row1);
        QFETCH(QStringList, week);
        ControlFixture f;
        f.put("BASE.TXT", "\"011200003018020151\"\r\n");
        f.put("CONT1.TXT", cont1);
        f.put("WEEK.TXT", "設定\t設定\t設定\t設定\t設定\t設定\t設定\r\n");
        auto *w = f.open<BasicConditionsDialog>(Id);
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), row1);
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid2, 1), week);
        // What the files left unusable is refused at the write.
        if (row1 != QStringList{"1", "2"}) {
            w->write();
            QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
            QVERIFY(f.nothingSent());
        }
    }

    void rateAndWeekdayEntry()
    {
        ControlFixture f;
        auto *w = f.open<BasicConditionsDialog>(Id);
        ControlFixture::pick(w->MSFlexGrid1, 1, 1, 2, 2);
        ControlFixture::type(w->Text8, "60");
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 2), (QStringList{"060 _秒", "060 _秒"}));
        ControlFixture::pick(w->MSFlexGrid1, 3, 2);
        ControlFixture::type(w->Text8, "999");
        QCOMPARE(w->MSFlexGrid1->textMatrix(3, 2), QStringLiteral("連続"));
        w->Text8->clear();
        QCOMPARE(w->MSFlexGrid1->textMatrix(3, 2), QStringLiteral("休止"));
        ControlFixture::type(w->Text8, "0");
        QCOMPARE(w->MSFlexGrid1->textMatrix(3, 2), QStringLiteral("休止"));

        ControlFixture::pick(w->MSFlexGrid2, 1, 1, 1, 7);
        w->Command2->click();
        ControlFixture::pick(w->MSFlexGrid2, 1, 2, 1, 2);
        w->Command1->click();
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid2, 1),
                 (QStringList{"解除", "設定", "解除", "解除", "解除", "解除", "解除"}));
    }

    void readSendsOnlyWithThePortOpen()
    {
        ControlFixture f;
        auto *w = f.open<BasicConditionsDialog>(Id);
        w->toolbarButton(5);
        QCOMPARE(f.sent(6), QByteArray("\x02RCID\x03"));
        QCOMPARE(w->status(), QStringLiteral("基本条件設定データ読み取り中"));
        f.window->link().close();
        w->setStatus("before");
        w->toolbarButton(5);
        QCOMPARE(w->status(), QStringLiteral("before"));
        QVERIFY(f.nothingSent());
    }

    void basicReplyFillsTheWindow()
    {
        ControlFixture f;
        f.reply(SampleReply); // the window is not open: created hidden and filled
        auto *w = f.window->windows().existing<BasicConditionsDialog>(Id);
        QVERIFY(w && !w->isVisible());
        QStringList fields;
        for (QLineEdit *t : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5, w->Text6, w->Text7})
            fields << t->text();
        QCOMPARE(fields, (QStringList{"05", "1200", "26", "180", "20", "15", "1"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 1), (QStringList{"休止", "連続"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid1, 5), (QStringList{"連続", "030 _秒"}));
        QCOMPARE(ControlFixture::cells(w->MSFlexGrid2, 1),
                 (QStringList{"解除", "設定", "解除", "解除", "解除", "設定", "解除"}));
        QCOMPARE(w->Label19->text(), QStringLiteral("30_% 50_%"));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));

        // For the water-spray kind the reply is the water-spray window's.
        w->Text2->setText("7");
        f.window->List1->setCurrentRow(2);
        f.reply(SampleReply);
        QCOMPARE(w->Text2->text(), QStringLiteral("7"));
    }

    void writeSendsTheBlockAndRewritesTheFiles()
    {
        ControlFixture f;
        f.put("BASE.TXT", "\"000000000000000000\"\r\n");
        auto *w = f.open<BasicConditionsDialog>(Id);
        f.reply(SampleReply);
        ControlFixture::type(w->Text2, "25"); // sent as 013, read back as 26
        ControlFixture::pick(w->MSFlexGrid1, 1, 1);
        ControlFixture::type(w->Text8, "60");

        w->toolbarButton(6);
        const QByteArray payload = "013013180020015"
                                   "060999120005006007008009"
                                   "1"
                                   "05"
                                   "999030"
                                   "FNFFFNF";
        QCOMPARE(f.sent(61), "\x02WC" + payload + "ID\x03");
        QCOMPARE(w->status(), QStringLiteral("基本条件設定データ書き込み"));
        QCOMPARE(f.file("BASE.TXT"), QByteArray("\"050025002618020151\"\r\n"));
        QCOMPARE(
            f.file("CONT1.TXT"),
            TextFile::encode("060 _秒\t連続\r\n120 _秒\t005 _秒\r\n006 _秒\t007 _秒\r\n008 _秒\t009 _秒\r\n"
                             "連続\t030 _秒\r\n"));
        QCOMPARE(f.file("WEEK.TXT"), TextFile::encode("解除\t設定\t解除\t解除\t解除\t設定\t解除\r\n"));

        // The acknowledgement that comes during the pause shows after the clear.
        f.reply("WC");
        QCOMPARE(w->status(), QStringLiteral("基本条件設定データ書き込み"));
        w->MSFlexGrid1->setCurrentCell(3, 2);
        ControlFixture::endWritePause(w);
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
        QCOMPARE(w->MSFlexGrid1->row(), 1);
    }

    void writeWithoutBaseFileOrPort()
    {
        ControlFixture f;
        auto *w = f.open<BasicConditionsDialog>(Id);
        f.reply(SampleReply);
        f.window->link().close();
        w->write();
        QCOMPARE(f.file("BASE.TXT"), QByteArray("(missing)")); // never created
        QVERIFY(f.file("CONT1.TXT").startsWith(TextFile::encode("休止\t連続\r\n")));
        QVERIFY(f.nothingSent());
    }

    void refusedWrite_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("START above 1998 s") << "Text2"
                                            << "1999" << 0 << 0;
        QTest::newRow("empty field") << "Text6"
                                     << "" << 0 << 0;
        QTest::newRow("empty rate cell") << ""
                                         << "" << 4 << 1;
    }
    void refusedWrite()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(int, row);
        QFETCH(int, col);
        ControlFixture f;
        f.put("BASE.TXT", "\"000000000000000000\"\r\n");
        auto *w = f.open<BasicConditionsDialog>(Id);
        f.reply(SampleReply);
        if (row > 0)
            w->MSFlexGrid1->setTextMatrix(row, col, QString());
        else
            w->findChild<QLineEdit *>(field)->setText(value);
        w->setStatus("before");
        w->show();
        w->activateWindow();
        w->toolbarButton(6);
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QCOMPARE(f.prompts.asked[0].buttons, Prompt::Buttons::OkCancel);
        QCOMPARE(f.prompts.asked[0].icon, Prompt::Icon::Warning);
        QVERIFY(f.nothingSent());
        QCOMPARE(w->status(), QStringLiteral("before"));
        QCOMPARE(f.file("BASE.TXT"), QByteArray("\"000000000000000000\"\r\n"));
        QCOMPARE(f.file("CONT1.TXT"), QByteArray("(missing)"));
        if (row > 0) {
            QCOMPARE(w->MSFlexGrid1->row(), row);
            QCOMPARE(w->MSFlexGrid1->col(), col);
        }
        QVERIFY(ControlFixture::keyboardIn(w, row > 0 ? QStringLiteral("MSFlexGrid1") : field));
    }

    void unwritableFileIsNamed()
    {
        ControlFixture f;
        QDir().mkpath(DriveMap::toNative(ControlFixture::path("WEEK.TXT"))); // a folder where the file goes
        auto *w = f.open<BasicConditionsDialog>(Id);
        f.reply(SampleReply);
        w->write();
        QCOMPARE(f.messages(),
                 QStringList{"ファイルの保存|ファイルに書き込めません。\nC:\\ZRLOG\\CONTROL\\WEEK.TXT"});
        QVERIFY(f.sent(61).startsWith("\x02WC")); // the frame went out
        QVERIFY(f.file("CONT1.TXT").startsWith(TextFile::encode("休止")));
    }

    // The disk fills up during a write: the file that did not fit is named, keeps its old
    // bytes and leaves no temporary copy; the files that fit are whole; with room again the
    // next write stores all three.
    void fullDiskPartWay()
    {
        ControlFixture f;
        f.put("BASE.TXT", "\"000000000000000000\"\r\n");
        f.put("CONT1.TXT", "休止\t休止\r\n");
        f.put("WEEK.TXT", "設定\t設定\t設定\t設定\t設定\t設定\t設定\r\n");
        const QByteArray oldRates = f.file("CONT1.TXT");
        auto *w = f.open<BasicConditionsDialog>(Id);
        f.reply(SampleReply);
        const QDir control(DriveMap::toNative(ControlFixture::path("")));
        const QStringList filesBefore = control.entryList(QDir::Files | QDir::Hidden);
        {
            FileSizeLimit limit(40); // BASE.TXT (22 bytes) and WEEK.TXT (36) fit, CONT1.TXT (76) does not
            w->write();
        }
        QCOMPARE(f.messages(),
                 QStringList{"ファイルの保存|ファイルに書き込めません。\nC:\\ZRLOG\\CONTROL\\CONT1.TXT"});
        QCOMPARE(f.file("CONT1.TXT"), oldRates);
        QCOMPARE(control.entryList(QDir::Files | QDir::Hidden), filesBefore);
        QVERIFY(f.sent(61).startsWith("\x02WC")); // the unit still gets the block
        const QByteArray base = f.file("BASE.TXT"), week = f.file("WEEK.TXT");
        QCOMPARE(base.size(), 22);
        QCOMPARE(week.size(), 36);

        ControlFixture::endWritePause(w);
        f.prompts.asked.clear();
        w->write();
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.file("BASE.TXT"), base);
        QCOMPARE(f.file("WEEK.TXT"), week);
        QCOMPARE(f.file("CONT1.TXT"),
                 TextFile::encode("休止\t連続\r\n120 _秒\t005 _秒\r\n006 _秒\t007 _秒\r\n008 _秒\t009 _秒\r\n"
                                  "連続\t030 _秒\r\n"));
    }

    void statusReplies()
    {
        ControlFixture f;
        auto *w = f.open<BasicConditionsDialog>(Id);
        emit w->unitSelector()->activated(5);
        QCOMPARE(f.sent(8), QByteArray("\x02ID05ID\x03"));
        QCOMPARE(w->status(), QStringLiteral("ID ﾃﾞｰﾀ設定中"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定中"));
        f.reply("ID");
        QCOMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
        f.reply("EX");
        QCOMPARE(w->status(), QStringLiteral(" 設定完了"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("設定完了"));

        f.window->state().GroupNo = "03";
        f.reply("Q01234253+073051701");
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ID_No ： 05"));
        QCOMPARE(w->Label16->text(), QStringLiteral("GRP_03 ： CH_07"));
    }

    void toolbarOpensTheMaintenanceWindowsModally()
    {
        ControlFixture f;
        auto *w = f.open<BasicConditionsDialog>(Id);
        // Not part of the program yet: only the status step.
        w->setStatus("before");
        w->toolbarButton(2);
        QCOMPARE(w->status(), QStringLiteral(" "));

        WindowSet &set = f.window->windows();
        for (WindowId id : {WindowId::Form11, WindowId::Form13, WindowId::Form8}) {
            set.registerWindow(id, [id] {
                auto *stand = new QWidget;
                stand->setObjectName(WindowSet::nameOf(id));
                (new StatusBar(2, stand))->setObjectName("StatusBar1");
                return stand;
            });
        }
        const struct {
            int button;
            WindowId id;
            const char *panel;
        } cases[] = {{2, WindowId::Form11, " 電流値 調整"},
                     {3, WindowId::Form13, " ＤＳＰ 動作条件設定"},
                     {4, WindowId::Form8, ""}};
        for (const auto &c : cases) {
            w->setStatus("before");
            w->toolbarButton(c.button);
            QWidget *opened = set.existing(c.id);
            QVERIFY(opened && opened->isVisible());
            QCOMPARE(opened->windowModality(), Qt::ApplicationModal);
            QCOMPARE(opened->findChild<StatusBar *>()->panelText(2), QString::fromUtf8(c.panel));
            QCOMPARE(w->status(), QString::fromUtf8(*c.panel ? " " : "before"));
            set.unload(c.id);
        }
        QVERIFY(set.existing(Id)); // the basic conditions window stays

        f.window->Label19->setText("制御基本条件設定");
        w->toolbarButton(7);
        QTRY_VERIFY(!set.existing(Id));
        QCOMPARE(f.window->Label19->text(), QString());
    }
};

UNITDESK_TEST(BasicConditionsDialogTest)
#include "BasicConditionsDialogTest.moc"
