#include "UnitSettingsCodec.h"

#include "common/Vb.h"
#include "control/FieldCodes.h"

const std::array<LineSpeed, 5> &LineSpeeds()
{
    static const std::array<LineSpeed, 5> speeds{{
        {" 4800", "00"},
        {" 9600", "01"},
        {"19200", "02"},
        {"38400", "03"},
        {"56700", "04"},
    }};
    return speeds;
}

QString LineSpeedEntry(const QByteArray &code)
{
    for (const LineSpeed &s : LineSpeeds()) {
        if (code == s.code)
            return QString::fromLatin1(s.entry);
    }
    return QString();
}

QByteArray LineSpeedRequest(const QByteArray &code)
{
    return "BR" + code + "48ID";
}

QString LineSpeedStatusLine(const QByteArray &code)
{
    return QString::fromLatin1("\x02"
                               "BR48" +
                               code + "\x03");
}

QByteArray AlarmControlRequest(const QByteArray &flag)
{
    return "CN" + flag + "ID";
}

std::optional<QByteArray> TemperatureChannelRequest(const QString &channel)
{
    const auto digits = FieldCode(channel, 2);
    if (!digits)
        return std::nullopt;
    return "TP" + *digits + "ID";
}

UnitSettingsReading DecodeUnitSettingsReply(const QByteArray &reply)
{
    UnitSettingsReading r;
    const QByteArray flag = Mid(reply, 3, 2);
    if (flag == "ON" || flag == "OF")
        r.Command1 = QString::fromLatin1(flag);
    const QString channel = ReceivedDigits(Mid(reply, 5, 2), 2);
    if (!channel.isEmpty())
        r.Text3 = channel;
    r.speedText = LineSpeedEntry(Mid(reply, 7, 2));
    return r;
}
