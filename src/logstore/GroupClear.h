#pragma once
// Menu "ｸﾞﾙｰﾌﾟ の消去": deletes one year of downloaded logs of the selected group.
struct AppState;
class QProgressBar;
class QWidget;

// Asks first; then deletes the day logs (m*.*) and month logs (Mn*.*) of every channel of
// the year of PickedDate below GroupDir, for the kind folder "\ZR4" when the unit kind is
// "WJ", else "\ZR1", "\ZR3" and "\ZR2", and removes the channel folders left empty. Each
// failing delete or removal is skipped.
void ClearGroupYear(AppState &state, QProgressBar *progress, QWidget *parent);
