#pragma once
// The registry windows' cell editor Text1: it always shows the text of the grid's current
// cell (after a click, a move with the keys, a save, a page change or a load), so a
// keystroke only ever edits the cell it shows; every change typed into it is written into
// all selected cells. Its caption names the column being edited. A key typed in the grid
// or a double click on a cell gives it the focus.
#include <QObject>
#include <QStringList>

class Grid;
class QLabel;
class QLineEdit;

class CellEditor : public QObject {
    Q_OBJECT
public:
    // captions: the caption's text for each grid column (by its number).
    CellEditor(Grid &grid, QLineEdit &editor, QLabel &caption, const QStringList &captions,
               QObject *parent = nullptr);

    void cellClicked();        // the grid's current cell was clicked
    void currentCellChanged(); // the grid's current cell was set
    void textChanged();        // the editor's text changed

private:
    Grid &m_grid;
    QLineEdit &m_editor;
    QLabel &m_caption;
    QStringList m_captions;
    bool m_showing = false; // the editor is being given the current cell's text
};
