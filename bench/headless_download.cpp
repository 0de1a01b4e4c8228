// The headless download against 13 streaming simulated units at 115 200 baud (the unitsim
// program, a process of its own): one month from each unit, one after another, then a
// 12-month range from one unit. Reports wall time / wire time of the bytes exchanged (11
// bit-times a character; also against the replies alone, since the pseudo-terminal paces
// only what the units send), this process's CPU share, and its resident memory: peak, and
// after the first month against the end of the 12-month range.
//
// Usage: bench_headless_download [path to unitsim] (default: $UNITDESK_UNITSIM_BIN, else
// the unitsim beside or above this program).
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "headless/HeadlessDownload.h"
#include "link/ReplyRoutes.h"
#include "link/SerialLink.h"
#include "logstore/DownloadSession.h"
#include "logstore/StorePaths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Baud = 115200;

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// "VmRSS" or "VmHWM" of this process, in kB.
long statusKb(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').first().toLong();
    return -1;
}

struct Run {
    double wallS = 0, cpuS = 0;
    qint64 bytesOut = 0, bytesIn = 0;
    int days = 0, failed = 0;
    long rssAfterFirstMonthKb = 0;
};

Run download(const QString &unitsim, const QStringList &simUnits, const QString &clock,
             const QList<DownloadUnit> &units, const QDate &from, const QDate &to)
{
    Run r;
    QProcess sim;
    QStringList args{"--baud", QString::number(Baud), "--monitor-ms", "0", "--clock-ms", "0", "--clock", clock};
    for (const QString &u : simUnits)
        args << "--unit" << u;
    sim.start(unitsim, args);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(unitsim));
        return r;
    }
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();

    QTemporaryDir root;
    DriveMap::setRoot(root.path());
    DriveMap::ensureDir(TempFolder());
    AppState state;
    SerialLink link;
    ReplyRoutes routes;
    DownloadSession session(state, link);
    session.addReplySteps(routes);
    HeadlessDownload headless(state, link, session, routes);
    const QDateTime unitClock = QDateTime::fromString(clock, QStringLiteral("yyyy-MM-dd hh:mm"));
    headless.clock = [unitClock] { return unitClock; };
    routes.observer = [&r](Reply, const QByteArray &text) { r.bytesIn += text.size() + 2; };
    QObject::connect(&link, &SerialLink::frameSent, [&r](const QByteArray &f) { r.bytesOut += f.size(); });
    QObject::connect(&session, &DownloadSession::dayStored, [&r] {
        if (++r.days == 31)
            r.rssAfterFirstMonthKb = statusKb("VmRSS:");
    });
    link.setHandlers(&routes);
    link.setSettings(QStringLiteral("%1,n,8,2").arg(Baud));
    link.setDeviceForAll(device);
    if (!link.open()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(device));
        return r;
    }
    QEventLoop loop;
    QObject::connect(&headless, &HeadlessDownload::finished, &loop, &QEventLoop::quit);
    const double cpu0 = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    headless.start(units, from, to);
    loop.exec();
    r.wallS = double(wall.nsecsElapsed()) / 1e9;
    r.cpuS = processCpuSeconds() - cpu0;
    for (const UnitOutcome &o : headless.outcomes())
        r.failed += o.ok() ? 0 : 1;
    link.setHandlers(nullptr);
    link.close();
    sim.kill();
    sim.waitForFinished(2000);
    return r;
}

void report(const char *what, const Run &r)
{
    const double wire = double(r.bytesOut + r.bytesIn) * 11.0 / Baud;
    const double replyWire = double(r.bytesIn) * 11.0 / Baud;
    std::printf("%-34s %5d %3d %9lld %8.3f %8.3f %7.4f %7.4f %6.2f %8ld\n", what, r.days, r.failed,
                static_cast<long long>(r.bytesOut + r.bytesIn), wire, r.wallS, r.wallS / wire,
                r.wallS / replyWire, 100.0 * r.cpuS / r.wallS, statusKb("VmHWM:"));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString unitsim = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("UNITDESK_UNITSIM_BIN");
    for (const QString &guess : {QStringLiteral("/unitsim"), QStringLiteral("/../unitsim")})
        if (unitsim.isEmpty() && QFileInfo::exists(QCoreApplication::applicationDirPath() + guess))
            unitsim = QCoreApplication::applicationDirPath() + guess;
    if (unitsim.isEmpty()) {
        std::fprintf(stderr, "unitsim not found; pass its path\n");
        return 2;
    }
    std::printf("%-34s %5s %3s %9s %8s %8s %7s %7s %6s %8s\n", "run", "days", "bad", "bytes", "wire s", "wall s",
                "ratio", "ratio*", "cpu %", "peak kB");

    QStringList simUnits;
    QList<DownloadUnit> units;
    for (int n = 0; n <= 12; ++n) {
        const QString id = QString::number(n).rightJustified(2, '0');
        simUnits << id + ":A:" + id + ":stream";
        units << DownloadUnit{id, "A"};
    }
    report("13 units, January 2013 each", download(unitsim, simUnits, "2013-06-01 12:00", units,
                                                   QDate(2013, 1, 1), QDate(2013, 1, 31)));

    const Run year = download(unitsim, {"01:A:01:stream"}, "2014-01-15 12:00", {{"01", "A"}}, QDate(2013, 1, 1),
                              QDate(2013, 12, 31));
    report("unit 01, January..December 2013", year);
    const long end = statusKb("VmRSS:");
    std::printf("resident after the first month %ld kB, at the end of the 12 months %ld kB (%+.1f %%)\n",
                year.rssAfterFirstMonthKb, end, 100.0 * double(end - year.rssAfterFirstMonthKb) /
                                                    double(year.rssAfterFirstMonthKb));
    std::printf("* against the replies' wire time\n");
    return 0;
}
