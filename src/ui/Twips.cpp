#include "Twips.h"

#include <QWidget>

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    if (!widget)
        return;
    const QRect r = twipsRect(left, top, width, height);
    if (widget->isWindow()) {
        // A window's position is that of its frame on the screen.
        widget->move(r.topLeft());
        widget->resize(r.size());
    } else {
        widget->setGeometry(r);
    }
}

void moveTwips(QWidget *widget, int left, int top)
{
    if (widget)
        widget->move(twipsToPixels(left), twipsToPixels(top));
}
