#pragma once
// The day and range downloads: the request chain, the three reply handlers ("Y", "M",
// "O") and the watchdog (Timer1) that resends a request the unit did not answer. A QtCore
// object: it keeps all its state itself, reports through signals and asks nothing, so it
// runs the same behind the main window and without any window.
#include <QList>
#include <QObject>
#include <QTimer>

struct AppState;
class QDate;
class ReplyRoutes;
class SerialLink;

// A question the caller asks before starting (OK and Cancel, warning icon, Cancel default).
struct DownloadQuestion {
    QString text;
    QString title;
};

// Why a download stopped before its end, as the user is told.
struct DownloadFailure {
    QString title;
    QString text;
    bool okCancel = false; // the system's silent-unit message offers Cancel too (unused)
};

// A day that was still damaged after it had been asked for again: kept as it came, and
// named to the user at the end of the download.
struct DamagedDay {
    QString unitId; // SelectedUnitId at the start
    int year = 0, month = 0, day = 0;
    bool operator==(const DamagedDay &) const = default;
    QString text() const; // "子機 01  13年10月02日"
};

// One download at a time, kept in AppState::Download. The unit kind, GroupDir and the
// channel folder are fixed when a download starts (the channel at its first header of each
// month), so changing the kind or the group in the middle cannot split a download.
class DownloadSession : public QObject {
    Q_OBJECT
public:
    DownloadSession(AppState &state, SerialLink &link, QObject *parent = nullptr);
    ~DownloadSession() override;

    // "Y", "M" and "O" come here.
    void addReplySteps(ReplyRoutes &routes);

    static DownloadQuestion dayQuestion();
    static DownloadQuestion monthQuestion();
    // What the user is told of days that stayed damaged.
    static DownloadFailure damagedDaysMessage(const QList<DamagedDay> &days);

    // Fetches PickedDate (toolbar button 4, once the user has agreed).
    void startDay();
    // Fetches StartDate..EndDate (toolbar button 2, once the user has agreed).
    void startMonth();

    // Reply handlers. Replies that arrive while no download runs (before the first, after a
    // finish or a failure) are ignored.
    void onHeader(const QByteArray &reply);   // "Y"
    void onRecord(const QByteArray &reply);   // "M"
    void onEndOfDay(const QByteArray &reply); // "O"

    // Timer1 expiry.
    void watchdogExpired();
    // Timer1: armed at 3000 ms while the unit owes a reply.
    QTimer &watchdog() { return m_watchdog; }

    // The port came back after it vanished: a download still running (the watchdog has
    // not given up) asks again from the first day it has not stored.
    void resumeAfterReconnect();

    // Stops a running download where it is: the unit is told to stop, the day being
    // received is not stored, the days stored so far stay. Reports no failure (the caller
    // knows why); ended() follows.
    void abandon();

    // True from a start until the finish, a failure or a store error.
    bool isRunning() const;

signals:
    void statusText(const QString &text);         // Label19
    void progressText(const QString &text);       // Label21
    void channelText(const QString &text);        // Label9
    void startDateText(const QString &text);      // Label1
    void progressChanged(int value, int maximum); // ProgressBar1
    // The no-reply watchdog (Timer2) is to stop while the unit streams, and to run again.
    void noReplyWatchdogPaused(bool paused);
    // The channel names of the group are to be reloaded (a first header came in).
    void channelNamesNeeded();
    void failed(const DownloadFailure &failure);
    // At the end of a download (finished or not): days stored although a record was
    // damaged or missing on every try. Also appended to DamagedDaysFile().
    void damagedDays(const QList<DamagedDay> &days);
    void finished();
    // A day's log is in the store (under its final name).
    void dayStored(int year, int month, int day);
    // The download is over, whichever way it ended (after finished or before failed).
    void ended();

private:
    struct Impl;
    QTimer m_watchdog;
    Impl *d;
};
