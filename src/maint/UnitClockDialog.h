#pragma once
// Form8, "時計設定": sets the selected unit's clock from the PC clock and shows the unit's
// own date and time from its clock replies. The PC labels tick every second while the
// window is shown, and "設定" sends the PC time of the moment it is pressed, so the unit
// never gets a time captured minutes earlier.
#include "control/SettingsWindow.h"

#include <QDateTime>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;

class UnitClockDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit UnitClockDialog(const WindowServices &services);

    // Registers the window and its clock reply step.
    static void wire(const WindowServices &services);

    // Where the PC time comes from; tests set a fixed one (nullptr: the system clock).
    static void setPcClock(std::function<QDateTime()> clock);

    QLabel *Label2 = nullptr;        // unit date "00年00月00日_日"
    QLabel *Label4 = nullptr;        // unit time "00時00分00秒"
    QLabel *Label6 = nullptr;        // PC date "yyyy/mm/dd_ddd"
    QLabel *Label7 = nullptr;        // PC time "hh:mm:ss"
    QPushButton *Command1 = nullptr; // set the unit's clock
    QPushButton *Command2 = nullptr; // close
    QTimer *Timer1 = nullptr;        // refreshes the PC labels every second while shown

    void setUnitClock();
    void showPcClock();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};
