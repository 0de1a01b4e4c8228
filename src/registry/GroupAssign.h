#pragma once
// The data group the system works on: its number, its folder tree and GROUP.TXT, from which
// the next start restores it. Nothing here is sent to the units.
#include <QString>
#include <QStringList>

struct AppState;

namespace GroupAssign {

constexpr int Groups = 50;


// "ＧＲＰ＿０１" .. "ＧＲＰ＿５０"
QStringList listEntries();
QString questionText(int groupIndex);
QString questionTitle();
// The main window's group label.
QString groupLabelText(const QString &groupNo);

// The folders a set group gets for a kind folder, parents first: the group, CHNAME, the
// kind folder, its year, DAY and M01..M12. yy is the two-digit year.
QStringList groupFolders(const QString &groupDir, const QString &kindFolder, const QString &yy);

// Start-up: GroupNo and GroupDir from the first line of GROUP.TXT (a missing or empty file
// leaves GroupNo empty). Returns the group label's text, empty for an empty line.
QString restore(AppState &state);

// "設定" answered OK: GroupNo and GroupDir become those of groupIndex; for a kind with a
// kind folder the folder tree is made and GROUP.TXT rewritten. False when GROUP.TXT could
// not be written (the old file stays).
bool assign(AppState &state, int groupIndex);

} // namespace GroupAssign
