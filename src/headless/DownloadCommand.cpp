#include "DownloadCommand.h"

#include "DownloadOptions.h"
#include "HeadlessDownload.h"
#include "ProgressReport.h"
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "link/PortMap.h"
#include "link/PortAccess.h"
#include "link/PortReconnect.h"
#include "link/PortSettings.h"
#include "link/ReplyRoutes.h"
#include "link/SerialLink.h"
#include "logstore/DownloadSession.h"
#include "logstore/StorePaths.h"

#include <QEventLoop>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

void say(std::FILE *err, const QString &text)
{
    std::fputs(qPrintable(QStringLiteral("unitdesk download: ") + text + QLatin1Char('\n')), err);
    std::fflush(err);
}

} // namespace

int RunDownloadCommand(const QStringList &arguments, std::FILE *err, const QDateTime &now)
{
    const DownloadOptions options = ParseDownloadOptions(arguments, now.date());
    if (options.help) {
        std::fputs(qPrintable(DownloadUsage()), stdout);
        return 0;
    }
    if (!options.error.isEmpty()) {
        say(err, options.error);
        std::fputs("Try: unitdesk download --help\n", err);
        return 2;
    }
    if (!TextFile::checkCodec()) {
        say(err, QStringLiteral("no Shift-JIS (code page 932) converter is available"));
        return 1;
    }

    DriveMap::setRoot(DriveMap::defaultRoot(options.root));
    if (!DriveMap::ensureDir(TempFolder())) {
        say(err, QStringLiteral("the store cannot be written: %1").arg(DriveMap::toNative(TempFolder())));
        return 1;
    }

    AppState state;
    state.GroupNo = options.groupNo.isEmpty() ? GroupNoFromLine(TextFile::readFirstLine(GroupFile()))
                                              : options.groupNo;
    state.GroupDir = QStringLiteral("C:\\GRP") + state.GroupNo;

    SerialLink link;
    ReplyRoutes routes;
    DownloadSession session(state, link);
    session.addReplySteps(routes);
    HeadlessDownload download(state, link, session, routes);
    link.setSavedDevices(PortMap::savedDevices());
    for (auto it = options.devices.begin(); it != options.devices.end(); ++it)
        link.setDeviceOverride(it.key(), it.value());

    // The port and speed in force for the window, the speed of the command line before it.
    ApplyPortSettings(link, state);
    if (options.baud) {
        link.close();
        link.setSettings(QStringLiteral("%1,n,8,2").arg(options.baud));
        link.open();
    }
    if (!link.isOpen()) {
        const QString port = QStringLiteral("COM%1 (%2)").arg(link.portNumber()).arg(link.deviceFor(link.portNumber()));
        if (!link.lockHolder().isEmpty()) {
            say(err, QStringLiteral("%1 is in use by %2").arg(port, link.lockHolder()));
        } else {
            say(err, QStringLiteral("cannot open %1: %2").arg(port, link.port().errorString()));
            if (!link.groupToJoin().isEmpty())
                say(err, joinGroupHint(link.deviceFor(link.portNumber()), link.groupToJoin()));
        }
        return 1;
    }
    link.setHandlers(&routes);

    ProgressReport report(session, download, err, isatty(fileno(err)));
    PortReconnect reconnect(link);
    QObject::connect(&reconnect, &PortReconnect::waiting, &report,
                     [&report] { report.note(QStringLiteral("the port vanished; waiting for it to come back")); });
    QObject::connect(&reconnect, &PortReconnect::reconnected, &report, [&report, &session] {
        report.note(QStringLiteral("the port is back"));
        session.resumeAfterReconnect();
    });
    QEventLoop loop;
    QObject::connect(&download, &HeadlessDownload::finished, &loop, &QEventLoop::quit);
    download.start(options.units, options.from, options.to);
    if (download.isRunning())
        loop.exec();

    link.setHandlers(nullptr);
    link.close();
    int fetched = 0, days = 0;
    for (const UnitOutcome &o : download.outcomes()) {
        fetched += o.ok() ? 1 : 0;
        days += o.daysStored;
    }
    const qsizetype count = download.outcomes().size();
    say(err, QStringLiteral("%1 of %2 units fetched, %3 days stored").arg(fetched).arg(count).arg(days));
    return fetched == count ? 0 : 1;
}
