#pragma once
// The day and range downloads: the request chain, the three reply handlers ("Y", "M", "O")
// and the watchdog that resends a request the unit did not answer.
#include <QObject>
#include <functional>

struct AppState;
class QDate;
class SerialLink;
class QLabel;
class QProgressBar;
class QTimer;
class QWidget;

// The main window controls a download writes into.
struct DownloadView {
    QLabel *Label1 = nullptr;  // start date
    QLabel *Label9 = nullptr;  // channel number
    QLabel *Label19 = nullptr; // status
    QLabel *Label21 = nullptr; // progress / link
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr; // download watchdog
    QTimer *Timer2 = nullptr; // no-reply watchdog
    QWidget *dialogParent = nullptr;
    // Reloads the group's channel names and refreshes the channel-name label.
    std::function<void()> reloadChannelNames;
};

// One download at a time, kept in AppState::Download. The unit kind, GroupDir and the
// channel folder are fixed when a download starts (the channel at its first header of each
// month), so changing the kind or the group in the middle cannot split a download.
class DownloadController : public QObject {
    Q_OBJECT
public:
    DownloadController(AppState &state, SerialLink &link, const DownloadView &view,
                       QObject *parent = nullptr);
    ~DownloadController() override;

    // Toolbar button 4: asks, then fetches PickedDate. The caller has closed the dialogs.
    void startDay();
    // Toolbar button 2: ProgressBar1 = 1, asks, then fetches StartDate..EndDate.
    void startMonth();

    // Reply handlers, called by the dispatcher. Replies that arrive while no download runs
    // (before the first, after a finish or a failure) are ignored.
    void onHeader(const QByteArray &reply);   // "Y"
    void onRecord(const QByteArray &reply);   // "M"
    void onEndOfDay(const QByteArray &reply); // "O"

    // Timer1 expiry.
    void watchdogExpired();

    // True from a confirmed start until the finish, a failure or a store error.
    bool isRunning() const;

private:
    struct Impl;
    Impl *d;
};

// A date clicked in the main window's calendar: for kinds A, B, C and D the year, "\DAY"
// and "\Mmm" folders of that date below the unit's kind folder. Failures are skipped.
void EnsureCalendarFolders(const AppState &state, const QDate &date);
