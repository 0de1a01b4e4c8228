#pragma once
// Form11, "電流値設定": reads and writes the selected unit's CT level and current
// adjustment value, keeps the last pair written in CTLEVEL.TXT (only when that file
// exists) and shows the unit's present current from the monitoring replies.
#include "control/SettingsWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

class CurrentValueDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit CurrentValueDialog(const WindowServices &services);

    // Registers the window and its reply steps ("P", "WP", "ID", monitoring).
    static void wire(const WindowServices &services);

    QLineEdit *Text1 = nullptr;      // CT level, 1/10 A, digits only
    QLineEdit *Text2 = nullptr;      // current adjustment value (no key filter)
    QLabel *Label3 = nullptr;        // present current "000.0_A"
    QPushButton *Command2 = nullptr; // write
    QPushButton *Command3 = nullptr; // read

    void read();
    void write();

protected:
    void closeEvent(QCloseEvent *event) override;
};
