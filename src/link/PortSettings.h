#pragma once
// The stored port number and line speed, and applying them to the port.
#include <QString>
#include <array>

struct AppState;
class SerialLink;
class PortSettingsDialog;

namespace PortSettings {

inline const QString PortFile = QStringLiteral("C:\\ZRLOG\\COM\\COMPORT2.TXT");
inline const QString SpeedFile = QStringLiteral("C:\\ZRLOG\\COM\\COMPORT3.TXT");

struct Speed {
    const char *settings;  // "9600,n,8,2"
    const char *speedText; // "9600"
};
extern const std::array<Speed, 6> SpeedTable;

// Port index (0..25) from characters 2-3 of the port file's line; 0 when not a number.
int portIndexFromLine(const QString &line);
// Speed index from character 3 of the speed file's line; 0 when not a number.
int speedIndexFromLine(const QString &line);
// The texts between the quotes: "03" for COM4, " 5" for 115200.
QString portFileValue(int portIndex);
QString speedFileValue(int speedIndex);

// Panel 2 of the port settings window: "COM : 04 速度 : 115200".
QString statusText(int portNumber, const QString &pcLineSpeed);

bool isSpeedIndex(int speedIndex);
// Row of the speed table whose speed text this is; -1 when none.
int speedIndexOf(const QString &speedText);
// Gives the port the settings string of the row and sets PcLineSpeed; any other index
// leaves both unchanged.
void applySpeed(SerialLink &link, AppState &state, int speedIndex);

} // namespace PortSettings

// Closes the port, applies the stored port and speed, opens it; every step is skipped on
// error. form2, when given, shows the settings in force and preselects them.
void ApplyPortSettings(SerialLink &link, AppState &state, PortSettingsDialog *form2);
