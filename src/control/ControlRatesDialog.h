#pragma once
// Form5 "制御条件設定" / "水噴射 制御条件設定": the rates of seasons 2-4 (for water-spray
// units their spray and pause times), read with "RD"/"BD", written with "WD"/"DD", kept
// in CONT2.TXT / CONTWJ2.TXT. The kind is taken at load (captions, file) and again at each
// read and write (commands, file).
#include "SettingsWindow.h"

class Grid;
class QLineEdit;
class QPushButton;

class ControlRatesDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit ControlRatesDialog(const WindowServices &services);
    static void wire(const WindowServices &services);

    QLineEdit *Text1 = nullptr;      // entry box for the selected cells
    QPushButton *Command1 = nullptr; // "書込" write
    QPushButton *Command3 = nullptr; // "読取" read
    Grid *MSFlexGrid1 = nullptr;     // 12 season/band rows of two rates

    void read();
    void write();
    void showRatesReply(const QByteArray &reply);

private:
    bool waterSpray() const;
};
