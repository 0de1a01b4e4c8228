#include "DspBlock.h"

namespace simsettings {

namespace {
constexpr char Name[] = "DSP";
// DSP values, then continuous time 120 s and restart time 30 s.
constexpr char Default[] = "0100000500100000002001200030";
} // namespace

QByteArray dspBlock(const SimUnit &unit)
{
    return unit.blocks.value(Name, Default);
}

void setDspValue(SimUnit &unit, int offset, const QByteArray &digits)
{
    unit.blocks.insert(Name, dspBlock(unit).replace(offset, digits.size(), digits));
}

QByteArray dspReadReply(SimUnit &unit)
{
    return "EDT" + dspBlock(unit);
}

} // namespace simsettings
