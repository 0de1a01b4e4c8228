#pragma once
// The request texts of the log downloads and the calendar arithmetic they rely on.
// Years are two-digit numbers (0..99); a request text ends in "ID" and gets its STX/ETX
// from SerialLink::SendFrame.
#include <QByteArray>
#include <QString>

// "RM" for kinds A, B and D, "TM" for C, "BM" for WJ; empty for G (no log to fetch).
QByteArray RequestCode(const QString &kind);

// Days of the month from the unit's month-length table (February has 29 days in years
// divisible by 4); 0 for a month outside 1..12.
int MonthLength(int year, int month);
// "AC" for years divisible by 4, else "AA": stands where a day request has "BB".
QByteArray RangeCode(int year);

// code + mm + dd + "BB" + yy + "ID": one day. Empty for a kind without a request code.
QByteArray DayRequest(const QString &kind, int year, int month, int day);
// code + mm + dd + range code + yy + "ID": the whole range from that day.
QByteArray MonthRequest(const QString &kind, int year, int month, int day);
// "FN" + "ID": ends the transfer at the records sent so far.
QByteArray FinishRequest();

// Half hours of the day completed at hh:mi: 2 * hh, plus 1 when mi is above 30 (at
// exactly hh:30 the second half hour is still running).
int ClockSlot(const QString &hh, const QString &mi);
