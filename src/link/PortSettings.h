#pragma once
// Applying the stored port number and line speed to the port.
#include "PortSettingsCodec.h"

struct AppState;
class SerialLink;

namespace PortSettings {

// Gives the port the settings string of the row and sets PcLineSpeed; any other index
// leaves both unchanged.
void applySpeed(SerialLink &link, AppState &state, int speedIndex);

} // namespace PortSettings

// What ApplyPortSettings put in force, for the port settings window to show.
struct PortSettingsInForce {
    int portIndex = 0;   // from the port file, 0..25 when it names a port
    int speedIndex = 0;  // from the speed file, a row of SpeedTable when valid
    QString statusText;  // panel 2: the port and speed in force
};

// Closes the port, applies the stored port and speed, opens it; every step is skipped on
// error.
PortSettingsInForce ApplyPortSettings(SerialLink &link, AppState &state);
