#include "SimLine.h"
#include "SettingsRequests.h"

#include "LineWriter.h"

namespace {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr int MaxRequest = 256; // longer than any request; a runaway frame is dropped

bool isUnitSelection(const QByteArray &text)
{
    return text.size() == 6 && text.startsWith("ID") && text.endsWith("ID") && text[2] >= '0' &&
           text[2] <= '9' && text[3] >= '0' && text[3] <= '9';
}

} // namespace

SimLine::SimLine(SimWire::Kind wire, QObject *parent) : QObject(parent), m_wire(wire)
{
    for (const SimUnit &u : SimUnit::demoPopulation())
        m_units.insert(u.id, u);

    m_monitorTimer.setObjectName(QStringLiteral("monitorTimer"));
    m_clockTimer.setObjectName(QStringLiteral("clockTimer"));
    connect(&m_monitorTimer, &QTimer::timeout, this, &SimLine::sendMonitoring);
    connect(&m_clockTimer, &QTimer::timeout, this, &SimLine::sendClock);
    setMonitorIntervalMs(5000);
    setClockIntervalMs(5000);

    if (!m_wire.isValid())
        return;
    m_writer = new LineWriter(*m_wire.unitEnd(), this);
    connect(m_writer, &LineWriter::drained, this, &SimLine::onDrained);
    connect(m_wire.unitEnd(), &QIODevice::readyRead, this, &SimLine::onReadable);
}

SimLine::~SimLine() = default;

void SimLine::setUnit(const SimUnit &unit)
{
    m_units.insert(unit.id, unit);
}

void SimLine::removeUnit(const QByteArray &id)
{
    m_units.remove(id);
}

void SimLine::clearUnits()
{
    m_units.clear();
}

SimUnit *SimLine::unit(const QByteArray &id)
{
    auto it = m_units.find(id);
    return it == m_units.end() ? nullptr : &it.value();
}

const SimUnit *SimLine::selected() const
{
    auto it = m_units.constFind(m_selected);
    return it == m_units.constEnd() ? nullptr : &it.value();
}

void SimLine::setSelectedUnit(const QByteArray &id)
{
    m_selected = id;
}

void SimLine::setClock(const QDateTime &t, bool running)
{
    for (SimUnit &u : m_units)
        u.setClock(t, running);
}

void SimLine::setMonitorIntervalMs(int ms)
{
    m_monitorTimer.stop();
    if (ms > 0)
        m_monitorTimer.start(ms);
}

void SimLine::setClockIntervalMs(int ms)
{
    m_clockTimer.stop();
    if (ms > 0)
        m_clockTimer.start(ms);
}

void SimLine::setBaud(int baud)
{
    if (m_writer)
        m_writer->setBaud(baud);
}

void SimLine::setLatencyMs(int ms)
{
    m_latencyMs = qMax(0, ms);
}

void SimLine::setSilence(int requests)
{
    m_silence = qMax(0, requests);
}

void SimLine::setSilenceAfterRecords(int records, int thenSilentRequests)
{
    m_recordsUntilSilence = records < 0 ? -1 : records;
    m_silenceAfterRecords = qMax(0, thenSilentRequests);
}

void SimLine::setDropEtx(int afterFrames)
{
    m_dropEtxIn = afterFrames < 0 ? -1 : afterFrames;
}

void SimLine::setTruncate(int chars, int afterFrames)
{
    m_truncateTo = qMax(0, chars);
    m_truncateIn = afterFrames < 0 ? -1 : afterFrames;
}

