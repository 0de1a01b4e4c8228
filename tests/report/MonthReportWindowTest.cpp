// The window "月報" in the program: opened from the menu with the group, kind and month in
// use, left open when another window opens, showing the report and writing its CSV file.
#include "testmain.h"

#include "common/TextFile.h"
#include "mainwin/MainFixture.h"
#include "report/MonthReportDialog.h"
#include "report/ReportStore.h"
#include "ui/Grid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPushButton>
#include <QToolTip>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>

class MonthReportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensBesideTheOthers()
    {
        MainFixture f; // the program's clock: 2026-12-08, so last month is November
        for (int ch : {7, 3})
            QVERIFY(DriveMap::ensureDir(
                QStringLiteral("C:\\GRP01\\ZR1\\Y2026\\DAY\\CH%1").arg(ch, 2, 10, QChar('0'))));
        QVERIFY(TextFile::writeLines(
            "C:\\GRP01\\ZR1\\Y2026\\DAY\\CH03\\m11d02.TXT",
            {"26/11/02", "02\t00:00\t0123\t0100\t0900\t0900", "02\t00:30\t0100\t0100\t0000\t1800"}));
        QVERIFY(TextFile::writeLines("C:\\GRP01\\ZR1\\Y2026\\DAY\\CH07\\m11d30.TXT",
                                     {"26/11/30", "30\t23:30\t0050\t0000\t0000\t1800"}));
        // Another month and another kind are not this report's.
        QVERIFY(TextFile::writeLines("C:\\GRP01\\ZR1\\Y2026\\DAY\\CH07\\m10d30.TXT",
                                     {"26/10/30", "30\t23:30\t0050\t0000\t0000\t1800"}));

        f.window->action("mnuReport")->trigger();
        auto *w = f.program->windows().existing<MonthReportDialog>(WindowId::Report);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("月報"));
        QCOMPARE(w->cboGroup->currentData().toString(), QString("01"));
        QCOMPARE(w->cboKind->currentData().toString(), QString("A"));
        QCOMPARE(w->dtpMonth->date(),
                 QDate::currentDate().addMonths(-1).addDays(1 - QDate::currentDate().day()));
        w->dtpMonth->setDate(QDate(2026, 11, 1));

        // What the grid shows is the report, row for row and the total under them.
        const MonthReport::Report &r = w->document().report;
        QCOMPARE(r.channels, (QList<int>{3, 7}));
        Grid *g = w->grdReport;
        QCOMPARE(g->rows(), 4);
        for (int c = 0; c < r.columns.size(); ++c) {
            QCOMPARE(g->textMatrix(0, c), r.columns[c].title);
            QCOMPARE(g->textMatrix(1, c), r.rows[0][c]);
            QCOMPARE(g->textMatrix(3, c), r.total[c]);
        }
        QCOMPARE(g->textMatrix(2, 1), QString("CH07"));
        // The estimate's title says how it is made.
        QHeaderView *titles = g->horizontalHeader();
        const int estimate = int(r.columns.size()) - 2; // the sections leave out the CH column
        QHelpEvent help(QEvent::ToolTip, QPoint(titles->sectionViewportPosition(estimate) + 2, 4), QPoint());
        QCoreApplication::sendEvent(titles->viewport(), &help);
        QCOMPARE(QToolTip::text(), MonthReport::estimateNote());
        // The chart shows the selected channel's rest hours a day.
        auto *bars = qobject_cast<QBarSeries *>(w->chartView->chart()->series().value(0));
        QVERIFY(bars);
        QCOMPARE(bars->barSets().value(0)->at(1), 0.75);
        g->setCurrentCell(2, 1);
        QCOMPARE(
            qobject_cast<QBarSeries *>(w->chartView->chart()->series().value(0))->barSets().value(0)->at(29),
            0.5);

        // Other windows' closing order leaves it open.
        f.window->action("mnuCH_name")->trigger();
        QVERIFY(w->isVisible());
        QCOMPARE(f.program->windows().existing<MonthReportDialog>(WindowId::Report), w);

        const QString csv = "C:\\AMPDAT\\report.csv";
        QVERIFY(DriveMap::ensureDir("C:\\AMPDAT"));
        f.prompts.file = [&](const Prompt::FileDialog &d) {
            return d.fileName == "C:\\AMPDAT\\GETSUHO_GRP01_202611_A.csv" ? csv : QString();
        };
        QVERIFY(w->exportCsv());
        QFile file(DriveMap::toNative(csv));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), MonthReport::csv(r));

        // Another month: nothing stored, said under the empty table.
        w->dtpMonth->setDate(QDate(2026, 9, 1));
        QCOMPARE(g->rows(), 2);
        QVERIFY(!w->cmdCsv->isEnabled());
    }
};

UNITDESK_TEST(MonthReportWindowTest)
#include "MonthReportWindowTest.moc"
