#pragma once
// Where downloaded logs live. All paths are logical ("C:\GRP01\ZR1\Y2013\DAY\CH05\m01d05.TXT");
// years, months and days are numbers written with two digits, nn a two-digit channel text.
#include <QString>

// "\ZR1" for kinds A and B, "\ZR4" for WJ, "\ZR3" for C, "\ZR2" for D; empty for G, whose
// logs are never fetched or stored.
QString KindFolder(const QString &unitTypeCode);

// groupDir + kindFolder + "\Y20" + yy
QString YearFolder(const QString &groupDir, const QString &kindFolder, int year);
// ...\Y20yy\DAY\CHnn\mMMdDD.TXT
QString DayLogFile(const QString &groupDir, const QString &kindFolder, int year, int month, int day,
                   const QString &chNo);
// ...\Y20yy\Mmm\CHnn\MnLog.TXT
QString MonthLogFile(const QString &groupDir, const QString &kindFolder, int year, int month,
                     const QString &chNo);

// C:\ZRLOG\CONTROL\GROUP.TXT: the data group in use, read at start.
QString GroupFile();
// The two-digit group number of the group file's first line.
QString GroupNoFromLine(const QString &line);

QString TempFolder();    // C:\ZRLOG\TEMP
QString TempDayFile();   // C:\ZRLOG\TEMP\KOKI_DAY.TXT: the day being received
QString TempMonthFile(); // C:\ZRLOG\TEMP\KOKI_MON.TXT: the month being received
// C:\ZRLOG\TEMP\DAMAGED.TXT: days a download could not get whole, one line each, appended
// at the end of every download that had any.
QString DamagedDaysFile();

// The year folder with its "\DAY" folder and, for month > 0, its "\Mmm" folder; every
// missing level is created. False when a folder cannot be made.
bool EnsureYearFolders(const QString &groupDir, const QString &kindFolder, int year, int month);
// "\Mmm\CHnn" and "\DAY\CHnn" below the year folder, where a day's and a month's logs go.
bool EnsureChannelFolders(const QString &groupDir, const QString &kindFolder, int year, int month,
                          const QString &chNo);

struct AppState;
class QDate;
// A date clicked in the main window's calendar: for kinds A, B, C and D the year, "\DAY"
// and "\Mmm" folders of that date below the unit's kind folder. Failures are skipped.
void EnsureCalendarFolders(const AppState &state, const QDate &date);
