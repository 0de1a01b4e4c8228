#include "StorePaths.h"

#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/Vb.h"

#include <QDate>

namespace {

QString two(int value)
{
    return Format(value, QStringLiteral("00"));
}

} // namespace

QString KindFolder(const QString &unitTypeCode)
{
    if (unitTypeCode == QLatin1String("A") || unitTypeCode == QLatin1String("B"))
        return QStringLiteral("\\ZR1");
    if (unitTypeCode == QLatin1String("WJ"))
        return QStringLiteral("\\ZR4");
    if (unitTypeCode == QLatin1String("C"))
        return QStringLiteral("\\ZR3");
    if (unitTypeCode == QLatin1String("D"))
        return QStringLiteral("\\ZR2");
    return {};
}

QString GroupFile()
{
    return QStringLiteral("C:\\ZRLOG\\CONTROL\\GROUP.TXT");
}

QString GroupNoFromLine(const QString &line)
{
    return Format(Mid(line, 1, 2), QStringLiteral("00"));
}

QString YearFolder(const QString &groupDir, const QString &kindFolder, int year)
{
    return groupDir + kindFolder + QStringLiteral("\\Y20") + two(year);
}

QString DayLogFile(const QString &groupDir, const QString &kindFolder, int year, int month, int day,
                   const QString &chNo)
{
    return YearFolder(groupDir, kindFolder, year) + QStringLiteral("\\DAY\\CH") + chNo +
           QStringLiteral("\\m") + two(month) + QStringLiteral("d") + two(day) + QStringLiteral(".TXT");
}

QString MonthLogFile(const QString &groupDir, const QString &kindFolder, int year, int month,
                     const QString &chNo)
{
    return YearFolder(groupDir, kindFolder, year) + QStringLiteral("\\M") + two(month) +
           QStringLiteral("\\CH") + chNo + QStringLiteral("\\MnLog.TXT");
}

QString TempFolder()
{
    return QStringLiteral("C:\\ZRLOG\\TEMP");
}
QString TempDayFile()
{
    return TempFolder() + QStringLiteral("\\KOKI_DAY.TXT");
}
QString TempMonthFile()
{
    return TempFolder() + QStringLiteral("\\KOKI_MON.TXT");
}
QString DamagedDaysFile()
{
    return TempFolder() + QStringLiteral("\\DAMAGED.TXT");
}

bool EnsureYearFolders(const QString &groupDir, const QString &kindFolder, int year, int month)
{
    const QString yearFolder = YearFolder(groupDir, kindFolder, year);
    bool ok = DriveMap::ensureDir(yearFolder + QStringLiteral("\\DAY"));
    if (month > 0)
        ok = DriveMap::ensureDir(yearFolder + QStringLiteral("\\M") + two(month)) && ok;
    return ok;
}

bool EnsureChannelFolders(const QString &groupDir, const QString &kindFolder, int year, int month,
                          const QString &chNo)
{
    const QString yearFolder = YearFolder(groupDir, kindFolder, year);
    const bool monthOk =
        DriveMap::ensureDir(yearFolder + QStringLiteral("\\M") + two(month) + QStringLiteral("\\CH") + chNo);
    return DriveMap::ensureDir(yearFolder + QStringLiteral("\\DAY\\CH") + chNo) && monthOk;
}

void EnsureCalendarFolders(const AppState &state, const QDate &date)
{
    const QString kindFolder = KindFolder(state.UnitTypeCode);
    if (kindFolder.isEmpty() || state.UnitTypeCode == QLatin1String("WJ") || !date.isValid())
        return;
    EnsureYearFolders(state.GroupDir, kindFolder, date.year() % 100, date.month());
}
