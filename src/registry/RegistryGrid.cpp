#include "RegistryGrid.h"

#include "ui/Grid.h"

void SetUpRegistryGrid(Grid &grid, int rows, const QStringList &headers, const QList<int> &widthsTwips)
{
    grid.setRows(rows);
    grid.setCols(int(headers.size()));
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    for (int c = 0; c < headers.size(); ++c) {
        grid.setColWidthTwips(c, widthsTwips.value(c));
        grid.setColAlignment(c, Qt::AlignCenter);
        grid.setFixedAlignment(c, Qt::AlignCenter);
        grid.setTextMatrix(0, c, headers[c]);
    }
}
