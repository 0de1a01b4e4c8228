#include "DownloadSession.h"

#include "DownloadRequests.h"
#include "MonthLog.h"
#include "RecordLine.h"
#include "StorePaths.h"
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "common/Vb.h"
#include "link/ReplyRoutes.h"
#include "link/SerialLink.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <utility>

namespace {

constexpr int WatchdogMs = 3000;
constexpr int SlotsPerDay = 48;
constexpr int MaxReRequests = 2; // a damaged day is asked for at most this many more times
constexpr char STX = 0x02;
constexpr char ETX = 0x03;

QString two(int value)
{
    return Format(value, QStringLiteral("00"));
}

// A channel number read from the wire becomes part of a path: every character that is not
// a decimal digit is taken as "0", so it is always two digits.
QString channelDigits(const QString &text)
{
    QString out;
    for (int i = 0; i < 2; ++i) {
        const QChar c = i < text.size() ? text[i] : QChar('0');
        out += c.isDigit() && c.unicode() < 128 ? c : QChar('0');
    }
    return out;
}

int dateKey(int year, int month, int day)
{
    return (year * 100 + month) * 100 + day;
}

} // namespace

struct DownloadSession::Impl {
    DownloadSession &q;
    AppState &s;
    DownloadContext &c;
    SerialLink &link;
    QTimer &timer1;
    TextFile::AppendFile dayFile, monthFile;

    bool active = false;    // a download runs: its replies are taken
    QString kind;           // UnitTypeCode at the start
    QString kindFolder;     // empty for kind G: nothing is received or stored
    QString groupDir;       // GroupDir at the start
    QString chNo;           // channel folder of the month being received
    bool dayStored = false; // the temporary day file has been copied into the store
    QString unitId;         // SelectedUnitId at the start, for the damaged-day report

    // Records carry no time of their own: a day is whole only with every record of its
    // half hours (48 before the unit's today, the completed ones today), each in its layout.
    int clockKey = 0, clockSlots = 0; // the unit's today and its completed half hours
    bool dayBad = false;              // a record of the current day did not have its layout
    QStringList monthLines;           // the record lines in the temporary month file
    qsizetype dayStartLine = 0;       // of monthLines, those of the days before the current one
    // After a re-request: the old stream may still be arriving, so replies count again from
    // the header of this day on.
    int awaitDay = 0;
    QMap<int, int> reRequests; // per day: times asked for again
    QList<DamagedDay> damaged;
    // Months a day has been stored in whose month log has not been rebuilt since.
    struct Month {
        int year, month;
        QString chNo;
        bool operator==(const Month &) const = default;
    };
    QList<Month> touched;

    // What the unit will send again when LastRequest is resent: reception goes back to the
    // first day of that request, so a repeated day never lands behind the part already
    // received and a repeated month never shifts its days.
    struct RestartPoint {
        bool valid = false;
        bool startsMonth = false; // the month file goes back to its lines before that day
        int year = 0, month = 0, day = 0, daysLeft = 0, slotsLeft = 0, progress = 0;
        qsizetype monthLines = 0;
        int awaitDay = 0;
        QString downloadState, streamFlag;
        QString progressText; // the day or the half hours left at that point
    } restart;

    // What the session has shown: the restart point puts it back.
    int progress = 0, progressMaximum = 100;
    QString progressText;

    Impl(DownloadSession &session, AppState &state, SerialLink &serial, QTimer &watchdog)
        : q(session), s(state), c(state.Download), link(serial), timer1(watchdog)
    {
    }

    // Reports ----------------------------------------------------------------------------

