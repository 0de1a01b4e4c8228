#pragma once
// Menu "ｸﾞﾙｰﾌﾟ の消去": deletes one year of downloaded logs of the selected group.
#include <QString>

struct AppState;

// The question asked first (OK and Cancel, warning icon, Cancel default): text and title.
QString GroupClearQuestionText(const AppState &state);
QString GroupClearQuestionTitle();

// Deletes the day logs (m*.*) and month logs (Mn*.*) of every channel of the year of
// PickedDate below GroupDir, for the kind folder "\ZR4" when the unit kind is "WJ", else
// "\ZR1", "\ZR3" and "\ZR2", and removes the channel folders left empty. Each failing
// delete or removal is skipped.
void ClearGroupYear(const AppState &state);
