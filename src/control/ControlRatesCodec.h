#pragma once
// The rates of seasons 2-4: the 72-character payload after "WD"/"DD" and the "D" reply.
#include "FieldCodes.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <variant>

// MSFlexGrid1 rows 1-12, column 1 then 2.
using RateGridCells = std::array<QString, 24>;

// The 24 codes in grid order, or the first cell that has none.
std::variant<QByteArray, BadValue> EncodeRates(const RateGridCells &cells);
// The "D" reply ("D" is character 1): code v at 3v + 2. Codes a short or damaged reply
// lacks give empty cells.
RateGridCells DecodeRatesReply(const QByteArray &reply);

// Request codes by kind: standard, water spray.
struct RateCommands {
    QByteArray read, write;
    QString file; // CONT2.TXT / CONTWJ2.TXT
    QString readingText, writingText;
};
RateCommands RateCommandsFor(bool waterSpray);
