#pragma once
// Form13, "DSP動作設定": writes the selected unit's five DSP values one at a time, each
// also kept in its own settings file, reads all of them back with one request, and shows
// the present current with two decimals from the monitoring replies.
#include "DspSettingsCodec.h"
#include "control/SettingsWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class DspSettingsDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit DspSettingsDialog(const WindowServices &services);

    // Registers the window and its reply steps ("E", "ID", monitoring). The continuous-mode
    // window takes its part of the "E" replies in steps of its own.
    static void wire(const WindowServices &services);

    QLabel *Label2 = nullptr;        // present current "000.00_A"
    QPushButton *Command2 = nullptr; // read all
    // The five value fields and their buttons are named as in DspSettings().
    QLineEdit *field(const DspSetting &setting) const;

    void read();
    void write(const DspSetting &setting);
    void showReading(const DspReading &reading);

protected:
    void closeEvent(QCloseEvent *event) override;
};
