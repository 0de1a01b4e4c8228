#include "BandCells.h"

#include "common/Vb.h"

namespace BandCells {

namespace {
bool asciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
bool digitsAt(const QString &text, int from)
{
    return asciiDigit(text.at(from)) && asciiDigit(text.at(from + 1));
}
} // namespace

QString withFirst(const QString &current, const QString &picked, BandCellForm form)
{
    return picked + form.first + u' ' + Mid(current, 5, 3);
}

QString withSecond(const QString &current, const QString &picked, BandCellForm form)
{
    return Mid(current, 1, 4) + picked + form.second;
}

std::optional<QByteArray> code(const QString &cell, BandCellForm form)
{
    if (cell.size() != 7 || !digitsAt(cell, 0) || cell.at(2) != form.first || cell.at(3) != u' ' ||
        !digitsAt(cell, 4) || cell.at(6) != form.second)
        return std::nullopt;
    return (cell.left(2) + cell.mid(4, 2)).toLatin1();
}

QString fromCode(const QByteArray &digits, BandCellForm form)
{
    const QString d = ReceivedDigits(digits, 4);
    if (d.isEmpty())
        return {};
    return d.left(2) + form.first + u' ' + d.mid(2) + form.second;
}

std::variant<QByteArray, BadValue> encode(const QStringList &cells, BandCellForm form)
{
    QByteArray out;
    for (int i = 0; i < cells.size(); ++i) {
        const auto digits = code(cells[i], form);
        if (!digits)
            return BadValue{QStringLiteral("MSFlexGrid1"), rowOf(i), colOf(i)};
        out += *digits;
    }
    return out;
}

QStringList decode(const QByteArray &reply, int start, int count, BandCellForm form)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << fromCode(Mid(reply, start + 4 * i, 4), form);
    return out;
}

} // namespace BandCells
