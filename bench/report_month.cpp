// The month report of a group of 100 channels × 31 days (148 800 record lines in 3 100 day
// files): from "月報" in the menu to the filled table and chart shown, against the month
// view's read of one channel (1 488 lines: reading its file and converting its lines).
// Reports the median of later openings, the share of reading the store, and resident
// memory after each round (flat when nothing is kept). Offscreen unless QT_QPA_PLATFORM
// says otherwise. With a file name as argument, the window is also saved there as a PNG.
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "registry/ChannelNames.h"
#include "report/MonthReportDialog.h"
#include "report/ReportStore.h"
#include "ui/Grid.h"
#include "ui/Prompt.h"
#include "viewers/LogSeriesCodec.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QChartView>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

double msOf(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Processor time of the process: what the work costs, whatever else the machine runs.
double cpuMsOf(const std::function<void()> &work)
{
    const std::clock_t start = std::clock();
    work();
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

QString record(int day, int slot, int ch)
{
    return QString::asprintf("%02d\t%02d:%02d\t%04d\t%04d\t%04d\t%04d", day, slot / 2, slot % 2 ? 30 : 0,
                             (day * 37 + slot * 11 + ch) % 2000, (slot * 13) % 1500, (slot * 29) % 1800,
                             (day * 7 + slot + ch) % 1800);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    Prompt::Script prompts;
    prompts.answer = [](const Prompt::Message &) { return Prompt::Answer::Ok; };
    Prompt::setScript(&prompts);
    ProgramOptions options;
    options.root = root.path();
    Program program(options);
    program.start(QDateTime(QDate(2026, 2, 3), QTime(9, 0)));
    MainWindow &w = program.window();

    // The store: January 2026 of 100 channels, and the same month as one month log.
    const QString group = QStringLiteral("C:\\GRP01");
    QStringList month{QStringLiteral("26/01")};
    for (int ch = 0; ch < 100; ++ch) {
        const QString folder =
            group + QStringLiteral("\\ZR1\\Y2026\\DAY\\CH%1").arg(ch, 2, 10, QLatin1Char('0'));
        if (!DriveMap::ensureDir(folder))
            return 1;
        for (int day = 1; day <= 31; ++day) {
            QStringList lines{QStringLiteral("26/01/%1").arg(day, 2, 10, QLatin1Char('0'))};
            for (int slot = 0; slot < 48; ++slot)
                lines << record(day, slot, ch);
            if (ch == 5)
                month << lines.mid(1);
            if (!TextFile::writeLines(
                    folder + QStringLiteral("\\m01d%1.TXT").arg(day, 2, 10, QLatin1Char('0')), lines))
                return 1;
        }
    }
    // Names and capacities for the first page of the registry, as a user registers them.
    QList<QStringList> names;
    for (int ch = 1; ch <= 10; ++ch)
        names << QStringList{QStringLiteral("%1号 圧縮機").arg(ch),
                             QStringLiteral("K-%1").arg(100 + ch),
                             QStringLiteral("ZR-%1").arg(30 + 5 * ch),
                             QString(),
                             QString::number(5.5 + ch),
                             "1000"};
    if (!DriveMap::ensureDir(group + QStringLiteral("\\CHNAME")) ||
        !TextFile::writeLines(ChannelNames::pageFile(group, 1), ChannelNames::pageLines(names)))
        return 1;
    const QString monthLog = group + QStringLiteral("\\ZR1\\Y2026\\M01\\CH05\\MnLog.TXT");
    if (!DriveMap::ensureDir(group + QStringLiteral("\\ZR1\\Y2026\\M01\\CH05")) ||
        !TextFile::writeLines(monthLog, month))
        return 1;

    MonthReportDialog *report = nullptr;
    bool shown = true;
    auto open = [&] {
        w.action(QStringLiteral("mnuReport"))->trigger();
        report = w.windows().existing<MonthReportDialog>(WindowId::Report);
        report->dtpMonth->setDate(QDate(2026, 1, 1));
        shown = QTest::qWaitForWindowExposed(report) && shown;
        report->grdReport->viewport()->repaint();
        report->chartView->viewport()->repaint();
    };
    const double first = msOf(open);
    if (report->grdReport->rows() != 102) {
        std::fputs("the table was not filled\n", stderr);
        return 1;
    }
    constexpr int runs = 9;
    QList<double> total, reading, monthView, totalCpu, readingCpu, monthViewCpu;
    QList<long> memory;
    for (int i = 0; i < runs; ++i) {
        // Closed between rounds, so each opening reads the store anew.
        w.windows().unload(WindowId::Report);
        totalCpu << cpuMsOf([&] { total << msOf(open); });
        w.windows().unload(WindowId::Report);
        const auto read = [&] { ReportStore::readMonth(group, QStringLiteral("A"), 2026, 1); };
        readingCpu << cpuMsOf([&] { reading << msOf(read); });
        const auto view = [&] {
            const QStringList lines = TextFile::readLines(monthLog);
            const LogView::Loaded shown =
                LogView::decode(LogView::View::Monthly, QStringLiteral("A"), monthLog, lines);
            LogSeries::table(LogView::View::Monthly, QStringLiteral("A"), lines, shown);
        };
        monthViewCpu << cpuMsOf([&] { monthView << msOf(view); });
        memory << residentKb();
    }
    if (!shown) {
        std::fputs("the window was not shown\n", stderr);
        return 1;
    }
    const double t = median(total), r = median(reading), v = median(monthView);
    const double tc = median(totalCpu), rc = median(readingCpu), vc = median(monthViewCpu);
    std::printf("month report of 100 channels x 31 days (148800 records), menu to the filled window shown "
                "(goal < 1 s)\n");
    std::printf("  first opening in the process: %.1f ms\n", first);
    std::printf("  later openings, median of %d: %.1f ms (processor time %.1f ms)\n", runs, t, tc);
    std::printf("    reading the store  %6.1f ms  %3.0f %% (processor time %.1f ms)\n", r, 100 * r / t, rc);
    std::printf("    figures and window %6.1f ms  %3.0f %%\n", t - r, 100 * (t - r) / t);
    std::printf("  the month view's read of one channel (1488 lines, its file, grid cells and numbers):\n");
    std::printf("    %.2f ms (processor time %.2f ms); the report of 100 channels costs %.0f times as much "
                "(processor time %.0f)\n",
                v, vc, t / v, tc / vc);
    std::printf("  resident memory after each round (kB):");
    for (long kb : memory)
        std::printf(" %ld", kb);
    std::printf("\n");
    if (argc > 1) {
        open(); // the rounds closed it
        report->resize(1200, 760);
        report->grdReport->setCurrentCell(4, 1);
        QTest::qWait(200);
        report->grab().save(QString::fromLocal8Bit(argv[1]));
    }
    Prompt::setScript(nullptr);
    return 0;
}
