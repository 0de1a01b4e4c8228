#pragma once
// The cells of the season and time-band grids: two two-digit halves, each followed by its
// unit character, with a blank between ("03月 01日", "08時 30分"). On the wire a cell is
// its four digits. The two windows differ only in the unit characters.
#include "FieldCodes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <variant>

struct BandCellForm {
    QChar first;  // after the first half: 月 or 時
    QChar second; // after the second half: 日 or 分
};
inline constexpr BandCellForm DateCell{u'月', u'日'};
inline constexpr BandCellForm TimeCell{u'時', u'分'};

namespace BandCells {

// The first half picked: picked + unit + blank, then the current cell's second half
// (characters 5-7), whatever it holds.
QString withFirst(const QString &current, const QString &picked, BandCellForm form);
// The second half picked: the current cell's first half (characters 1-4) + picked + unit.
QString withSecond(const QString &current, const QString &picked, BandCellForm form);

// The cell's four digits; nothing unless the cell holds exactly the seven-character form.
std::optional<QByteArray> code(const QString &cell, BandCellForm form);
// The cell for four received digits; empty when they are not four ASCII digits.
QString fromCode(const QByteArray &digits, BandCellForm form);

// Grid cells are taken two to a row, column 1 then 2, from row 1: cell i sits at
// row i / 2 + 1, column i % 2 + 1.
inline int rowOf(int i) { return i / 2 + 1; }
inline int colOf(int i) { return i % 2 + 1; }
// The digits of every cell in order, or the first cell (by its grid position) without the
// form.
std::variant<QByteArray, BadValue> encode(const QStringList &cells, BandCellForm form);
// count cells from a reply whose first cell's digits start at character `start`: four
// digits per cell. Cells whose digits are missing or damaged come back empty.
QStringList decode(const QByteArray &reply, int start, int count, BandCellForm form);

} // namespace BandCells
