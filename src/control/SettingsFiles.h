#pragma once
// The settings files of C:\ZRLOG\CONTROL: each holds the last block entered on this PC,
// either as one quoted value line or as grid row lines (columns 1.. of a grid row joined by
// TAB, the line of row r being line r of the file). Every rewrite replaces the file only
// when complete, so a failed write leaves the old file as it was.
#include <QString>
#include <array>
#include <optional>

class Grid;

namespace SettingsFiles {

// C:\ZRLOG\CONTROL\ + name.
QString controlPath(const QString &fileName);

// Loads the grid row lines into rows 1.. of the grid. Stops at a missing file or at a line
// beyond the grid's last row (the rows before it stay filled) and returns false then. In
// every case the current cell ends on row 1, column 1.
bool LoadGridFile(Grid &grid, const QString &logicalPath);
// Creates or replaces the file with rows 1..rows of the grid.
bool SaveGridFile(const Grid &grid, const QString &logicalPath, int rows);

// The first line of a quoted value file taken whole, opening quote included, so that
// character 2 is the value's first; nothing when the file is missing or unreadable.
std::optional<QString> ReadQuotedLine(const QString &logicalPath);
// Creates or replaces the file with one quoted value line.
bool WriteQuotedLine(const QString &logicalPath, const QString &value);
// The same for the files the system only rewrites, never creates: true (nothing written)
// when the file does not exist.
bool RewriteQuotedLine(const QString &logicalPath, const QString &value);

// The basic conditions files: BASE.TXT into the seven field texts, then CONT1.TXT into the
// rate grid and WEEK.TXT into the weekday grid. The first failure (a missing file, one with
// more lines than its grid has rows) ends the load: a missing BASE.TXT leaves the fields
// as they were and reads neither grid. Both grids end on row 1, column 1.
bool LoadBasicConditionFiles(std::array<QString, 7> &fields, Grid &rateGrid, Grid &weekdayGrid);
// The same for BASE_WJ.TXT (six fields; character 19 is not read) and CONT_WJ1.TXT.
bool LoadWaterSprayBasicFiles(std::array<QString, 7> &fields, Grid &grid);

} // namespace SettingsFiles
