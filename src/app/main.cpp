#include "common/TextFile.h"
#include "headless/DownloadCommand.h"
#include "mainwin/Program.h"

#include <QApplication>
#include <QDateTime>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "download") == 0) {
        // No window and no display: the download runs on QtCore alone.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("unitdesk"));
        return RunDownloadCommand(QCoreApplication::arguments().mid(2));
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("unitdesk"));
    const ProgramOptions options = ParseProgramOptions(QApplication::arguments().mid(1));
    if (options.help || !options.error.isEmpty()) {
        if (!options.error.isEmpty())
            std::fprintf(stderr, "unitdesk: %s\n", qPrintable(options.error));
        std::fputs(qPrintable(ProgramUsage()), options.help ? stdout : stderr);
        return options.help ? 0 : 2;
    }
    if (!TextFile::checkCodec()) {
        std::fputs("unitdesk: no Shift-JIS (code page 932) converter is available\n", stderr);
        return 1;
    }
    Program program(options);
    program.start(QDateTime::currentDateTime());
    return app.exec();
}
