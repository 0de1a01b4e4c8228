// The maintenance windows driven as a user would from the main window, against the
// simulated line: write a setting, read it back from the unit, and see the unit's answers.
#include "OnTheLine.h"
#include "UserActions.h"
#include "testmain.h"

#include "control/SettingsFiles.h"
#include "maint/CurrentValueDialog.h"
#include "maint/DspSettingsDialog.h"
#include "maint/UnitClockDialog.h"
#include "maint/UnitSettingsChangeDialog.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {
// Opens the window with the basic conditions window's toolbar button. Where that window is
// not part of the program, the window is opened as that button opens it.
template <class W>
W *openFromBasicConditions(OnTheLine &l, WindowId id, const QString &button, const char *panel)
{
    WindowSet &windows = l.w().windows();
    if (windows.isRegistered(WindowId::Form10)) {
        l.w().toolbarButton(6);
        auto *toolbar = windows.existing(WindowId::Form10)->findChild<QToolBar *>(QStringLiteral("Toolbar1"));
        for (QAction *a : toolbar->actions()) {
            if (a->text() == button)
                a->trigger();
        }
    } else {
        auto *w = windows.get<W>(id);
        if (panel)
            w->StatusBar1->setPanelText(2, QString::fromUtf8(panel));
        w->setWindowModality(Qt::ApplicationModal);
        windows.show(id);
    }
    return windows.existing<W>(id);
}

QByteArray controlFile(OnTheLine &l, const char *name)
{
    return l.file(QStringLiteral("ZRLOG/CONTROL/") + QLatin1String(name));
}
} // namespace

class MaintenanceTest : public QObject {
    Q_OBJECT
private slots:
    void currentValue()
    {
        OnTheLine l(unit("01", "A", 1));
        QDir().mkpath(l.root.path() + "/ZRLOG/CONTROL");
        QVERIFY(SettingsFiles::WriteQuotedLine(SettingsFiles::controlPath("CTLEVEL.TXT"), "075100"));
        auto *w =
            openFromBasicConditions<CurrentValueDialog>(l, WindowId::Form11, "電流値調整", " 電流値 調整");
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->status(), QStringLiteral(" 電流値 調整"));
        QCOMPARE(w->Text1->text(), QStringLiteral("075"));

        w->unitSelector()->setCurrentIndex(1);
        emit w->unitSelector()->activated(1);
        QTRY_COMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));

        type(w->Text1, "250");
        w->Text2->setText("120");
        w->Command2->click();
        QTRY_COMPARE(l.sim.unit("01")->blocks.value("CT"), QByteArray("\xB5"
                                                                      "000120"));
        QCOMPARE(controlFile(l, "CTLEVEL.TXT"), QByteArray("\"250120\"\r\n"));
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み完了")); // after the pause

        w->Text1->setText("000");
        w->Text2->setText("000");
        w->Command3->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 取り込み完了"));
        QCOMPARE(w->Text1->text(), QStringLiteral("250"));
        QCOMPARE(w->Text2->text(), QStringLiteral("120"));

        l.sim.sendMonitoring();
        QTRY_VERIFY(w->Label3->text() != QStringLiteral("000.0_A"));
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ID_No ： 01"));
        screenshot(w, "form11.png");
    }

    void dspSettings()
    {
        OnTheLine l(unit("01", "A", 1));
        auto *w = openFromBasicConditions<DspSettingsDialog>(l, WindowId::Form13, "ＤＳＰ設定",
                                                             " ＤＳＰ 動作条件設定");
        QVERIFY(w && w->isVisible());
        type(w->findChild<QLineEdit *>("Text1"), "12");
        w->findChild<QPushButton *>("Command1")->click();
        QCOMPARE(controlFile(l, "IMULTI.TXT"), QByteArray("\"0012\"\r\n"));
        QTRY_COMPARE(w->status(), QStringLiteral(" 書込み完了"));

        w->Command2->click();
        QTRY_COMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QStringList fields;
        for (const char *name : {"Text1", "Text8", "Text4", "Text7", "Text2"})
            fields << w->findChild<QLineEdit *>(name)->text();
        QCOMPARE(fields, (QStringList{"0012", "0030", "0100", "0005", "0001"}));
        l.sim.sendMonitoring();
        QTRY_VERIFY(w->Label2->text().endsWith(QStringLiteral("_A")) && w->Label2->text() != "000.0_A");
        screenshot(w, "form13.png");
    }

    void unitSettingsChange()
    {
        OnTheLine l(unit("01", "A", 1));
        l.w().action("mnuKoki_Set")->trigger();
        auto *w = l.w().windows().existing<UnitSettingsChangeDialog>(WindowId::Form16);
        QVERIFY(w && w->isVisible());
        const auto tick = [w] { emit w->Timer1->timeout({}); };

        w->Combo1->setCurrentIndex(3);
        emit w->Combo1->activated(3);
        w->findChild<QPushButton *>("Command3")->click();
        QTRY_COMPARE(l.w().state().UnitSettingStatus, QStringLiteral(" 子機ﾃﾞｰﾀ設定完了"));
        w->Command1->click();
        w->findChild<QPushButton *>("Command4")->click();
        type(w->Text3, "7");
        w->findChild<QPushButton *>("Command5")->click();
        QTRY_COMPARE(l.sim.unit("01")->blocks.value("UNIT"), QByteArray("OF0703"));

        w->Text3->setText("00");
        w->Combo1->setCurrentIndex(0);
        w->findChild<QPushButton *>("Command2")->click();
        QTRY_COMPARE(l.w().state().UnitSettingStatus, QStringLiteral(" 子機設定ﾃﾞｰﾀ読み取り完了"));
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("38400"));
        QCOMPARE(w->Command1->text(), QStringLiteral("OF"));
        QCOMPARE(w->Text3->text(), QStringLiteral("07"));

        w->findChild<QPushButton *>("Command6")->click(); // both confirmations answered OK
        QTRY_COMPARE(l.w().state().UnitSettingStatus, QStringLiteral(" ﾓﾆﾀｰﾃﾞｰﾀ消去完了"));
        tick();
        QCOMPARE(w->Label1->text(), QStringLiteral(" ﾓﾆﾀｰﾃﾞｰﾀ消去完了"));
        QVERIFY(l.sim.unit("01")->logsErasedAt.isValid());
        screenshot(w, "form16.png");
    }

    void unitClock()
    {
        OnTheLine l(unit("01", "A", 1));
        UnitClockDialog::setPcClock([] { return QDateTime(QDate(2013, 12, 31), QTime(23, 59, 58)); });
        auto *w = openFromBasicConditions<UnitClockDialog>(l, WindowId::Form8, "時計設定", nullptr);
        QVERIFY(w && w->isVisible());
        w->Command1->click();
        UnitClockDialog::setPcClock(nullptr);
        QTRY_COMPARE(w->Label2->text(), QStringLiteral("2013年12月31日_火"));
        QCOMPARE(w->Label4->text(), QStringLiteral("23時59分"));
        QCOMPARE(l.w().Label18->text(), QStringLiteral("13年12月31日23時59分"));
        screenshot(w, "form8.png");
    }
};

UNITDESK_TEST(MaintenanceTest)
#include "MaintenanceTest.moc"
