#pragma once
// What a view shows, taken elsewhere: as CSV for a spreadsheet, and as the values a chart
// of the day draws. Pure functions over the grid's texts.
#include <QList>
#include <QString>
#include <QStringList>

namespace LogExport {

// One CSV line per grid row, fields quoted only where they need it. A cell's TABs (the
// month view's day and time) become single blanks.
QStringList csvLines(const QList<QStringList> &rows);
// The CSV file beside a log's name: "m12d07.TXT" -> "m12d07.csv".
QString csvFileName(const QString &logicalLogPath);

// The number a value cell shows ("012.3_A" -> 12.3, "-05.0_℃" -> -5); an empty cell has
// none.
bool cellValue(const QString &text, double *value);

} // namespace LogExport
