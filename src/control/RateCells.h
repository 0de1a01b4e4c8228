#pragma once
// The rate cells of the control grids and their three-digit codes. A cell shows seconds as
// three digits and " _秒" (its sixth character is "秒"), or "休止" (code "000"), or "連続"
// (code "999"). The water-spray basic grid knows the seconds form only.
#include <QByteArray>
#include <QString>
#include <optional>

namespace RateCells {

// The cell an entry box gives: "休止" when it reads as 0 (empty included), "連続" for
// exactly "999", else the number as "000" and " _秒".
QString cellFromEntry(const QString &entry);
// The seconds form only: the number as "000" and " _秒" (0 gives "000 _秒").
QString secondsCellFromEntry(const QString &entry);

// The code of a cell; nothing when the cell is in none of the forms (an empty cell, or
// one whose first three characters are not digits), so no payload is built from it.
std::optional<QByteArray> codeOf(const QString &cell);
std::optional<QByteArray> secondsCodeOf(const QString &cell);

// The cell of a code from a reply: "000" "休止", "999" "連続", else code + " _秒". A code
// that is not three digits (a short or damaged reply) gives an empty cell.
QString cellFromCode(const QByteArray &code);
QString secondsCellFromCode(const QByteArray &code);

// Three ASCII digits exactly.
bool isDigits(const QByteArray &text, int width);

} // namespace RateCells
