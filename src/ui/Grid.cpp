#include "Grid.h"

#include "Twips.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

namespace {
constexpr Qt::Alignment defaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// A TAB inside a cell (the month view's day and time) shows as a blank.
QString shown(QString text)
{
    return text.replace(QLatin1Char('\t'), QLatin1Char(' '));
}
} // namespace

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_cells.resize(m_rows * m_cols);
    m_colAlign.fill(int(defaultAlignment), m_cols);
    m_fixedAlign.fill(int(defaultAlignment), m_cols);
    m_shown = {m_rows, m_cols, m_fixedRows, m_fixedCols};
}

void GridModel::setGridSize(int rows, int cols)
{
    rows = qMax(rows, 0);
    cols = qMax(cols, 0);
    if (rows == m_rows && cols == m_cols)
        return;
    QVector<QString> cells(rows * cols);
    for (int r = 0; r < qMin(rows, m_rows); ++r)
        for (int c = 0; c < qMin(cols, m_cols); ++c)
            cells[r * cols + c] = m_cells[r * m_cols + c];
    m_cells = std::move(cells);
    m_colAlign.resize(cols, int(defaultAlignment));
    m_fixedAlign.resize(cols, int(defaultAlignment));
    m_rows = rows;
    m_cols = cols;
    changed();
}

void GridModel::setFixed(int fixedRows, int fixedCols)
{
    m_fixedRows = qBound(0, fixedRows, 1);
    m_fixedCols = qBound(0, fixedCols, 1);
    changed();
}

QString GridModel::text(int row, int col) const
{
    if (row < 0 || col < 0 || row >= m_rows || col >= m_cols)
        return QString();
    return m_cells[row * m_cols + col];
}

void GridModel::setText(int row, int col, const QString &text)
{
    if (row < 0 || col < 0 || row >= m_rows || col >= m_cols)
        return;
    cell(row, col) = text;
    if (!m_redraw) {
        m_dirty = true;
        return;
    }
    if (row < m_shown.fixedRows && col >= m_shown.fixedCols)
        emit headerDataChanged(Qt::Horizontal, col - m_shown.fixedCols, col - m_shown.fixedCols);
    else if (col < m_shown.fixedCols && row >= m_shown.fixedRows)
        emit headerDataChanged(Qt::Vertical, row - m_shown.fixedRows, row - m_shown.fixedRows);
    else if (row >= m_shown.fixedRows && col >= m_shown.fixedCols) {
        const QModelIndex i = index(row - m_shown.fixedRows, col - m_shown.fixedCols);
        emit dataChanged(i, i);
    } else
        emit cornerChanged();
}

void GridModel::setRedraw(bool on)
{
    m_redraw = on;
    if (on && m_dirty)
        changed();
}

void GridModel::changed()
{
    if (!m_redraw) {
        m_dirty = true;
        return;
    }
    beginResetModel();
    m_shown = {m_rows, m_cols, m_fixedRows, m_fixedCols};
    m_dirty = false;
    endResetModel();
}

void GridModel::restyled()
{
    if (!m_redraw) {
        m_dirty = true;
        return;
    }
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::TextAlignmentRole});
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    emit cornerChanged();
}

void GridModel::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col >= 0 && col < m_cols) {
        m_colAlign[col] = int(alignment);
        restyled();
    }
}

void GridModel::setFixedAlignment(int col, Qt::Alignment alignment)
{
    if (col >= 0 && col < m_cols) {
        m_fixedAlign[col] = int(alignment);
        restyled();
    }
}

Qt::Alignment GridModel::colAlignment(int col) const
{
    return col >= 0 && col < m_cols ? Qt::Alignment(m_colAlign[col]) : defaultAlignment;
}

Qt::Alignment GridModel::fixedAlignment(int col) const
{
    return col >= 0 && col < m_cols ? Qt::Alignment(m_fixedAlign[col]) : defaultAlignment;
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_shown.rows - m_shown.fixedRows);
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_shown.cols - m_shown.fixedCols);
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column() + m_shown.fixedCols;
    if (role == Qt::DisplayRole)
        return shown(text(index.row() + m_shown.fixedRows, col));
    if (role == Qt::TextAlignmentRole)
        return int(colAlignment(col));
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool across = orientation == Qt::Horizontal;
    if (role == Qt::DisplayRole) {
        if (across)
            return m_shown.fixedRows ? shown(text(0, section + m_shown.fixedCols)) : QString();
        return m_shown.fixedCols ? shown(text(section + m_shown.fixedRows, 0)) : QString();
    }
    if (role == Qt::TextAlignmentRole)
        return int(fixedAlignment(across ? section + m_shown.fixedCols : 0));
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

Grid::Grid(QWidget *parent) : QTableView(parent), m_model(new GridModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setMinimumSectionSize(1);
    // A reset gives every section its default size again: the widths are put back.
    connect(m_model, &QAbstractItemModel::modelReset, this, &Grid::applyHeaders);
    connect(m_model, &GridModel::cornerChanged, this, [this] {
        if (QWidget *corner = findChild<QAbstractButton *>())
            corner->update();
    });
    // The corner cell (row 0, column 0) is drawn with its text, as the other fixed cells.
    if (QAbstractButton *corner = findChild<QAbstractButton *>())
        corner->installEventFilter(this);
    applyHeaders();
}

void Grid::setRows(int rows)
{
    m_model->setGridSize(rows, m_model->gridCols());
}

void Grid::setCols(int cols)
{
    m_model->setGridSize(m_model->gridRows(), cols);
    m_widthTwips.resize(qMax(cols, 0), -1);
    applyHeaders();
}

