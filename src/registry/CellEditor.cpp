#include "CellEditor.h"

#include "ui/Grid.h"
#include "ui/SelectOnFocus.h"

#include <QLabel>
#include <QLineEdit>

CellEditor::CellEditor(Grid &grid, QLineEdit &editor, QLabel &caption, const QStringList &captions,
                       QObject *parent)
    : QObject(parent), m_grid(grid), m_editor(editor), m_caption(caption), m_captions(captions)
{
    SelectAllOnFocus(&editor);
    grid.setEntryBox(&editor);
    connect(&grid, &QAbstractItemView::clicked, this, &CellEditor::cellClicked);
    connect(&grid, &Grid::currentCellChanged, this, &CellEditor::currentCellChanged);
    connect(&editor, &QLineEdit::textChanged, this, &CellEditor::textChanged);
    currentCellChanged();
}

void CellEditor::cellClicked()
{
    currentCellChanged();
    m_editor.setFocus();
}

void CellEditor::currentCellChanged()
{
    // Showing a cell's text edits nothing, whatever is selected.
    m_showing = true;
    m_editor.setText(m_grid.textMatrix(m_grid.row(), m_grid.col()));
    m_showing = false;
    m_caption.setText(m_captions.value(m_grid.col()));
}

void CellEditor::textChanged()
{
    if (m_showing)
        return;
    const QString text = m_editor.text();
    for (int r = qMin(m_grid.row(), m_grid.rowSel()); r <= qMax(m_grid.row(), m_grid.rowSel()); ++r)
        for (int c = qMin(m_grid.col(), m_grid.colSel()); c <= qMax(m_grid.col(), m_grid.colSel()); ++c)
            m_grid.setTextMatrix(r, c, text);
}
