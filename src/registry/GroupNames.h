#pragma once
// The group name registry GRPNAME.TXT: line n holds group n's name, equipment and remark.
// The table mirrors the group name window's grid: row 0 the headers, row n group n,
// column 0 the group label.
#include <QList>
#include <QString>
#include <QStringList>

namespace GroupNames {

constexpr int Groups = 50;
constexpr int Cols = 4; // label + three fields

QString filePath();  // C:\ZRLOG\CONTROL\GRPNAME.TXT, for reading
QString writePath(); // the same file as written: C:\ZRLOG\CONTROL\GRPNAME.txt

QStringList headers();       // row 0
QList<int> widthsTwips();    // columns 0..3
QString rowLabel(int group); // "ＧＲＰ_07"

using Table = QList<QStringList>; // 51 rows of Cols cells

// Headers and labels, names empty.
Table emptyTable();
// The table with the names of the file: lines beyond the 50th are not read, extra fields
// are dropped, a missing file leaves every name empty.
Table load();
// The same from the file's lines.
Table fromLines(const QStringList &lines);
// The 50 lines the file gets from rows 1..50.
QStringList fileLines(const Table &table);

// The main window's group name label: the first 16 characters of the name of row
// Val(groupNo) and a blank. An empty group number shows row 0 (the header); a number
// beyond the table shows no name.
QString nameLabelText(const Table &table, const QString &groupNo);

} // namespace GroupNames
