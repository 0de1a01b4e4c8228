#pragma once
// Positions and sizes given in twips (15 twips = 1 pixel at 96 dpi).
#include <QRect>

class QWidget;

constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
// Places a control inside its parent, or a top-level window on the screen.
void placeTwips(QWidget *widget, int left, int top, int width, int height);
void moveTwips(QWidget *widget, int left, int top);
