#pragma once
// The DSP and continuous-mode block of a simulated unit, kept as the 28 characters that
// follow "E" + "DT" in its read answer: five DSP values, then the continuous control time
// and the restart time after a limit alarm, four digits each. Stored under blocks["DSP"].
#include "SimUnit.h"

#include <QByteArray>

namespace simsettings {

// The block as the unit holds it (its default until written).
QByteArray dspBlock(const SimUnit &unit);
// Four digits of the block from offset (0, 4, .. 24) replaced.
void setDspValue(SimUnit &unit, int offset, const QByteArray &digits);
// The whole 31-character read answer: "E", "DT", the block.
QByteArray dspReadReply(SimUnit &unit);

} // namespace simsettings
