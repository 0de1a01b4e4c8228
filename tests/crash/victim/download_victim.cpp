// The victim of the kill test: a range download as the program runs it (the download
// session on the port, no window) from a simulated line in the same process, into a store.
// Prints "started" once the first request is out and each status text on stderr; exits 0
// when the download has ended, 1 when it failed. The test kills it at random moments.
// Usage: download_victim ROOT KIND STREAMING BAUD START END   (dates as yymmdd)
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "link/ReplyRoutes.h"
#include "link/SerialLink.h"
#include "logstore/DownloadSession.h"
#include "sim/SimLine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>
#include <cstdio>

namespace {
DateText date(const QString &yymmdd)
{
    return {yymmdd.mid(0, 2), yymmdd.mid(2, 2), yymmdd.mid(4, 2)};
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 7) {
        std::fprintf(stderr, "usage: download_victim ROOT KIND STREAMING BAUD START END\n");
        return 2;
    }
    DriveMap::setRoot(a[1]);
    const QByteArray kind = a[2].toLatin1();
    const QDateTime now(QDate(2026, 12, 8), QTime(9, 5, 30));

    SimLine sim;
    sim.clearUnits();
    SimUnit unit;
    unit.id = "01";
    unit.kind = kind;
    unit.channel = 5;
    unit.sprayNo = 5;
    unit.streaming = a[3] == QLatin1String("1");
    sim.setUnit(unit);
    sim.setSelectedUnit("01");
    sim.setMonitorIntervalMs(0);
    sim.setClockIntervalMs(0);
    sim.setClock(now, false);
    sim.setBaud(a[4].toInt());

    AppState state;
    state.UnitTypeCode = QString::fromLatin1(kind);
    state.SprayNo = QStringLiteral("05");
    state.UnitClock = {"26", "12", "08", "09", "05", "30"};
    state.StartDate = date(a[5]);
    state.EndDate = date(a[6]);
    DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\TEMP"));

    SerialLink link;
    ReplyRoutes routes;
    DownloadSession session(state, link);
    session.addReplySteps(routes);
    link.setHandlers(&routes);
    link.setDeviceForAll(sim.slavePath());
    if (!link.open()) {
        std::fprintf(stderr, "download_victim: the port does not open\n");
        return 2;
    }
    // A range that ends at its end date stops without a finish signal: the end is when the
    // session no longer runs; a failure says so first.
    int result = 0;
    QObject::connect(&session, &DownloadSession::failed, [&] { result = 1; });
    QObject::connect(&session, &DownloadSession::statusText, [](const QString &t) {
        std::fprintf(stderr, "%s\n", qPrintable(t));
    });
    QTimer end;
    QObject::connect(&end, &QTimer::timeout, [&] {
        if (!session.isRunning())
            app.quit();
    });
    end.start(10);
    session.startMonth();
    std::printf("started\n");
    std::fflush(stdout);
    app.exec();
    link.setHandlers(nullptr);
    return result;
}
