#include "ReplyDecoders.h"

#include "control/BasicConditionsCodec.h"
#include "control/ContinuousModeCodec.h"
#include "control/ControlRatesCodec.h"
#include "control/SeasonBandsCodec.h"
#include "control/TemperatureCodec.h"
#include "control/TimeBandsCodec.h"
#include "control/WaterSprayBasicCodec.h"
#include "link/LiveDisplay.h"
#include "logstore/RecordLine.h"
#include "maint/CurrentValueCodec.h"
#include "maint/DspSettingsCodec.h"
#include "maint/UnitSettingsCodec.h"
#include "mainwin/UnitKinds.h"

namespace fuzz {

namespace {

void record(const QByteArray &r, const QString &kind)
{
    const QString line = RecordLine(r, kind, 5, QStringLiteral("10:30"));
    // A stored record line is always a whole one, or none for a kind without a log.
    if (RecordHasLayout(r, kind) && line.isEmpty() && kind != QLatin1String("G"))
        __builtin_trap();
}
void monitoring(const QByteArray &r, const QString &kind)
{
    DecodeMonitoringReply(r, kind);
}
void clock(const QByteArray &r, const QString &kind)
{
    DecodeClockReply(r, kind, QStringLiteral("月"));
}
void basicBlock(const QByteArray &r, const QString &)
{
    DecodeBasicReply(r);
    DecodeWaterSprayReply(r);
}
void dsp(const QByteArray &r, const QString &)
{
    if (IsDspReadReply(r))
        DecodeContinuousModeReply(r);
    DecodeDspReply(r);
}
void rates(const QByteArray &r, const QString &)
{
    DecodeRatesReply(r);
}
void seasons(const QByteArray &r, const QString &)
{
    DecodeSeasonsReply(r);
}
void firstHalf(const QByteArray &r, const QString &)
{
    DecodeFirstHalfReply(r);
}
void secondHalf(const QByteArray &r, const QString &)
{
    DecodeSecondHalfReply(r);
}
void temperature(const QByteArray &r, const QString &)
{
    DecodeTemperatureRangeReply(r);
}
void sensor(const QByteArray &r, const QString &)
{
    DecodeSensorNumberReply(r);
}
void unitSettings(const QByteArray &r, const QString &)
{
    DecodeUnitSettingsReply(r);
}
void ct(const QByteArray &r, const QString &)
{
    DecodeCtReply(r);
}

} // namespace

QString unitKindOf(uint8_t selector)
{
    return QString::fromLatin1(UnitKinds[selector % UnitKinds.size()].typeCode);
}

const std::array<ReplyDecoder, 13> ReplyDecoders = {{
    {"TW", "reply_tw_temperature", temperature},
    {"TQ", "reply_tq_sensor", sensor},
    {"KS", "reply_ks_unit_settings", unitSettings},
    {"M", "reply_m_record", record},
    {"P", "reply_p_ct", ct},
    {"D", "reply_d_rates", rates},
    {"Q", "reply_q_monitoring", monitoring},
    {"A", "reply_a_clock", clock},
    {"S", "reply_s_seasons", seasons},
    {"C", "reply_c_time_bands", firstHalf},
    {"K", "reply_k_time_bands", secondHalf},
    {"B", "reply_b_basic", basicBlock},
    {"E", "reply_e_dsp", dsp},
}};

} // namespace fuzz
