#pragma once
// The values every window shares. One AppState is owned by the main window and passed
// by reference; each value keeps the name the rest of the system knows it by.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// yy, mm, dd as two-digit texts.
struct DateText {
    QString yy, mm, dd;
    bool operator==(const DateText &) const = default;
};

struct UnitClockText {
    QString yy, mm, dd, hh, mi, ss;
    QString weekdayDigit = QStringLiteral("0");
    QString weekdayName = QStringLiteral("日");
};

// Counters, flags and texts of the running download (day or range).
struct DownloadContext {
    int DaysLeft = 0;
    int SlotIndex = 0;
    int CurYear = 0, CurMonth = 0, CurDay = 0;
    int ClockDay = 0;
    int ClockSlot = 0;
    int RetryCount = 0;
    QString StreamFlag;
    QString DownloadState;
    QByteArray LastRequest; // complete frame, STX and ETX included
    int DayDownload = 0;
    int RangeDownload = 0;
    int StopRequested = 0;
    int SlotsLeft = 0;
    QString HeaderDay;
    QString LogChNo;
};

// One channel of the channel-name registry: six fields.
using ChannelNameRow = std::array<QString, 6>;

struct AppState {
    // Unit context
    QString SelectedUnitId = QStringLiteral("01");
    int UnitKindIndex = 0;
    QString UnitTypeCode = QStringLiteral("A");

    // Live values
    UnitClockText UnitClock;
    QString UnitChNo = QStringLiteral("01");
    QString SprayNo = QStringLiteral("01");
    QString UnitSettingStatus;
    QString PcLineSpeed;

    // Group and names
    QString GroupNo = QStringLiteral("01");
    QString GroupDir = QStringLiteral("C:\\GRP01");
    int GroupIndex = 1;
    std::array<ChannelNameRow, 100> ChannelNameTable;
    QString ChNamePage = QStringLiteral("01");

    // Dates and downloads
    DateText PickedDate, StartDate, EndDate;
    QString DateMode = QStringLiteral("1");
    QString StartDateFlag = QStringLiteral("0");
    DownloadContext Download;
    QString SlotLabels;
    QString OpenedLogFile;

    // Field texts of BASE.TXT and BASE_WJ.TXT as last loaded: a window opened while its
    // file is missing shows what was loaded before (empty when nothing was).
    std::array<QString, 7> BasicFieldTexts;
    std::array<QString, 7> WaterSprayBasicFieldTexts; // the seventh is never used
};

// "00:00,00:30,...,23:30": label k is the 5 characters at 0-based offset 6 * k.
QString MakeSlotLabels();
