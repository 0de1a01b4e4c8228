#pragma once
// Starting the program: the platform options of the command line, the data root, the
// port map, the simulated line for --demo, and what the program owns: the shared values,
// the port, the reply routes, the download session, the window set and the main window.
#include "common/AppState.h"
#include "link/PortReconnect.h"
#include "link/ReplyRoutes.h"
#include "link/SerialLink.h"
#include "logstore/DownloadSession.h"
#include "ui/WindowSet.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class MainWindow;
class SimLine;
class QDateTime;

struct ProgramOptions {
    QString root;               // --root DIR
    QMap<int, QString> devices; // --com COMn=DEVICE
    bool demo = false;          // --demo
    bool help = false;
    bool version = false;
    QString platform; // -platform NAME, Qt's own option
    QString error; // a malformed option
};

ProgramOptions ParseProgramOptions(const QStringList &arguments);
QString ProgramUsage();

class Program {
public:
    explicit Program(const ProgramOptions &options);
    ~Program();

    // Runs the main window's load steps and shows it.
    void start(const QDateTime &now);

    MainWindow &window() { return *m_window; }
    SimLine *sim() { return m_sim.get(); }
    AppState &state() { return m_state; }
    SerialLink &link() { return m_link; }
    ReplyRoutes &routes() { return m_routes; }
    WindowSet &windows() { return m_windows; }
    DownloadSession &downloads() { return m_downloads; }
    PortReconnect &reconnect() { return m_reconnect; }

private:
    // Declared in the order they are made; the windows go first, the port before the
    // simulated line it may be open on.
    std::unique_ptr<SimLine> m_sim;
    AppState m_state;
    SerialLink m_link;
    ReplyRoutes m_routes;
    DownloadSession m_downloads;
    PortReconnect m_reconnect{m_link};
    WindowSet m_windows;
    std::unique_ptr<MainWindow> m_window;
};

// Registers every secondary window and every window's reply steps, in the order the
// reply table names them.
void WireWindows(const WindowServices &services, ReplyRoutes &routes, MainWindow &main,
                 DownloadSession &downloads);
