#include "SeasonBandsCodec.h"

std::variant<QByteArray, BadValue> EncodeSeasons(const QStringList &cells)
{
    return BandCells::encode(cells, DateCell);
}

QStringList DecodeSeasonsReply(const QByteArray &reply)
{
    return BandCells::decode(reply, 2, SeasonCells, DateCell);
}

SeasonCommands SeasonCommandsFor(bool waterSpray)
{
    if (waterSpray)
        return {"BSID", "DS", QStringLiteral("水噴射 季節帯設定"), QStringLiteral("SEASN_WJ.TXT"),
                QStringLiteral("水噴射 季節条件読み取り中"), QStringLiteral("水噴射 季節条件書込み")};
    return {"RSID", "WS", QStringLiteral("季節帯設定"), QStringLiteral("SEASN.TXT"),
            QStringLiteral("季節条件読み取り中"), QStringLiteral("季節条件書込み")};
}
