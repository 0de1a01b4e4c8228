#pragma once
// The registry windows' cell editor Text1: a click on a grid cell copies its text into the
// editor and focuses it; every change of the editor is written into all selected cells.
#include <QObject>

class Grid;
class QLineEdit;

class CellEditor : public QObject {
    Q_OBJECT
public:
    CellEditor(Grid &grid, QLineEdit &editor, QObject *parent = nullptr);

    void cellClicked(); // the grid's current cell was clicked
    void textChanged(); // the editor's text changed

private:
    Grid &m_grid;
    QLineEdit &m_editor;
};
