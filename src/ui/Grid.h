#pragma once
// The grid every window shows its tables in: a string matrix in the grid control's own
// numbering (row 0 and column 0 included), whose fixed first row and column are shown as
// frozen header sections. Filling with redraw off touches no view: switching redraw back
// on resets the model once, so a month of 7 445 cells is one repaint, not 7 445.
#include <QAbstractTableModel>
#include <QTableView>
#include <QVector>

class QLineEdit;

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject *parent = nullptr);

    int gridRows() const { return m_rows; }
    int gridCols() const { return m_cols; }
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    // Resizing keeps the texts of the cells that stay.
    void setGridSize(int rows, int cols);
    void setFixed(int fixedRows, int fixedCols); // 0 or 1 each

    QString text(int row, int col) const; // empty outside the grid
    void setText(int row, int col, const QString &text);

    void setRedraw(bool on);
    bool redraw() const { return m_redraw; }

    void setColAlignment(int col, Qt::Alignment alignment);
    void setFixedAlignment(int col, Qt::Alignment alignment); // cells of the fixed row
    Qt::Alignment colAlignment(int col) const;
    Qt::Alignment fixedAlignment(int col) const;

    // Model numbering: the scrollable cells only.
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void cornerChanged(); // the text of row 0, column 0

private:
    void changed();  // a reset now, or one when redraw comes back on
    void restyled(); // texts stay, their alignment changed
    QString &cell(int row, int col) { return m_cells[row * m_cols + col]; }

    struct Shape {
        int rows, cols, fixedRows, fixedCols;
    };
    int m_rows = 2, m_cols = 2;
    int m_fixedRows = 1, m_fixedCols = 1;
    // The shape the view knows: it changes only with a reset, so a view never asks for
    // cells of a shape it has not been told of while redraw is off.
    Shape m_shown{};
    QVector<QString> m_cells;
    QVector<int> m_colAlign, m_fixedAlign; // Qt::Alignment per grid column
    bool m_redraw = true;
    bool m_dirty = false;
};

class Grid : public QTableView {
    Q_OBJECT
public:
    explicit Grid(QWidget *parent = nullptr);

    GridModel *gridModel() const { return m_model; }

    Q_INVOKABLE int rows() const { return m_model->gridRows(); }
    Q_INVOKABLE int cols() const { return m_model->gridCols(); }
    void setRows(int rows);
    void setCols(int cols);
    void setFixedRows(int n);
    void setFixedCols(int n);

    Q_INVOKABLE QString textMatrix(int row, int col) const { return m_model->text(row, col); }
    Q_INVOKABLE void setTextMatrix(int row, int col, const QString &text)
    {
        m_model->setText(row, col, text);
    }

    // Current cell, in grid numbering.
    Q_INVOKABLE int row() const { return m_row; }
    Q_INVOKABLE int col() const { return m_col; }
    void setRow(int row);
    void setCol(int col);
    void setCurrentCell(int row, int col);

    // The selection rectangle runs from the current cell to (rowSel, colSel).
    int rowSel() const { return m_rowSel; }
    int colSel() const { return m_colSel; }
    void setSelection(int row, int col, int rowSel, int colSel);
    // Texts of the selection: fields joined by TAB, rows by CR. Setting it fills the
    // selection from its top-left cell with as much as fits.
    QString clipText() const;
    void setClipText(const QString &text);

    void setRedraw(bool on)
    {
        m_model->setRedraw(on);
        viewport()->setUpdatesEnabled(on);
    }
    bool redraw() const { return m_model->redraw(); }

    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment) { m_model->setColAlignment(col, alignment); }
    void setFixedAlignment(int col, Qt::Alignment alignment) { m_model->setFixedAlignment(col, alignment); }

    // The width the columns need, frame and vertical scroll bar included.
    int fullWidth() const;

    // The window's entry box for the selected cells: a printable key typed in the grid goes
    // there as if typed there, and a double click on a cell gives it the focus.
    void setEntryBox(QLineEdit *entry) { m_entry = entry; }

signals:
    // The current cell has been set (by the program or the user), even to the cell it was.
    void currentCellChanged();

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void applyHeaders();
    void applyCurrent();
    // Row/col sel from what the view highlights, the current cell at one corner.
    void takeSelection();

    GridModel *m_model;
    QVector<int> m_widthTwips;
    int m_row = 1, m_col = 1, m_rowSel = 1, m_colSel = 1;
    bool m_applying = false;
    QLineEdit *m_entry = nullptr;
};
