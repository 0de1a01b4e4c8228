#pragma once
// The control settings blocks a simulated unit holds: the basic block ("RC"/"WC"), the
// rates of seasons 2-4 ("RD"/"WD", water spray "BD"/"DD") and the water-spray basic block
// ("BC"/"DC").
#include "SimUnit.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace simsettings {

std::optional<QList<QByteArray>> controlBlocks(SimUnit &unit, const QByteArray &request);

} // namespace simsettings