    void status(const QString &text) { emit q.statusText(text); }
    void showProgressText(const QString &text)
    {
        progressText = text;
        emit q.progressText(text);
    }
    void setProgress(int maximum, int value)
    {
        progressMaximum = maximum;
        progress = value;
        emit q.progressChanged(progress, progressMaximum);
    }
    void progressStep() { setProgress(progressMaximum, qMin(progress + 1, progressMaximum)); }
    void armWatchdog()
    {
        timer1.stop();
        timer1.setInterval(WatchdogMs);
        timer1.start();
    }
    void stopWatchdog() { timer1.stop(); }
    void enableTimer2(bool on) { emit q.noReplyWatchdogPaused(!on); }
    QString dateLabel(const QString &day) const
    {
        return two(c.CurYear) + QStringLiteral("年") + QString::number(c.CurMonth) + QStringLiteral("月") +
               day + QStringLiteral("日");
    }

    // Requests ---------------------------------------------------------------------------

    void sendRequest(const QByteArray &text)
    {
        if (text.isEmpty())
            return; // kind G: LastRequest stays as it was
        c.LastRequest = STX + text + ETX;
        link.SendFrame(text);
        restart.valid = true;
    }
    void sendFinish()
    {
        if (link.isOpen())
            link.SendFrame(FinishRequest());
    }
    // Called once a request's state is set up: a resend of LastRequest comes back here.
    void markRestartPoint(bool startsMonth)
    {
        restart.startsMonth = startsMonth;
        restart.year = c.CurYear;
        restart.month = c.CurMonth;
        restart.day = c.CurDay;
        restart.daysLeft = c.DaysLeft;
        restart.slotsLeft = c.SlotsLeft;
        restart.progress = progress;
        restart.progressText = progressText;
        restart.downloadState = c.DownloadState;
        restart.streamFlag = c.StreamFlag;
        restart.monthLines = monthLines.size();
        restart.awaitDay = awaitDay;
    }
    bool backToRestartPoint()
    {
        c.CurYear = restart.year;
        c.CurMonth = restart.month;
        c.CurDay = restart.day;
        c.DaysLeft = restart.daysLeft;
        c.SlotsLeft = restart.slotsLeft;
        c.SlotIndex = 0;
        c.StopRequested = 0;
        c.DownloadState = restart.downloadState;
        c.StreamFlag = restart.streamFlag;
        awaitDay = restart.awaitDay;
        setProgress(progressMaximum, restart.progress);
        showProgressText(restart.progressText);
        if (!restartDayFile())
            return false;
        return !restart.startsMonth || !c.RangeDownload ||
               restartMonthFile(monthLines.first(qMin(restart.monthLines, monthLines.size())));
    }

    // Temporary files and the store ------------------------------------------------------

    bool restartDayFile()
    {
        dayStored = false;
        dayBad = false;
        dayStartLine = monthLines.size();
        DriveMap::ensureDir(TempFolder());
        const QString header = two(c.CurYear) + '/' + two(c.CurMonth) + '/' + two(c.CurDay);
        if (dayFile.restart(TempDayFile()) && dayFile.appendLine(header))
            return true;
        return storeError(TempDayFile());
    }
    // keep: record lines of the month that stay (the days before a day asked for again).
    bool restartMonthFile(const QStringList &keep = {})
    {
        monthLines = keep;
        dayStartLine = keep.size();
        DriveMap::ensureDir(TempFolder());
        bool ok = monthFile.restart(TempMonthFile()) &&
                  monthFile.appendLine(two(c.CurYear) + '/' + two(c.CurMonth));
        for (qsizetype i = 0; ok && i < keep.size(); ++i)
            ok = monthFile.appendLine(keep[i]);
        return ok || storeError(TempMonthFile());
    }
    void closeTempFiles()
    {
        dayFile.close();
        monthFile.close();
    }
    // A temporary file that is not complete is never copied under a final name.
    bool storeDay()
    {
        if (!dayFile.close())
            return storeError(TempDayFile());
        dayStored = true;
        const QString dest = DayLogFile(groupDir, kindFolder, c.CurYear, c.CurMonth, c.CurDay, chNo);
        if (!DriveMap::replaceFile(TempDayFile(), dest))
            return storeError(dest);
        touch();
        emit q.dayStored(c.CurYear, c.CurMonth, c.CurDay);
        return true;
    }
    void touch()
    {
        const Month month{c.CurYear, c.CurMonth, chNo};
        if (!touched.contains(month))
            touched << month;
    }
    // The end of the month being received: its month log, and that of any month touched.
    bool storeMonth()
    {
        if (!monthFile.close())
            return storeError(TempMonthFile());
        touch();
        return writeMonthLogs(true);
    }
    // Every month a day was stored in gets its month log again from the day logs, whichever
    // way the unit sent them. report: a failure stops the download and is named.
    bool writeMonthLogs(bool report)
    {
        while (!touched.isEmpty()) {
            const Month m = touched.takeFirst();
            if (!RebuildMonthLog(groupDir, kindFolder, m.year, m.month, m.chNo) && report)
                return storeError(MonthLogFile(groupDir, kindFolder, m.year, m.month, m.chNo));
        }
        return true;
    }

