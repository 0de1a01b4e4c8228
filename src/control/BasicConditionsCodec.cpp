#include "BasicConditionsCodec.h"

#include "RateCells.h"
#include "common/Vb.h"

namespace {
const QString Set = QStringLiteral("設定");
const QString Released = QStringLiteral("解除");

QString field(int n)
{
    return QStringLiteral("Text%1").arg(n);
}

// "600" -> "1200": seconds from a count of 2-second steps, without leading zeros.
QString doubled(const QByteArray &code)
{
    return RateCells::isDigits(code, 3) ? QString::number(code.toInt() * 2) : QString();
}
} // namespace

BaseLineFields DecodeBaseLine(const QString &line)
{
    // Position, width and read format of Text1..Text7.
    static const struct {
        int start, width;
        const char *mask;
    } layout[7] = {{2, 2, "00"},  {4, 4, "###0"}, {8, 4, "###0"}, {12, 3, "###0"},
                   {15, 2, "#0"}, {17, 2, "#0"},  {19, 1, "0"}};
    BaseLineFields fields;
    for (int i = 0; i < 7; ++i)
        fields[i] = Format(Mid(line, layout[i].start, layout[i].width), QString::fromLatin1(layout[i].mask));
    return fields;
}

std::variant<QString, BadValue> EncodeBaseLine(const BaseLineFields &fields)
{
    static const int widths[7] = {2, 4, 4, 3, 2, 2, 1};
    QString line;
    for (int i = 0; i < 7; ++i) {
        const auto code = FieldCode(fields[i], widths[i]);
        if (!code)
            return BadValue{field(i + 1)};
        line += QString::fromLatin1(*code);
    }
    return line;
}

std::variant<BasicWrite, BadValue> EncodeBasicBlock(const BasicBlock &block)
{
    const BaseLineFields &f = block.fields;
    QByteArray payload;
    // Each piece in payload order: a field and its width (and divisor), or rate cells.
    const auto addField = [&](int n, int width, int divisor = 1) -> std::optional<BadValue> {
        const auto code = FieldCode(f[n - 1], width, divisor);
        if (!code)
            return BadValue{field(n)};
        payload += *code;
        return std::nullopt;
    };
    const auto addRates = [&](int first, int last) -> std::optional<BadValue> {
        for (int i = first; i <= last; ++i) {
            const auto code = RateCells::codeOf(block.rateCells[i]);
            if (!code)
                return BadValue{QStringLiteral("MSFlexGrid1"), rateCellRow(i), rateCellCol(i)};
            payload += *code;
        }
        return std::nullopt;
    };
    // The frame carries the START times in steps of 2 seconds.
    for (const auto &bad : {addField(2, 3, 2), addField(3, 3, 2), addField(4, 3), addField(5, 3),
                            addField(6, 3), addRates(0, 7), addField(7, 1), addField(1, 2), addRates(8, 9)}) {
        if (bad)
            return *bad;
    }
    for (const QString &day : block.weekdays)
        payload += day == Set ? 'N' : 'F';

    auto line = EncodeBaseLine(f);
    if (const auto *bad = std::get_if<BadValue>(&line))
        return *bad;
    return BasicWrite{payload, std::get<QString>(line)};
}

BasicReply DecodeBasicReply(const QByteArray &reply)
{
    BasicReply r;
    BaseLineFields &f = r.block.fields;
    f[1] = doubled(Mid(reply, 2, 3));
    f[2] = doubled(Mid(reply, 5, 3));
    f[3] = ReceivedDigits(Mid(reply, 8, 3), 3);
    f[4] = ReceivedDigits(Mid(reply, 12, 2), 2);
    f[5] = ReceivedDigits(Mid(reply, 15, 2), 2);
    f[6] = ReceivedDigits(Mid(reply, 41, 1), 1);
    f[0] = ReceivedDigits(Mid(reply, 42, 2), 2);
    for (int i = 0; i < 8; ++i)
        r.block.rateCells[i] = RateCells::cellFromCode(Mid(reply, 17 + 3 * i, 3));
    for (int i = 0; i < 2; ++i)
        r.block.rateCells[8 + i] = RateCells::cellFromCode(Mid(reply, 44 + 3 * i, 3));
    for (int d = 0; d < 7; ++d)
        r.block.weekdays[d] = Mid(reply, 50 + d, 1) == "N" ? Set : Released;
    r.Label19 = QString::fromLatin1(Mid(reply, 57, 2)) + QStringLiteral("_% ") +
                QString::fromLatin1(Mid(reply, 59, 2)) + QStringLiteral("_%");
    return r;
}
