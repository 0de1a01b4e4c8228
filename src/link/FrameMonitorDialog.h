#pragma once
// "通信モニター": every frame the program sends and receives while the window is open, with
// its time, direction and bytes (STX and ETX shown), and the noise between frames on lines
// of its own. A hex view, a filter by code, pause, clear and save (UTF-8). Not a window of
// the system: it stays open beside the dialogs (not closed with them).
#include "FrameLog.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class SerialLink;
class FrameLogModel;
struct WindowServices;

class FrameMonitorDialog : public QWidget {
    Q_OBJECT
public:
    explicit FrameMonitorDialog(SerialLink &link, QWidget *parent = nullptr);
    ~FrameMonitorDialog() override;
    static void wire(const WindowServices &services);

    const FrameLog &log() const { return m_log; }
    // Takes what was recorded since the last look into the list (the refresh timer's
    // tick; tests call it instead of waiting).
    void refresh();
    // Writes the listed lines to a file the user chooses.
    void save();

    QLineEdit *txtFilter = nullptr;   // a code: only frames that begin with it are listed
    QCheckBox *chkHex = nullptr;      // bytes in hex
    QPushButton *cmdPause = nullptr;  // the list stands still (recording goes on)
    QPushButton *cmdClear = nullptr;  // forgets what was recorded
    QPushButton *cmdSave = nullptr;   // saves the listed lines
    QLabel *lblCount = nullptr;       // listed / recorded
    QTableView *lstFrames = nullptr;  // time, direction, kind, bytes
    QTimer *tmrRefresh = nullptr;     // 500 ms

private:
    void showCount();

    SerialLink &m_link;
    FrameLog m_log;
    FrameLogModel *m_model = nullptr;
    quint64 m_shown = 0; // entries the list has looked at
};
