#include "PortSettings.h"

#include "SerialLink.h"
#include "common/AppState.h"
#include "common/TextFile.h"

namespace PortSettings {

void applySpeed(SerialLink &link, AppState &state, int speedIndex)
{
    if (!isSpeedIndex(speedIndex))
        return;
    link.setSettings(QLatin1String(SpeedTable[speedIndex].settings));
    state.PcLineSpeed = QLatin1String(SpeedTable[speedIndex].speedText);
}

} // namespace PortSettings

PortSettingsInForce ApplyPortSettings(SerialLink &link, AppState &state)
{
    using namespace PortSettings;
    // Every step is skipped when it fails; a missing file reads as an empty line (COM1, 4800).
    if (link.isOpen())
        link.close();
    const int portIndex = portIndexFromLine(TextFile::readFirstLine(PortFile));
    const int speedIndex = speedIndexFromLine(TextFile::readFirstLine(SpeedFile));
    applySpeed(link, state, speedIndex);
    link.setPortNumber(portIndex + 1);
    link.setLineDefaults();
    link.open();

    // A number outside COM1..COM26 in the file was not taken: the status says what is in force.
    return {portIndex, speedIndex, statusText(link.portNumber(), state.PcLineSpeed)};
}
