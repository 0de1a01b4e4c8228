// Logs downloaded from the simulated line, then looked at as a user would: toolbar, open
// dialog, the view's grid, and the copy, CSV and chart of a downloaded month.
#include "OnTheLine.h"
#include "testmain.h"

#include "common/DriveMap.h"
#include "sim/UnitReplies.h"
#include "ui/Grid.h"
#include "viewers/LogChartDialog.h"
#include "viewers/LogViewDialog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>

namespace {
// The four temperatures of a half hour as the simulated temperature unit "01" sends them,
// in tenths of a degree (each field is 1000 + the value).
QList<int> sentTenths(int mm, int dd, int slot)
{
    const QByteArray f = unitreply::recordPayload("01", "C", 26, mm, dd, slot);
    return {f.mid(0, 4).toInt() - 1000, f.mid(4, 4).toInt() - 1000, f.mid(8, 4).toInt() - 1000,
            f.mid(12, 4).toInt() - 1000};
}

// "-03.5_℃", "16.5_℃": two digits before the point, the sign in front.
QString gridText(int tenths)
{
    return (tenths < 0 ? "-" : "") + QString::asprintf("%04.1f", qAbs(tenths) / 10.0) + "_℃";
}

QStringList cells(const Grid *g, int r)
{
    return {g->textMatrix(r, 1), g->textMatrix(r, 2), g->textMatrix(r, 3), g->textMatrix(r, 4)};
}

QByteArray bytes(const QString &logicalPath)
{
    QFile f(DriveMap::toNative(logicalPath));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// Opens a stored log through the toolbar, the open dialog answering with `path`.
LogViewDialog *openThroughToolbar(OnTheLine &line, const char *action, WindowId id, const QString &path)
{
    line.prompts.file = [path](const Prompt::FileDialog &d) {
        return d.mode == Prompt::FileDialog::Open ? path : QString();
    };
    line.w().action(action)->trigger();
    return line.w().windows().existing<LogViewDialog>(id);
}
} // namespace

class ViewersOnTheLineTest : public QObject {
    Q_OBJECT
private slots:
    void downloadedDayInTheDailyView()
    {
        OnTheLine line(unit("01", "C", 5));
        line.sim.setClock(QDateTime(QDate(2026, 12, 8), QTime(10, 20)), false);
        MainWindow &w = line.w();
        w.List1->setCurrentRow(3);
        line.sim.sendClock();
        QTRY_COMPARE(w.Label18->text(), QStringLiteral("26年12月08日10時20分"));
        w.action("mnuDay_Log")->trigger();
        QTRY_COMPARE(w.Label19->text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));