std::optional<RecordFault> RecordFault::fromDescription(const QString &description, QString *error)
{
    const QStringList parts = description.split(QLatin1Char(':'));
    const auto fail = [&](const QString &why) -> std::optional<RecordFault> {
        if (error)
            *error = QStringLiteral("record fault \"%1\": %2").arg(description, why);
        return std::nullopt;
    };
    if (parts.size() < 3 || parts.size() > 4)
        return fail(QStringLiteral("want cut|lost|garble:yyyy-MM-dd:SLOT[:every]"));
    RecordFault f;
    if (parts[0] == QLatin1String("cut"))
        f.kind = Cut;
    else if (parts[0] == QLatin1String("lost"))
        f.kind = Lost;
    else if (parts[0] == QLatin1String("garble"))
        f.kind = NonDigit;
    else
        return fail(QStringLiteral("the fault is cut, lost or garble"));
    f.date = QDate::fromString(parts[1], QStringLiteral("yyyy-MM-dd"));
    if (!f.date.isValid())
        return fail(QStringLiteral("the day is yyyy-MM-dd"));
    bool ok = false;
    f.slot = parts[2].toInt(&ok);
    if (!ok || f.slot < 0 || f.slot > 47)
        return fail(QStringLiteral("the slot is 0..47"));
    if (parts.size() == 4 && parts[3] != QLatin1String("every"))
        return fail(QStringLiteral("the last part can only be \"every\""));
    f.everyTry = parts.size() == 4;
    return f;
}

void SimLine::addRecordFault(const RecordFault &fault)
{
    m_recordFaults << ActiveFault{fault};
}

void SimLine::onReadable()
{
    for (char c : m_wire.unitEnd()->readAll()) {
        if (c == STX) { // a new frame, even inside a broken one
            m_rx.clear();
            m_rxSynced = true;
        } else if (!m_rxSynced) {
            continue; // noise between frames
        } else if (c == ETX) {
            m_rxSynced = false;
            takeRequest(m_rx);
        } else if (m_rx.size() >= MaxRequest) {
            m_rxSynced = false;
        } else {
            m_rx += c;
        }
    }
}

void SimLine::takeRequest(const QByteArray &text)
{
    m_requests << text;
    emit requestReceived(text);
    if (m_latencyMs > 0)
        QTimer::singleShot(m_latencyMs, this, [this, text] { answer(text); });
    else
        answer(text);
}

void SimLine::answer(const QByteArray &text)
{
    if (m_silence > 0) {
        --m_silence;
        return;
    }
    if (isUnitSelection(text)) {
        // Every unit hears the selection; the one that had the line stops talking.
        m_transfer.active = false;
        m_selected = text.mid(2, 2);
        if (selected())
            sendFrame("ID");
        return;
    }
    SimUnit *unit = m_units.contains(m_selected) ? &m_units[m_selected] : nullptr;
    if (!unit)
        return;
    if (const auto replies = simsettings::answer(*unit, text)) {
        for (const QByteArray &reply : *replies)
            sendFrame(reply);
    } else if (text == "FNID") {
        if (m_transfer.active)
            endTransfer();
    } else if (text == "E101RS01ID") {
        sendFrame(unitreply::monitoring(*unit, m_tick++));
    } else if (const auto request = unitreply::parseLogRequest(text)) {
        startTransfer(*unit, *request);
    }
    // Anything else is a request this line does not serve: no answer, as from a unit
    // that did not understand it.
}

void SimLine::startTransfer(const SimUnit &unit, const unitreply::LogRequest &request)
{
    const int length = unitreply::monthLength(request.mm, request.leapFebruary);
    if (request.dd < 1 || request.dd > length) {
        m_transfer.active = false;
        sendFrame("O"); // no such day: nothing to send
        return;
    }
    const QDateTime now = unit.now();
    m_transfer = Transfer();
    m_transfer.active = true;
    m_transfer.unit = unit;
    m_transfer.yy = request.yy;
    m_transfer.mm = request.mm;
    m_transfer.day = request.dd;
    m_transfer.lastDay = request.range && unit.streaming ? length : request.dd;
    m_transfer.today = now.date();
    m_transfer.todaySlots = unitreply::completedSlots(now.time());
    m_pumpDue = true;
    pumpTransfer();
}

