// The control settings windows driven as a user would from the main window, against the
// simulated line: pick a unit, read, change, write, read again; the unit, the window and
// the settings files agree.
#include "OnTheLine.h"
#include "UserActions.h"
#include "testmain.h"

#include "common/TextFile.h"
#include "control/BasicConditionsDialog.h"
#include "control/ControlRatesDialog.h"
#include "control/WaterSprayBasicDialog.h"
#include "ui/Grid.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {
QList<SimUnit> twoUnits(const QByteArray &kind)
{
    return {unit("01", kind, 1), unit("05", kind, 5)};
}

void endWritePause(QWidget *w)
{
    emit w->findChild<QTimer *>(SettingsWindow::WritePauseTimer)->timeout({});
}
} // namespace

class ControlSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void basicConditions()
    {
        OnTheLine line(twoUnits("A"));
        QFile base(line.root.path() + "/ZRLOG/CONTROL/BASE.TXT"); // rewritten only when it exists
        QVERIFY(base.open(QIODevice::WriteOnly));
        base.write("\"000000000000000000\"\r\n");
        base.close();

        line.w().action("mnuBase_cont")->trigger();
        auto *w = line.w().windows().existing<BasicConditionsDialog>(WindowId::Form10);
        QVERIFY(w && w->isVisible());
        pickUnit(w->unitSelector(), 5);
        QTRY_COMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
        QCOMPARE(line.sim.selectedUnit(), QByteArray("05"));

        w->Toolbar1->actions()[4]->trigger(); // ﾃﾞｰﾀ読取
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->Text1->text(), QStringLiteral("05"));
        QCOMPARE(w->Text2->text(), QStringLiteral("120"));
        QCOMPARE(w->Label19->text(), QStringLiteral("30_% 50_%"));
        line.w().state().GroupNo = "01"; // as if a group had been stored
        line.sim.sendMonitoring();
        QTRY_COMPARE(w->Label16->text(), QStringLiteral("GRP_01 ： CH_05"));
        screenshot(w, "basic-conditions.png");

        type(w->Text4, "150");
        w->MSFlexGrid1->setSelection(1, 2, 1, 2);
        type(w->Text8, "45");
        w->Toolbar1->actions()[5]->trigger(); // ﾃﾞｰﾀ書込
        const QByteArray block = "060030150020015"
                                 "060045090000999030045060"
                                 "0"
                                 "05"
                                 "030060"
                                 "FNNNNNF";
        QTRY_COMPARE(line.sim.unit("05")->blocks.value("basic"), block);
        QVERIFY(!line.sim.unit("01")->blocks.contains("basic"));
        endWritePause(w);
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み完了"));
        QCOMPARE(line.file("ZRLOG/CONTROL/BASE.TXT"), QByteArray("\"050120006015020150\"\r\n"));
        QCOMPARE(line.file("ZRLOG/CONTROL/CONT1.TXT"),
                 TextFile::encode("060 _秒\t045 _秒\r\n090 _秒\t休止\r\n連続\t030 _秒\r\n045 _秒\t060 _秒\r\n"
                                  "030 _秒\t060 _秒\r\n"));
        QCOMPARE(line.file("ZRLOG/CONTROL/WEEK.TXT"),
                 TextFile::encode("解除\t設定\t設定\t設定\t設定\t設定\t解除\r\n"));

        w->Text4->clear();
        w->MSFlexGrid1->setTextMatrix(1, 2, QString());
        w->Toolbar1->actions()[4]->trigger();
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->Text4->text(), QStringLiteral("150"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 2), QStringLiteral("045 _秒"));
    }

    void controlRates()
    {
        OnTheLine line(twoUnits("A"));
        line.w().action("mnuCont1")->trigger();
        auto *w = line.w().windows().existing<ControlRatesDialog>(WindowId::Form5);
        QVERIFY(w && w->isVisible());
        pickUnit(w->unitSelector(), 5);
        QTRY_COMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));

        w->Command3->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 1), QStringLiteral("休止"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(3, 2), QStringLiteral("連続"));
        screenshot(w, "control-rates.png");

        w->MSFlexGrid1->setSelection(12, 1, 12, 2);
        type(w->Text1, "75");
        w->Command1->click();
        QTRY_COMPARE(line.sim.unit("05")->blocks.value("rates").size(), 72);
        const QByteArray rates = line.sim.unit("05")->blocks.value("rates");
        QCOMPARE(rates.right(6), QByteArray("075075"));
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み完了"));
        const QByteArray file = line.file("ZRLOG/CONTROL/CONT2.TXT");
        QVERIFY(file.startsWith(TextFile::encode("休止\t030 _秒\r\n")));
        QVERIFY(file.endsWith(TextFile::encode("075 _秒\t075 _秒\r\n")));

        w->MSFlexGrid1->setTextMatrix(12, 1, QString());
        w->Command3->click();
        QTRY_COMPARE(w->MSFlexGrid1->textMatrix(12, 1), QStringLiteral("075 _秒"));
    }

    void waterSprayBasic()
    {
        OnTheLine line(twoUnits("WJ"));
        MainWindow &main = line.w();
        main.List1->setCurrentRow(2);
        main.selectUnitId(5); // the window talks to the unit selected in the main window
        QTRY_COMPARE(main.Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定完了"));
        main.action("mnuBase_cont")->trigger();
        auto *w = main.windows().existing<WaterSprayBasicDialog>(WindowId::Form23);
        QVERIFY(w && w->isVisible());

        w->Command1->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->Text1->text(), QStringLiteral("05"));
        QCOMPARE(w->Text2->text(), QStringLiteral("035"));
        screenshot(w, "water-spray-basic.png");

        type(w->Text2, "40");
        w->MSFlexGrid1->setSelection(4, 2, 4, 2);
        type(w->Text8, "0");
        w->Command2->click();
        const QByteArray block = "040030180006012"
                                 "060030060030060030060000"
                                 "0"
                                 "05";
        QTRY_COMPARE(line.sim.unit("05")->blocks.value("sprayBasic"), block);
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み完了"));
        QCOMPARE(line.file("ZRLOG/CONTROL/BASE_WJ.TXT"), QByteArray("\"050040003018006120\"\r\n"));
        QVERIFY(line.file("ZRLOG/CONTROL/CONT_WJ1.TXT").contains(TextFile::encode("060 _秒\t000 _秒\r\n")));

        w->Text2->clear();
        w->Command1->click();
        QTRY_COMPARE(w->Text2->text(), QStringLiteral("040"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(4, 2), QStringLiteral("000 _秒"));
    }
};

UNITDESK_TEST(ControlSettingsTest)
#include "ControlSettingsTest.moc"
