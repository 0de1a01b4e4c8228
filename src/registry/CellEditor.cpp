#include "CellEditor.h"

#include "ui/Grid.h"

#include <QLineEdit>

CellEditor::CellEditor(Grid &grid, QLineEdit &editor, QObject *parent)
    : QObject(parent), m_grid(grid), m_editor(editor)
{
    connect(&grid, &QAbstractItemView::clicked, this, &CellEditor::cellClicked);
    connect(&editor, &QLineEdit::textChanged, this, &CellEditor::textChanged);
}

void CellEditor::cellClicked()
{
    m_editor.setText(m_grid.textMatrix(m_grid.row(), m_grid.col()));
    m_editor.setFocus();
}

void CellEditor::textChanged()
{
    const QString text = m_editor.text();
    for (int r = qMin(m_grid.row(), m_grid.rowSel()); r <= qMax(m_grid.row(), m_grid.rowSel()); ++r)
        for (int c = qMin(m_grid.col(), m_grid.colSel()); c <= qMax(m_grid.col(), m_grid.colSel()); ++c)
            m_grid.setTextMatrix(r, c, text);
}
