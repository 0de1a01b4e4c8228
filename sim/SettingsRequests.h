#pragma once
// The settings requests a simulated unit serves: reads answer from the blocks the unit
// holds (deterministic defaults until written), writes store the block and are
// acknowledged with the unit's exact reply.
#include "SimUnit.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace simsettings {

// The frames the unit sends for the request (request text between STX and ETX, "ID"
// included), or nothing when the request is not a settings request.
std::optional<QList<QByteArray>> answer(SimUnit &unit, const QByteArray &request);

// One family of blocks (the control settings, the maintenance settings, ...), each in a
// file of its own. Same contract as answer().
using Family = std::optional<QList<QByteArray>> (*)(SimUnit &unit, const QByteArray &request);

} // namespace simsettings
