#pragma once
// Monitoring ("Q") and clock ("A") replies decoded into the texts the windows show. The
// main window and every dialog that echoes the live values decode them here.
#include <QByteArray>
#include <QString>

struct MonitoringTexts {
    QString link;           // Label21 while no range download runs
    bool powerKind = false; // a power-measuring unit shows nothing but the link state
    QString temperature;    // Label15: "+25.3_℃"
    QString current;        // Label3 and the current value window: "012.3_A"
    QString currentFine;    // DSP window: "012.34_A"
    QString channelLabel;   // Label9: "CH番号: 05" or "水噴射番号: 01"
    QString unitChNo;       // positions 11-12
    QString sprayNo;        // positions 18-19 (water-spray units only, else empty)
    QString version;        // Label13: "Ver_No.： 17"
    QString unitIdText;     // shown text of every unit ID list: " ID_No ： 02"
    QString state;          // Label8
};

// unitTypeCode decides the water-spray and power-measuring forms.
MonitoringTexts DecodeMonitoringReply(const QByteArray &reply, const QString &unitTypeCode);

// "GRP_01 ： CH_05", the group/channel label of the basic conditions windows.
QString GroupChannelText(const QString &groupNo, const QString &channel);

QString ControlStateText(char code);
QString SprayStateText(const QByteArray &code);

struct ClockTexts {
    QString yy, mm, dd, hh, mi, ss;
    QString weekdayDigit;
    QString dateTime;  // Label18: "26年12月08日09時05分"
    QString band;      // Label19: " 季節_2 時限_3 休_0" or "水噴射_季節_1 時限_2"
    QString clockDate; // unit clock window: "2026年12月08日_火" (needs the weekday name)
    QString clockTime; // unit clock window: "09時05分"
};

ClockTexts DecodeClockReply(const QByteArray &reply, const QString &unitTypeCode, const QString &weekdayName);

// "0" Monday .. "6" Sunday; any other digit keeps the previous name.
QString UnitWeekdayName(const QString &digit, const QString &previousName);
