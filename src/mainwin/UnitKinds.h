#pragma once
// The unit kind list of the main window and what each kind means.
#include <QString>
#include <array>

struct UnitKind {
    const char *item;     // list text, blanks included
    const char *typeCode; // UnitTypeCode
    const char *title;    // Label2
    bool polled;          // Timer3 polls water-spray units
};

inline const std::array<UnitKind, 6> UnitKinds{{
    {" 標準タイプ 子機", "A", "現在 電流", false},
    {" その他　　 子機", "B", "現在 電流", false},
    {" 水噴射型  子機", "WJ", "現在 電流", true},
    {" 温度対応　子機", "C", "現在 電流", false},
    {" 電力測定  子機", "D", "現在 電力", false},
    {" 直接 負荷制御", "G", "現在 電流", false},
}};
