#pragma once
// The PC clock as the unit clock window shows it, and the "WT" clock text built from it.
// Day names come from a fixed table, never from the platform's locale.
#include <QByteArray>
#include <QDateTime>
#include <QString>

// "yyyy/mm/dd_ddd" with the English three-letter day name: "2013/11/12_Tue".
QString PcDateText(const QDate &date);
// "hh:mm:ss".
QString PcTimeText(const QTime &time);
// "0" for "Mon" .. "6" for "Sun"; empty for any other name.
QByteArray WeekdayCode(const QString &dayName);
// Month, day, hour, minute, second, year (two digits each), weekday code, from the two
// texts above: 13 digits, 12 when the day name is unknown.
QByteArray ClockSetText(const QString &dateText, const QString &timeText);
