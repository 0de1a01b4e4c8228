// The menu tree, the toolbar and the common steps before a window opens.
#include "MainFixture.h"
#include "testmain.h"

#include "ui/StatusBar.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolBar>
#include <QToolTip>

namespace {
// A stand-in secondary window with a status bar, as every dialog has.
QWidget *makeDialog(const QByteArray &name, QStringList *closed)
{
    auto *w = new QWidget;
    w->setObjectName(QString::fromLatin1(name));
    auto *bar = new StatusBar(2, w);
    bar->setObjectName("StatusBar1");
    QObject::connect(w, &QObject::destroyed, [closed, name] { closed->append(QString::fromLatin1(name)); });
    return w;
}
} // namespace

class MainMenusTest : public QObject {
    Q_OBJECT
private slots:
    void menuTree()
    {
        MainFixture f;
        QStringList shown;
        for (QAction *bar : f.window->menuBar()->actions()) {
            shown << bar->objectName() + "=" + bar->text();
            if (QMenu *menu = bar->menu())
                for (QAction *item : menu->actions())
                    shown << "  " + item->objectName() + "=" + (item->isSeparator() ? "-" : item->text());
        }
        const QStringList expected{
            "mnuFile=ﾌｧｲﾙ",
            "  sep1=-",
            "  mnuPrinter=印刷設定",
            // Our own, beside the print setup of the views.
            "  sprReport=-",
            "  mnuReport=月報",
            "  SEP7=-",
            "  mnuEnd=終了",
            "mnuREG=登録",
            "  mnuCH_name=ＣＨ名登録",
            "  sprREd=-",
            "  mnuGrp=ｸﾞﾙｰﾌﾟ名登録",
            "mnuCont1=季節別制御条件",
            "mnuSeason=季節帯条件",
            "mnuZone=時間帯条件",
            "mnuMente=ﾒﾝﾃﾅﾝｽ",
            "  mnuGroup_Set=ｸﾞﾙｰﾌﾟ 設定",
            "  sp9=-",
            "  mnuDel_Group=ｸﾞﾙｰﾌﾟ の消去",
            "  sp10=-",
            "  mnuRenzoku=子機連続ﾓｰﾄﾞ設定",
            "  sprrenzk=-",
            "  mnuKoki_Set=子機各種設定",
            "  spr_Temp1=-",
            "  mnuTemp_Range=温度範囲設定",
            "  spr_Temp2=-",
            "  mnuTemp_CH=温度センサー番号 設定",
            // Our own, after the system's entries.
            "  sprMonitor=-",
            "  mnuMonitor=通信モニター",
        };
        QCOMPARE(shown, expected);
    }

    void toolbar()
    {
        MainFixture f;
        QStringList shown;
        for (QAction *a : f.window->Toolbar1->actions()) {
            // The tip a user sees when resting the mouse on the button.
            QWidget *button = f.window->Toolbar1->widgetForAction(a);
            QToolTip::showText(QPoint(0, 0), "-", button); // stays unless the button shows a tip
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(button, &help);
            const QString tip = QToolTip::text();
            shown << a->text() + "|" + a->objectName() + "|" + (tip == "-" ? QString() : tip);
            QVERIFY(!a->icon().isNull());
        }
        const QStringList expected{
            "通信環境|環境|COM ﾎﾟｰﾄの設定",
            "月ﾃﾞｰﾀ取得|mnuMnth_Log|月ﾀﾞｳﾝﾛｰﾄﾞの開始",
            "月ﾃﾞｰﾀ表示|mnuLOGT|月ﾀﾞｳﾝﾛｰﾄﾞﾃﾞｰﾀの表示",
            "日ﾃﾞｰﾀ取得 |mnuDay_Log|一日月ﾀﾞｳﾝﾛｰﾄﾞの開始",
            "日ﾃﾞｰﾀ表示|mnuFinish_Date|一日ﾀﾞｳﾝﾛｰﾄﾞﾃﾞｰﾀの表示",
            "基本条件|mnuBase_cont|",
        };
        QCOMPARE(shown, expected);
    }

