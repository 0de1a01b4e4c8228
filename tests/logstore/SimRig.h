#pragma once
// A download rig on the simulated unit line, and what the simulated unit sends: for the
// tests that run whole downloads against it.
#include "../TestLine.h"
#include "DownloadRig.h"
#include "common/Vb.h"
#include "logstore/RecordLine.h"
#include "sim/SimLine.h"
#include "sim/UnitReplies.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTest>

inline const QString TempDay = QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_DAY.TXT");

inline QString two(int v)
{
    return Format(v, QStringLiteral("00"));
}

// The lines of records 0..n-1 of a day as the simulated unit "01" sends them.
inline QStringList simLines(const QByteArray &kind, int yy, int mm, int dd, int n = 48)
{
    const QString labels = MakeSlotLabels();
    QStringList lines;
    for (int k = 0; k < n; ++k)
        lines << RecordLine("M" + unitreply::recordPayload("01", kind, yy, mm, dd, k),
                            QString::fromLatin1(kind), dd, Mid(labels, 6 * k + 1, 5));
    return lines;
}

inline QByteArray simDay(const QByteArray &kind, int yy, int mm, int dd, int n = 48)
{
    return crlfLines(QStringList{two(yy) + '/' + two(mm) + '/' + two(dd)} + simLines(kind, yy, mm, dd, n));
}

// A line with unit "01" of one kind on channel 05; its clock stands still at `now`.
struct SimRig {
    DownloadRig rig;
    SimLine sim{testLineKind()};

    SimRig(bool streaming, const QDateTime &now, const QByteArray &kind = "A")
    {
        sim.clearUnits();
        SimUnit unit;
        unit.id = "01";
        unit.kind = kind;
        unit.channel = 5;
        unit.sprayNo = 5;
        unit.streaming = streaming;
        sim.setUnit(unit);
        sim.setSelectedUnit("01");
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);
        sim.setClock(now, false);
        rig.state.UnitTypeCode = QString::fromLatin1(kind);
        rig.state.SprayNo = QStringLiteral("05");
        rig.state.UnitClock = {two(now.date().year() % 100), two(now.date().month()),  two(now.date().day()),
                               two(now.time().hour()),       two(now.time().minute()), "00"};
    }
    bool open() { return sim.isValid() && rig.openPort(sim.wire()); }
    void range(const DateText &start, const DateText &end)
    {
        rig.state.StartDate = start;
        rig.state.EndDate = end;
        rig.front->startMonth();
    }
    // Lets the line run until the download has ended and the unit has said its last word.
    bool runToEnd()
    {
        QElapsedTimer clock;
        clock.start();
        while ((rig.session.isRunning() || sim.transferActive()) && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(20);
        return !rig.session.isRunning();
    }
    int tempDayLines() const { return int(rig.file(TempDay).count('\n')); }
};

