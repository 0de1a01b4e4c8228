#pragma once
// What the month report reads: every stored day file of the month of each channel of a
// group and kind (the day files are complete whichever way the month was downloaded), read
// through the views' codecs, and the group's registry.
#include "MonthReport.h"

namespace ReportStore {

// The channels of groupDir and kind with a day file in the month, in channel order, each
// with its records: a line that has not the kind's layout, belongs to another day or
// repeats a half hour is skipped and counted as damaged. Nothing for kind G, which stores
// no log.
QList<MonthReport::ChannelLog> readMonth(const QString &groupDir, const QString &kind, int year, int month);

// The whole input of a report for group groupNo ("01"): the month's logs, the channel
// registry and, in groupName, the group's name from the group name registry.
MonthReport::Input readInput(const QString &groupNo, const QString &kind, int year, int month,
                             const QDateTime &now, QString *groupName = nullptr);

// "GRP01 第一工場  2026年11月  標準タイプ 子機": what the title of a report says.
QString titleText(const QString &groupNo, const QString &groupName, const MonthReport::Report &report);

} // namespace ReportStore
