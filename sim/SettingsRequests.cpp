#include "SettingsRequests.h"

#include "ControlBlocks.h"
#include "MaintBlocks.h"
#include "ScheduleBlocks.h"

#include <vector>

namespace simsettings {

namespace {

// Each family answers the requests of its own blocks and passes on the others.
const std::vector<Family> families{
    controlBlocks,
    maintBlocks,
    scheduleBlocks,
};

} // namespace

std::optional<QList<QByteArray>> answer(SimUnit &unit, const QByteArray &request)
{
    for (const Family family : families) {
        if (auto replies = family(unit, request))
            return replies;
    }
    return std::nullopt;
}

} // namespace simsettings
