#pragma once
// Fixed-width number fields of the settings payloads. A field whose value has no code or
// does not fit its width must never make a payload shorter or shift what follows it, so
// every encoder answers with the code or with the control that holds the bad value.
#include <QByteArray>
#include <QString>
#include <optional>

// The field or grid cell a write is refused for; row and col are grid numbering (0 for a
// field).
struct BadValue {
    QString control; // "Text2", "MSFlexGrid1"
    int row = 0;
    int col = 0;
    bool operator==(const BadValue &) const = default;
};

// The field's digits as a zero-padded number of exactly width digits, after dividing by
// divisor (halves rounding up, as the system's "000" format does); nothing when the text is
// empty, holds anything but ASCII digits, or the result needs more digits than width.
std::optional<QByteArray> FieldCode(const QString &text, int width, int divisor = 1);

// Digits only, as received (a reply's field). Empty when the text is not exactly width
// ASCII digits, so a short or damaged reply leaves an empty field behind, never garbage.
QString ReceivedDigits(const QByteArray &text, int width);
