#pragma once
// A unit's month log ("...\Mmm\CHnn\MnLog.TXT") as the month view reads it: the header
// "yy/mm", then the record lines of every day of that month in the store, in date order.
// Rebuilt from the day logs after every download, so it holds the same lines whether the
// unit streamed the month or answered day by day, and a short range leaves the other days
// of the month in it.
#include <QString>

// Writes the month log from the day logs of (year, month, chNo) below groupDir + kindFolder,
// replacing the old one only once the new one is complete. False when a day log cannot be
// read or the month log cannot be written (the old month log stays as it was).
bool RebuildMonthLog(const QString &groupDir, const QString &kindFolder, int year, int month,
                     const QString &chNo);