void Grid::setFixedRows(int n)
{
    m_model->setFixed(n, m_model->fixedCols());
}

void Grid::setFixedCols(int n)
{
    m_model->setFixed(m_model->fixedRows(), n);
}

void Grid::setRow(int row)
{
    m_row = m_rowSel = row;
    m_colSel = m_col;
    applyCurrent();
}

void Grid::setCol(int col)
{
    m_col = m_colSel = col;
    m_rowSel = m_row;
    applyCurrent();
}

void Grid::setCurrentCell(int row, int col)
{
    m_row = m_rowSel = row;
    m_col = m_colSel = col;
    applyCurrent();
}

void Grid::setSelection(int row, int col, int rowSel, int colSel)
{
    m_row = row;
    m_col = col;
    m_rowSel = rowSel;
    m_colSel = colSel;
    applyCurrent();
}

QString Grid::clipText() const
{
    QStringList lines;
    for (int r = qMin(m_row, m_rowSel); r <= qMax(m_row, m_rowSel); ++r) {
        QStringList fields;
        for (int c = qMin(m_col, m_colSel); c <= qMax(m_col, m_colSel); ++c)
            fields << textMatrix(r, c);
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\r'));
}

void Grid::setClipText(const QString &text)
{
    const int top = qMin(m_row, m_rowSel), left = qMin(m_col, m_colSel);
    const int bottom = qMax(m_row, m_rowSel), right = qMax(m_col, m_colSel);
    const QStringList lines = text.split(QLatin1Char('\r'));
    for (int i = 0; i < lines.size() && top + i <= bottom; ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        for (int j = 0; j < fields.size() && left + j <= right; ++j)
            setTextMatrix(top + i, left + j, fields[j]);
    }
}

void Grid::setColWidthTwips(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    m_widthTwips.resize(cols(), -1);
    m_widthTwips[col] = twips;
    applyHeaders();
}

int Grid::colWidthTwips(int col) const
{
    return col >= 0 && col < m_widthTwips.size() ? m_widthTwips[col] : -1;
}

int Grid::fullWidth() const
{
    // From the widths asked for: a header not yet laid out does not know its own width.
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    const int fc = m_model->fixedCols();
    for (int c = 0; c < cols(); ++c) {
        const int twips = colWidthTwips(c);
        if (c < fc)
            width += twips >= 0 ? twipsToPixels(twips) : verticalHeader()->sizeHint().width();
        else
            width += twips >= 0 ? twipsToPixels(twips) : horizontalHeader()->defaultSectionSize();
    }
    return width;
}

void Grid::applyHeaders()
{
    const int fr = m_model->fixedRows(), fc = m_model->fixedCols();
    horizontalHeader()->setVisible(fr > 0);
    verticalHeader()->setVisible(fc > 0);
    m_widthTwips.resize(cols(), -1);
    for (int c = 0; c < cols(); ++c) {
        const int twips = m_widthTwips[c];
        if (c < fc) {
            if (twips >= 0)
                verticalHeader()->setFixedWidth(twipsToPixels(twips));
        } else if (c - fc < m_model->columnCount()) {
            setColumnWidth(c - fc,
                           twips >= 0 ? twipsToPixels(twips) : horizontalHeader()->defaultSectionSize());
        }
    }
    applyCurrent();
}

void Grid::applyCurrent()
{
    const int fr = m_model->fixedRows(), fc = m_model->fixedCols();
    const QModelIndex current = m_model->index(m_row - fr, m_col - fc);
    const QModelIndex other = m_model->index(m_rowSel - fr, m_colSel - fc);
    m_applying = true;
    if (current.isValid()) {
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        selectionModel()->select(QItemSelection(current, other.isValid() ? other : current),
                                 QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clearSelection();
    }
    m_applying = false;
    emit currentCellChanged();
}

void Grid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_applying || !current.isValid())
        return;
    m_row = current.row() + m_model->fixedRows();
    m_col = current.column() + m_model->fixedCols();
    // While the mouse drags, the view moves the current cell after it has set the
    // selection: the rectangle stays the one highlighted.
    takeSelection();
    emit currentCellChanged();
}

void Grid::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QTableView::selectionChanged(selected, deselected);
    if (!m_applying)
        takeSelection();
}

void Grid::takeSelection()
{
    // The corner of the highlighted rectangle away from the current cell.
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    const int fr = m_model->fixedRows(), fc = m_model->fixedCols();
    const int row = m_row - fr, col = m_col - fc;
    int top = row, bottom = row, left = col, right = col;
    for (const QModelIndex &i : cells) {
        top = qMin(top, i.row());
        bottom = qMax(bottom, i.row());
        left = qMin(left, i.column());
        right = qMax(right, i.column());
    }
    m_rowSel = (row == top ? bottom : top) + fr;
    m_colSel = (col == left ? right : left) + fc;
}

void Grid::keyPressEvent(QKeyEvent *event)
{
    const bool typed = !event->text().isEmpty() && event->text().front().isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (m_entry && typed) {
        m_entry->setFocus(Qt::OtherFocusReason);
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                       ushort(event->count()));
        QCoreApplication::sendEvent(m_entry, &copy);
        return;
    }
    QTableView::keyPressEvent(event);
}

void Grid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (m_entry)
        m_entry->setFocus(Qt::OtherFocusReason);
}

bool Grid::eventFilter(QObject *watched, QEvent *event)
{
    auto *corner = qobject_cast<QAbstractButton *>(watched);
    if (corner && event->type() == QEvent::Paint) {
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.text = textMatrix(0, 0);
        option.textAlignment = m_model->fixedAlignment(0);
        QPainter painter(corner);
        style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}
