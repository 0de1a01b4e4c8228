#pragma once
// The maintenance settings a simulated unit holds: the CT level and adjustment ("RP"/"WP"),
// the DSP values (the "AD…" and "WL" writes, "ADRDDT"), the line speed, alarm control and
// temperature channel ("KK", "BR", "CN", "TP"), its clock ("WT") and the erasing of its
// stored log ("CL").
#include "SimUnit.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace simsettings {

std::optional<QList<QByteArray>> maintBlocks(SimUnit &unit, const QByteArray &request);

} // namespace simsettings
