#pragma once
// Opening a stored log for the views and saving a copy of it elsewhere.
#include "LogViewCodec.h"
#include "ui/Prompt.h"

struct AppState;
class WindowSet;
class QWidget;

namespace LogFiles {

// The open dialog of day or month logs, starting in the picked year of the selected
// group and kind (no start for kind G, whose logs are never stored).
Prompt::FileDialog openDialog(LogView::View view, const AppState &state);
// The save dialog of the shown log, starting at C:\AMPDAT.
Prompt::FileDialog saveDialog(const AppState &state);

// Asks for a log: OpenedLogFile becomes the choice, empty when cancelled. True on a choice.
bool chooseLog(AppState &state, LogView::View view, QWidget *parent = nullptr);
// Asks for a log and shows it in its view (Form4 or Form3); nothing opens on cancel.
void openStoredLog(AppState &state, WindowSet &windows, LogView::View view, QWidget *parent = nullptr);

// Asks where to and copies OpenedLogFile there byte for byte. The copy is complete or not
// there at all; a file already at that place survives a failed copy. A failure or a
// cancel says nothing. True when a copy was written (or the choice was the log itself).
bool saveCopy(const AppState &state, QWidget *parent = nullptr);

} // namespace LogFiles
