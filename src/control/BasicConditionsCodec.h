#pragma once
// The basic block of a standard unit: the 55-character payload after "WC", the "B" reply,
// and the 18-character line of BASE.TXT (whose layout the water-spray line shares).
#include "FieldCodes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <variant>

// Field texts of a BASE.TXT or BASE_WJ.TXT line, Text1..Text7 in line order.
using BaseLineFields = std::array<QString, 7>;

// The fields of a line read whole (the opening quote is character 1), each through its
// read format: channel "00", START times "###0", the others "#0"/"0". Missing characters
// give empty fields.
BaseLineFields DecodeBaseLine(const QString &line);
// The line's value (without the quotes), 18 characters when every field fits; nothing
// (the control to blame) when one does not.
std::variant<QString, BadValue> EncodeBaseLine(const BaseLineFields &fields);

// What the basic conditions window holds.
struct BasicBlock {
    BaseLineFields fields;             // Text1..Text7
    std::array<QString, 10> rateCells; // MSFlexGrid1 rows 1-5, column 1 then 2
    std::array<QString, 7> weekdays;   // MSFlexGrid2 row 1, Sunday first: "設定"/"解除"
};

struct BasicWrite {
    QByteArray payload; // 55 characters, after "WC"
    QString fileLine;   // BASE.TXT value, 18 characters
};
// The write of a block, or the first field or cell (in payload order) that has no code.
std::variant<BasicWrite, BadValue> EncodeBasicBlock(const BasicBlock &block);

// The "B" reply ("B" is character 1): the block with START times doubled back into seconds,
// and the external control percentages for Label19. Characters a short or damaged reply
// lacks leave empty fields and cells.
struct BasicReply {
    BasicBlock block;
    QString Label19; // "30_% 50_%"
};
BasicReply DecodeBasicReply(const QByteArray &reply);

// Rate cell texts in payload order, rows 1-based as the grid numbers them.
inline int rateCellRow(int index)
{
    return index / 2 + 1;
}
inline int rateCellCol(int index)
{
    return index % 2 + 1;
}
