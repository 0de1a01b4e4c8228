#include "DspSettingsCodec.h"

#include "common/Vb.h"
#include "control/FieldCodes.h"

const std::array<DspSetting, 5> &DspSettings()
{
    static const std::array<DspSetting, 5> settings{{
        {"Command1", "電流乗率", "Text1", "ADIR", "IMULTI.TXT", "電流乗率の書込み中"},
        {"Command3", "制御確認値", "Text8", "ADCN", "ICONT.TXT", "制御確認_データの書込み中"},
        {"Command4", "電流割率", "Text4", "ADIC", "IDIV.TXT", "電流割率の書込み中"},
        {"Command5", "電流ｵﾌｾｯﾄ", "Text7", "ADOF", "IOFST.TXT", "電流値OFFSET_の書込み中"},
        {"Command6", "裏 データ", "Text2", "WL", "LOGCONT.TXT", "裏データの書込み中"},
    }};
    return settings;
}

const std::array<const char *, 5> &DspLoadOrder()
{
    static const std::array<const char *, 5> order{"IMULTI.TXT", "LOGCONT.TXT", "IDIV.TXT", "IOFST.TXT",
                                                   "ICONT.TXT"};
    return order;
}

std::optional<QByteArray> DspWriteRequest(const DspSetting &setting, const QString &fieldText)
{
    const auto digits = FieldCode(fieldText, 4);
    if (!digits)
        return std::nullopt;
    return QByteArray(setting.code) + *digits + "ID";
}

std::optional<DspReading> DecodeDspReply(const QByteArray &reply)
{
    if (Mid(reply, 2, 2) != "DT")
        return std::nullopt;
    const auto at = [&](int start) { return ReceivedDigits(Mid(reply, start, 4), 4); };
    return DspReading{at(4), at(8), at(12), at(16), at(20), at(24), at(28)};
}

QString DspFromFileLine(const QString &line)
{
    return ReceivedDigits(Mid(line, 2, 4).toLatin1(), 4);
}
