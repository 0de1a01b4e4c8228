#include "Program.h"

#include "MainWindow.h"
#include "common/DriveMap.h"
#include "link/PortMap.h"
#ifdef UNITDESK_DEMO
#include "sim/SimLine.h"
#else
class SimLine {}; // built without the simulated line
#endif

#include <QDateTime>

namespace {
// Qt's own options, taken by QApplication after the program's options have been read.
const QStringList qtOptionsWithValue{"platform", "platformpluginpath", "platformtheme", "plugin",
                                     "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                     "style", "stylesheet", "display", "geometry", "title", "name"};
const QStringList qtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};
} // namespace

ProgramOptions ParseProgramOptions(const QStringList &arguments)
{
    ProgramOptions o;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        auto value = [&]() -> QString {
            if (i + 1 < arguments.size())
                return arguments[++i];
            o.error = QStringLiteral("%1 needs a value").arg(a);
            return QString();
        };
        const QString bare = a.startsWith(QLatin1String("--")) ? a.mid(2) : a.mid(1);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--version")) {
            o.version = true;
        } else if (a.startsWith(QLatin1Char('-')) && qtOptionsWithValue.contains(bare)) {
            if (bare == QLatin1String("platform"))
                o.platform = value();
            else
                value();
        } else if (a.startsWith(QLatin1Char('-')) && qtFlags.contains(bare)) {
        } else if (a == QLatin1String("--demo")) {
            o.demo = true;
#ifndef UNITDESK_DEMO
            o.error = QStringLiteral("--demo is not part of this build (built without the simulated line)");
#endif
        } else if (a == QLatin1String("--root")) {
            o.root = value();
        } else if (a.startsWith(QLatin1String("--root="))) {
            o.root = a.mid(7);
        } else if (a == QLatin1String("--com") || a.startsWith(QLatin1String("--com="))) {
            const QString mapping = a == QLatin1String("--com") ? value() : a.mid(6);
            if (const auto m = ParseComMapping(mapping))
                o.devices.insert(m->first, m->second);
            else if (o.error.isEmpty())
                o.error =
                    QStringLiteral("--com takes COMn=DEVICE with n from 1 to 26, not \"%1\"").arg(mapping);
        } else if (a.startsWith(QLatin1Char('-'))) {
            o.error = QStringLiteral("unknown option %1").arg(a);
        }
        if (!o.error.isEmpty())
            break;
    }
    return o;
}

QString ProgramUsage()
{
    return QStringLiteral(
        "Usage: unitdesk [--root DIR] [--com COMn=DEVICE]... [--demo]\n"
        "       unitdesk download --help    (downloads without the window)\n"
        "       unitdesk report --help      (the month report without the window)\n"
        "\n"
        "  --root DIR         folder that stands for drive C: (default: $UNITDESK_ROOT,\n"
        "                     else $XDG_DATA_HOME/unitdesk/C)\n"
        "  --com COMn=DEVICE  the device behind port COMn (repeatable); without it COMn is\n"
        "                     /dev/ttyS<n-1> on Linux and COMn itself on Windows\n"
        "  --demo             start the simulated unit line in-process and put every COMn on it\n"
        "  --version          the program's version\n"
        "  --help             this text\n");
}

Program::Program(const ProgramOptions &options) : m_downloads(m_state, m_link)
{
    DriveMap::setRoot(DriveMap::defaultRoot(options.root));
    m_link.setSavedDevices(PortMap::savedDevices());
    for (auto it = options.devices.begin(); it != options.devices.end(); ++it)
        m_link.setDeviceOverride(it.key(), it.value());
#ifdef UNITDESK_DEMO
    if (options.demo) {
        // In-process on every system, so that the demo is the same program everywhere.
        m_sim = std::make_unique<SimLine>(SimWire::Kind::InProcess);
        m_link.setInProcessLine(m_sim->portDevice());
    }
#endif
    m_window = std::make_unique<MainWindow>(m_state, m_link, m_windows, m_downloads);
    WireWindows({m_state, m_link, m_windows, m_window.get(), &m_routes}, m_routes, *m_window, m_downloads);
    m_link.setHandlers(&m_routes);

    // A port that vanishes is waited for; a download still running goes on once it is back.
    QObject::connect(&m_reconnect, &PortReconnect::waiting, m_window.get(),
                     [this] { m_window->showLineNotice(PortReconnect::waitingText()); });
    QObject::connect(&m_reconnect, &PortReconnect::reconnected, m_window.get(), [this] {
        m_window->showLineNotice(PortReconnect::reconnectedText());
        m_downloads.resumeAfterReconnect();
    });
}

Program::~Program()
{
    m_link.setHandlers(nullptr);
    m_windows.deleteAll(); // before the shared values and the port they use
    m_window.reset();
    m_link.close(); // before the simulated line goes
}

void Program::start(const QDateTime &now)
{
    m_window->startUp(now);
    m_window->show();
}
