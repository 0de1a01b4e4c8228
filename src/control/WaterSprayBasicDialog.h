#pragma once
// Form23 "水噴射 基本条件 設定": the basic block of a water-spray unit (spray channel,
// spray start and end temperatures, operation check time, test months, season-1 spray and
// pause times), read with "BC", written with "DC", kept in BASE_WJ.TXT and CONT_WJ1.TXT.
// It talks to the unit selected in the main window and stays open when others open.
#include "SettingsWindow.h"

#include "WaterSprayBasicCodec.h"

class Grid;
class QLabel;
class QLineEdit;
class QPushButton;

class WaterSprayBasicDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit WaterSprayBasicDialog(const WindowServices &services);
    static void wire(const WindowServices &services);

    QLineEdit *Text1 = nullptr;      // water-spray channel number
    QLineEdit *Text2 = nullptr;      // spray start temperature
    QLineEdit *Text3 = nullptr;      // spray end temperature
    QLineEdit *Text4 = nullptr;      // compressor operation check time, seconds
    QLineEdit *Text5 = nullptr;      // No.1 test month
    QLineEdit *Text6 = nullptr;      // No.2 test month
    QLineEdit *Text8 = nullptr;      // entry box for the selected cells
    QLabel *Label16 = nullptr;       // group and water-spray number
    QPushButton *Command1 = nullptr; // "読取" read
    QPushButton *Command2 = nullptr; // "書込" write
    Grid *MSFlexGrid1 = nullptr;     // season-1 bands 1-4 and an untitled fifth row

    void read();
    void write();
    WaterSprayBlock block() const;
    void showBlock(const WaterSprayBlock &block);

private:
    std::array<QLineEdit *, 6> fields() const { return {Text1, Text2, Text3, Text4, Text5, Text6}; }
};
