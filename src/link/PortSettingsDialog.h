#pragma once
// Form2 "環境設定": picks the port and the line speed.
#include <QWidget>

struct AppState;
class SerialLink;
class QListWidget;
class QPushButton;
class StatusBar;

class PortSettingsDialog : public QWidget {
    Q_OBJECT
public:
    PortSettingsDialog(SerialLink &link, AppState &state, QWidget *parent = nullptr);

    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr;
    QPushButton *Command1 = nullptr;
    StatusBar *StatusBar1 = nullptr;

    // On opening: placed at 3200, 3400 twips, then ApplyPortSettings.
    void prepareToShow();

private:
    void applyChoice(); // Command1 "設定終了"

    SerialLink &m_link;
    AppState &m_state;
};
