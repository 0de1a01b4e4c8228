#pragma once
// The four season bands: the 32-digit payload after "WS"/"DS" and the "S" reply, month and
// day of each start and end date, seasons 1-4.
#include "BandCells.h"

inline constexpr int SeasonCells = 8; // MSFlexGrid1 rows 1-4, column 1 then 2

// The 32 digits, or the first cell without the date form.
std::variant<QByteArray, BadValue> EncodeSeasons(const QStringList &cells);
// "S" is character 1; cell i from character 2 + 4i. Missing or damaged digits: empty cell.
QStringList DecodeSeasonsReply(const QByteArray &reply);

// What differs by kind: standard, water spray.
struct SeasonCommands {
    QByteArray read, write; // "RSID", "WS" (the payload and "ID" follow)
    QString caption, file, readingText, writingText;
};
SeasonCommands SeasonCommandsFor(bool waterSpray);
