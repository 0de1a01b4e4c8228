#pragma once
// The schedule blocks a simulated unit holds: season bands ("RS"/"WS", water spray
// "BS"/"DS"), the sixteen time bands in two halves ("RJ" -> "C", "RK" -> "K", written with
// "WJ" and "WK"; water spray "BJ", "BK", "DJ", "DK"), the temperature range ("TR"/"TC"),
// the temperature sensor number ("TQ"/"TP") and the continuous-mode times of the DSP block
// ("ADRDDT", "ADRL", "ADCF").
#include "SimUnit.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace simsettings {

std::optional<QList<QByteArray>> scheduleBlocks(SimUnit &unit, const QByteArray &request);

} // namespace simsettings
