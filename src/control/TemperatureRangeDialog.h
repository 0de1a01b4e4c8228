#pragma once
// Form17 "制御温度範囲設定": the upper and lower temperature limits of the unit selected in
// the main window, read with "TR", written with "TC". No unit selector, no settings file.
#include "SettingsWindow.h"

class QLineEdit;
class QPushButton;

class TemperatureRangeDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit TemperatureRangeDialog(const WindowServices &services);
    static void wire(const WindowServices &services);

    QLineEdit *Text8 = nullptr;      // upper limit, "+35.0"
    QLineEdit *Text2 = nullptr;      // lower limit, "-99.9"
    QPushButton *Command1 = nullptr; // "書込" write
    QPushButton *Command2 = nullptr; // "読取" read

    void read();
    void write();
    void showRangeReply(const QByteArray &reply);
};
