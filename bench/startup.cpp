// Start-up cost as a whole process: from the moment the process began to the main window
// shown (offscreen unless QT_QPA_PLATFORM says otherwise), and the peak resident memory.
// Run it a few times; the first run also pays for a cold disk cache.
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// Seconds since the process started, from the kernel's own record of its start.
double secondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat")), uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    const double up = uptime.readAll().split(' ').value(0).toDouble();
    return up - startTicks / double(sysconf(_SC_CLK_TCK));
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    ProgramOptions options;
    options.root = root.path();
    options.demo = true;
    Program program(options);
    program.start(QDateTime::currentDateTime());
    if (!QTest::qWaitForWindowExposed(&program.window(), 10000)) {
        std::fputs("the main window was not shown\n", stderr);
        return 1;
    }
    const double shown = secondsSinceProcessStart();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("start-up to main window shown: %.0f ms (clock tick %ld Hz)\n", shown * 1000,
                sysconf(_SC_CLK_TCK));
    std::printf("peak resident memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
