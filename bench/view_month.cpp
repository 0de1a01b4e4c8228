// A full 31-day month (1 488 record lines) from the file choice to the filled grid shown:
// the toolbar's "月ﾃﾞｰﾀ表示", the open dialog answered at once, the monthly view painted.
// The toolbar closes the open view and makes it anew each time. Reports the process's
// first opening (fonts and styles still to load) and the median of later ones, the shares
// of reading the file, converting its lines and filling (and painting) the grid, and the
// chart of that month on top. Offscreen unless QT_QPA_PLATFORM says otherwise.
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "ui/Grid.h"
#include "ui/Prompt.h"
#include "viewers/LogChartDialog.h"
#include "viewers/LogSeriesCodec.h"
#include "viewers/LogViewDialog.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtCharts/QChartView>
#include <algorithm>
#include <cstdio>
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

// Half-hourly lines of a standard unit, every field moving.
QStringList monthLines()
{
    QStringList lines{QStringLiteral("26/01")};
    for (int day = 1; day <= 31; ++day)
        for (int slot = 0; slot < 48; ++slot)
            lines << QString::asprintf("%02d\t%02d:%02d\t%04d\t%04d\t%04d\t%04d", day, slot / 2, slot % 2 ? 30 : 0,
                                       (day * 37 + slot * 11) % 2000, (slot * 13) % 1500, (slot * 29) % 1800,
                                       (day * 7 + slot) % 1800);
    return lines;
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
    options.demo = true;
    Program program(options);
    program.start(QDateTime(QDate(2026, 2, 3), QTime(9, 0)));
    MainWindow &w = program.window();
    w.List1->setCurrentRow(0);

    const QString path = w.state().GroupDir + QStringLiteral("\\ZR1\\Y2026\\M01\\CH05\\MnLog.TXT");
    const QStringList lines = monthLines();
    if (!DriveMap::ensureDir(path.left(path.lastIndexOf(QLatin1Char('\\')))) || !TextFile::writeLines(path, lines)) {
        std::fputs("the month could not be stored\n", stderr);
        return 1;
    }
    prompts.file = [path](const Prompt::FileDialog &) { return path; };

    bool shown = true; // every window came on the screen
    LogViewDialog *view = nullptr;
    auto open = [&] {
        w.action(QStringLiteral("mnuLOGT"))->trigger();
        view = w.windows().existing<LogViewDialog>(WindowId::Form3);
        shown = QTest::qWaitForWindowExposed(view) && shown;
        view->MSFlexGrid1->viewport()->repaint();
    };
    const double first = msOf(open);
    if (view->MSFlexGrid1->textMatrix(1488, 1).isEmpty()) {
        std::fputs("the grid was not filled\n", stderr);
        return 1;
    }
    constexpr int runs = 15;
    QList<double> total, reading, converting;
    for (int i = 0; i < runs; ++i) {
        total << msOf(open);
        QStringList read;
        reading << msOf([&] { read = TextFile::readLines(path); });
        converting << msOf([&] { LogView::decode(LogView::View::Monthly, QStringLiteral("A"), path, read); });
    }

    LogChartDialog *chart = nullptr;
    auto showChart = [&] {
        view->cmdChart->click();
        chart = view->findChild<LogChartDialog *>();
        shown = QTest::qWaitForWindowExposed(chart) && shown;
        chart->chartView->viewport()->repaint();
    };
    const double chartFirst = msOf(showChart);
    const LogView::Loaded decoded = LogView::decode(LogView::View::Monthly, QStringLiteral("A"), path, lines);
    QList<double> charts, chartData;
    for (int i = 0; i < runs; ++i) {
        charts << msOf(showChart);
        chartData << msOf([&] {
            LogSeries::chartSeries(LogSeries::table(LogView::View::Monthly, QStringLiteral("A"), lines, decoded));
        });
    }

    if (!shown) {
        std::fputs("a window was not shown\n", stderr);
        return 1;
    }
    const double t = median(total), r = median(reading), c = median(converting);
    std::printf("month of 1488 lines, file choice to the filled grid shown (goal < 100 ms)\n");
    std::printf("  first opening in the process: %.1f ms\n", first);
    std::printf("  later openings, median of %d: %.1f ms\n", runs, t);
    std::printf("    reading    %5.1f ms  %3.0f %%\n", r, 100 * r / t);
    std::printf("    converting %5.1f ms  %3.0f %%\n", c, 100 * c / t);
    std::printf("    filling    %5.1f ms  %3.0f %% (grid filled, window shown and painted)\n", t - r - c,
                100 * (t - r - c) / t);
    std::printf("chart of that month, 4 lines of 1488 points (goal < 200 ms more)\n");
    std::printf("  first (chart window made): %.1f ms\n", chartFirst);
    const double ch = median(charts), data = median(chartData);
    std::printf("  again, median of %d:       %.1f ms\n", runs, ch);
    std::printf("    chart data (codec) %5.1f ms  %3.0f %%\n", data, 100 * data / ch);
    std::printf("    chart built, shown and painted %5.1f ms  %3.0f %%\n", ch - data, 100 * (ch - data) / ch);
    Prompt::setScript(nullptr);
    return 0;
}
