#pragma once
// The channel name registry of a group: page files GroupDir\CHNAME\CHNAME<p>.TXT, p 1..10,
// ten lines of six TAB-separated fields each (name, management number, compressor model,
// maker, capacity in kW, correction value), loaded whole into AppState::ChannelNameTable.
#include "common/AppState.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ChannelNames {

constexpr int Pages = 10;
constexpr int RowsPerPage = 10;
constexpr int Fields = 6;

QString pageFile(const QString &groupDir, int page);

QStringList headers();    // row 0, columns 0..6
QList<int> widthsTwips(); // columns 0..6
QStringList pageItems();  // "CH_01--CH_10" .. "CH_91--CH_100"
// Column 0 of row 1..10: "ＣＨ_01".."ＣＨ_10" when the window loads, "CH_nn" of the page
// after a page change.
QString loadRowLabel(int row);
QString pageRowLabel(int page, int row);
QString groupLabelText(const QString &groupNo); // Label1: " GRP_" + GroupNo
QString capacityPlaceholder();                  // "_kw"

// Correction values outside 101..3899 (an empty cell counts as 0) become "1000".
QString fixedCorrection(const QString &cell);

// Rebuilds the table from the page files of GroupDir (GroupDir follows GroupNo first).
// Pages 1..10 fill rows 1..100; a page holds at most ten lines and extra fields are
// dropped; the first page file that cannot be read ends the loading, later pages stay empty.
void load(AppState &state);

// The ten lines of a page file from the page's rows (six fields each).
QStringList pageLines(const QList<QStringList> &rows);

// The main window's channel name label: the name of channel Val(chNo) and a blank.
QString nameLabelText(const AppState &state, const QString &chNo);

} // namespace ChannelNames
