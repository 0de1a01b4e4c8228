#include "DspBlock.h"

namespace simsettings {

namespace {

// Until written: control check 0030 A, offset 0005, divisor 0100, multiplier 0012, back
// data 0001, the continuous mode 0060 and 0120.
constexpr char DefaultDsp[] = "0030000501000012000100600120";

QByteArray &block(SimUnit &unit)
{
    QByteArray &b = unit.blocks["DSP"];
    if (b.size() != DspValueCount * 4)
        b = DefaultDsp;
    return b;
}

} // namespace

QByteArray dspReadReply(SimUnit &unit)
{
    return "EDT" + block(unit);
}

void setDspValue(SimUnit &unit, DspValue value, const QByteArray &fourDigits)
{
    block(unit).replace(int(value) * 4, 4, fourDigits.left(4).rightJustified(4, '0'));
}

} // namespace simsettings
