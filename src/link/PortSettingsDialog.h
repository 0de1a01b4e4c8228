#pragma once
// Form2 "環境設定": picks the port and the line speed.
#include <QWidget>

struct AppState;
struct PortSettingsInForce;
struct WindowServices;
class SerialLink;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class StatusBar;

class PortSettingsDialog : public QWidget {
    Q_OBJECT
public:
    PortSettingsDialog(SerialLink &link, AppState &state, QWidget *parent = nullptr);
    // Registers the window with the window set (it handles no reply).
    static void wire(const WindowServices &services);

    QListWidget *List1 = nullptr;    // the ports COM_1..COM_26
    QListWidget *List2 = nullptr;    // the line speeds
    QPushButton *Command1 = nullptr; // "設定終了": applies and stores the choice
    StatusBar *StatusBar1 = nullptr; // panel 2: the port and speed in force
    // Beside the system's controls: the device behind the port chosen in List1 and
    // whether it is present (also each port's tool tip), and on Linux the present serial
    // ports to put behind it (kept in our own settings file).
    QLabel *lblDevice = nullptr;
    QComboBox *cboDevice = nullptr;

    // On opening: placed at 3200, 3400 twips, then ApplyPortSettings.
    void prepareToShow();
    // Shows what ApplyPortSettings put in force and preselects it.
    void showInForce(const PortSettingsInForce &inForce);

    // Looks at the present ports again (on opening, then when List1 moves).
    void showDevices();

private:
    void applyChoice(); // Command1 "設定終了"
    void pickDevice(int index); // cboDevice

    SerialLink &m_link;
    AppState &m_state;
    bool m_devicesShown = false; // the ports are looked at on opening, not at creation
};
