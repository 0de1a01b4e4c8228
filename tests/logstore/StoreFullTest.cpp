// A store that fills up part-way through a streamed range: every file under a final name
// is complete and exact or absent, the user is told once, and a later download with
// space completes the range. Drive C: is a small tmpfs (needs root; skipped otherwise).
#include "DownloadRig.h"
#include "common/DriveMap.h"
#include "common/Vb.h"
#include "logstore/RecordLine.h"
#include "logstore/StorePaths.h"
#include "sim/SimLine.h"
#include "sim/UnitReplies.h"
#include "testmain.h"

#include <QProcess>
#include <QTest>

namespace {

QString two(int v)
{
    return Format(v, QStringLiteral("00"));
}

QStringList simLines(int yy, int mm, int dd)
{
    const QString labels = MakeSlotLabels();
    QStringList lines;
    for (int k = 0; k < 48; ++k)
        lines << RecordLine("M" + unitreply::recordPayload("01", "A", yy, mm, dd, k), QStringLiteral("A"), dd,
                            Mid(labels, 6 * k + 1, 5));
    return lines;
}

bool run(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("mount"), arguments);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class StoreFullTest : public QObject {
    Q_OBJECT
private slots:
    void fullStoreKeepsEveryFinalFileWholeOrAbsent()
    {
        DownloadRig rig;
        const QString mountPoint = rig.root.path();
        if (!run({"-t", "tmpfs", "-o", "size=160k", "tmpfs", mountPoint}))
            QSKIP("cannot mount a small tmpfs here (needs root)");
        struct Unmount {
            QString path;
            ~Unmount() { QProcess::execute(QStringLiteral("umount"), {path}); }
        } unmount{mountPoint};
        QVERIFY(DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\TEMP")));

        SimLine sim;
        sim.clearUnits();
        SimUnit unit;
        unit.id = "01";
        unit.kind = "A";
        unit.channel = 5;
        unit.streaming = true;
        sim.setUnit(unit);
        sim.setSelectedUnit("01");
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);
        sim.setClock(QDateTime(QDate(2013, 12, 1), QTime(12, 0)), false);
        rig.state.UnitClock = {"13", "12", "01", "12", "00", "00"};
        QVERIFY(sim.isValid() && rig.openPort(sim.slavePath()));

        const auto download = [&] {
            rig.state.StartDate = {"13", "08", "01"};
            rig.state.EndDate = {"13", "10", "31"};
            rig.front->startMonth();
            QElapsedTimer clock;
            clock.start();
            while ((rig.session.isRunning() || sim.transferActive()) && clock.elapsed() < 60000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            return !rig.session.isRunning();
        };
        // Every file under a final name holds exactly what the unit sent; returns how many
        // days are stored.
        const auto checkStore = [&](int *storedDays) {
            *storedDays = 0;
            for (QDate d(2013, 8, 1); d <= QDate(2013, 10, 31); d = d.addDays(1)) {
                const QString path = DayLogFile("C:\\GRP01", "\\ZR1", 13, d.month(), d.day(), "05");
                if (!rig.exists(path))
                    continue;
                ++*storedDays;
                QCOMPARE(rig.file(path), crlfLines(QStringList{"13/" + two(d.month()) + '/' + two(d.day())} +
                                                   simLines(13, d.month(), d.day())));
            }
            for (int mm = 8; mm <= 10; ++mm) {
                const QString path = MonthLogFile("C:\\GRP01", "\\ZR1", 13, mm, "05");
                if (!rig.exists(path))
                    continue;
                QStringList lines{"13/" + two(mm)};
                for (int dd = 1; dd <= QDate(2013, mm, 1).daysInMonth(); ++dd)
                    lines += simLines(13, mm, dd);
                QCOMPARE(rig.file(path), crlfLines(lines));
            }
            // Nothing but the store's files and the temporary ones: no half-written copies.
            for (const QString &f : rig.allFiles())
                QVERIFY2(f.endsWith(".TXT"), qPrintable(f));
        };

        QVERIFY(download());
        QCOMPARE(rig.script.asked.size(), 2); // the start question, then one failure
        QCOMPARE(rig.script.asked[1].title, QStringLiteral("ダウンロード不良"));
        QVERIFY(rig.script.asked[1].text.startsWith(QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞﾃﾞｰﾀを保存できません\n")));
        QVERIFY(!rig.Timer1.isActive());
        int stored = 0;
        checkStore(&stored);
        QVERIFY(stored > 0 && stored < 92);

        // With room again, the same range is completed.
        QVERIFY(run({"-o", "remount,size=8m", mountPoint}));
        rig.script.asked.clear();
        QVERIFY(download());
        QCOMPARE(rig.script.asked.size(), 1);
        QCOMPARE(rig.Label19.text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
        checkStore(&stored);
        QCOMPARE(stored, 92);
        QCOMPARE(rig.allFiles().filter("MnLog.TXT").size(), 3);
    }
};

UNITDESK_TEST(StoreFullTest)
#include "StoreFullTest.moc"
