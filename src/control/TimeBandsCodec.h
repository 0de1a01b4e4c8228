#pragma once
// The sixteen time bands, in two halves each way: season 1 (rows 1-4) travels in the first
// frame ("WJ"/"DJ" + 32 digits + "0000", the "C" reply), seasons 2-4 (rows 5-16) in the
// second ("WK"/"DK" + 96 digits + twelve "0", the "K" reply).
#include "BandCells.h"

inline constexpr int TimeBandCells = 32; // MSFlexGrid1 rows 1-16, column 1 then 2
inline constexpr int FirstHalfCells = 8; // rows 1-4

struct TimeBandPayloads {
    QByteArray first;  // 36 characters
    QByteArray second; // 108 characters
};
// Both payloads, or the first cell (in grid order) without the time form.
std::variant<TimeBandPayloads, BadValue> EncodeTimeBands(const QStringList &cells);

// Rows 1-4 from a "C" reply, rows 5-16 from a "K" reply: the cells of those rows, column 1
// then 2, from character 2. Missing or damaged digits give empty cells.
QStringList DecodeFirstHalfReply(const QByteArray &reply);
QStringList DecodeSecondHalfReply(const QByteArray &reply);
inline constexpr int FirstHalfRow = 1, SecondHalfRow = 5;

// What differs by kind: standard, water spray.
struct TimeBandCommands {
    QByteArray read;                    // the whole request: code, the fixed filler, "ID"
    QByteArray writeFirst, writeSecond; // "WJ", "WK" (the payload and "ID" follow)
    QString caption, file, readingText, writingFirstText;
};
TimeBandCommands TimeBandCommandsFor(bool waterSpray);
// Panel 2 while the second frame is on its way, both kinds.
inline const QString WritingSecondText = QStringLiteral("NO.2-4_時間帯条件書込み中");
