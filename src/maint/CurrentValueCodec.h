#pragma once
// The CT level and current adjustment value: the six digits kept in CTLEVEL.TXT, the
// seven-byte "WP" payload whose tens byte carries the hundreds 1 and 2 as flag bits, and
// the "P" read answer. Wire text is bytes: a flagged tens digit is one byte (0x70-0x79 or
// 0xB0-0xB9), never a character of some text codec.
#include "control/FieldCodes.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The CT level (Text1) and the adjustment value (Text2), three digits each, as one text of
// six digits; nothing, and the field to blame in bad, when a field is empty, holds anything
// but digits or needs more than three.
std::optional<QByteArray> CtSettingDigits(const QString &ctLevel, const QString &adjust, BadValue *bad);

// The "WP" payload of six setting digits: tens, units, hundreds, "0", adjustment. A
// hundreds digit of 1 or 2 goes out as bit 0x40 or 0x80 on the tens byte (and "0" in its
// own place); any other hundreds digit goes out as it is.
QByteArray CtPayload(const QByteArray &sixDigits);

struct CtReading {
    QString Text1; // CT level, three digits; empty when the reply's level bytes are damaged
    QString Text2; // adjustment value, three digits; empty when damaged
};
// The "P" reply: byte 2 tens digit with the hundreds flags, byte 3 units, byte 4 the plain
// hundreds digit, bytes 7-9 the adjustment value.
CtReading DecodeCtReply(const QByteArray &reply);

// CTLEVEL.TXT's line as read (opening quote included): characters 2-4 and 5-7; a value
// that is not three digits is left out (empty).
CtReading CtFromFileLine(const QString &line);