    // The store cannot be written: the download stops where it is (the unit is told to
    // stop, the watchdog is off), everything stored before stays, and the user is told once.
    bool storeError(const QString &path)
    {
        stopHere();
        emit q.failed({QStringLiteral("ダウンロード不良"),
                       QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞﾃﾞｰﾀを保存できません") + '\n' + path});
        return false;
    }

    // Lifecycle ---------------------------------------------------------------------------

    // Ends the download where it is: the unit is told to stop, the day being received is
    // not stored.
    void stopHere()
    {
        const bool unitBusy = restart.valid;
        stopWatchdog();
        closeTempFiles();
        endDownload();
        if (unitBusy)
            sendFinish();
    }

    bool receiving() const { return active && !kindFolder.isEmpty(); }

    // A new start replaces a running download: its temporary files go.
    void begin()
    {
        if (active) {
            stopWatchdog();
            closeTempFiles();
            writeMonthLogs(false);
            DriveMap::removeFile(TempDayFile());
            DriveMap::removeFile(TempMonthFile());
        }
        active = true;
        kind = s.UnitTypeCode;
        kindFolder = KindFolder(kind);
        groupDir = s.GroupDir;
        chNo.clear();
        restart = {};
        unitId = s.SelectedUnitId;
        clockKey = dateKey(int(Val(s.UnitClock.yy)), int(Val(s.UnitClock.mm)), int(Val(s.UnitClock.dd)));
        clockSlots = ClockSlot(s.UnitClock.hh, s.UnitClock.mi);
        dayBad = false;
        monthLines.clear();
        dayStartLine = 0;
        awaitDay = 0;
        reRequests.clear();
        damaged.clear();
        touched.clear();
        s.SlotLabels = MakeSlotLabels();
    }
    // Ends the download without a status text: no reply is taken any more.
    void endDownload()
    {
        // A download that stops early still leaves the month logs of its stored days whole.
        writeMonthLogs(false);
        active = false;
        restart.valid = false;
        awaitDay = 0;
        reportDamaged();
        enableTimer2(true);
        c.DayDownload = 0;
        c.RangeDownload = 0;
        c.StreamFlag.clear();
        c.DownloadState.clear();
        emit q.ended();
    }
    void finish()
    {
        stopWatchdog();
        closeTempFiles();
        if (!writeMonthLogs(true))
            return;
        status(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
        showComplete();
        endDownload();
        emit q.finished();
    }
    // A streamed range has all its days: the unit is stopped, the month logs are written.
    void endStream(const QString &text)
    {
        sendFinish();
        status(text);
        closeTempFiles();
        if (c.RangeDownload == 1 ? storeMonth() : writeMonthLogs(true)) {
            showComplete();
            endDownload();
        }
    }
    // Everything asked for is in: the bar shows it whole, wherever the last day left it.
    void showComplete() { setProgress(progressMaximum, progressMaximum); }
    // The first request of a download, once the temporary files are ready.
    void sendFirstRequest(const QByteArray &request, bool startsMonth)
    {
        if (!link.isOpen()) {
            // Nothing can be asked for: the download ends here instead of waiting for a
            // reply that cannot come, and the user learns why.
            closeTempFiles();
            endDownload();
            emit q.failed(
                {QStringLiteral("ダウンロード不良"), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ通信不良です") + '\n' +
                                                         QStringLiteral("通信ポートが開いていません")});
            return;
        }
        sendRequest(request);
        c.RetryCount = 0;
        markRestartPoint(startsMonth);
        armWatchdog();
        enableTimer2(false);
    }
    // The unit's clock is in the month being received: that month ends today.
    bool clockInCurrentMonth() const
    {
        return int(Val(s.UnitClock.yy)) == c.CurYear && int(Val(s.UnitClock.mm)) == c.CurMonth;
    }
    void takeClockSlot()
    {
        c.ClockDay = int(Val(s.UnitClock.dd));
        c.ClockSlot = ClockSlot(s.UnitClock.hh, s.UnitClock.mi);
    }
    // The day before CurDay was the last day of the range.
    bool endDayDone() const
    {
        return int(Val(s.EndDate.yy)) == c.CurYear && int(Val(s.EndDate.mm)) == c.CurMonth &&
               int(Val(s.EndDate.dd)) == c.CurDay - 1;
    }

    // Starts ------------------------------------------------------------------------------

    void startDay()
    {
        begin();
        c.DayDownload = 1;
        c.RangeDownload = 0;
        setProgress(49, 1);
        c.DaysLeft = 1;
        c.SlotsLeft = SlotsPerDay;
        c.SlotIndex = 0;
        c.RetryCount = 0;
        c.StreamFlag.clear();
        c.DownloadState.clear();
        c.StopRequested = 0;
        const DateText day = s.PickedDate;
        s.StartDate = day;
        c.CurYear = int(Val(day.yy));
        c.CurMonth = int(Val(day.mm));
        c.CurDay = int(Val(day.dd));
        takeClockSlot();
        if (clockInCurrentMonth() && c.ClockDay == c.CurDay)
            c.SlotsLeft = c.ClockSlot;
        emit q.startDateText(day.yy + QStringLiteral("年") + day.mm + QStringLiteral("月") + day.dd +
                             QStringLiteral("日"));
        if (!kindFolder.isEmpty() && !EnsureYearFolders(groupDir, kindFolder, c.CurYear, 0)) {
            storeError(YearFolder(groupDir, kindFolder, c.CurYear) + QStringLiteral("\\DAY"));
            return;
        }
        if (!restartDayFile())
            return;
        status(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ開始"));
        showProgressText(QStringLiteral("残 ： ") + QString::number(c.SlotsLeft));
        sendFirstRequest(DayRequest(kind, c.CurYear, c.CurMonth, c.CurDay), false);
    }

    void startMonth()
    {
        begin();
        c.DayDownload = 0;
        c.RangeDownload = 1;
        setProgress(32, 1);
        c.CurYear = int(Val(s.StartDate.yy));
        c.CurMonth = int(Val(s.StartDate.mm));
        c.CurDay = int(Val(s.StartDate.dd));
        c.DaysLeft = qMax(1, MonthLength(c.CurYear, c.CurMonth) - c.CurDay + 1);
        c.SlotIndex = 0;
        c.RetryCount = 0;
        c.StreamFlag.clear();
        c.DownloadState.clear();
        c.StopRequested = 0;
        if (clockInCurrentMonth()) {
            takeClockSlot();
            c.DaysLeft = qMax(1, c.ClockDay - c.CurDay + 1);
        }
        if (!kindFolder.isEmpty() && !EnsureYearFolders(groupDir, kindFolder, c.CurYear, c.CurMonth)) {
            storeError(YearFolder(groupDir, kindFolder, c.CurYear));
            return;
        }
        if (!restartDayFile() || !restartMonthFile())
            return;
        status(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ開始"));
        showProgressText(dateLabel(QString::number(c.CurDay)));
        sendFirstRequest(MonthRequest(kind, c.CurYear, c.CurMonth, c.CurDay), true);
    }

    // Replies -----------------------------------------------------------------------------

    void header(const QByteArray &reply)
    {
        if (awaitDay) {
            if (int(Val(Mid(reply, 5, 2))) != awaitDay)
                return; // the stream before the re-request
            awaitDay = 0;
            c.HeaderDay = QString::fromLatin1(Mid(reply, 5, 2));
            armWatchdog();
            return;
        }
        if (c.DownloadState.isEmpty()) {
            firstHeader(reply);
            return;
        }
        if (c.DownloadState == QLatin1String("1") && c.StreamFlag == QLatin1String("D")) {
            dayChange(reply);
            return;
        }
        armWatchdog(); // the header of a day asked for day by day
    }

    void firstHeader(const QByteArray &reply)
    {
        c.LogChNo = channelDigits(QString::fromLatin1(Mid(reply, 2, 2)));
        c.HeaderDay = QString::fromLatin1(Mid(reply, 5, 2));
        emit q.channelNamesNeeded();
        c.StreamFlag = QString::fromLatin1(Mid(reply, 4, 1));
        const bool spray = kind == QLatin1String("WJ");
        chNo = spray ? channelDigits(s.SprayNo) : c.LogChNo;
        emit q.channelText(spray ? QStringLiteral("水噴射番号: ") + s.SprayNo
                                 : QStringLiteral("CH番号: ") + c.LogChNo);
        if (!EnsureChannelFolders(groupDir, kindFolder, c.CurYear, c.CurMonth, chNo)) {
            storeError(YearFolder(groupDir, kindFolder, c.CurYear) + QStringLiteral("\\DAY\\CH") + chNo);
            return;
        }
        c.DownloadState = QStringLiteral("1");
        if (c.StreamFlag == QLatin1String("D")) {
            showProgressText(dateLabel(c.HeaderDay));
            progressStep();
        }
        armWatchdog();
    }

    // A streamed range: the header of the next day closes the day before.
    void dayChange(const QByteArray &reply)
    {
        c.HeaderDay = QString::fromLatin1(Mid(reply, 5, 2));
        stopWatchdog();
        if (askAgainIfDamaged(true) || !storeDay())
            return;
        c.DaysLeft -= 1;
        c.CurDay += 1;
        c.SlotIndex = 0;
        c.RetryCount = 0;
        if (!restartDayFile())
            return;
        if (c.DaysLeft <= 0) {
            // The unit goes on beyond the days it was asked for: stop it. A month's days are
            // all in by now, so its file is kept as well.
            endStream(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
            return;
        }
        if (endDayDone()) {
            endStream(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 終了"));
            return;
        }
        showProgressText(dateLabel(c.HeaderDay));
        status(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 中"));
        progressStep();
        armWatchdog();
    }

    void record(const QByteArray &reply)
    {
        if (awaitDay || c.StopRequested == 1 || c.DownloadState == QLatin1String("Q") ||
            c.SlotIndex >= SlotsPerDay)
            return;
        enableTimer2(false);
        const QString line = RecordLine(reply, kind, c.CurDay, Mid(s.SlotLabels, 6 * c.SlotIndex + 1, 5));
        if (!RecordHasLayout(reply, kind))
            dayBad = true;
        if (!dayFile.appendLine(line)) {
            storeError(TempDayFile());
            return;
        }
        if (c.StreamFlag == QLatin1String("D") && c.RangeDownload == 1) {
            monthLines << line;
            if (!monthFile.appendLine(line)) {
                storeError(TempMonthFile());
                return;
            }
        }
        c.SlotIndex += 1;
        if (c.DayDownload == 1) {
            progressStep();
            c.SlotsLeft = qMax(0, c.SlotsLeft - 1);
            showProgressText(QStringLiteral("残 ： ") + QString::number(c.SlotsLeft));
        }
        // Today's records end at the current half hour: tell the unit to stop there.
        if (clockInCurrentMonth() && c.ClockSlot == c.SlotIndex && c.ClockDay == c.CurDay) {
            c.StopRequested = 1;
            sendFinish();
        }
    }

    void endOfDay()
    {
        // Nothing of the month has come yet: the channel is unknown and nothing can be stored.
        // The watchdog asks again. While a re-requested day is awaited, an end is the old
        // stream's.
        if (c.DownloadState.isEmpty() || awaitDay)
            return;
        stopWatchdog();
        if (c.StreamFlag == QLatin1String("D")) {
            monthEnd(false);
            return;
        }
        if (askAgainIfDamaged(false) || !storeDay())
            return;
        c.DaysLeft -= 1;
        if (c.DaysLeft > 0)
            nextDay();
        else if (c.RangeDownload == 1)
            monthEnd(false);
        else
            finish();
    }

    // A range fetched day by day: ask for the day after the one just stored.
    void nextDay()
    {
        c.CurDay += 1;
        if (!restartDayFile())
            return;
        if (endDayDone()) {
            monthEnd(true);
            return;
        }
        showProgressText(dateLabel(QString::number(c.CurDay)));
        c.SlotIndex = 0;
        c.RetryCount = 0;
        armWatchdog();
        sendRequest(DayRequest(kind, c.CurYear, c.CurMonth, c.CurDay));
        status(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ 中"));
        progressStep();
        markRestartPoint(false);
    }

    // pastEndDay: reached through the end-date test of a day-by-day range, where the
    // temporary day file is the day after the range and holds only its header.
    void monthEnd(bool pastEndDay)
    {
        if (!pastEndDay && !dayStored && askAgainIfDamaged(false))
            return;
        if (c.DayDownload == 1) {
            if (dayStored || storeDay())
                finish();
            return;
        }
        if (!pastEndDay && !dayStored && !storeDay())
            return;
        closeTempFiles();
        if (!storeMonth())
            return;
        if (!advanceMonth()) {
            finish();
            return;
        }
        const bool streamed = c.StreamFlag == QLatin1String("D");
        setProgress(32, 1);
        c.DaysLeft = qMax(1, MonthLength(c.CurYear, c.CurMonth));
        c.CurDay = 1;
        c.SlotIndex = 0;
        c.RetryCount = 0;
        c.DownloadState.clear();
        c.StopRequested = 0;
        if (clockInCurrentMonth()) {
            takeClockSlot();
            c.DaysLeft = qMax(1, c.ClockDay);
        }
        if (!restartDayFile() || !restartMonthFile())
            return;
        status(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ開始"));
        showProgressText(dateLabel(QString::number(c.CurDay)));
        // The first header of the new month is a first header again (channel, streaming).
        c.DayDownload = 0;
        c.StreamFlag.clear();
        c.DownloadState.clear();
        sendRequest(streamed ? MonthRequest(kind, c.CurYear, c.CurMonth, 1)
                             : DayRequest(kind, c.CurYear, c.CurMonth, 1));
        armWatchdog();
        enableTimer2(false);
        markRestartPoint(true);
    }

    // Damaged days -------------------------------------------------------------------------

    int expectedRecords() const
    {
        const int day = dateKey(c.CurYear, c.CurMonth, c.CurDay);
        return day < clockKey ? SlotsPerDay : day == clockKey ? clockSlots : 0;
    }
    // A day without any record is one the unit has not logged (a new or cleared unit):
    // asking again would bring the same.
    bool dayDamaged() const
    {
        return !kindFolder.isEmpty() && (dayBad || (c.SlotIndex > 0 && c.SlotIndex < expectedRecords()));
    }

    // At the end of CurDay (its "O", the next day's header in a stream, the month end): a
    // damaged day is asked for again from that day, as a resend of the watchdog restarts
    // reception, and nothing of it is stored. True when it was. streamRunning: the unit
    // is still streaming the days after it and is stopped first.
    bool askAgainIfDamaged(bool streamRunning)
    {
        if (!dayDamaged())
            return false;
        int &tries = reRequests[dateKey(c.CurYear, c.CurMonth, c.CurDay)];
        if (tries >= MaxReRequests) {
            // Kept as it came, so nothing the unit sent is lost, and named at the end.
            const DamagedDay day{unitId, c.CurYear, c.CurMonth, c.CurDay};
            if (!damaged.contains(day))
                damaged << day;
            return false;
        }
        ++tries;
        if (streamRunning)
            sendFinish();
        askForCurrentDay();
        return true;
    }

    // Asks again from CurDay on, as a resend of the watchdog restarts reception; nothing of
    // CurDay is kept. Used for a damaged day and when the line comes back.
    void askForCurrentDay()
    {
        const bool streamed = c.RangeDownload == 1 && c.StreamFlag == QLatin1String("D");
        c.SlotIndex = 0;
        c.StopRequested = 0;
        c.RetryCount = 0;
        if (c.DayDownload == 1) {
            c.SlotsLeft = dateKey(c.CurYear, c.CurMonth, c.CurDay) == clockKey ? clockSlots : SlotsPerDay;
            setProgress(49, 1);
            showProgressText(QStringLiteral("残 ： ") + QString::number(c.SlotsLeft));
        } else {
            showProgressText(dateLabel(QString::number(c.CurDay)));
        }
        if (streamed && !restartMonthFile(monthLines.first(dayStartLine)))
            return;
        if (!restartDayFile())
            return;
        awaitDay = c.CurDay;
        sendRequest(streamed ? MonthRequest(kind, c.CurYear, c.CurMonth, c.CurDay)
                             : DayRequest(kind, c.CurYear, c.CurMonth, c.CurDay));
        armWatchdog();
        markRestartPoint(streamed);
    }

    // The line came back while the download ran: it goes on from the day being received.
    void resume()
    {
        if (!receiving())
            return;
        stopWatchdog();
        c.RetryCount = 0;
        if (c.DownloadState.isEmpty()) {
            // Nothing of the request has come yet: it goes again as it was.
            if (restart.valid && !backToRestartPoint())
                return;
            link.SendFrame(c.LastRequest.mid(1, c.LastRequest.size() - 2));
            armWatchdog();
            return;
        }
        askForCurrentDay();
    }

    // Appended to the log beside the temporary files, then reported once.
    void reportDamaged()
    {
        if (damaged.isEmpty())
            return;
        const QList<DamagedDay> days = std::exchange(damaged, {});
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm"));
        bool ok = true;
        QStringList lines = DriveMap::fileExists(DamagedDaysFile())
                                ? TextFile::readLines(DamagedDaysFile(), &ok)
                                : QStringList{};
        for (const DamagedDay &day : days)
            lines << stamp + QStringLiteral("  ") + day.text();
        DriveMap::ensureDir(TempFolder());
        if (ok)
            TextFile::writeLines(DamagedDaysFile(), lines); // the message below is what counts
        emit q.damagedDays(days);
    }

    // Moves to the month after CurMonth when the range end lies beyond it. An end before
    // the start ends the range with the start month.
    bool advanceMonth()
    {
        const int end = int(Val(s.EndDate.yy)) * 12 + int(Val(s.EndDate.mm));
        if (end <= c.CurYear * 12 + c.CurMonth)
            return false;
        if (++c.CurMonth > 12) {
            c.CurMonth = 1;
            c.CurYear += 1;
        }
        return true;
    }

    // Watchdog ----------------------------------------------------------------------------

    void expired()
    {
        stopWatchdog();
        timer1.setInterval(WatchdogMs);
        if (!active)
            return;
        c.RetryCount += 1;
        if (c.RetryCount > 2) {
            closeTempFiles();
            endDownload();
            emit q.failed({QStringLiteral("ダウンロード不良"), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ通信不良です"), true});
            return;
        }
        if (link.isOpen() && c.LastRequest.size() > 2) {
            if (restart.valid && receiving() && !backToRestartPoint())
                return;
            link.SendFrame(c.LastRequest.mid(1, c.LastRequest.size() - 2));
        }
        timer1.start();
    }

    // A frame whose ETX was lost arrives merged with the next one (separated by its STX):
    // each part is handled as the reply it was.
    void route(const QByteArray &reply, void (Impl::*handler)(const QByteArray &))
    {
        const QList<QByteArray> parts = reply.split(STX);
        for (qsizetype i = 0; i < parts.size() && receiving(); ++i) {
            const QByteArray &part = parts[i];
            if (i == 0)
                (this->*handler)(part);
            else if (part.startsWith('Y'))
                header(part);
            else if (part.startsWith('M'))
                record(part);
            else if (part.startsWith('O'))
                endOfDay();
        }
    }
    void endOfDayReply(const QByteArray &) { endOfDay(); }
};

DownloadSession::DownloadSession(AppState &state, SerialLink &link, QObject *parent)
    : QObject(parent), d(new Impl(*this, state, link, m_watchdog))
{
    m_watchdog.setObjectName(QStringLiteral("Timer1"));
    m_watchdog.setInterval(WatchdogMs);
    connect(&m_watchdog, &QTimer::timeout, this, &DownloadSession::watchdogExpired);
}

DownloadSession::~DownloadSession()
{
    delete d;
}

void DownloadSession::addReplySteps(ReplyRoutes &routes)
{
    routes.add(Reply::Y, [this](const QByteArray &t) { onHeader(t); });
    routes.add(Reply::M, [this](const QByteArray &t) { onRecord(t); });
    routes.add(Reply::O, [this](const QByteArray &t) { onEndOfDay(t); });
}

DownloadQuestion DownloadSession::dayQuestion()
{
    return {QStringLiteral("１日のﾃﾞｰﾀをﾀﾞｳﾝﾛｰﾄﾞします"), QStringLiteral("日報データのダウンロード")};
}

DownloadQuestion DownloadSession::monthQuestion()
{
    return {QStringLiteral("月間ﾃﾞｰﾀをﾀﾞｳﾝﾛｰﾄﾞします"), QStringLiteral("デマンド データのダウンロード")};
}

QString DamagedDay::text() const
{
    return QStringLiteral("子機 ") + unitId + QStringLiteral("  ") + two(year) + QStringLiteral("年") +
           two(month) + QStringLiteral("月") + two(day) + QStringLiteral("日");
}

DownloadFailure DownloadSession::damagedDaysMessage(const QList<DamagedDay> &days)
{
    QStringList lines{QStringLiteral("次の日のデータは不完全です")};
    for (const DamagedDay &day : days)
        lines << day.text();
    return {QStringLiteral("ダウンロード不良"), lines.join('\n')};
}

void DownloadSession::startDay()
{
    d->startDay();
}
void DownloadSession::startMonth()
{
    d->startMonth();
}
void DownloadSession::onHeader(const QByteArray &reply)
{
    d->route(reply, &Impl::header);
}
void DownloadSession::onRecord(const QByteArray &reply)
{
    d->route(reply, &Impl::record);
}
void DownloadSession::onEndOfDay(const QByteArray &reply)
{
    d->route(reply, &Impl::endOfDayReply);
}
void DownloadSession::watchdogExpired()
{
    d->expired();
}
void DownloadSession::resumeAfterReconnect()
{
    d->resume();
}
void DownloadSession::abandon()
{
    if (d->active)
        d->stopHere();
}
bool DownloadSession::isRunning() const
{
    return d->active;
}
