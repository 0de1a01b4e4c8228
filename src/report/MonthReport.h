#pragma once
// The month report of a group: one row per channel with stored records in the month, the
// figures of its unit kind and a total row where a sum means something, and per channel one
// figure a day for the chart. Pure: records and registry rows in, texts out. Every figure
// is computed exactly from the records' integers (tenths and seconds) and rounded once,
// halves away from zero.
#include "common/AppState.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace MonthReport {

constexpr int SlotsPerDay = 48;

// One half hour as the views read it, in the units the store keeps: kinds A and B average
// current, control current (tenths of an ampere), control and rest seconds; C the four
// samples (tenths of a degree, as the views show them); D power (tenths of a kilowatt);
// WJ average current (tenths), the mode, spray seconds, average temperature (tenths).
struct Record {
    int day = 0;  // 1..31
    int slot = 0; // 0..47, the half hour from 00:00
    std::array<qint64, 4> values{};
    bool operator==(const Record &) const = default;
};

// What the store holds of one channel in the month.
struct ChannelLog {
    int channel = 0;       // the CH number, 0..99
    QList<Record> records; // one per half hour, in time order
    int damaged = 0;       // lines skipped: not the kind's layout, another day's, a repeat
    bool operator==(const ChannelLog &) const = default;
};

struct Input {
    QString kind; // UnitTypeCode
    int year = 0, month = 0;
    // Half hours that have not ended by then are not missing yet (a month still running).
    QDateTime now;
    QList<ChannelLog> channels;                 // in channel order
    std::array<ChannelNameRow, 100> registry{}; // row n-1: channel n (ChannelNameTable)
};

struct Column {
    QString title;      // "休止時間(h)"
    QString toolTip;    // how the figure is made
    bool number = true; // right-aligned
};

struct Report {
    QString kind;
    int year = 0, month = 0;
    QList<Column> columns;
    QList<int> channels;     // the channel of each row
    QList<QStringList> rows; // one text per column; plain numbers, empty where none
    QStringList total;       // "合計" and the sums
    QString chartTitle;      // "休止時間(h)": the figure of the per-day chart
    // Per row, one value a day of the month (index day-1); none for a day without records.
    QList<QList<std::optional<double>>> perDay;
    bool hasEstimate = false; // a row holds an estimate (the printout's footnote)
};

Report make(const Input &input);

// "2026年11月 標準タイプ 子機": the month and the kind as the title shows them.
QString monthText(int year, int month);
QString kindText(const QString &kind);
// The footnote of the estimate.
QString estimateNote();

// The capacity of a registry cell in thousandths of a kW: "7.5", "7.5_kw", "７．５kW";
// none for an empty cell, the placeholder "_kw", a text or zero.
std::optional<qint64> capacityMilliKw(const QString &cell);

// UTF-8 with a byte order mark, CR LF lines: the column titles, the rows, the total row.
// A text holding a comma, a quote or a line break is quoted.
QByteArray csv(const Report &report);

// num / den with `decimals` digits after the point, halves away from zero ("12.35").
QString fixed(qint64 num, qint64 den, int decimals);

} // namespace MonthReport
