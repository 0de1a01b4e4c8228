#include "ReportStore.h"

#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "common/Vb.h"
#include "logstore/RecordLine.h"
#include "logstore/StorePaths.h"
#include "registry/ChannelNames.h"
#include "registry/GroupNames.h"
#include "viewers/LogViewCodec.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>

namespace ReportStore {

namespace {

// The names of a folder's entries matching a pattern, by the number they hold; the exact
// spelling wins over another case of the same name.
QMap<int, QString> numbered(const QString &nativeDir, QDir::Filters filter, const QRegularExpression &pattern,
                            const QString &exact)
{
    QMap<int, QString> found;
    const QStringList entries = QDir(nativeDir).entryList(filter | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : entries) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (!m.hasMatch())
            continue;
        const int n = m.captured(1).toInt();
        if (!found.contains(n) || name == exact.arg(m.captured(1)))
            found.insert(n, name);
    }
    return found;
}

// One day file: its records as the day view reads them, the lines it cannot use counted.
void readDay(const QString &logicalPath, const QString &kind, const QDate &date, MonthReport::ChannelLog &log)
{
    const QStringList lines = TextFile::readLines(logicalPath);
    // The day comes from the file's place; its header line is not needed.
    std::array<std::optional<MonthReport::Record>, MonthReport::SlotsPerDay> day;
    for (int i = 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (!StoredLineHasLayout(line, kind) || Mid(line, 1, 2).toInt() != date.day()) {
            ++log.damaged;
            continue;
        }
        const int slot = Mid(line, 4, 2).toInt() * 2 + (Mid(line, 7, 2) == QLatin1String("30") ? 1 : 0);
        if (day[slot]) {
            ++log.damaged;
            continue;
        }
        MonthReport::Record r{date.day(), slot, {}};
        const std::array<std::optional<qint64>, 4> numbers = LogView::recordNumbers(kind, line);
        for (int c = 0; c < 4; ++c)
            r.values[c] = numbers[c].value_or(0);
        day[slot] = r;
    }
    for (const std::optional<MonthReport::Record> &r : day)
        if (r)
            log.records << *r;
}

} // namespace

QList<MonthReport::ChannelLog> readMonth(const QString &groupDir, const QString &kind, int year, int month)
{
    const QString kindFolder = KindFolder(kind);
    if (kindFolder.isEmpty())
        return {};
    const QString dayFolder = YearFolder(groupDir, kindFolder, year % 100) + QStringLiteral("\\DAY");
    const QString nativeDays = DriveMap::toNative(dayFolder);
    static const QRegularExpression channelName(QStringLiteral("^CH([0-9]{2})$"),
                                                QRegularExpression::CaseInsensitiveOption);
    const QMap<int, QString> channels = numbered(nativeDays, QDir::Dirs, channelName, QStringLiteral("CH%1"));

    const QRegularExpression dayName(
        QRegularExpression::anchoredPattern(
            QStringLiteral("m%1d([0-9]{2})\\.TXT").arg(month, 2, 10, QLatin1Char('0'))),
        QRegularExpression::CaseInsensitiveOption);
    const QString exactDay =
        QStringLiteral("m%1d").arg(month, 2, 10, QLatin1Char('0')) + QStringLiteral("%1.TXT");
    QList<MonthReport::ChannelLog> logs;
    for (auto ch = channels.cbegin(); ch != channels.cend(); ++ch) {
        const QString nativeChannel = nativeDays + QLatin1Char('/') + ch.value();
        const QMap<int, QString> days = numbered(nativeChannel, QDir::Files, dayName, exactDay);
        MonthReport::ChannelLog log;
        log.channel = ch.key();
        bool any = false;
        for (auto d = days.cbegin(); d != days.cend(); ++d) {
            const QDate date(year, month, d.key());
            if (!date.isValid())
                continue;
            any = true;
            readDay(DriveMap::toLogical(nativeChannel + QLatin1Char('/') + d.value()), kind, date, log);
        }
        if (any)
            logs << log;
    }
    return logs;
}

MonthReport::Input readInput(const QString &groupNo, const QString &kind, int year, int month,
                             const QDateTime &now, QString *groupName)
{
    AppState registry;
    registry.GroupNo = groupNo;
    ChannelNames::load(registry);
    MonthReport::Input in;
    in.kind = kind;
    in.year = year;
    in.month = month;
    in.now = now;
    in.registry = registry.ChannelNameTable;
    in.channels = readMonth(registry.GroupDir, kind, year, month);
    if (groupName) {
        const GroupNames::Table names = GroupNames::load();
        const int group = int(Val(groupNo));
        *groupName = group >= 1 && group < names.size() ? names[group].value(1) : QString();
    }
    return in;
}

QString titleText(const QString &groupNo, const QString &groupName, const MonthReport::Report &report)
{
    QString title = QStringLiteral("GRP") + groupNo;
    if (!groupName.trimmed().isEmpty())
        title += QLatin1Char(' ') + groupName.trimmed();
    return title + QStringLiteral("  ") + MonthReport::monthText(report.year, report.month) +
           QStringLiteral("  ") + MonthReport::kindText(report.kind);
}

} // namespace ReportStore
