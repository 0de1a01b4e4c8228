// How close a month download comes to the speed of the line: a 31-day month from a
// simulated unit (the unitsim program, a process of its own) paced at 115 200 and 9 600
// baud over a pseudo-terminal. Reports wall time / wire time of the bytes exchanged (11
// bit-times a character), this process's CPU time as a share of wall time and, for a unit
// answering day by day, how much of the time above the wire time is spent waiting between
// a request and the unit's first reply. The runs at 115 200 baud are repeated with the
// frame monitor open on the port (shown offscreen), to show what it costs.
//
// With --in-process, the same months at 115 200 baud once on each line: the pseudo-terminal
// to unitsim, and the in-process line of --demo (the simulated unit then runs in this
// process, so its CPU time is in the share).
//
// Usage: bench_download_month [--in-process] [path to unitsim] (default:
// $UNITDESK_UNITSIM_BIN, else the unitsim beside or above this program).
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "link/FrameMonitorDialog.h"
#include "link/ReplyHandlers.h"
#include "link/SerialLink.h"
#include "logstore/DownloadSession.h"
#include "sim/SimLine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <ctime>

namespace {

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Routes the log replies to the download and keeps count of the bytes and of the gaps
// between a request and the reply that answers it.
class CountingHandlers : public ReplyHandlers {
public:
    DownloadSession *downloads = nullptr;
    QElapsedTimer *clock = nullptr;
    qint64 bytesIn = 0;
    qint64 requestAtNs = -1; // a request is waiting for its first reply
    double turnaroundS = 0;  // request written .. first reply complete, minus that reply's wire time
    int baud = 9600;
    qint64 endNs = -1; // the reply that ended the download was handled

    void onY(const QByteArray &t) override { take(t), downloads->onHeader(t), noteEnd(); }
    void onM(const QByteArray &t) override { take(t), downloads->onRecord(t), noteEnd(); }
    void onO(const QByteArray &t) override { take(t), downloads->onEndOfDay(t), noteEnd(); }

private:
    void noteEnd()
    {
        if (endNs < 0 && !downloads->isRunning())
            endNs = clock->nsecsElapsed();
    }
    void take(const QByteArray &text)
    {
        const int frame = int(text.size()) + 2;
        bytesIn += frame;
        if (requestAtNs < 0)
            return;
        const double gap = double(clock->nsecsElapsed() - requestAtNs) / 1e9;
        turnaroundS += gap - double(frame) * 11.0 / baud;
        requestAtNs = -1;
    }
};

// A download of January of year 13, as seen on 1 June, over a temporary root, by the
// download session alone (no window).
struct MonthRig {
    QTemporaryDir root;
    AppState state;
    SerialLink link;
    DownloadSession downloads{state, link};
    QString status; // the last status text reported

    MonthRig()
    {
        DriveMap::setRoot(root.path());
        DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\TEMP"));
        state.UnitClock = {"13", "06", "01", "12", "00", "00"};
        state.StartDate = {"13", "01", "01"};
        state.EndDate = {"13", "01", "31"};
        QObject::connect(&downloads, &DownloadSession::statusText, [this](const QString &t) { status = t; });
    }
};

struct Result {
    qint64 bytes = 0, replyBytes = 0;
    double wallS = 0, wireS = 0, replyWireS = 0, cpuS = 0, turnaroundS = 0;
    int requests = 0;
    int reads = 0; // times the port woke the program with new bytes
    bool finished = false;
};

// The unit on the in-process line, as unitsim's options below set it up.
std::unique_ptr<SimLine> inProcessUnit(int baud, bool streaming)
{
    auto line = std::make_unique<SimLine>(SimWire::Kind::InProcess);
    line->setMonitorIntervalMs(0);
    line->setClockIntervalMs(0);
    line->setUnit(*SimUnit::fromDescription(streaming ? "01:A:05:stream" : "01:A:05:day"));
    line->setClock(QDateTime(QDate(2013, 6, 1), QTime(12, 0)));
    line->setBaud(baud);
    return line;
}

// unitsim empty: on the in-process line.
Result runMonth(const QString &unitsim, int baud, bool streaming, bool monitor)
{
    Result r;
    QProcess sim;
    std::unique_ptr<SimLine> inProcess;
    QString device;
    if (unitsim.isEmpty()) {
        inProcess = inProcessUnit(baud, streaming);
    } else {
        sim.start(unitsim, {"--baud", QString::number(baud), "--monitor-ms", "0", "--clock-ms", "0", "--unit",
                            streaming ? "01:A:05:stream" : "01:A:05:day", "--clock", "2013-06-01 12:00"});
        if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
            std::fprintf(stderr, "cannot start %s\n", qPrintable(unitsim));
            return r;
        }
        device = QString::fromLocal8Bit(sim.readLine()).trimmed();
    }

    MonthRig rig;
    SerialLink &link = rig.link;
    DownloadSession &downloads = rig.downloads;

