#include "MainFixture.h"
#include "testmain.h"

#include "common/TextFile.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>
#include <QToolBar>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesTheWorkingFolders()
    {
        MainFixture f;
        const QStringList expected{
            "GRP",
            "GRP/CHNAME",
            "GRP/ZR1",
            "GRP/ZR1/Y2026",
            "GRP/ZR1/Y2026/DAY",
            "GRP/ZR3",
            "GRP/ZR3/Y2026",
            "GRP/ZR3/Y2026/DAY",
            "ZRLOG",
            "ZRLOG/COM",
            "ZRLOG/CONTORL",
            "ZRLOG/CONTROL",
            "ZRLOG/CONTROL/ID_01",
            "ZRLOG/TEMP",
        };
        QCOMPARE(f.tree(), expected);
        QCOMPARE(f.window->state().GroupNo, QString());
        QCOMPARE(f.window->state().GroupDir, QStringLiteral("C:\\GRP"));
        QVERIFY(f.prompts.asked.isEmpty());
    }

    void startUpValues()
    {
        MainFixture f;
        MainWindow &w = *f.window;
        QCOMPARE(w.objectName(), QStringLiteral("Form1"));
        QCOMPARE(w.windowTitle(), QStringLiteral("子機専用 ﾃﾞｰﾀ ﾀﾞｳﾝﾛｰﾄﾞ & 設定 for WinXP(& Qspr)"));
        QCOMPARE(w.Label18->text(), QStringLiteral("26年12月08日09時05分"));
        QCOMPARE(w.Label1->text(), QStringLiteral("26年12月08日"));
        QCOMPARE(w.Label7->text(), QStringLiteral("26年12月08日"));
        const AppState &s = w.state();
        QCOMPARE(s.PickedDate, (DateText{"26", "12", "08"}));
        QCOMPARE(s.StartDate, s.PickedDate);
        QCOMPARE(s.EndDate, s.PickedDate);
        QCOMPARE(s.UnitClock.ss, QStringLiteral("30"));
        QCOMPARE(s.UnitClock.weekdayName, QStringLiteral("日"));
        QCOMPARE(s.SelectedUnitId, QStringLiteral("01"));
        QCOMPARE(s.UnitTypeCode, QStringLiteral("A"));
        QCOMPARE(s.DateMode, QStringLiteral("1"));
        QCOMPARE(s.SlotLabels.size(), 287);
        QCOMPARE(s.SlotLabels.mid(6 * 47, 5), QStringLiteral("23:30"));

        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(w.Timer1->interval(), 1000);
        QVERIFY(w.Timer2->isActive());
        QCOMPARE(w.Timer2->interval(), 15000);
        QVERIFY(!w.Timer3->isActive());

        QCOMPARE(w.List1->count(), 6);
        QCOMPARE(w.List1->item(1)->text(), QStringLiteral(" その他　　 子機"));
        QCOMPARE(w.List1->currentRow(), 0);
        QCOMPARE(w.Label2->text(), QStringLiteral("現在 電流"));
        QCOMPARE(w.Combo1->count(), 13);
        QCOMPARE(w.Combo1->itemText(0), QStringLiteral("　ＩＤ_Ｎｏ ： **"));
        QCOMPARE(w.Combo1->itemText(12), QStringLiteral("　ＩＤ_Ｎｏ ： １２"));
        QCOMPARE(w.Combo1->currentText(), QStringLiteral(" ＩＤ_Ｎｏ ： ＊＊"));
        QCOMPARE(w.MonthView1->selectedDate(), QDate(2026, 12, 8));

        const QColor selected(255, 128, 128), other(128, 255, 128);
        QCOMPARE(w.Label1->palette().color(QPalette::Window), selected);
        QCOMPARE(w.Label11->palette().color(QPalette::Window), selected);
        QCOMPARE(w.Label7->palette().color(QPalette::Window), other);
        QCOMPARE(w.Label12->palette().color(QPalette::Window), other);

        // The port of the (missing) port files, COM1, is the pseudo-terminal here.
        QVERIFY(w.link().isOpen());
        QCOMPARE(w.state().PcLineSpeed, QStringLiteral("4800"));
    }

    void storedGroup_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("groupNo");
        QTest::addColumn<QString>("label");
        QTest::newRow("group 03") << QByteArray("03\r\n") << "03"
                                  << "ｸﾞﾙｰﾌﾟ番号: 03";
        QTest::newRow("LF only") << QByteArray("12\n") << "12"
                                 << "ｸﾞﾙｰﾌﾟ番号: 12";
        QTest::newRow("one digit") << QByteArray("7\r\n") << "07"
                                   << "ｸﾞﾙｰﾌﾟ番号: 07";
        QTest::newRow("overlong") << QByteArray("0456789\r\nxx\r\n") << "04"
                                  << "ｸﾞﾙｰﾌﾟ番号: 04";
        QTest::newRow("empty file") << QByteArray() << ""
                                    << "";
        QTest::newRow("garbage") << QByteArray("\x81\x40zz\r\n") << "00"
                                 << "ｸﾞﾙｰﾌﾟ番号: 00";
    }
    void storedGroup()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, groupNo);
        QFETCH(QString, label);
        MainFixture f(QDateTime(QDate(2026, 12, 8), QTime(9, 5)), [&](const QString &root) {
            QDir(root).mkpath("ZRLOG/CONTROL");
            QFile file(root + "/ZRLOG/CONTROL/GROUP.TXT");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        });
        QCOMPARE(f.window->state().GroupNo, groupNo);
        QCOMPARE(f.window->state().GroupDir, "C:\\GRP" + groupNo);
        QCOMPARE(f.window->Label10->text(), label);
        QVERIFY(QFileInfo(f.root.path() + "/GRP" + groupNo + "/ZR3/Y2026/DAY").isDir());
        QVERIFY(QFileInfo(f.root.path() + "/GRP" + groupNo + "/CHNAME").isDir());
    }

    void newYearFoldersAtTheNextStart()
    {
        MainFixture f(QDateTime(QDate(2027, 1, 1), QTime(0, 0)));
        QVERIFY(f.tree().contains("GRP/ZR1/Y2027/DAY"));
        QVERIFY(f.tree().contains("GRP/ZR3/Y2027/DAY"));
    }

    void unwritableRootShowsOneMessage()
    {
        // The root is a plain file: no folder can be made below it, whoever runs the test.
        QTemporaryDir parent;
        const QString blocked = parent.path() + "/C";
        QFile(blocked).open(QIODevice::WriteOnly);
        MainFixture f(QDateTime(QDate(2026, 12, 8), QTime(9, 5)),
                      [&](const QString &) { DriveMap::setRoot(blocked); });
        QCOMPARE(f.prompts.asked.size(), 1);
        const Prompt::Message &m = f.prompts.asked.first();
        QVERIFY(m.text.contains("C:\\ZRLOG\\TEMP"));
        QVERIFY(m.text.contains("C:\\GRP\\ZR3\\Y2026\\DAY"));
        QVERIFY(f.window->Timer2->isActive()); // still running
        QCOMPARE(f.window->List1->currentRow(), 0);
    }

    void closeQuestion()
    {
        MainFixture f;
        f.answers = {Prompt::Answer::No};
        QVERIFY(!f.window->close());
        QCOMPARE(f.ended, 0);
        QVERIFY(f.window->link().isOpen());
        const Prompt::Message &m = f.prompts.asked.last();
        QCOMPARE(m.text, QStringLiteral("ソフトウェアを終了します。よろしいですか？"));
        QCOMPARE(m.title, QStringLiteral("TORVA_設定ソフト"));
        QCOMPARE(m.buttons, Prompt::Buttons::YesNo);
        QCOMPARE(m.defaultButton, Prompt::Answer::No);
        QCOMPARE(m.icon, Prompt::Icon::None);

        f.answers = {Prompt::Answer::Yes};
        QVERIFY(f.window->close());
        QCOMPARE(f.ended, 1);
        QVERIFY(!f.window->link().isOpen());
    }

    void endMenu()
    {
        MainFixture f;
        f.window->action("mnuEnd")->trigger(); // Cancel
        QCOMPARE(f.ended, 0);
        QCOMPARE(f.prompts.asked.size(), 1);
        const Prompt::Message &m = f.prompts.asked.last();
        QCOMPARE(m.text, QStringLiteral("ﾌﾟﾛｸﾞﾗﾑを終了します"));
        QCOMPARE(m.title, QStringLiteral("ﾌﾟﾛｸﾞﾗﾑの終了"));
        QCOMPARE(m.buttons, Prompt::Buttons::OkCancel);
        QCOMPARE(m.defaultButton, Prompt::Answer::Cancel);
        QCOMPARE(m.icon, Prompt::Icon::Exclamation);

        f.answers = {Prompt::Answer::Ok};
        f.window->action("mnuEnd")->trigger();
        QCOMPARE(f.ended, 1);
        QCOMPARE(f.prompts.asked.size(), 2); // no close question after OK
    }
};

UNITDESK_TEST(MainWindowTest)
#include "MainWindowTest.moc"
