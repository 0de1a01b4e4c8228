#pragma once
// Downloads without a window: the units one after another on the one line, each selected
// as the main window selects it and fetched by the same download session as the main
// window's range download. Reports through signals; the command shows them on a terminal.
#include "DownloadOptions.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

struct AppState;
class DownloadSession;
class ReplyRoutes;
class SerialLink;

struct UnitOutcome {
    DownloadUnit unit;
    int daysStored = 0;
    QString failure; // empty when the unit's download went through whole
    bool ok() const { return failure.isEmpty(); }
};

class HeadlessDownload : public QObject {
    Q_OBJECT
public:
    HeadlessDownload(AppState &state, SerialLink &link, DownloadSession &session, ReplyRoutes &routes,
                     QObject *parent = nullptr);

    void start(const QList<DownloadUnit> &units, const QDate &from, const QDate &to);
    bool isRunning() const { return m_stage != Stage::Idle; }
    const QList<UnitOutcome> &outcomes() const { return m_outcomes; }

    // How long a unit may take to answer its selection (and a water-spray unit its poll).
    QTimer &answerWatchdog() { return m_answer; }
    // The unit's clock as the download takes it (the PC clock; tests set their own).
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

signals:
    void unitStarted(const DownloadUnit &unit, int index, int count);
    void unitEnded(const UnitOutcome &outcome);
    void finished();

private:
    enum class Stage { Idle, Selecting, AskingSprayNo, Downloading, Between };
    void next();
    void selected();
    void sprayNoReply(const QByteArray &reply);
    void recordReply(const QByteArray &reply);
    void answerMissing();
    void beginDownload();
    void endUnit();

    AppState &m_state;
    SerialLink &m_link;
    DownloadSession &m_session;
    QTimer m_answer;
    Stage m_stage = Stage::Idle;
    QList<DownloadUnit> m_units;
    QDate m_from, m_to;
    qsizetype m_index = 0;
    UnitOutcome m_current;
    int m_otherKindRecords = 0; // records in a row in another kind's layout
    QList<UnitOutcome> m_outcomes;
};
