#include "ContinuousModeCodec.h"

#include "FieldCodes.h"
#include "common/Vb.h"

const ContinuousValue &ContinuousValueOf(int which)
{
    static const ContinuousValue values[] = {
        {"ADRL", QStringLiteral("RENZOKU.TXT"), QStringLiteral("連続限界制御時間の書込み中")},
        {"ADCF", QStringLiteral("CUTFBKDAT.TXT"), QStringLiteral("限界警報時の再起動時間データの書込み中")},
    };
    return values[which == RestartTimeValue ? 1 : 0];
}

std::optional<QByteArray> ContinuousCode(const QString &field)
{
    return FieldCode(field, 4);
}

QString StoredContinuousValue(const std::optional<QString> &firstLine)
{
    if (!firstLine)
        return {};
    return ReceivedDigits(Mid(*firstLine, 2, 4).toLatin1(), 4);
}

bool IsDspReadReply(const QByteArray &reply)
{
    return Mid(reply, 2, 2) == "DT";
}

ContinuousModeTexts DecodeContinuousModeReply(const QByteArray &reply)
{
    return {ReceivedDigits(Mid(reply, 24, 4), 4), ReceivedDigits(Mid(reply, 28, 4), 4)};
}