        const QString path = w.state().GroupDir + "\\ZR3\\Y2026\\DAY\\CH05\\m12d08.TXT";
        LogViewDialog *view = openThroughToolbar(line, "mnuFinish_Date", WindowId::Form4, path);
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->Label2->text(), QStringLiteral("26年12月08日"));
        QCOMPARE(view->Label3->text(), QStringLiteral("機械番号： GRP  CH05")); // no group stored yet
        const Grid *g = view->MSFlexGrid1;
        for (int slot = 0; slot < 20; ++slot) { // up to the unit's clock, 10:20
            QStringList expected;
            for (int t : sentTenths(12, 8, slot))
                expected << gridText(t);
            QCOMPARE(cells(g, slot + 1), expected);
        }
        QCOMPARE(cells(g, 21), (QStringList{"", "", "", ""}));
        QCOMPARE(line.prompts.asked.size(), 1); // the download's question only
    }

    void downloadedMonthInTheMonthlyViewSavedAsCsvAndChart()
    {
        OnTheLine line(unit("01", "C", 5));
        line.sim.setClock(QDateTime(QDate(2026, 12, 8), QTime(10, 20)), false);
        MainWindow &w = line.w();
        w.List1->setCurrentRow(3);
        w.calendarClicked(QDate(2026, 11, 3));
        w.selectDateMode("2");
        w.calendarClicked(QDate(2026, 11, 6));
        w.action("mnuMnth_Log")->trigger();
        QTRY_COMPARE(w.Label19->text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 終了"));

        const QString path = w.state().GroupDir + "\\ZR3\\Y2026\\M11\\CH05\\MnLog.TXT";
        LogViewDialog *view = openThroughToolbar(line, "mnuLOGT", WindowId::Form3, path);
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->Label2->text(), QStringLiteral("26年11月"));
        const Grid *g = view->MSFlexGrid1;
        for (int day = 3; day <= 6; ++day)
            for (int slot = 0; slot < 48; slot += 7) {
                const int r = (day - 3) * 48 + slot + 1;
                QStringList expected;
                for (int t : sentTenths(11, day, slot))
                    expected << gridText(t);
                QCOMPARE(g->textMatrix(r, 0), QStringLiteral("%1\t日: %2\t")
                                                  .arg(day, 2, 10, QChar('0'))
                                                  .arg(QTime(0, 0).addSecs(1800 * slot).toString("hh:mm")));
                QCOMPARE(cells(g, r), expected);
            }
        QCOMPARE(cells(g, 4 * 48 + 1), (QStringList{"", "", "", ""}));

        // The copy is the stored file, byte for byte.
        QVERIFY(DriveMap::ensureDir("C:\\AMPDAT"));
        line.prompts.file = [](const Prompt::FileDialog &d) {
            return d.title == QStringLiteral("表示展開しているログファイルを保存") ? QStringLiteral("C:\\AMPDAT\\nov.txt")
                                                                                    : d.fileName;
        };
        view->Command1->click();
        QCOMPARE(bytes("C:\\AMPDAT\\nov.txt"), bytes(path));

        // CSV: a row per downloaded half hour, the temperatures in degrees.
        view->cmdCsv->click();
        const QList<QByteArray> rows = bytes("C:\\AMPDAT\\MnLog.csv").split('\n');
        QCOMPARE(rows.size(), 1 + 4 * 48 + 1); // header, records, nothing after the last CR LF
        QCOMPARE(rows[0], "\xEF\xBB\xBF日付,時刻,00_分[℃],07_分[℃],15_分[℃],22_分[℃]\r");
        const QList<int> t = sentTenths(11, 5, 21);
        QCOMPARE(rows[48 * 2 + 22], QStringLiteral("2026-11-05,10:30,%1,%2,%3,%4\r")
                                        .arg(t[0] / 10.0, 0, 'f', 1)
                                        .arg(t[1] / 10.0, 0, 'f', 1)
                                        .arg(t[2] / 10.0, 0, 'f', 1)
                                        .arg(t[3] / 10.0, 0, 'f', 1)
                                        .toUtf8());

        // Chart: the month on its time axis, four unbroken lines of 192 points.
        view->cmdChart->click();
        auto *chart = view->findChild<LogChartDialog *>();
        QVERIFY(chart && QTest::qWaitForWindowExposed(chart));
        QCOMPARE(chart->chart()->series().size(), 4);
        auto *first = static_cast<QLineSeries *>(chart->chart()->series()[0]);
        QCOMPARE(first->name(), QStringLiteral("00_分[℃]"));
        QCOMPARE(first->count(), 192);
        QCOMPARE(first->at(21 + 96), QPointF(QDateTime(QDate(2026, 11, 5), QTime(10, 30)).toMSecsSinceEpoch(),
                                             t[0] / 10.0));
        const QDateTime monthStart(QDate(2026, 11, 1), QTime(0, 0)), monthEnd(QDate(2026, 12, 1), QTime(0, 0));
        QCOMPARE(chart->timeAxis()->min(), monthStart);
        QCOMPARE(chart->timeAxis()->max(), monthEnd);

        // A drag across the 5th zooms into that day; "全体表示" shows the month again.
        QChartView *v = chart->chartView;
        auto xOf = [&](const QDateTime &at) {
            const QPointF scene = chart->chart()->mapToPosition(QPointF(at.toMSecsSinceEpoch(), 0), first);
            return v->mapFromScene(scene).x();
        };
        const int y = v->mapFromScene(chart->chart()->plotArea().center()).y();
        const QPoint from(xOf(QDateTime(QDate(2026, 11, 5), QTime(0, 0))) + 1, y);
        const QPoint to(xOf(QDateTime(QDate(2026, 11, 6), QTime(0, 0))) - 1, y);
        QTest::mousePress(v->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(v->viewport(), to);
        QTest::mouseRelease(v->viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(chart->timeAxis()->min().date(), QDate(2026, 11, 5));
        QCOMPARE(chart->timeAxis()->max().date(), QDate(2026, 11, 5));
        QCOMPARE(chart->timeAxis()->format(), QStringLiteral("d日 HH:mm"));
        chart->cmdReset->click();
        QCOMPARE(chart->timeAxis()->min(), monthStart);
        QCOMPARE(chart->timeAxis()->max(), monthEnd);

        // PNG through the save dialog.
        chart->cmdPng->click();
        const Prompt::FileDialog &asked = line.prompts.fileDialogs.last();
        QCOMPARE(asked.title, QStringLiteral("グラフを画像で保存"));
        QCOMPARE(asked.fileName, QStringLiteral("C:\\AMPDAT\\MnLog.png"));
        QVERIFY(bytes("C:\\AMPDAT\\MnLog.png").startsWith("\x89PNG\r\n"));
        QCOMPARE(line.prompts.asked.size(), 1); // the download's question only
        line.prompts.file = [](const Prompt::FileDialog &) { return QStringLiteral("C:\\NOWHERE\\m.png"); };
        QVERIFY(!chart->exportPng());
        QCOMPARE(line.prompts.asked.last().text, QStringLiteral("ファイルに書き込めません。\nC:\\NOWHERE\\m.png"));
    }
};

UNITDESK_TEST(ViewersOnTheLineTest)
#include "ViewersOnTheLineTest.moc"
