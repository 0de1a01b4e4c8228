#include "ControlRatesCodec.h"

#include "BasicConditionsCodec.h"
#include "RateCells.h"
#include "common/Vb.h"

std::variant<QByteArray, BadValue> EncodeRates(const RateGridCells &cells)
{
    QByteArray payload;
    for (int i = 0; i < 24; ++i) {
        const auto code = RateCells::codeOf(cells[i]);
        if (!code)
            return BadValue{QStringLiteral("MSFlexGrid1"), rateCellRow(i), rateCellCol(i)};
        payload += *code;
    }
    return payload;
}

RateGridCells DecodeRatesReply(const QByteArray &reply)
{
    RateGridCells cells;
    for (int v = 0; v < 24; ++v)
        cells[v] = RateCells::cellFromCode(Mid(reply, 3 * v + 2, 3));
    return cells;
}

RateCommands RateCommandsFor(bool waterSpray)
{
    if (waterSpray)
        return {"BDID", "DD", QStringLiteral("CONTWJ2.TXT"),
                QStringLiteral("_水噴射時間データ２の読み取り中"),
                QStringLiteral("水噴射時間データの書き込み中")};
    return {"RDID", "WD", QStringLiteral("CONT2.TXT"), QStringLiteral("_制御率データ２の読み取り中"),
            QStringLiteral("制御率データの書き込み中")};
}
