#pragma once
// The registry windows' grids: one fixed row and column, every column centred, widths in
// twips, headers in row 0.
#include <QList>
#include <QStringList>

class Grid;

void SetUpRegistryGrid(Grid &grid, int rows, const QStringList &headers, const QList<int> &widthsTwips);
