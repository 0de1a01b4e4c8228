#pragma once
// The main window's side of a download: asks before a start, shows what the download
// session reports in the main window's controls, and tells the user of a failure.
#include <QObject>
#include <functional>

class DownloadSession;
struct DownloadFailure;
class QLabel;
class QProgressBar;
class QTimer;
class QWidget;

// The main window controls a download writes into.
struct DownloadControls {
    QLabel *Label1 = nullptr;  // start date
    QLabel *Label9 = nullptr;  // channel number
    QLabel *Label19 = nullptr; // status
    QLabel *Label21 = nullptr; // progress / link
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer2 = nullptr; // no-reply watchdog
    QWidget *dialogParent = nullptr;
};

class DownloadFront : public QObject {
    Q_OBJECT
public:
    DownloadFront(DownloadSession &session, const DownloadControls &controls, QObject *parent = nullptr);

    // Toolbar button 4: asks, then fetches PickedDate. The caller has closed the dialogs.
    void startDay();
    // Toolbar button 2: ProgressBar1 = 1, asks, then fetches StartDate..EndDate.
    void startMonth();

    // Reloads the group's channel names and refreshes the channel-name label.
    std::function<void()> reloadChannelNames;

private:
    void showFailure(const DownloadFailure &failure);

    DownloadSession &m_session;
    DownloadControls m_controls;
};
