#pragma once
// What a view shows, as numbers in time: the value columns of a kind with their units, one
// slot per loaded record line, and from them the chart's lines and the CSV file. Pure
// functions over the stored log's lines, no file and no widget.
#include "LogViewCodec.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPointF>
#include <optional>

namespace LogSeries {

struct Column {
    QString name; // the grid's header
    QString unit; // empty for a code (the spray mode)
    int decimals = 0;
    int gridCol = 0;
    QString title() const; // "平均電流値[A]"
};
// The columns of the grid that hold a number: none for kind G, one for kind D.
QList<Column> valueColumns(LogView::View view, const QString &unitTypeCode);

struct Slot {
    QDate date;
    QTime time;
    qint64 msecs = 0; // since the epoch, local time: the chart's x
    QList<std::optional<double>> values; // one per value column; none where the cell has no number
};
struct Table {
    QList<Column> columns;
    QDateTime from, to; // the day or the month the log covers
    QList<Slot> records; // in file order
};
// lines: the whole file, header line first; shown: what LogView::decode made of them (its
// cells are read, not converted again). Lines the grid leaves out, and lines whose day or
// time cannot be read, have no slot.
Table table(LogView::View view, const QString &unitTypeCode, const QStringList &lines,
            const LogView::Loaded &shown);

// A chart line per column: x in milliseconds since the epoch, broken where a half hour
// has no record or no number.
struct Series {
    QString name;
    QString unit;
    QList<QList<QPointF>> runs;
};
QList<Series> chartSeries(const Table &table);

// UTF-8 with a byte order mark, CR LF lines: a header naming each column and its unit,
// then per slot the ISO date, the time and each value as a plain number with "." as the
// decimal point.
QByteArray csv(const Table &table);
// A file named after the log: "m12d07.TXT" -> "m12d07.csv".
QString fileNameFor(const QString &logicalLogPath, const QString &extension);

} // namespace LogSeries
