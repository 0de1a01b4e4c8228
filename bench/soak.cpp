// Soak: the whole program on the simulated line (in-process, unpaced) for many hours of
// use compressed: the main window's timers fired instead of waited for, the unit's
// monitoring and clock replies at their real ratio, and range downloads back to back.
// Samples resident memory, open descriptors and live timers after every round.
//
// Usage: bench_soak [rounds] (default 200; a round is one range download of three days
// and the monitoring of about half an hour: 120 monitoring replies at 15 s).
#include "mainwin/DownloadFront.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "sim/SimLine.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

struct Sample {
    long rssKb = 0;
    int fds = 0;
    int timers = 0;
};

// Active timers: the windows' and the download session's watchdog.
Sample sample(const QTimer &watchdog)
{
    Sample s;
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly))
        s.rssKb = statm.readAll().split(' ').value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
    s.fds = int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
    for (QWidget *w : QApplication::allWidgets())
        for (QTimer *t : w->findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
            s.timers += t->isActive() ? 1 : 0;
    s.timers += watchdog.isActive() ? 1 : 0;
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;

    QTemporaryDir root;
    SimLine sim;
    sim.setMonitorIntervalMs(0);
    sim.setClockIntervalMs(0);
    sim.clearUnits();
    SimUnit unit;
    unit.id = "01";
    unit.kind = "A";
    unit.channel = 5;
    unit.sprayNo = 5;
    unit.streaming = true;
    sim.setUnit(unit);
    sim.setSelectedUnit("01");
    const QDateTime now(QDate(2026, 12, 8), QTime(9, 5, 30));
    sim.setClock(now, false);

    Prompt::Script prompts;
    prompts.answer = [](const Prompt::Message &m) {
        return m.buttons == Prompt::Buttons::YesNo ? m.defaultButton : Prompt::Answer::Ok;
    };
    Prompt::setScript(&prompts);
    Program program(ParseProgramOptions({"--root", root.path(), "--com", "COM1=" + sim.slavePath()}));
    program.window().endProgram = [] {};
    program.start(now);
    MainWindow &w = program.window();
    long records = 0, monitoring = 0;
    program.routes().observer = [&](Reply code, const QByteArray &) {
        records += code == Reply::M;
        monitoring += code == Reply::Q;
    };

    std::printf("round  rss_kB  fds  timers  downloads_failed  records  monitoring\n");
    int failed = 0;
    Sample first;
    for (int round = 1; round <= rounds; ++round) {
        for (int i = 0; i < 120; ++i) {
            sim.sendMonitoring();
            if (i % 4 == 0)
                sim.sendClock();
            emit w.Timer2->timeout({});
            QCoreApplication::processEvents();
        }
        program.state().StartDate = {"26", "12", "05"};
        program.state().EndDate = {"26", "12", "07"};
        w.downloadFront().startMonth();
        if (!QTest::qWaitFor([&] { return !program.downloads().isRunning() && !sim.transferActive(); }, 60000))
            ++failed;
        prompts.asked.clear();
        const Sample s = sample(program.downloads().watchdog());
        if (round == 1)
            first = s;
        if (round == 1 || round % 10 == 0 || round == rounds)
            std::printf("%5d  %6ld  %3d  %6d  %16d  %7ld  %10ld\n", round, s.rssKb, s.fds, s.timers, failed,
                        records, monitoring);
        std::fflush(stdout);
    }
    const Sample last = sample(program.downloads().watchdog());
    std::printf("first: rss %ld kB, %d fds, %d timers; last: rss %ld kB (%+.1f %%), %d fds, %d timers\n",
                first.rssKb, first.fds, first.timers, last.rssKb,
                100.0 * double(last.rssKb - first.rssKb) / double(first.rssKb), last.fds, last.timers);
    Prompt::setScript(nullptr);
    return failed == 0 ? 0 : 1;
}
