#pragma once
// Choosing cells of a grid as a user does, with real mouse and key events: a drag, a click
// and a shift-click, a click and shift with the arrow keys. Rows and columns in the grid's
// own numbering; the grid must be shown.
#include "ui/Grid.h"

#include <QTest>

namespace GridInput {

enum class Way { DragDown, DragUp, ShiftClick, ShiftArrows };

inline QPoint centre(Grid *g, int row, int col)
{
    const GridModel *m = g->gridModel();
    return g->visualRect(m->index(row - m->fixedRows(), col - m->fixedCols())).center();
}

inline void click(Grid *g, int row, int col, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, modifiers, centre(g, row, col));
}

// Presses on the first cell, moves over the cells between and releases on the last.
inline void drag(Grid *g, int row, int col, int rowTo, int colTo)
{
    QWidget *v = g->viewport();
    QTest::mousePress(v, Qt::LeftButton, {}, centre(g, row, col));
    const int steps = qMax(1, qMax(qAbs(rowTo - row), qAbs(colTo - col)));
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(v, centre(g, row + (rowTo - row) * i / steps, col + (colTo - col) * i / steps));
    QTest::mouseRelease(v, Qt::LeftButton, {}, centre(g, rowTo, colTo));
}

inline void shiftArrows(Grid *g, int row, int col, int rowTo, int colTo)
{
    click(g, row, col);
    for (int r = row; r != rowTo; r += rowTo > row ? 1 : -1)
        QTest::keyClick(g, rowTo > row ? Qt::Key_Down : Qt::Key_Up, Qt::ShiftModifier);
    for (int c = col; c != colTo; c += colTo > col ? 1 : -1)
        QTest::keyClick(g, colTo > col ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier);
}

// Chooses the rectangle with its corners (top, left) and (bottom, right) the given way.
inline void choose(Grid *g, Way way, int top, int left, int bottom, int right)
{
    switch (way) {
    case Way::DragDown:
        drag(g, top, left, bottom, right);
        break;
    case Way::DragUp:
        drag(g, bottom, right, top, left);
        break;
    case Way::ShiftClick:
        click(g, top, left);
        click(g, bottom, right, Qt::ShiftModifier);
        break;
    case Way::ShiftArrows:
        shiftArrows(g, bottom, left, top, right);
        break;
    }
}

inline const char *nameOf(Way way)
{
    switch (way) {
    case Way::DragDown:
        return "drag down";
    case Way::DragUp:
        return "drag up";
    case Way::ShiftClick:
        return "shift-click";
    case Way::ShiftArrows:
        break;
    }
    return "shift+arrows";
}

} // namespace GridInput
