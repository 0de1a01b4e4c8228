#pragma once
// The two times of the continuous mode: each written on its own ("ADRL"/"ADCF" + four
// digits) and kept in its own quoted-value file; both read back in the DSP block's "E"+"DT"
// reply, characters 24-27 and 28-31.
#include <QByteArray>
#include <QString>
#include <optional>

struct ContinuousValue {
    QByteArray code;    // "ADRL": the four digits and "ID" follow
    QString file;       // RENZOKU.TXT
    QString writingText;
};
inline constexpr int ContinuousTimeValue = 0, RestartTimeValue = 1;
const ContinuousValue &ContinuousValueOf(int which);

// The field's four digits; nothing for an empty field (the filter lets only digits in).
std::optional<QByteArray> ContinuousCode(const QString &field);

// A settings file's first line (opening quote included): its characters 2-5 when they are
// four digits, else empty.
QString StoredContinuousValue(const std::optional<QString> &firstLine);

// Whether an "E" reply is the read answer (characters 2-3 "DT"); any other "E" reply is a
// write acknowledgement.
bool IsDspReadReply(const QByteArray &reply);
struct ContinuousModeTexts {
    QString Text1, Text2; // empty where the reply's digits are missing or damaged
};
ContinuousModeTexts DecodeContinuousModeReply(const QByteArray &reply);