// Sends one day (header and records); the next day of a streamed month follows on a
// later turn of the event loop, once the output has drained.
void SimLine::pumpTransfer()
{
    if (!m_pumpDue)
        return;
    m_pumpDue = false;
    Transfer &t = m_transfer;
    if (!t.active || t.waitingForFinish)
        return;
    const QDate date(2000 + t.yy, t.mm, t.day);
    const int records = date < t.today ? 48 : date == t.today ? t.todaySlots : 0;
    // What the unit logged before its log was erased is gone.
    int firstSlot = 0;
    if (const QDateTime erased = t.unit.logsErasedAt; erased.isValid() && date <= erased.date())
        firstSlot = date < erased.date() ? records : unitreply::completedSlots(erased.time());
    if (t.nextDayFollows && m_writer)
        m_writer->continueSchedule(); // the unit sends the next day straight after the last
    sendFrame(unitreply::logHeader(t.unit, t.day));
    for (int slot = firstSlot; slot < records; ++slot) {
        if (m_recordsUntilSilence == 0) {
            m_recordsUntilSilence = -1;
            m_silence = m_silenceAfterRecords;
            t.active = false;
            return;
        }
        if (m_recordsUntilSilence > 0)
            --m_recordsUntilSilence;
        QByteArray record = "M" + unitreply::recordPayload(t.unit.id, t.unit.kind, t.yy, t.mm, t.day, slot);
        bool lost = false;
        for (ActiveFault &f : m_recordFaults) {
            if (f.done || f.fault.date != date || f.fault.slot != slot)
                continue;
            f.done = !f.fault.everyTry;
            if (f.fault.kind == RecordFault::Cut)
                record.truncate(record.size() / 2);
            else if (f.fault.kind == RecordFault::NonDigit)
                record[3] = '#';
            else
                lost = true;
        }
        if (!lost)
            sendFrame(record);
    }
    if (date == t.today && records > 0) {
        t.waitingForFinish = true; // the rest of today does not exist yet
        return;
    }
    if (date < t.today && t.day < t.lastDay) {
        ++t.day;
        t.nextDayFollows = true;
        m_pumpDue = true;
        if (m_writer && m_writer->isEmpty())
            QTimer::singleShot(0, this, &SimLine::pumpTransfer);
        return;
    }
    endTransfer();
}

void SimLine::onDrained()
{
    if (m_pumpDue)
        QTimer::singleShot(0, this, &SimLine::pumpTransfer);
}

void SimLine::endTransfer()
{
    m_transfer.active = false;
    m_pumpDue = false;
    sendFrame("O");
}

void SimLine::sendMonitoring()
{
    if (const SimUnit *unit = selected(); unit && !m_transfer.active)
        sendFrame(unitreply::monitoring(*unit, m_tick++));
}

void SimLine::sendClock()
{
    if (const SimUnit *unit = selected(); unit && !m_transfer.active)
        sendFrame(unitreply::clock(*unit, unit->now()));
}

void SimLine::sendFrame(const QByteArray &text)
{
    static const QByteArray noise[] = {"x", "\xff~", QByteArray("#\0", 2), "\r\n", "\x7f!"};
    QByteArray out = text;
    bool withEtx = true;
    if (m_truncateIn == 0)
        out.truncate(m_truncateTo);
    if (m_dropEtxIn == 0)
        withEtx = false;
    m_truncateIn = m_truncateIn >= 0 ? m_truncateIn - 1 : -1;
    m_dropEtxIn = m_dropEtxIn >= 0 ? m_dropEtxIn - 1 : -1;

    QByteArray frame;
    if (m_noise)
        frame += noise[m_framesSent % 5];
    frame += STX + out;
    if (withEtx)
        frame += ETX;
    ++m_framesSent;
    if (m_writer)
        m_writer->write(frame);
    emit replySent(out);
}
