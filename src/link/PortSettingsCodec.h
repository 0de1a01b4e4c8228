#pragma once
// The port settings window's codec: the stored port and speed lines, the speed table and
// the status text. Pure functions, no port and no widget.
//
// Every window of the program is built in two parts, this one as the example:
// - XxxCodec.{h,cpp}: encodes and decodes the window's request payloads, replies and
//   settings-file lines; pure functions tested with tables, returning structs whose fields
//   name the control they feed;
// - XxxDialog.{h,cpp}: a thin window whose controls are declared one per line with their
//   role; it calls the codec and sends what the codec built.
// Logic that talks to the unit over time or touches files and the port (here
// ApplyPortSettings) lives beside them in a QtCore-only file.
#include <QString>
#include <array>

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

} // namespace PortSettings
