// The day and month views as the user reaches them: the toolbar, the open dialog, the
// grid's texts, saving a copy.
#include "mainwin/MainFixture.h"
#include "testmain.h"

#include "common/TextFile.h"
#include "ui/Grid.h"
#include "viewers/LogChartDialog.h"
#include "viewers/LogFiles.h"
#include "viewers/LogViewDialog.h"
#include "viewers/PrintSetup.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>

namespace {
const QString DayFile = QStringLiteral("C:\\GRP01\\ZR1\\Y2026\\DAY\\CH05\\m12d07.TXT");
const QString MonthFile = QStringLiteral("C:\\GRP01\\ZR1\\Y2026\\M11\\CH05\\MnLog.TXT");

void store(const QString &logicalPath, const QStringList &lines)
{
    QVERIFY(DriveMap::ensureDir(logicalPath.left(logicalPath.lastIndexOf('\\'))));
    QVERIFY(TextFile::writeLines(logicalPath, lines));
}

// A day as the download stores it: slot s has average current s tenths of an ampere.
QStringList dayLines(int day, int count)
{
    QStringList lines;
    const QString dd = QStringLiteral("%1").arg(day, 2, 10, QChar('0'));
    for (int s = 0; s < count; ++s)
        lines << dd + QStringLiteral("\t%1:%2\t%3\t0100\t0900\t0900")
                          .arg(s / 2, 2, 10, QChar('0'))
                          .arg(s % 2 ? 30 : 0, 2, 10, QChar('0'))
                          .arg(s, 4, 10, QChar('0'));
    return lines;
}

QStringList row(const Grid *g, int r)
{
    QStringList texts;
    for (int c = 0; c < g->cols(); ++c)
        texts << g->textMatrix(r, c);
    return texts;
}

QByteArray bytes(const QString &logicalPath)
{
    QFile file(DriveMap::toNative(logicalPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

class LogViewTest : public QObject {
    Q_OBJECT
private slots:
    void captionsAndControls_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("machine");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("corner");
        QTest::newRow("day") << 4 << "日別ﾃﾞｰﾀ表示"
                             << "機械番号 : CH00" << 49 << "時刻";
        QTest::newRow("month") << 3 << "月間ﾃﾞｰﾀ表示"
                               << "機械番号 ： CH00" << 1489 << "日 時刻";
    }
    void captionsAndControls()
    {
        QFETCH(int, form);
        QFETCH(QString, caption);
        QFETCH(QString, machine);
        QFETCH(int, rows);
        QFETCH(QString, corner);
        MainFixture f;
        auto *w = f.window->windows().get<LogViewDialog>(WindowId(form));
        QVERIFY(w);
        QCOMPARE(w->objectName(), WindowSet::nameOf(WindowId(form)));
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->findChild<QLabel *>("Label2")->text(), QStringLiteral("00年00月00日"));
        QCOMPARE(w->findChild<QLabel *>("Label3")->text(), machine);
        QCOMPARE(w->findChild<QPushButton *>("Command1")->text(), QStringLiteral("保存"));
        auto *grid = w->findChild<Grid *>("MSFlexGrid1");
        QVERIFY(grid);
        QCOMPARE(grid->rows(), rows);
        QCOMPARE(grid->cols(), 5);
        QCOMPARE(grid->textMatrix(0, 0), corner);
        QCOMPARE(grid->textMatrix(rows - 1, 0), QStringLiteral("23:30"));
        QCOMPARE(grid->colWidthTwips(0), 1800);
        QCOMPARE(grid->colWidthTwips(4), 1700);
    }

    void dayThroughTheToolbar()
    {
        MainFixture f;
        QStringList lines{"26/12/07"};
        lines << dayLines(7, 30); // a day read before it ended
        lines[21] = "07\t10:00\t0123\t0100\t0900\t0900";
        store(DayFile, lines);
        f.prompts.file = [](const Prompt::FileDialog &) { return DayFile; };
        f.window->ProgressBar1->setValue(40);

        f.window->action("mnuFinish_Date")->trigger();

        QCOMPARE(f.window->ProgressBar1->value(), 1);
        QCOMPARE(f.prompts.fileDialogs.size(), 1);
        const Prompt::FileDialog &asked = f.prompts.fileDialogs[0];
        QCOMPARE(asked.mode, Prompt::FileDialog::Open);
        QCOMPARE(asked.title, QStringLiteral("保存しているログファイルを開く"));
        QCOMPARE(asked.filter, QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.TXT)"));
        QCOMPARE(asked.fileName, f.window->state().GroupDir + "\\ZR1\\Y2026\\DAY\\*.TXT");
        QCOMPARE(f.window->state().OpenedLogFile, DayFile);

        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->Label2->text(), QStringLiteral("26年12月07日"));
        QCOMPARE(w->Label3->text(), QStringLiteral("機械番号： GRP01  CH05"));
        const Grid *g = w->MSFlexGrid1;
        QVERIFY(g->isVisible());
        QCOMPARE(row(g, 0), (QStringList{"時刻", "平均電流値", "制御時電流値", "制御秒", "休止秒"}));
        QCOMPARE(row(g, 1), (QStringList{"00:00", "000.0_A", "010.0_A", "0900_sec", "0900_sec"}));
        QCOMPARE(row(g, 21), (QStringList{"10:00", "012.3_A", "010.0_A", "0900_sec", "0900_sec"}));
        QCOMPARE(row(g, 30), (QStringList{"14:30", "002.9_A", "010.0_A", "0900_sec", "0900_sec"}));
        QCOMPARE(row(g, 31), (QStringList{"15:00", "", "", "", ""}));
        QCOMPARE(row(g, 48), (QStringList{"23:30", "", "", "", ""}));
        QCOMPARE(g->row(), 1);
        QCOMPARE(g->col(), 1);
        QVERIFY(f.prompts.asked.isEmpty());
    }

    void kindAtOpeningDecides()
    {
        MainFixture f;
        store(DayFile, {"26/12/07", "07\t00:00\t0950\t1900\t1000\t1234"});
        f.prompts.file = [](const Prompt::FileDialog &) { return DayFile; };
        f.window->List1->setCurrentRow(3); // temperature units
        f.window->action("mnuFinish_Date")->trigger();
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        QCOMPARE(row(w->MSFlexGrid1, 0), (QStringList{"時刻", "00_分", "07_分", "15_分", "22_分"}));
        QCOMPARE(row(w->MSFlexGrid1, 1), (QStringList{"00:00", "-05.0_℃", "00.0_℃", "00.0_℃", "23.4_℃"}));
        QCOMPARE(f.prompts.fileDialogs[0].fileName, f.window->state().GroupDir + "\\ZR3\\Y2026\\DAY\\*.TXT");

        // The same file read while standard units are selected shows currents.
        f.window->List1->setCurrentRow(0);
        f.window->action("mnuFinish_Date")->trigger();
        w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        QCOMPARE(row(w->MSFlexGrid1, 1),
                 (QStringList{"00:00", "095.0_A", "190.0_A", "1000_sec", "1234_sec"}));
    }

    void monthThroughTheToolbar()
    {
        MainFixture f;
        QStringList lines{"26/11"};
        for (int day = 1; day <= 28; ++day)
            lines << dayLines(day, 48);
        store(MonthFile, lines);
        f.prompts.file = [](const Prompt::FileDialog &) { return MonthFile; };

        f.window->action("mnuLOGT")->trigger();

        QCOMPARE(f.prompts.fileDialogs[0].fileName, f.window->state().GroupDir + "\\ZR1\\Y2026\\M**");
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form3);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->Label2->text(), QStringLiteral("26年11月"));
        QCOMPARE(w->Label3->text(), QStringLiteral("機械番号： GRP01  CH05"));
        Grid *g = w->MSFlexGrid1;
        QCOMPARE(row(g, 1), (QStringList{"01\t日: 00:00\t", "000.0_A", "010.0_A", "0900_sec", "0900_sec"}));
        QCOMPARE(row(g, 4 * 48 + 22),
                 (QStringList{"05\t日: 10:30\t", "002.1_A", "010.0_A", "0900_sec", "0900_sec"}));
        QCOMPARE(row(g, 1344),
                 (QStringList{"28\t日: 23:30\t", "004.7_A", "010.0_A", "0900_sec", "0900_sec"}));
        QCOMPARE(row(g, 1345), (QStringList{"00:00", "", "", "", ""}));
        QCOMPARE(row(g, 1488), (QStringList{"23:30", "", "", "", ""}));

