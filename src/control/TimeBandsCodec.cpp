#include "TimeBandsCodec.h"

namespace {
// The first frame pads season 1 to 36 characters, the second seasons 2-4 to 108.
constexpr char FirstPad[] = "0000";
constexpr char SecondPad[] = "000000000000";
// The read request carries this filler as it stands.
constexpr char ReadFiller[] = "12345678912345";
} // namespace

std::variant<TimeBandPayloads, BadValue> EncodeTimeBands(const QStringList &cells)
{
    const auto digits = BandCells::encode(cells, TimeCell);
    if (const auto *bad = std::get_if<BadValue>(&digits))
        return *bad;
    const QByteArray &all = std::get<QByteArray>(digits);
    return TimeBandPayloads{all.left(32) + FirstPad, all.mid(32) + SecondPad};
}

QStringList DecodeFirstHalfReply(const QByteArray &reply)
{
    return BandCells::decode(reply, 2, FirstHalfCells, TimeCell);
}

QStringList DecodeSecondHalfReply(const QByteArray &reply)
{
    return BandCells::decode(reply, 2, TimeBandCells - FirstHalfCells, TimeCell);
}

TimeBandCommands TimeBandCommandsFor(bool waterSpray)
{
    if (waterSpray)
        return {QByteArray("BJ") + ReadFiller + "ID", "DJ", "DK", QStringLiteral("水噴射 時間帯設定"),
                QStringLiteral("TZONE_WJ.TXT"), QStringLiteral("水噴射 時間帯設定ﾃﾞｰﾀ読み取り中"),
                QStringLiteral("水噴射 NO.1_時間帯条件書込み中")};
    return {QByteArray("RJ") + ReadFiller + "ID", "WJ", "WK", QStringLiteral("時間帯設定"),
            QStringLiteral("TZONE.TXT"), QStringLiteral("時間帯設定ﾃﾞｰﾀ読み取り中"),
            QStringLiteral("NO.1_時間帯条件書込み中")};
}
