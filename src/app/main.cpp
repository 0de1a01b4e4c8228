#include "common/TextFile.h"
#include "headless/DownloadCommand.h"
#include "headless/ReportCommand.h"
#include "mainwin/Program.h"
#include "ui/QtTranslations.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// Where the window system would abort without a display, say so in one line instead.
bool displayAvailable(const ProgramOptions &options)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char *name) { return !qEnvironmentVariableIsEmpty(name); };
    return !options.platform.isEmpty() || set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
#else
    Q_UNUSED(options);
    return true;
#endif
}

// Where a display may be missing, the commands without a window draw offscreen (unless
// the platform is named); elsewhere the window system is always there.
void drawOffscreen()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "download") == 0) {
        // No window and no display: the download runs on QtCore alone.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("unitdesk"));
        return RunDownloadCommand(QCoreApplication::arguments().mid(2));
    }
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        // No window: the PDF is drawn offscreen, so a scheduled job needs no display.
        drawOffscreen();
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("unitdesk"));
        return RunReportCommand(QGuiApplication::arguments().mid(2));
    }
    // The command line is answered before any window system is touched.
    const ProgramOptions options = ParseProgramOptions(argumentsOf(argc, argv));
    if (options.version) {
        std::printf("unitdesk %s\n", UNITDESK_VERSION);
        return 0;
    }
    if (options.help || !options.error.isEmpty()) {
        if (!options.error.isEmpty())
            std::fprintf(stderr, "unitdesk: %s\n", qPrintable(options.error));
        std::fputs(qPrintable(ProgramUsage()), options.help ? stdout : stderr);
        return options.help ? 0 : 2;
    }
    if (!displayAvailable(options)) {
        std::fputs("unitdesk: no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("unitdesk"));
    QApplication::setApplicationVersion(QStringLiteral(UNITDESK_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/unitdesk-64.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("unitdesk"));
    LoadQtTranslations();
    if (!TextFile::checkCodec()) {
        std::fputs("unitdesk: no Shift-JIS (code page 932) converter is available\n", stderr);
        return 1;
    }
    Program program(options);
    program.start(QDateTime::currentDateTime());
    return app.exec();
}
