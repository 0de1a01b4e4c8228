#pragma once
// What the maintenance windows share beyond the settings window: controls placed at their
// twips positions, the client area sized under them, and the basic conditions window's
// status panel, which closing the windows it opened writes.
#include "ui/Twips.h"
#include "ui/WindowSet.h"

class SettingsWindow;

// Places the control at its twips position and size; returns it.
template <class W> W *placed(W *control, int left, int top, int width, int height)
{
    placeTwips(control, left, top, width, height);
    return control;
}

// Fixes the window's client area to the twips size given, with StatusBar1 below it when the
// window shows one (it is hidden otherwise), and moves the window to its twips position.
void FixClientArea(SettingsWindow &window, int widthTwips, int heightTwips, bool withStatusBar, int leftTwips,
                   int topTwips);

// Panel 2 of the basic conditions window (Form10), when it exists.
void SetBasicConditionsPanel(WindowSet &windows, const QString &text);
