#pragma once
// Form16, "子機設定変更": changes the selected unit's line speed, alarm control and
// temperature channel, erases its monitor log, and reads the first three back. Its status
// line follows UnitSettingStatus, which the reply steps write too.
#include "control/SettingsWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class UnitSettingsChangeDialog : public SettingsWindow {
    Q_OBJECT
public:
    explicit UnitSettingsChangeDialog(const WindowServices &services);

    // Registers the window and its "KS" step (the main window sets UnitSettingStatus for
    // every "K…" reply).
    static void wire(const WindowServices &services);

    QComboBox *Combo1 = nullptr;     // line speed list; a "KS" answer overwrites its text
    QPushButton *Command1 = nullptr; // alarm control toggle "ON" / "OFF"
    QLineEdit *Text3 = nullptr;      // temperature sensor channel
    QLabel *Label1 = nullptr;        // status line
    QTimer *Timer1 = nullptr;        // copies UnitSettingStatus into Label1 every 300 ms

    QByteArray speedCode() const { return m_speedCode; }
    QByteArray alarmFlag() const { return m_alarmFlag; }

    void read();
    void changeSpeed();
    void changeAlarmControl();
    void changeChannel();
    void eraseLog();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pickSpeed(int index);
    void toggleAlarm();
    // Shows the action's title, asks; true for OK.
    bool confirm(const QString &title, const QString &text, const QString &caption);
    void setUnitSettingStatus(const QString &text);

    QByteArray m_speedCode = "01";
    QByteArray m_alarmFlag = "ON";
};
