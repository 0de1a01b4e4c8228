#pragma once
// Form24 "連続ﾓｰﾄﾞの設定": the continuous control time and the restart time after a limit
// alarm, each written by its own button ("ADRL", "ADCF") and kept in its own file
// (RENZOKU.TXT, CUTFBKDAT.TXT); both read back with the DSP block ("ADRDDT").
#include "SettingsWindow.h"

class QLineEdit;
class QPushButton;

class ContinuousModeDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit ContinuousModeDialog(const WindowServices &services);
    static void wire(const WindowServices &services);

    QLineEdit *Text1 = nullptr;      // continuous control time, seconds
    QLineEdit *Text2 = nullptr;      // restart time after a limit alarm, seconds
    QPushButton *Command3 = nullptr; // "連続制御時間": writes Text1
    QPushButton *Command4 = nullptr; // "限界警報再起動": writes Text2
    QPushButton *Command2 = nullptr; // "読取" reads both

    void read();
    void writeValue(int which); // ContinuousTimeValue or RestartTimeValue
    void showDspReply(const QByteArray &reply);
};
