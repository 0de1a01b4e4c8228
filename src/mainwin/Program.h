#pragma once
// Starting the program: the platform options of the command line, the data root, the
// port map, the simulated line for --demo, and the main window.
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

private:
    std::unique_ptr<SimLine> m_sim;
    std::unique_ptr<MainWindow> m_window;
};
