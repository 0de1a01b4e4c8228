#pragma once
// The 13-entry unit ID list every unit selector shows: entry k stands for unit ID k.
#include <QString>
#include <QStringList>

class QComboBox;

QStringList UnitIdItems();
// "00".."12" for entry k.
QString UnitIdForEntry(int entry);
// Fills an editable combo box whose shown text replies may overwrite (the line edit is
// read-only, so the user can only pick an entry).
void SetUpUnitIdCombo(QComboBox *combo, const QString &designCaption);
