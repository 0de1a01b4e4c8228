#pragma once
// The unit's service settings: its line speed (list entry and two-digit code), alarm
// control flag and temperature channel, their requests and the "KS" read answer.
#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

struct LineSpeed {
    const char *entry; // the speed list's entry text
    const char *code;
};
// List index = position: " 4800" "00" .. "56700" "04".
const std::array<LineSpeed, 5> &LineSpeeds();
// The entry text of a speed code; empty for a code the list does not know.
QString LineSpeedEntry(const QByteArray &code);

// "BR" + code + "48" + "ID".
QByteArray LineSpeedRequest(const QByteArray &code);
// STX, "BR", "48", code, ETX: what the status line shows after the speed request.
QString LineSpeedStatusLine(const QByteArray &code);
// "CN" + "ON" or "OF" + "ID".
QByteArray AlarmControlRequest(const QByteArray &flag);
// "TP" + two digits + "ID"; nothing when the channel is empty, not digits or wider than
// two digits.
std::optional<QByteArray> TemperatureChannelRequest(const QString &channel);

struct UnitSettingsReading {
    std::optional<QString> Command1; // toggle caption "ON" or "OF"; nothing for other bytes
    std::optional<QString> Text3;    // channel, two digits; nothing when damaged
    QString speedText;               // the list's text; empty for an unknown code
};
// "KS" + alarm flag (3-4) + channel (5-6) + speed code (7-8).
UnitSettingsReading DecodeUnitSettingsReply(const QByteArray &reply);