        // Reloading 7 445 cells is one model reset.
        QSignalSpy resets(g->gridModel(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(g->gridModel(), &QAbstractItemModel::dataChanged);
        QVERIFY(w->Get_DmndData());
        QCOMPARE(resets.size(), 1);
        QCOMPARE(changes.size(), 0);
    }

    void monthOfHeaderOnly()
    {
        MainFixture f;
        store(MonthFile, {"26/11"});
        f.prompts.file = [](const Prompt::FileDialog &) { return MonthFile; };
        f.window->action("mnuLOGT")->trigger();
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form3);
        QCOMPARE(w->Label2->text(), QStringLiteral("26年11月"));
        QCOMPARE(row(w->MSFlexGrid1, 1), (QStringList{"00:00", "", "", "", ""}));
        QVERIFY(f.prompts.asked.isEmpty());
    }

    void cancelledOpenShowsNothing()
    {
        MainFixture f;
        f.window->state().OpenedLogFile = "C:\\old.TXT";
        f.window->action("mnuFinish_Date")->trigger(); // the script answers with a cancel
        QCOMPARE(f.window->state().OpenedLogFile, QString());
        QVERIFY(!f.window->windows().existing(WindowId::Form4));
    }

    void unreadableLogIsSaidAndTheProgramGoesOn_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << false;
        QTest::newRow("empty") << true;
    }
    void unreadableLogIsSaidAndTheProgramGoesOn()
    {
        QFETCH(bool, exists);
        MainFixture f;
        if (exists)
            store(DayFile, {});
        f.prompts.file = [](const Prompt::FileDialog &) { return DayFile; };
        f.window->action("mnuFinish_Date")->trigger();
        QCOMPARE(f.prompts.asked.size(), 1);
        QCOMPARE(f.prompts.asked[0].text, "ログファイルを読み込めません。\n" + DayFile);
        QCOMPARE(f.prompts.asked[0].title, QStringLiteral("日別ﾃﾞｰﾀ表示"));
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->Label2->text(), QStringLiteral("00年00月00日"));
        QCOMPARE(row(w->MSFlexGrid1, 1), (QStringList{"00:00", "", "", "", ""}));
        QCOMPARE(f.ended, 0);
    }

    // Damaged or odd day files: the view shows what the lines hold, reads nothing beyond
    // a line, and the program goes on.
    void oddDayFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("row1");
        QTest::addColumn<QStringList>("row2");
        QTest::addColumn<QStringList>("row48");
        const QStringList empty{"", "", "", ""};
        QByteArray longDay = "26/12/07\r\n";
        for (const QString &line : dayLines(7, 48) + dayLines(8, 2))
            longDay += line.toLatin1() + "\r\n";
        QTest::newRow("more than 48 lines") << longDay << QStringList{"000.0_A", "010.0_A", "0900_sec", "0900_sec"}
                                            << QStringList{"000.1_A", "010.0_A", "0900_sec", "0900_sec"}
                                            << QStringList{"004.7_A", "010.0_A", "0900_sec", "0900_sec"};
        QTest::newRow("LF only") << QByteArray("26/12/07\n07\t00:00\t0123\t0100\t0900\t0900\n07\t00:30\t0001\n")
                                 << QStringList{"012.3_A", "010.0_A", "0900_sec", "0900_sec"}
                                 << QStringList{"000.1_A", "000.0_A", "_sec", "_sec"} << empty;
        QTest::newRow("short lines") << QByteArray("26/12/07\r\n07\r\n\r\n")
                                     << QStringList{"000.0_A", "000.0_A", "_sec", "_sec"}
                                     << QStringList{"000.0_A", "000.0_A", "_sec", "_sec"} << empty;
        QTest::newRow("non-digit fields")
            << QByteArray("26/12/07\r\n07\t00:00\tabcd\t12x4\t09.0\t-900\r\n") << QStringList{"000.0_A", "001.2_A", "09.0_sec", "-900_sec"}
            << empty << empty;
        QTest::newRow("header only") << QByteArray("26/12/07\r\n") << empty << empty << empty;
    }
    void oddDayFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, row1);
        QFETCH(QStringList, row2);
        QFETCH(QStringList, row48);
        MainFixture f;
        QVERIFY(DriveMap::ensureDir(DayFile.left(DayFile.lastIndexOf('\\'))));
        QFile file(DriveMap::toNative(DayFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        f.prompts.file = [](const Prompt::FileDialog &) { return DayFile; };
        f.window->action("mnuFinish_Date")->trigger();
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->Label2->text(), QStringLiteral("26年12月07日"));
        QCOMPARE(row(w->MSFlexGrid1, 1).mid(1), row1);
        QCOMPARE(row(w->MSFlexGrid1, 2).mid(1), row2);
        QCOMPARE(row(w->MSFlexGrid1, 48), QStringList{"23:30"} + row48);
        QVERIFY(f.prompts.asked.isEmpty());
        w->cmdChart->click(); // the chart copes as well
        QVERIFY(w->findChild<LogChartDialog *>()->isVisible());
    }

    // A log the user keeps elsewhere opens under its own native path.
    void logOutsideTheStore()
    {
        MainFixture f;
        QTemporaryDir elsewhere;
        const QString path = elsewhere.filePath("kept day.TXT");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("26/12/07\r\n07\t00:00\t0123\t0100\t0900\t0900\r\n");
        file.close();
        f.prompts.file = [path](const Prompt::FileDialog &d) {
            return d.mode == Prompt::FileDialog::Open ? path : d.fileName;
        };
        f.window->action("mnuFinish_Date")->trigger();
        QCOMPARE(f.window->state().OpenedLogFile, path);
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        QCOMPARE(row(w->MSFlexGrid1, 1), (QStringList{"00:00", "012.3_A", "010.0_A", "0900_sec", "0900_sec"}));
        QVERIFY(DriveMap::ensureDir("C:\\AMPDAT"));
        QVERIFY(w->exportCsv());
        QCOMPARE(f.prompts.fileDialogs.last().fileName, QStringLiteral("C:\\AMPDAT\\kept day.csv"));
        QVERIFY(bytes("C:\\AMPDAT\\kept day.csv").endsWith("2026-12-07,00:00,12.3,10.0,900,900\r\n"));
        QVERIFY(f.prompts.asked.isEmpty());
    }

    void openDialogStart_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::newRow("spray, group 07") << 2 << "C:\\GRP07"
                                         << "C:\\GRP07\\ZR4\\Y2013\\DAY\\*.TXT"
                                         << "C:\\GRP07\\ZR4\\Y2013\\M**";
        QTest::newRow("power") << 4 << "C:\\GRP01"
                               << "C:\\GRP01\\ZR2\\Y2013\\DAY\\*.TXT"
                               << "C:\\GRP01\\ZR2\\Y2013\\M**";
        QTest::newRow("direct load: no start") << 5 << "C:\\GRP01"
                                               << ""
                                               << "";
    }
    void openDialogStart()
    {
        QFETCH(int, kind);
        QFETCH(QString, group);
        QFETCH(QString, day);
        QFETCH(QString, month);
        static const char *codes[] = {"A", "B", "WJ", "C", "D", "G"};
        AppState state;
        state.UnitTypeCode = codes[kind];
        state.GroupDir = group;
        state.PickedDate = {"13", "01", "05"};
        QCOMPARE(LogFiles::openDialog(LogView::View::Daily, state).fileName, day);
        QCOMPARE(LogFiles::openDialog(LogView::View::Monthly, state).fileName, month);
    }

    void saveCopy()
    {
        MainFixture f;
        store(DayFile, {"26/12/07", "07\t00:00\t0123\t0100\t0900\t0900"});
        QVERIFY(DriveMap::ensureDir("C:\\AMPDAT"));
        f.prompts.file = [](const Prompt::FileDialog &d) {
            return d.mode == Prompt::FileDialog::Open ? DayFile : QStringLiteral("C:\\AMPDAT\\copy.txt");
        };
        f.window->action("mnuFinish_Date")->trigger();
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        w->Command1->click();

        QCOMPARE(f.prompts.fileDialogs.size(), 2);
        const Prompt::FileDialog &asked = f.prompts.fileDialogs[1];
        QCOMPARE(asked.mode, Prompt::FileDialog::Save);
        QCOMPARE(asked.title, QStringLiteral("表示展開しているログファイルを保存"));
        QCOMPARE(asked.initialDir, QStringLiteral("C:\\AMPDAT"));
        QCOMPARE(asked.filter, QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)"));
        QCOMPARE(asked.fileName, DayFile);
        QCOMPARE(bytes("C:\\AMPDAT\\copy.txt"), bytes(DayFile));
        QVERIFY(bytes(DayFile).startsWith("26/12/07\r\n"));
    }

    void saveOntoItselfOrNowhere()
    {
        MainFixture f;
        store(DayFile, {"26/12/07", "07\t00:00\t0123\t0100\t0900\t0900"});
        const QByteArray before = bytes(DayFile);
        AppState &state = f.window->state();
        state.OpenedLogFile = DayFile;

        f.prompts.file = [](const Prompt::FileDialog &) { return "C:" + DayFile.mid(2).toLower(); };
        QVERIFY(LogFiles::saveCopy(state));
        QCOMPARE(bytes(DayFile), before);

        QVERIFY(f.prompts.asked.isEmpty());

        // A folder that is not there: nothing written, and the user is told where.
        f.prompts.file = [](const Prompt::FileDialog &) { return QStringLiteral("C:\\NOWHERE\\copy.txt"); };
        QVERIFY(!LogFiles::saveCopy(state));
        QCOMPARE(bytes("C:\\NOWHERE\\copy.txt"), QByteArray("(missing)"));
        QCOMPARE(f.prompts.asked.size(), 1);
        QCOMPARE(f.prompts.asked[0].text, QStringLiteral("ログファイルを保存できません。\nC:\\NOWHERE\\copy.txt"));
        QCOMPARE(f.prompts.asked[0].title, QStringLiteral("ログファイルの保存"));
        QCOMPARE(bytes(DayFile), before);

        f.prompts.file = {}; // cancel
        QVERIFY(!LogFiles::saveCopy(state));
        QCOMPARE(f.prompts.asked.size(), 1);
    }

    void csvOfTheShownDay()
    {
        MainFixture f;
        QStringList lines{"26/12/07"};
        lines << dayLines(7, 3);
        store(DayFile, lines);
        QVERIFY(DriveMap::ensureDir("C:\\AMPDAT"));
        f.prompts.file = [](const Prompt::FileDialog &d) {
            return d.mode == Prompt::FileDialog::Open ? DayFile : d.fileName;
        };
        f.window->action("mnuFinish_Date")->trigger();
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);

        // A comma locale does not change the numbers.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        w->cmdCsv->click();
        QLocale::setDefault(before);
        const Prompt::FileDialog &asked = f.prompts.fileDialogs.last();
        QCOMPARE(asked.mode, Prompt::FileDialog::Save);
        QCOMPARE(asked.title, QStringLiteral("CSVファイルに出力"));
        QCOMPARE(asked.filter, QStringLiteral("CSVﾌｧｲﾙ(*.csv)"));
        QCOMPARE(asked.fileName, QStringLiteral("C:\\AMPDAT\\m12d07.csv"));
        QCOMPARE(bytes("C:\\AMPDAT\\m12d07.csv"),
                 QByteArray("\xEF\xBB\xBF") +
                     "日付,時刻,平均電流値[A],制御時電流値[A],制御秒[sec],休止秒[sec]\r\n"
                     "2026-12-07,00:00,0.0,10.0,900,900\r\n"
                     "2026-12-07,00:30,0.1,10.0,900,900\r\n"
                     "2026-12-07,01:00,0.2,10.0,900,900\r\n");
        QVERIFY(f.prompts.asked.isEmpty());

        // A folder that is not there: said, with the path; a cancel says nothing.
        f.prompts.file = [](const Prompt::FileDialog &) { return QStringLiteral("C:\\NOWHERE\\x.csv"); };
        QVERIFY(!w->exportCsv());
        QCOMPARE(f.prompts.asked.size(), 1);
        QCOMPARE(f.prompts.asked[0].text, QStringLiteral("ファイルに書き込めません。\nC:\\NOWHERE\\x.csv"));
        QCOMPARE(bytes("C:\\NOWHERE\\x.csv"), QByteArray("(missing)"));
        f.prompts.file = {};
        QVERIFY(!w->exportCsv());
        QCOMPARE(f.prompts.asked.size(), 1);
    }

    // One line per value column, named with its unit; kind D has one, kind G none.
    void chartOfTheShownDay_data()
    {
        QTest::addColumn<int>("kindRow");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("A") << 0 << QStringList{"平均電流値[A]", "制御時電流値[A]", "制御秒[sec]", "休止秒[sec]"};
        QTest::newRow("D") << 4 << QStringList{"平均電力値[kW]"};
        QTest::newRow("G") << 5 << QStringList{};
    }
    void chartOfTheShownDay()
    {
        QFETCH(int, kindRow);
        QFETCH(QStringList, names);
        MainFixture f;
        QStringList lines{"26/12/07"};
        lines << dayLines(7, 30);
        store(DayFile, lines);
        f.prompts.file = [](const Prompt::FileDialog &) { return DayFile; };
        f.window->List1->setCurrentRow(kindRow);
        f.window->action("mnuFinish_Date")->trigger();
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        w->cmdChart->click();
        auto *chart = w->findChild<LogChartDialog *>();
        QVERIFY(chart && chart->isVisible());
        QCOMPARE(chart->windowTitle(), QStringLiteral("日別ﾃﾞｰﾀ グラフ"));
        QStringList shown;
        for (QAbstractSeries *s : chart->chart()->series())
            shown << s->name();
        QCOMPARE(shown, names);
        QCOMPARE(chart->timeAxis()->min(), QDateTime(QDate(2026, 12, 7), QTime(0, 0)));
        QCOMPARE(chart->timeAxis()->max(), QDateTime(QDate(2026, 12, 8), QTime(0, 0)));
        if (!names.isEmpty())
            QCOMPARE(static_cast<QLineSeries *>(chart->chart()->series()[0])->count(), 30);
    }

    // An open chart shows what its view shows: a reload refreshes it, and the toolbar's
    // next log (which closes the view) takes the chart with it.
    void openChartFollowsItsView()
    {
        MainFixture f;
        store(DayFile, QStringList{"26/12/07"} + dayLines(7, 48));
        const QString other = "C:\\GRP01\\ZR1\\Y2026\\DAY\\CH05\\m12d06.TXT";
        store(other, QStringList{"26/12/06"} + dayLines(6, 10));
        f.prompts.file = [](const Prompt::FileDialog &) { return DayFile; };
        f.window->action("mnuFinish_Date")->trigger();
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form4);
        QPointer<LogChartDialog> chart = w->showChart();
        QCOMPARE(static_cast<QLineSeries *>(chart->chart()->series()[0])->count(), 48);

        f.window->state().OpenedLogFile = other;
        QVERIFY(w->Get_DmndData());
        QCOMPARE(chart->chart()->title(), QStringLiteral("26年12月06日   機械番号： GRP01  CH05"));
        QCOMPARE(static_cast<QLineSeries *>(chart->chart()->series()[0])->count(), 10);
        QCOMPARE(chart->timeAxis()->min(), QDateTime(QDate(2026, 12, 6), QTime(0, 0)));

        f.window->action("mnuFinish_Date")->trigger();
        QVERIFY(!chart);
    }

    // Without room beside the view the chart still opens wholly on the screen, buttons
    // included.
    void chartOpensOnTheScreen()
    {
        MainFixture f;
        store(MonthFile, QStringList{"26/11"} + dayLines(1, 48));
        f.prompts.file = [](const Prompt::FileDialog &) { return MonthFile; };
        f.window->action("mnuLOGT")->trigger();
        auto *w = f.window->windows().existing<LogViewDialog>(WindowId::Form3);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        LogChartDialog *chart = w->showChart();
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        const QRect area = chart->screen()->availableGeometry();
        QVERIFY2(area.contains(chart->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                                                                       .arg(chart->frameGeometry().x())
                                                                       .arg(chart->frameGeometry().y())
                                                                       .arg(chart->frameGeometry().width())
                                                                       .arg(chart->frameGeometry().height())
                                                                       .arg(area.width())
                                                                       .arg(area.height())));
    }

    void printSetupIsKeptForLaterPrintouts()
    {
        QPrinter chosen(QPrinter::HighResolution);
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setPageOrientation(QPageLayout::Landscape);
        chosen.setPageSize(QPageSize(QPageSize::B5));
        PrintSetup::keep(chosen);
        QVERIFY(PrintSetup::chosen());

        QPrinter later;
        later.setOutputFormat(QPrinter::PdfFormat);
        PrintSetup::applyTo(later);
        QCOMPARE(later.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(later.pageLayout().pageSize().id(), QPageSize::B5);
    }
};

UNITDESK_TEST(LogViewTest)
#include "LogViewTest.moc"
