#pragma once
// The day and month views' codec: the grid layout of each view and unit kind, and the
// cell texts of a stored log's lines. Pure functions, no file and no widget.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace LogView {

enum class View { Daily, Monthly };

constexpr int SlotsPerDay = 48;
constexpr int DaysPerMonth = 31;
constexpr int GridCols = 5;
// Record rows of the grid (row 0 holds the headers).
constexpr int recordRows(View view)
{
    return view == View::Daily ? SlotsPerDay : SlotsPerDay * DaysPerMonth;
}

struct Layout {
    int rows = 0;                            // grid rows, the header row included
    std::array<QString, GridCols> headers;   // row 0
    QStringList slotColumn;                  // column 0 of rows 1.., before loading
    std::array<int, GridCols> widthsTwips{}; // column widths
};
// The grid of a view for the unit kind selected in the main window.
Layout layoutFor(View view, const QString &unitTypeCode);

// Initial captions of Label2 and Label3.
QString initialDateText(View view);
QString initialMachineText(View view);

// Label2 from the header line: "13年01月05日" (day) or "13年01月" (month).
QString dateText(View view, const QString &headerLine);
// Label3 from characters 4-8 (group folder) and 24-27 ("CH" + nn) of the log's own path.
QString machineText(const QString &logicalPath);

// Columns 1-4 of one record line, converted by kind.
std::array<QString, 4> recordCells(View view, const QString &unitTypeCode, const QString &line);
// The numbers recordCells shows for a line of the store's own layout (every field digits),
// in the stored units: tenths of an ampere, a kilowatt or a degree, seconds, the spray mode's
// digits; read straight from the fields, without making the texts (the month report reads
// a whole group). None for a field that is not digits, or that the kind does not show.
std::array<std::optional<qint64>, 4> recordNumbers(const QString &unitTypeCode, const QString &line);
// Column 0 of a month row loaded from a record line: day, TAB, "日: ", time, TAB.
QString monthRowLabel(const QString &line);

// What the grid shows once a log is loaded.
struct Loaded {
    QString Label2;
    QString Label3;
    // Rows 1..n in file order: column 0 (empty for the day view, which keeps its labels)
    // and columns 1-4.
    struct Row {
        QString label;
        std::array<QString, 4> cells;
    };
    QList<Row> rows;
};
// lines: the whole file, header line first. Lines beyond the grid's rows are left out.
Loaded decode(View view, const QString &unitTypeCode, const QString &logicalPath, const QStringList &lines);

} // namespace LogView
