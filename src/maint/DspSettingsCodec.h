#pragma once
// The five DSP values: each has its button, field, request code, settings file and the
// text shown while it is written; all are read back at once in the "E"+"DT" answer.
#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

struct DspSetting {
    const char *button;      // control name of its button
    const char *caption;     // the button's caption
    const char *field;       // control name of its field
    const char *code;        // request code
    const char *file;        // file name in C:\ZRLOG\CONTROL
    const char *writingText; // panel 2 while the value is written
};

// In the order of the window's table: multiplier, control check, divisor, offset, back data.
const std::array<DspSetting, 5> &DspSettings();
// The order in which the window reads the files when it opens.
const std::array<const char *, 5> &DspLoadOrder();

// The request for a value: code + four digits + "ID"; nothing when the field is empty,
// holds anything but digits or needs more than four (the frame would have another length).
std::optional<QByteArray> DspWriteRequest(const DspSetting &setting, const QString &fieldText);

struct DspReading {
    QString Text8, Text7, Text4, Text1, Text2; // the five values, four digits each
    QString continuous1, continuous2;          // the continuous-mode window's two fields
};
// Any "E" reply whose characters 2-3 are "DT" is the read answer; nothing for any other
// (a write acknowledgement). A value that is missing or not four digits reads as empty.
std::optional<DspReading> DecodeDspReply(const QByteArray &reply);

// A settings file's line as read (opening quote included): characters 2-5; empty when not
// four digits.
QString DspFromFileLine(const QString &line);
