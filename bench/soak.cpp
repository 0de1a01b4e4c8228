// Soak: the whole program on the simulated line (in-process, unpaced) for many hours of
// use compressed: the main window's timers fired instead of waited for, the unit's
// monitoring and clock replies at their real ratio, range downloads back to back and the
// settings windows opened, read from the unit, written and closed. Samples resident
// memory, open descriptors and live timers after every round.
//
// Usage: bench_soak [rounds] (default 200; a round is one range download of three days,
// the monitoring of about half an hour: 120 monitoring replies at 15 s, and one read and
// write of every settings window).
#include "control/BasicConditionsDialog.h"
#include "control/ContinuousModeCodec.h"
#include "control/ContinuousModeDialog.h"
#include "control/ControlRatesDialog.h"
#include "control/SeasonBandsDialog.h"
#include "control/SensorNumberDialog.h"
#include "control/TemperatureRangeDialog.h"
#include "control/TimeBandsDialog.h"
#include "maint/CurrentValueDialog.h"
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
#include <functional>
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
    s.fds =
        int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
    for (QWidget *w : QApplication::allWidgets())
        for (QTimer *t : w->findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
            s.timers += t->isActive() ? 1 : 0;
    s.timers += watchdog.isActive() ? 1 : 0;
    return s;
}

// One settings window's use: opened as the toolbar opens it, read from the unit, written
// once the reply is in, the write pause over, closed. False when a reply did not come or
// the write was refused or not stored.
struct SettingsUse {
    WindowId id;
    std::function<void(QWidget *)> read, write;
};

template <class W> SettingsUse use(WindowId id, void (W::*write)() = &W::write)
{
    return {id, [](QWidget *w) { qobject_cast<W *>(w)->read(); },
            [write](QWidget *w) { (qobject_cast<W *>(w)->*write)(); }};
}

const std::vector<SettingsUse> &settingsUses()
{
    static const std::vector<SettingsUse> uses{
        use<BasicConditionsDialog>(WindowId::Form10),
        use<ControlRatesDialog>(WindowId::Form5),
        use<SeasonBandsDialog>(WindowId::Form6),
        use<TimeBandsDialog>(WindowId::Form7),
        use<TemperatureRangeDialog>(WindowId::Form17),
        use<SensorNumberDialog>(WindowId::Form18),
        use<CurrentValueDialog>(WindowId::Form11),
        {WindowId::Form24, [](QWidget *w) { qobject_cast<ContinuousModeDialog *>(w)->read(); },
         [](QWidget *w) { qobject_cast<ContinuousModeDialog *>(w)->writeValue(ContinuousTimeValue); }},
    };
    return uses;
}

// Waits until no reply has come for 100 ms: replies still on their way (the end of a
// download, the second block of a window) would otherwise pass for the next step's.
void settle(const long &replies)
{
    for (long seen = -1; seen != replies;) {
        seen = replies;
        QTest::qWait(100);
    }
}

bool useSettingsWindow(Program &program, const SettingsUse &use, const long &replies, Prompt::Script &prompts)
{
    settle(replies);
    QWidget *w = program.windows().show(use.id);
    const long before = replies;
    use.read(w);
    if (!QTest::qWaitFor([&] { return replies > before; }, 5000))
        return false;
    settle(replies);
    const qsizetype asked = prompts.asked.size();
    const long written = replies;
    use.write(w);
    const bool acknowledged = QTest::qWaitFor([&] { return replies > written; }, 5000);
    settle(replies);
    if (auto *pause = w->findChild<QTimer *>(SettingsWindow::WritePauseTimer))
        emit pause->timeout({});
    program.windows().unload(use.id);
    if (prompts.asked.size() != asked)
        std::fprintf(stderr, "%s: %s\n", qPrintable(WindowSet::nameOf(use.id)),
                     qPrintable(prompts.asked.last().text));
    return acknowledged && prompts.asked.size() == asked;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
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
    long records = 0, monitoring = 0, others = 0;
    program.routes().observer = [&](Reply code, const QByteArray &) {
        records += code == Reply::M;
        monitoring += code == Reply::Q;
        others += code != Reply::M && code != Reply::Q;
    };

    std::printf("round  rss_kB  fds  timers  downloads_failed  records  monitoring  settings_failed\n");
    int failed = 0, settingsFailed = 0;
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
        if (!QTest::qWaitFor([&] { return !program.downloads().isRunning() && !sim.transferActive(); },
                             60000))
            ++failed;
        prompts.asked.clear();
        for (const SettingsUse &u : settingsUses())
            if (!useSettingsWindow(program, u, others, prompts)) {
                ++settingsFailed;
                std::fprintf(stderr, "round %d: %s not read and written\n", round,
                             qPrintable(WindowSet::nameOf(u.id)));
            }
        prompts.asked.clear();
        const Sample s = sample(program.downloads().watchdog());
        if (round == 1)
            first = s;
        if (round == 1 || round % 10 == 0 || round == rounds)
            std::printf("%5d  %6ld  %3d  %6d  %16d  %7ld  %10ld  %15d\n", round, s.rssKb, s.fds, s.timers,
                        failed, records, monitoring, settingsFailed);
        std::fflush(stdout);
    }
    const Sample last = sample(program.downloads().watchdog());
    std::printf("first: rss %ld kB, %d fds, %d timers; last: rss %ld kB (%+.1f %%), %d fds, %d timers\n",
                first.rssKb, first.fds, first.timers, last.rssKb,
                100.0 * double(last.rssKb - first.rssKb) / double(first.rssKb), last.fds, last.timers);
    Prompt::setScript(nullptr);
    return failed == 0 && settingsFailed == 0 ? 0 : 1;
}
