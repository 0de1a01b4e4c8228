#pragma once
// Form18 "温度 センサー 番号設定": the number of the temperature sensor the unit selected in
// the main window uses, read with "TQ", written with "TP". No unit selector, no file.
#include "SettingsWindow.h"

class QLineEdit;
class QPushButton;

class SensorNumberDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit SensorNumberDialog(const WindowServices &services);
    static void wire(const WindowServices &services);

    QLineEdit *Text1 = nullptr;      // sensor number, two digits at most
    QPushButton *Command2 = nullptr; // "書込" write
    QPushButton *Command3 = nullptr; // "読取" read

    void read();
    void write();
    void showSensorReply(const QByteArray &reply);
};
