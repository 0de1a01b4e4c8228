#include "MonthLog.h"

#include "StorePaths.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "common/Vb.h"

bool RebuildMonthLog(const QString &groupDir, const QString &kindFolder, int year, int month,
                     const QString &chNo)
{
    QStringList lines{Format(year, QStringLiteral("00")) + '/' + Format(month, QStringLiteral("00"))};
    for (int day = 1; day <= 31; ++day) {
        const QString path = DayLogFile(groupDir, kindFolder, year, month, day, chNo);
        if (!DriveMap::fileExists(path))
            continue;
        bool ok = false;
        const QStringList dayLines = TextFile::readLines(path, &ok);
        if (!ok)
            return false;
        lines += dayLines.mid(1); // after the day's "yy/mm/dd"
    }
    return TextFile::writeLines(MonthLogFile(groupDir, kindFolder, year, month, chNo), lines);
}
