#pragma once
// The water-spray basic block: the 42-character payload after "DC", the "B" reply while the
// water-spray kind is selected, and the BASE_WJ.TXT line (the BASE.TXT layout, "0" last).
#include "BasicConditionsCodec.h"

struct WaterSprayBlock {
    std::array<QString, 6> fields; // Text1..Text6
    std::array<QString, 10> cells; // MSFlexGrid1 rows 1-5, column 1 then 2
};

struct WaterSprayWrite {
    QByteArray payload; // 42 characters
    QString fileLine;   // 18 characters
};
// Row 5 is kept in the file only; the payload carries rows 1-4.
std::variant<WaterSprayWrite, BadValue> EncodeWaterSprayBlock(const WaterSprayBlock &block);
// Fields as received; character 41 and anything after 49 are not used.
WaterSprayBlock DecodeWaterSprayReply(const QByteArray &reply);
