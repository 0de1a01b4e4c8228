#pragma once
// The DSP values a simulated unit holds (block "DSP"): seven four-digit values in the
// order of the "E"+"DT" read answer.
#include "SimUnit.h"

#include <QByteArray>

namespace simsettings {

// Value positions in the block and in the read answer after "EDT".
enum DspValue {
    ControlCheck,
    Offset,
    Divisor,
    Multiplier,
    BackData,
    Continuous1,
    Continuous2,
    DspValueCount
};

// "E" + "DT" + the seven values: 31 characters.
QByteArray dspReadReply(SimUnit &unit);
// Stores four digits as one value.
void setDspValue(SimUnit &unit, DspValue value, const QByteArray &fourDigits);

} // namespace simsettings