    QElapsedTimer clock;
    CountingHandlers handlers;
    handlers.downloads = &downloads;
    handlers.clock = &clock;
    handlers.baud = baud;
    link.setHandlers(&handlers);
    qint64 bytesOut = 0;
    QObject::connect(&link, &SerialLink::frameSent, [&](const QByteArray &frame) {
        bytesOut += frame.size();
        ++r.requests;
        handlers.requestAtNs = clock.nsecsElapsed();
    });
    QObject::connect(inProcess ? inProcess->portDevice() : &link.port(), &QIODevice::readyRead,
                     [&] { ++r.reads; });
    link.setSettings(QStringLiteral("%1,n,8,2").arg(baud));
    if (inProcess)
        link.setInProcessLine(inProcess->portDevice());
    else
        link.setDeviceForAll(device);
    if (!link.open()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(device));
        return r;
    }
    std::unique_ptr<FrameMonitorDialog> monitorWindow;
    if (monitor) {
        monitorWindow = std::make_unique<FrameMonitorDialog>(link);
        monitorWindow->show();
        // Its first paint (fonts and all) is the window's, not the download's.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    // Waits in the event loop, looking every 20 ms whether the download has ended.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!downloads.isRunning())
            loop.quit();
    });
    const double cpu0 = processCpuSeconds();
    clock.start();
    downloads.startMonth();
    poll.start(20);
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    loop.exec();
    // The end is the last reply's dispatch, not the next look of the poll.
    r.wallS = double(handlers.endNs >= 0 ? handlers.endNs : clock.nsecsElapsed()) / 1e9;
    r.cpuS = processCpuSeconds() - cpu0;
    r.finished = !downloads.isRunning() && rig.status == QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了");
    r.bytes = bytesOut + handlers.bytesIn;
    r.wireS = double(r.bytes) * 11.0 / baud;
    r.replyBytes = handlers.bytesIn;
    r.replyWireS = double(r.replyBytes) * 11.0 / baud;
    r.turnaroundS = handlers.turnaroundS;

    link.setHandlers(nullptr);
    sim.kill();
    sim.waitForFinished(2000);
    return r;
}

// The same month handed straight to the reply handlers, without a port: the CPU time the
// download's own work takes, apart from the event loop and the port.
double handlersOnlyCpuSeconds()
{
    MonthRig rig; // its port stays closed: nothing is sent
    DownloadSession &downloads = rig.downloads;
    const QByteArray record = "M0123010009000900";
    const double cpu0 = processCpuSeconds();
    downloads.startMonth();
    for (int day = 1; day <= 31; ++day) {
        downloads.onHeader("Y05D" + QByteArray::number(day).rightJustified(2, '0'));
        for (int k = 0; k < 48; ++k)
            downloads.onRecord(record);
    }
    downloads.onEndOfDay("O");
    return processCpuSeconds() - cpu0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool lines = args.removeAll(QStringLiteral("--in-process")) > 0;
    QString unitsim = !args.isEmpty() ? args.first() : qEnvironmentVariable("UNITDESK_UNITSIM_BIN");
    for (const QString &guess : {QStringLiteral("/unitsim"), QStringLiteral("/../unitsim")})
        if (unitsim.isEmpty() && QFileInfo::exists(QCoreApplication::applicationDirPath() + guess))
            unitsim = QCoreApplication::applicationDirPath() + guess;
    if (unitsim.isEmpty()) {
        std::fprintf(stderr, "unitsim not found; pass its path\n");
        return 2;
    }

    const double own = handlersOnlyCpuSeconds();
    std::printf(
        "reply handlers alone, a streamed 31-day month (1520 replies): %.1f ms CPU, %.1f us a reply\n\n",
        own * 1e3, own * 1e6 / 1520);
    // The pseudo-terminal paces only what the unit sends: the requests go out at once, so
    // the wall time is also set against the wire time of the replies alone.
    std::printf("%-19s %7s %7s %8s %8s %7s %7s %7s %6s %8s %s\n", "unit", "baud", "bytes", "wire s", "wall s",
                "ratio", "ratio*", "cpu %", "reads", "wait s", "wait share of excess*");
    auto print = [](const QByteArray &unit, int baud, const Result &r) {
        if (!r.finished) {
            std::printf("%-19s %7d  download did not finish\n", unit.constData(), baud);
            return;
        }
        const double excess = r.wallS - r.replyWireS;
        const QString share =
            excess > 0 ? QString::number(100.0 * r.turnaroundS / excess, 'f', 1) + " %" : "(no excess)";
        std::printf("%-19s %7d %7lld %8.3f %8.3f %7.4f %7.4f %7.2f %6d %8.3f %s\n", unit.constData(), baud,
                    static_cast<long long>(r.bytes), r.wireS, r.wallS, r.wallS / r.wireS, r.wallS / r.replyWireS,
                    100.0 * r.cpuS / r.wallS, r.reads, r.turnaroundS, qPrintable(share));
        std::fflush(stdout);
    };
    if (lines) {
        for (const bool streaming : {true, false}) {
            const QByteArray unit = streaming ? "streaming" : "day by day";
            print(unit + " pty", 115200, runMonth(unitsim, 115200, streaming, false));
            print(unit + " in-proc", 115200, runMonth(QString(), 115200, streaming, false));
        }
        std::printf("* against the replies' wire time\n");
        return 0;
    }
    // The CPU share of one run swings by a point or more on a shared machine: the runs at
    // 115 200 baud, with and without the monitor, alternate five times and the median run
    // of each (by CPU share) is shown.
    constexpr int Repeats = 5;
    for (const bool streaming : {true, false}) {
        const QByteArray unit = streaming ? "streaming" : "day by day";
        QList<Result> plain, monitored;
        for (int k = 0; k < Repeats; ++k) {
            plain << runMonth(unitsim, 115200, streaming, false);
            monitored << runMonth(unitsim, 115200, streaming, true);
        }
        for (QList<Result> *runs : {&plain, &monitored})
            std::sort(runs->begin(), runs->end(),
                      [](const Result &a, const Result &b) { return a.cpuS / a.wallS < b.cpuS / b.wallS; });
        print(unit, 115200, plain[Repeats / 2]);
        print(unit + " +monitor", 115200, monitored[Repeats / 2]);
        print(unit, 9600, runMonth(unitsim, 9600, streaming, false));
    }
    std::printf("* against the replies' wire time\n");
    return 0;
}
