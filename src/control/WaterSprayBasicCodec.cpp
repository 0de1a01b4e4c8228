#include "WaterSprayBasicCodec.h"

#include "RateCells.h"
#include "common/Vb.h"

std::variant<WaterSprayWrite, BadValue> EncodeWaterSprayBlock(const WaterSprayBlock &block)
{
    const auto &f = block.fields;
    QByteArray payload;
    // Text2..Text6 as three digits each (a four-digit temperature has no code).
    for (int n = 2; n <= 6; ++n) {
        const auto code = FieldCode(f[n - 1], 3);
        if (!code)
            return BadValue{QStringLiteral("Text%1").arg(n)};
        payload += *code;
    }
    for (int i = 0; i < 8; ++i) {
        const auto code = RateCells::secondsCodeOf(block.cells[i]);
        if (!code)
            return BadValue{QStringLiteral("MSFlexGrid1"), rateCellRow(i), rateCellCol(i)};
        payload += *code;
    }
    payload += '0';
    const auto channel = FieldCode(f[0], 2);
    if (!channel)
        return BadValue{QStringLiteral("Text1")};
    payload += *channel;

    auto line = EncodeBaseLine({f[0], f[1], f[2], f[3], f[4], f[5], QStringLiteral("0")});
    if (const auto *bad = std::get_if<BadValue>(&line))
        return *bad;
    return WaterSprayWrite{payload, std::get<QString>(line)};
}

WaterSprayBlock DecodeWaterSprayReply(const QByteArray &reply)
{
    WaterSprayBlock b;
    b.fields[1] = ReceivedDigits(Mid(reply, 2, 3), 3);
    b.fields[2] = ReceivedDigits(Mid(reply, 5, 3), 3);
    b.fields[3] = ReceivedDigits(Mid(reply, 8, 3), 3);
    b.fields[4] = ReceivedDigits(Mid(reply, 12, 2), 2);
    b.fields[5] = ReceivedDigits(Mid(reply, 15, 2), 2);
    b.fields[0] = ReceivedDigits(Mid(reply, 42, 2), 2);
    for (int i = 0; i < 8; ++i)
        b.cells[i] = RateCells::secondsCellFromCode(Mid(reply, 17 + 3 * i, 3));
    for (int i = 0; i < 2; ++i)
        b.cells[8 + i] = RateCells::secondsCellFromCode(Mid(reply, 44 + 3 * i, 3));
    return b;
}
