#include "CurrentValueCodec.h"

#include "common/Vb.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<QByteArray> CtSettingDigits(const QString &ctLevel, const QString &adjust, BadValue *bad)
{
    const auto ct = FieldCode(ctLevel, 3);
    const auto adj = FieldCode(adjust, 3);
    if (ct && adj)
        return *ct + *adj;
    if (bad)
        *bad = BadValue{QString::fromLatin1(ct ? "Text2" : "Text1")};
    return std::nullopt;
}

QByteArray CtPayload(const QByteArray &sixDigits)
{
    char hundreds = sixDigits.at(0);
    char tens = sixDigits.at(1);
    if (hundreds == '1' || hundreds == '2') {
        tens = char(uchar(tens) | (hundreds == '1' ? 0x40 : 0x80));
        hundreds = '0';
    }
    QByteArray payload;
    payload += tens;
    payload += sixDigits.at(2);
    payload += hundreds;
    payload += '0';
    payload += sixDigits.mid(3, 3);
    return payload;
}

CtReading DecodeCtReply(const QByteArray &reply)
{
    CtReading r;
    r.Text2 = ReceivedDigits(Mid(reply, 7, 3), 3);
    if (reply.size() < 4)
        return r;
    const uchar flagged = uchar(reply.at(1));
    const char tens = char(flagged & 0x3F);
    const char units = reply.at(2);
    char hundreds = 0;
    switch (flagged & 0xC0) {
    case 0x00:
        hundreds = reply.at(3);
        break;
    case 0x40:
        hundreds = '1';
        break;
    case 0x80:
        hundreds = '2';
        break;
    default: // both flags: no level the unit could mean
        return r;
    }
    if (isDigit(hundreds) && isDigit(tens) && isDigit(units))
        r.Text1 = QString(QLatin1Char(hundreds)) + QLatin1Char(tens) + QLatin1Char(units);
    return r;
}

CtReading CtFromFileLine(const QString &line)
{
    return {ReceivedDigits(Mid(line, 2, 3).toLatin1(), 3), ReceivedDigits(Mid(line, 5, 3).toLatin1(), 3)};
}
