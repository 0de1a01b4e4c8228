#include "ReportCommand.h"

#include "ReportOptions.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "logstore/StorePaths.h"
#include "report/ReportPage.h"
#include "report/ReportStore.h"

#include <QSaveFile>

namespace {

void say(std::FILE *err, const QString &text)
{
    std::fputs(qPrintable(QStringLiteral("unitdesk report: ") + text + QLatin1Char('\n')), err);
    std::fflush(err);
}

} // namespace

int RunReportCommand(const QStringList &arguments, std::FILE *err, const QDateTime &now)
{
    const ReportOptions options = ParseReportOptions(arguments, now.date());
    if (options.help) {
        std::fputs(qPrintable(ReportUsage()), stdout);
        return 0;
    }
    if (!options.error.isEmpty()) {
        say(err, options.error);
        std::fputs("Try: unitdesk report --help\n", err);
        return 2;
    }
    if (!TextFile::checkCodec()) {
        say(err, QStringLiteral("no Shift-JIS (code page 932) converter is available"));
        return 1;
    }
    DriveMap::setRoot(DriveMap::defaultRoot(options.root));
    const QString groupNo =
        options.groupNo.isEmpty() ? GroupNoFromLine(TextFile::readFirstLine(GroupFile())) : options.groupNo;
    if (groupNo.isEmpty()) {
        say(err, QStringLiteral("no group is in use yet: name one with --group NN"));
        return 1;
    }
    QString groupName;
    const MonthReport::Input input =
        ReportStore::readInput(groupNo, options.kind, options.year, options.month, now, &groupName);
    const MonthReport::Report report = MonthReport::make(input);
    const QString title = ReportStore::titleText(groupNo, groupName, report);
    if (report.rows.isEmpty()) {
        say(err, QStringLiteral("no channel of GRP%1 has data of kind %2 for %3-%4")
                     .arg(groupNo, options.kind)
                     .arg(options.year)
                     .arg(options.month, 2, 10, QLatin1Char('0')));
        return 1;
    }
    int status = 0;
    if (!options.csv.isEmpty()) {
        QSaveFile file(options.csv);
        if (file.open(QIODevice::WriteOnly) && file.write(MonthReport::csv(report)) >= 0 && file.commit()) {
            say(err, QStringLiteral("%1 channels written to %2").arg(report.rows.size()).arg(options.csv));
        } else {
            say(err, QStringLiteral("cannot write %1: %2").arg(options.csv, file.errorString()));
            status = 1;
        }
    }
    if (!options.pdf.isEmpty()) {
        if (ReportPage::writePdf({title, now, report}, options.pdf)) {
            say(err, QStringLiteral("%1 channels written to %2").arg(report.rows.size()).arg(options.pdf));
        } else {
            say(err, QStringLiteral("cannot write %1").arg(options.pdf));
            status = 1;
        }
    }
    return status;
}
