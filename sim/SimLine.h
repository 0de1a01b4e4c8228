#pragma once
// A line of simulated units. A serial port on the line (a pseudo-terminal's slavePath(),
// or the in-process portDevice(); see SimWire) talks to units "00".."12" as it would on the
// real bus: unit selection, monitoring and clock replies, log downloads (streamed or day by
// day), the finish request, and fault knobs for the failure paths. Runs in the caller's
// event loop.
#include "SimUnit.h"
#include "SimWire.h"
#include "UnitReplies.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTimer>

class LineWriter;

// A record of one day and slot that the line damages: sent cut short, not sent at all, or
// with a non-digit in a field; on the first transfer that carries it, or on every one.
struct RecordFault {
    enum Kind { Cut, Lost, NonDigit };
    Kind kind = Cut;
    QDate date; // the logged day
    int slot = 0;
    bool everyTry = false;

    // "cut|lost|garble:yyyy-MM-dd:SLOT[:every]", e.g. "lost:2013-10-02:11:every".
    static std::optional<RecordFault> fromDescription(const QString &description, QString *error = nullptr);
};

class SimLine : public QObject {
    Q_OBJECT
public:
    // The demo population, unit "01" selected; on a pseudo-terminal unless told otherwise.
    explicit SimLine(SimWire::Kind wire = SimWire::Kind::PseudoTerminal, QObject *parent = nullptr);
    ~SimLine() override;

    bool isValid() const { return m_wire.isValid(); }
    SimWire &wire() { return m_wire; }
    QString slavePath() const { return m_wire.portPath(); }    // on a pseudo-terminal
    QIODevice *portDevice() const { return m_wire.portEnd(); } // in-process

    // Units on the line. A unit that is not on the line answers nothing.
    void setUnit(const SimUnit &unit); // adds or replaces by id
    void removeUnit(const QByteArray &id);
    void clearUnits();
    SimUnit *unit(const QByteArray &id); // nullptr when absent
    QList<QByteArray> unitIds() const { return m_units.keys(); }
    // The unit that answers every request but "ID" (the last one selected).
    QByteArray selectedUnit() const { return m_selected; }
    void setSelectedUnit(const QByteArray &id);
    // Sets the clock of every unit now on the line (units added later keep their own).
    void setClock(const QDateTime &t, bool running = true);

    // Spontaneous replies of the selected unit: "Q" and "A" every so many ms (0 = never);
    // both 5000 at start. They pause while a log transfer runs.
    void setMonitorIntervalMs(int ms);
    void setClockIntervalMs(int ms);
    int monitorIntervalMs() const { return m_monitorTimer.isActive() ? m_monitorTimer.interval() : 0; }
    int clockIntervalMs() const { return m_clockTimer.isActive() ? m_clockTimer.interval() : 0; }

    void setBaud(int baud);    // pace the output at baud / 11 characters a second; 0 = unpaced
    void setLatencyMs(int ms); // delay before each answer to a request

    // Faults. Every knob counts what happens from the moment it is set.
    // The next `requests` request frames ("ID" included) are taken and not answered.
    void setSilence(int requests);
    // The transfer in progress or the next one stops after `records` more records (no
    // "O"); the next `thenSilentRequests` requests after that are not answered either.
    void setSilenceAfterRecords(int records, int thenSilentRequests = 0);
    // The frame sent after `afterFrames` others goes without its ETX.
    void setDropEtx(int afterFrames = 0);
    // The frame sent after `afterFrames` others has its text cut to `chars` characters.
    void setTruncate(int chars, int afterFrames = 0);
    // A few bytes of line noise (never STX or ETX) before every frame.
    void setNoise(bool on) { m_noise = on; }
    // Damages one record of the logs the line sends (see RecordFault). Adds to the others.
    void addRecordFault(const RecordFault &fault);
    void clearRecordFaults() { m_recordFaults.clear(); }

    // Every request text received, in order (also those not answered).
    QList<QByteArray> requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    bool transferActive() const { return m_transfer.active; }
    bool waitingForFinish() const { return m_transfer.active && m_transfer.waitingForFinish; }

public slots:
    void sendMonitoring(); // what the monitoring timer does
    void sendClock();      // what the clock timer does

signals:
    void requestReceived(const QByteArray &text);
    void replySent(const QByteArray &text); // the text as framed (after truncation)

private:
    struct Transfer {
        bool active = false;
        bool waitingForFinish = false; // today's completed records are out; "FN" ends it
        SimUnit unit;                  // as it was when the request came
        int yy = 0, mm = 0, day = 0, lastDay = 0;
        QDate today;
        int todaySlots = 0;
        bool nextDayFollows = false; // a streamed day after the first
    };

    void onReadable();
    void takeRequest(const QByteArray &text);
    void answer(const QByteArray &text);
    void startTransfer(const SimUnit &unit, const unitreply::LogRequest &request);
    void pumpTransfer();
    void onDrained();
    void endTransfer();
    void sendFrame(const QByteArray &text);
    const SimUnit *selected() const;

    SimWire m_wire;
    LineWriter *m_writer = nullptr;
    QByteArray m_rx;
    bool m_rxSynced = false;

    QMap<QByteArray, SimUnit> m_units;
    QByteArray m_selected = "01";
    QTimer m_monitorTimer, m_clockTimer;
    int m_tick = 0;
    int m_latencyMs = 0;

    Transfer m_transfer;
    bool m_pumpDue = false; // the next day goes out once the output has drained

    int m_silence = 0;
    int m_recordsUntilSilence = -1, m_silenceAfterRecords = 0;
    int m_dropEtxIn = -1;
    int m_truncateIn = -1, m_truncateTo = 0;
    bool m_noise = false;
    struct ActiveFault {
        RecordFault fault;
        bool done = false; // a first-try-only fault that has struck
    };
    QList<ActiveFault> m_recordFaults;
    int m_framesSent = 0;

    QList<QByteArray> m_requests;
};