    void closingOrder()
    {
        QStringList closed; // outlives the windows that write into it
        MainFixture f;
        WindowSet &set = f.window->windows();
        set.CloseSecondaryWindows(); // drops the port settings window made at start-up
        // Register stand-ins in reverse order: closing must follow the fixed order anyway.
        const std::vector<WindowId> &order = WindowSet::closingOrder();
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            const QByteArray name = WindowSet::nameOf(*it).toLatin1();
            set.registerWindow(*it, [&closed, name] { return makeDialog(name.constData(), &closed); });
        }
        set.registerWindow(WindowId::Form23, [&closed] { return makeDialog("Form23", &closed); });
        for (WindowId id : order)
            set.get(id);
        set.get(WindowId::Form23);
        closed.clear();
        f.window->CloseSecondaryWindows();
        QCOMPARE(closed, (QStringList{"Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9",
                                      "Form10", "Form11", "Form12", "Form13", "Form14", "Form16", "Form17",
                                      "Form18", "Form20", "Form22", "Form24"}));
        QVERIFY(set.existing(WindowId::Form23)); // the water-spray basic conditions stay
    }

    void openingSteps_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("panel");
        QTest::newRow("control rates") << "mnuCont1" << 0 << int(WindowId::Form5) << "制御率設定"
                                       << " 制御率設定";
        QTest::newRow("control rates, spray")
            << "mnuCont1" << 2 << int(WindowId::Form5) << "水噴射 制御率設定"
            << " 水噴射 制御率設定";
        QTest::newRow("season") << "mnuSeason" << 0 << int(WindowId::Form6) << "季節帯設定"
                                << " 季節帯設定";
        QTest::newRow("season, spray") << "mnuSeason" << 2 << int(WindowId::Form6) << "水噴射 季節帯設定"
                                       << " 水噴射 季節帯設定";
        QTest::newRow("zone") << "mnuZone" << 3 << int(WindowId::Form7) << "時間帯設定"
                              << " 時間帯設定";
        QTest::newRow("zone, spray") << "mnuZone" << 2 << int(WindowId::Form7) << "水噴射 時間帯設定"
                                     << " 水噴射 時間帯設定";
        QTest::newRow("channel names") << "mnuCH_name" << 0 << int(WindowId::Form14) << "ＣＨ名の登録"
                                       << "";
        QTest::newRow("group names") << "mnuGrp" << 0 << int(WindowId::Form9) << "ｸﾞﾙｰﾌﾟ名の登録"
                                     << "";
        QTest::newRow("group setting") << "mnuGroup_Set" << 0 << int(WindowId::Form12) << "(unchanged)"
                                       << "";
        QTest::newRow("continuous") << "mnuRenzoku" << 0 << int(WindowId::Form24) << "子機連続ﾓｰﾄﾞの設定"
                                    << "";
        QTest::newRow("unit settings") << "mnuKoki_Set" << 0 << int(WindowId::Form16) << "子機各種設定変更"
                                       << "";
        QTest::newRow("temperature range")
            << "mnuTemp_Range" << 0 << int(WindowId::Form17) << "温度制御範囲設定"
            << "";
        QTest::newRow("sensor number") << "mnuTemp_CH" << 0 << int(WindowId::Form18) << "温度ｾﾝｻｰ番号設定"
                                       << "";
    }
    void openingSteps()
    {
        QFETCH(QString, entry);
        QFETCH(int, kind);
        QFETCH(int, window);
        QFETCH(QString, status);
        QFETCH(QString, panel);
        QStringList closed; // outlives the windows that write into it
        MainFixture f;
        WindowSet &set = f.window->windows();
        set.registerWindow(WindowId::Form5, [&closed] { return makeDialog("Form5", &closed); });
        set.registerWindow(WindowId(window), [&closed] { return makeDialog("opened", &closed); });
        f.window->List1->setCurrentRow(kind);
        if (WindowId(window) != WindowId::Form5)
            set.show(WindowId::Form5); // an open dialog that the entry must close
        f.window->Label19->setText("(unchanged)");
        f.window->ProgressBar1->setValue(40);

        f.window->action(entry)->trigger();

        QCOMPARE(f.window->ProgressBar1->value(), 1);
        QCOMPARE(f.window->Label19->text(), status);
        if (WindowId(window) != WindowId::Form5)
            QCOMPARE(closed, QStringList{"Form5"});
        QWidget *opened = set.existing(WindowId(window));
        QVERIFY(opened && opened->isVisible());
        QCOMPARE(opened->findChild<StatusBar *>("StatusBar1")->panelText(2), panel);
    }

    void basicConditionsButton()
    {
        QStringList closed; // outlives the windows that write into it
        MainFixture f;
        WindowSet &set = f.window->windows();
        set.registerWindow(WindowId::Form10, [&closed] { return makeDialog("Form10", &closed); });
        set.registerWindow(WindowId::Form23, [&closed] { return makeDialog("Form23", &closed); });
        f.window->List1->setCurrentRow(2);
        f.window->action("mnuBase_cont")->trigger();
        QVERIFY(set.existing(WindowId::Form23)->isVisible());
        QCOMPARE(f.window->Label19->text(), QStringLiteral("制御基本条件設定"));
        QCOMPARE(set.existing(WindowId::Form23)->findChild<StatusBar *>("StatusBar1")->panelText(2),
                 QStringLiteral(" 制御基本条件設定"));
        f.window->List1->setCurrentRow(0);
        f.window->action("mnuBase_cont")->trigger();
        QVERIFY(set.existing(WindowId::Form10)->isVisible());
        QVERIFY(set.existing(WindowId::Form23)->isVisible()); // not closed by the other
    }

    void clearingGroupDataLeavesDialogsOpen()
    {
        QStringList closed; // outlives the windows that write into it
        MainFixture f;
        f.window->windows().registerWindow(WindowId::Form5,
                                           [&closed] { return makeDialog("Form5", &closed); });
        f.window->windows().show(WindowId::Form5);
        f.window->ProgressBar1->setValue(30);
        f.window->action("mnuDel_Group")->trigger(); // answered Cancel
        QVERIFY(closed.isEmpty());
        QCOMPARE(f.window->ProgressBar1->value(), 1);
        const Prompt::Message &m = f.prompts.asked.last();
        QCOMPARE(m.text, QStringLiteral("GRP_ 26年の子機 ﾃﾞｰﾀ領域を消去します")); // no group stored yet
        QCOMPARE(m.title, QStringLiteral("ﾃﾞｰﾀ保存領域のクリア"));
        QVERIFY(m.buttons == Prompt::Buttons::OkCancel && m.icon == Prompt::Icon::Warning);
        QVERIFY(m.defaultButton == Prompt::Answer::Cancel);
    }
};

UNITDESK_TEST(MainMenusTest)
#include "MainMenusTest.moc"
