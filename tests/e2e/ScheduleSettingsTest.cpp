// The season and time-band windows, the temperature windows and the continuous mode window
// driven from the main window's menus against the simulated line: pick a unit, read,
// change, write, read back; the unit, the window and the settings files agree.
#include "OnTheLine.h"
#include "UserActions.h"
#include "testmain.h"

#include "common/TextFile.h"
#include "control/ContinuousModeDialog.h"
#include "control/SeasonBandsDialog.h"
#include "control/SensorNumberDialog.h"
#include "control/TemperatureRangeDialog.h"
#include "control/TimeBandWriter.h"
#include "control/TimeBandsDialog.h"
#include "ui/Grid.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// Clicks a list entry as the user does.
void click(QListWidget *list, const QString &entry)
{
    QListWidgetItem *item = list->findItems(entry, Qt::MatchExactly).value(0);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

struct Kind {
    QByteArray unitKind;
    int listRow; // the main window's kind list
    bool spray() const { return unitKind == "WJ"; }
    // The unit keeps the water-spray blocks apart: "seasons" and "spraySeasons".
    QByteArray block(const QByteArray &name) const
    {
        return spray() ? "spray" + name.left(1).toUpper() + name.mid(1) : name;
    }
};

void kinds()
{
    QTest::addColumn<QByteArray>("unitKind");
    QTest::addColumn<int>("listRow");
    QTest::newRow("standard") << QByteArray("A") << 0;
    QTest::newRow("water spray") << QByteArray("WJ") << 2;
}
} // namespace

class ScheduleSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void seasonBands_data() { kinds(); }
    void seasonBands()
    {
        QFETCH(QByteArray, unitKind);
        QFETCH(int, listRow);
        const Kind kind{unitKind, listRow};
        OnTheLine line({unit("01", unitKind, 1), unit("05", unitKind, 5)});
        line.w().List1->setCurrentRow(listRow);
        line.w().action("mnuSeason")->trigger();
        auto *w = line.w().windows().existing<SeasonBandsDialog>(WindowId::Form6);
        QVERIFY(w && w->isVisible());
        pickUnit(w->unitSelector(), 5);
        QTRY_COMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
        QCOMPARE(line.sim.selectedUnit(), QByteArray("05"));

        w->Command3->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 1), kind.spray() ? QStringLiteral("04月 01日") : QStringLiteral("03月 01日"));
        screenshot(w, kind.spray() ? "season-bands-wj.png" : "season-bands.png");

        // Season 4 ends on 31 January.
        w->MSFlexGrid1->setSelection(4, 2, 4, 2);
        click(w->List1, "01");
        click(w->List2, "31");
        w->Command2->click();
        QTRY_VERIFY(line.sim.unit("05")->blocks.value(kind.block("seasons")).endsWith("0131"));
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み完了"));
        QVERIFY(!line.sim.unit("01")->blocks.contains(kind.block("seasons")));
        const QByteArray file = line.file(kind.spray() ? "ZRLOG/CONTROL/SEASN_WJ.TXT" : "ZRLOG/CONTROL/SEASN.TXT");
        QVERIFY(file.endsWith(TextFile::encode(QStringLiteral("\t01月 31日\r\n"))));
        QCOMPARE(file.count("\r\n"), 4);

        w->MSFlexGrid1->setTextMatrix(4, 2, QString());
        w->Command3->click();
        QTRY_COMPARE(w->MSFlexGrid1->textMatrix(4, 2), QStringLiteral("01月 31日"));
    }

    void timeBands_data() { kinds(); }
    void timeBands()
    {
        QFETCH(QByteArray, unitKind);
        QFETCH(int, listRow);
        const Kind kind{unitKind, listRow};
        OnTheLine line({unit("01", unitKind, 1), unit("05", unitKind, 5)});
        line.w().List1->setCurrentRow(listRow);
        line.w().action("mnuZone")->trigger();
        auto *w = line.w().windows().existing<TimeBandsDialog>(WindowId::Form7);
        QVERIFY(w && w->isVisible());
        pickUnit(w->unitSelector(), 5);
        QTRY_COMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));

        // One click reads both halves: the "C" reply draws the second request by itself.
        w->Command3->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 1), kind.spray() ? QStringLiteral("09時 00分") : QStringLiteral("08時 00分"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(16, 2), QStringLiteral("18時 00分"));
        screenshot(w, kind.spray() ? "time-bands-wj.png" : "time-bands.png");

        // Season 1 band 1 from 06:30, season 4 band 4 until 23:59.
        w->MSFlexGrid1->setSelection(1, 1, 1, 1);
        click(w->List1, "06");
        click(w->List2, "30");
        w->MSFlexGrid1->setSelection(16, 2, 16, 2);
        click(w->List1, "23");
        click(w->List2, "59");
        w->Command2->click();
        QTRY_VERIFY(line.sim.unit("05")->blocks.value(kind.block("bands1")).startsWith("0630"));
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み1/2完了"));
        QVERIFY(!line.sim.unit("05")->blocks.contains(kind.block("bands2")));
        emit w->findChild<QTimer *>("Timer1")->timeout({}); // the two seconds are up
        QTRY_VERIFY(line.sim.unit("05")->blocks.value(kind.block("bands2")).endsWith("16002359"));
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み完了"));
        QVERIFY(!w->findChild<QTimer *>("Timer1")->isActive());
        QVERIFY(!w->writer->isPending());
        const QByteArray file = line.file(kind.spray() ? "ZRLOG/CONTROL/TZONE_WJ.TXT" : "ZRLOG/CONTROL/TZONE.TXT");
        QVERIFY(file.startsWith(TextFile::encode(QStringLiteral("06時 30分\t"))));
        QCOMPARE(file.count("\r\n"), 16);

        w->MSFlexGrid1->setTextMatrix(1, 1, QString());
        w->MSFlexGrid1->setTextMatrix(16, 2, QString());
        w->Command3->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(1, 1), QStringLiteral("06時 30分"));
        QCOMPARE(w->MSFlexGrid1->textMatrix(16, 2), QStringLiteral("23時 59分"));
    }

    void temperatureRangeAndSensor()
    {
        OnTheLine line({unit("01", "A", 1), unit("05", "C", 5)});
        MainWindow &main = line.w();
        main.selectUnitId(5); // these windows talk to the unit selected in the main window
        QTRY_COMPARE(main.Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定完了"));

        main.action("mnuTemp_Range")->trigger();
        auto *range = main.windows().existing<TemperatureRangeDialog>(WindowId::Form17);
        QVERIFY(range && range->isVisible());
        range->Command2->click();
        QTRY_COMPARE(range->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(range->Text8->text() + range->Text2->text(), QStringLiteral("+30.0-05.0"));
        screenshot(range, "temperature-range.png");
        type(range->Text8, "+5");
        type(range->Text2, "-5.5");
        range->Command1->click();
        QTRY_COMPARE(range->status(), QStringLiteral(" ﾃﾞｰﾀ設定完了 "));
        QCOMPARE(line.sim.unit("05")->blocks.value("temperatureRange"), QByteArray("+050-055"));
        range->Text8->clear();
        range->Command2->click();
        QTRY_COMPARE(range->Text8->text(), QStringLiteral("+05.0"));
        QCOMPARE(range->Text2->text(), QStringLiteral("-05.5"));

        main.action("mnuTemp_CH")->trigger();
        auto *sensor = main.windows().existing<SensorNumberDialog>(WindowId::Form18);
        QVERIFY(sensor && sensor->isVisible());
        screenshot(sensor, "sensor-number.png");
        type(sensor->Text1, "7");
        sensor->Command2->click();
        QTRY_COMPARE(sensor->status(), QStringLiteral(" ﾃﾞｰﾀ設定完了 "));
        QCOMPARE(line.sim.unit("05")->blocks.value("sensorNumber"), QByteArray("07"));
        sensor->Text1->clear();
        sensor->Command3->click();
        QTRY_COMPARE(sensor->Text1->text(), QStringLiteral("07"));
        QVERIFY(!line.sim.unit("01")->blocks.contains("sensorNumber"));
    }

    void continuousMode()
    {
        OnTheLine line({unit("01", "A", 1), unit("05", "A", 5)});
        line.w().action("mnuRenzoku")->trigger();
        auto *w = line.w().windows().existing<ContinuousModeDialog>(WindowId::Form24);
        QVERIFY(w && w->isVisible());
        pickUnit(w->unitSelector(), 5);
        QTRY_COMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));

        type(w->Text1, "90");
        w->Command3->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み完了"));
        type(w->Text2, "45");
        w->Command4->click();
        QTRY_VERIFY(line.sim.unit("05")->blocks.value("DSP").endsWith("00900045"));
        QCOMPARE(line.file("ZRLOG/CONTROL/RENZOKU.TXT"), QByteArray("\"0090\"\r\n"));
        QCOMPARE(line.file("ZRLOG/CONTROL/CUTFBKDAT.TXT"), QByteArray("\"0045\"\r\n"));

        w->Text1->clear();
        w->Text2->clear();
        w->Command2->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(w->Text1->text() + "|" + w->Text2->text(), QStringLiteral("0090|0045"));
        QCOMPARE(line.w().Label21->text(), QStringLiteral(" 通信中"));
        screenshot(w, "continuous-mode.png");

        w->close();
        line.w().action("mnuRenzoku")->trigger();
        w = line.w().windows().existing<ContinuousModeDialog>(WindowId::Form24);
        QCOMPARE(w->Text1->text() + "|" + w->Text2->text(), QStringLiteral("0090|0045"));
    }
};

UNITDESK_TEST(ScheduleSettingsTest)
#include "ScheduleSettingsTest.moc"
