#include "HeadlessDownload.h"

#include "common/AppState.h"
#include "common/Vb.h"
#include "link/ReplyRoutes.h"
#include "link/SerialLink.h"
#include "logstore/DownloadSession.h"
#include "logstore/RecordLine.h"

namespace {

constexpr int AnswerMs = 3000; // as long as the download watchdog waits for a reply
// Records in a row in another kind's layout that tell of a unit of another kind: one or two
// could be a damaged line.
constexpr int OtherKindRecords = 3;

// The record has the layout of a kind other than the one asked for, and not its own.
bool otherKindsLayout(const QByteArray &reply, const QString &kind)
{
    if (RecordHasLayout(reply, kind))
        return false;
    for (const char *other : {"A", "D", "WJ"})
        if (RecordHasLayout(reply, QString::fromLatin1(other)))
            return true;
    return false;
}

QString two(int value)
{
    return Format(value, QStringLiteral("00"));
}

DateText dateText(const QDate &d)
{
    return {two(d.year() % 100), two(d.month()), two(d.day())};
}

} // namespace

HeadlessDownload::HeadlessDownload(AppState &state, SerialLink &link, DownloadSession &session,
                                   ReplyRoutes &routes, QObject *parent)
    : QObject(parent), m_state(state), m_link(link), m_session(session)
{
    m_answer.setObjectName(QStringLiteral("AnswerTimer"));
    m_answer.setSingleShot(true);
    m_answer.setInterval(AnswerMs);
    connect(&m_answer, &QTimer::timeout, this, &HeadlessDownload::answerMissing);
    routes.add(Reply::ID, [this](const QByteArray &) { selected(); });
    routes.add(Reply::Q, [this](const QByteArray &reply) { sprayNoReply(reply); });
    routes.add(Reply::M, [this](const QByteArray &reply) { recordReply(reply); });
    connect(&session, &DownloadSession::dayStored, this, [this] {
        if (m_stage == Stage::Downloading)
            ++m_current.daysStored;
    });
    connect(&session, &DownloadSession::failed, this, [this](const DownloadFailure &f) {
        if (m_stage == Stage::Downloading && m_current.failure.isEmpty())
            m_current.failure = f.title + QStringLiteral(": ") + QString(f.text).replace('\n', QStringLiteral(" / "));
    });
    connect(&session, &DownloadSession::damagedDays, this, [this](const QList<DamagedDay> &days) {
        if (m_stage != Stage::Downloading || !m_current.failure.isEmpty())
            return;
        const DownloadFailure f = DownloadSession::damagedDaysMessage(days);
        m_current.failure = f.title + QStringLiteral(": ") + QString(f.text).replace('\n', QStringLiteral(" / "));
    });
    // Queued: a failure is reported after the end, and the next unit is selected only
    // once the session has left the reply that ended this one.
    connect(&session, &DownloadSession::ended, this, [this] {
        if (m_stage == Stage::Downloading)
            QMetaObject::invokeMethod(this, &HeadlessDownload::endUnit, Qt::QueuedConnection);
    });
}

void HeadlessDownload::start(const QList<DownloadUnit> &units, const QDate &from, const QDate &to)
{
    m_units = units;
    m_from = from;
    m_to = to;
    m_index = 0;
    m_outcomes.clear();
    next();
}

void HeadlessDownload::next()
{
    if (m_index >= m_units.size()) {
        m_stage = Stage::Idle;
        emit finished();
        return;
    }
    m_current = {m_units[m_index], 0, {}};
    emit unitStarted(m_current.unit, int(m_index), int(m_units.size()));
    // The unit context as the main window's unit ID and kind lists set it.
    m_state.SelectedUnitId = m_current.unit.unitId;
    m_state.UnitTypeCode = m_current.unit.kind;
    m_stage = Stage::Selecting;
    if (!m_link.isOpen()) {
        m_current.failure = QStringLiteral("the port is closed");
        endUnit();
        return;
    }
    m_link.SendFrame("ID" + m_current.unit.unitId.toLatin1() + "ID");
    m_answer.start();
}

void HeadlessDownload::selected()
{
    if (m_stage != Stage::Selecting)
        return;
    m_answer.stop();
    if (m_current.unit.kind == QLatin1String("WJ")) {
        // A water-spray unit's logs go under its spray number, which its poll reply gives.
        m_stage = Stage::AskingSprayNo;
        m_link.SendFrame("E101RS01ID");
        m_answer.start();
        return;
    }
    beginDownload();
}

void HeadlessDownload::sprayNoReply(const QByteArray &reply)
{
    if (m_stage != Stage::AskingSprayNo)
        return;
    m_answer.stop();
    m_state.SprayNo = QString::fromLatin1(Mid(reply, 18, 2));
    beginDownload();
}

void HeadlessDownload::recordReply(const QByteArray &reply)
{
    if (m_stage != Stage::Downloading || !m_current.failure.isEmpty())
        return;
    m_otherKindRecords = otherKindsLayout(reply, m_current.unit.kind) ? m_otherKindRecords + 1 : 0;
    if (m_otherKindRecords < OtherKindRecords)
        return;
    // Stored under this kind, the records would be taken apart wrong and fill the store
    // with damaged days: the unit is left for a run with its kind.
    m_current.failure = QStringLiteral("子機 %1: replies are not of kind %2; give its kind with --kind %1:K")
                            .arg(m_current.unit.unitId, m_current.unit.kind);
    m_session.abandon();
}

void HeadlessDownload::answerMissing()
{
    if (m_stage != Stage::Selecting && m_stage != Stage::AskingSprayNo)
        return;
    m_current.failure = m_stage == Stage::Selecting
                            ? QStringLiteral("the unit does not answer its selection (ID%1ID)").arg(m_current.unit.unitId)
                            : QStringLiteral("the water-spray unit does not answer its poll (E101RS01ID)");
    endUnit();
}

void HeadlessDownload::beginDownload()
{
    m_stage = Stage::Downloading;
    m_otherKindRecords = 0;
    const QDateTime now = clock();
    m_state.UnitClock.yy = two(now.date().year() % 100);
    m_state.UnitClock.mm = two(now.date().month());
    m_state.UnitClock.dd = two(now.date().day());
    m_state.UnitClock.hh = two(now.time().hour());
    m_state.UnitClock.mi = two(now.time().minute());
    m_state.UnitClock.ss = two(now.time().second());
    m_state.StartDate = dateText(m_from);
    m_state.EndDate = dateText(m_to);
    m_session.startMonth();
}

void HeadlessDownload::endUnit()
{
    if (m_stage == Stage::Idle || m_stage == Stage::Between)
        return;
    m_stage = Stage::Between;
    m_answer.stop();
    m_outcomes << m_current;
    emit unitEnded(m_current);
    ++m_index;
    QMetaObject::invokeMethod(this, &HeadlessDownload::next, Qt::QueuedConnection);
}
