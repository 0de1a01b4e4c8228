#pragma once
// The temperature range ("TC" + upper + lower, the "TW" reply) and the sensor number ("TP"
// + two digits, the "TQ" reply). A temperature travels as a sign and three digits of
// tenths of a degree: +350 is +35.0, -999 is -99.9.
#include "FieldCodes.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

// The four wire characters of a field: a sign "+" or "-", then degrees with at most one
// decimal below 100.0 (an empty number is 0). Nothing for anything else.
std::optional<QByteArray> TemperatureCode(const QString &field);
// Upper then lower (8 characters), or the field (Text8, Text2) that has no code.
std::variant<QByteArray, BadValue> EncodeTemperatureRange(const QString &upper, const QString &lower);

struct TemperatureRangeTexts {
    QString Text8, Text2; // "+25.0"; empty where the reply's value is missing or damaged
};
// "TW" + upper + lower.
TemperatureRangeTexts DecodeTemperatureRangeReply(const QByteArray &reply);

// The sensor number as two digits; nothing for an empty field or one beyond two digits.
std::optional<QByteArray> SensorNumberCode(const QString &field);
// "TQ" + two digits: the number, or empty when they are missing or damaged.
QString DecodeSensorNumberReply(const QByteArray &reply);
