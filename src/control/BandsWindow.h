#pragma once
// What the season and time-band windows share: the unit selector, the grid of two-half
// cells, the two pick lists that fill every selected cell with a picked half and the
// current cell's other half, and the read and write buttons.
#include "BandCells.h"
#include "SettingsWindow.h"

class Grid;
class QListWidget;
class QPushButton;

class BandsWindow : public SettingsWindow {
    Q_OBJECT
public:
    struct Layout {
        QString heading;                   // Label1, over the grid
        QString firstTitle, secondTitle;   // Label2 over List1, Label3 over List2
        QStringList firstItems, secondItems;
        int rows;                          // grid rows, the title row included
        QList<int> widthsTwips;
        QStringList columnTitles, rowTitles;
        BandCellForm form;
    };
    BandsWindow(const WindowServices &services, WindowId id, const QString &caption, const Layout &layout);

    QListWidget *List1 = nullptr;    // first halves (months, hours)
    QListWidget *List2 = nullptr;    // second halves (days, minutes)
    QPushButton *Command2 = nullptr; // "書込" write
    QPushButton *Command3 = nullptr; // "読取" read
    Grid *MSFlexGrid1 = nullptr;

    void pickFirst(const QString &half);
    void pickSecond(const QString &half);

protected:
    bool waterSpray() const;
    // The cells of rows `first`.. in grid order (column 1 then 2), and back.
    QStringList cellsFrom(int firstRow, int count) const;
    void setCellsFrom(int firstRow, const QStringList &cells);

private:
    BandCellForm m_form;
};

// "00", "01", .. up to last.
QStringList TwoDigitItems(int last);
