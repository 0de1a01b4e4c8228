// A store that fills up part-way through a streamed range: every file under a final name
// is complete and exact or absent, the user is told once, and a later download with
// space completes the range. Drive C: is a small tmpfs (needs root; skipped otherwise).
#include "SimRig.h"
#include "common/DriveMap.h"
#include "logstore/StorePaths.h"
#include "testmain.h"

#include <QProcess>
#include <QTest>

namespace {

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
        SimRig line(true, QDateTime(QDate(2013, 12, 1), QTime(12, 0)));
        DownloadRig &rig = line.rig;
        const QString mountPoint = rig.root.path();
        if (!run({"-t", "tmpfs", "-o", "size=160k", "tmpfs", mountPoint}))
            QSKIP("cannot mount a small tmpfs here (needs root)");
        struct Unmount {
            QString path;
            ~Unmount() { QProcess::execute(QStringLiteral("umount"), {path}); }
        } unmount{mountPoint};
        QVERIFY(DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\TEMP")));
        QVERIFY(line.open());

        const auto download = [&] {
            line.range({"13", "08", "01"}, {"13", "10", "31"});
            return line.runToEnd();
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
                QCOMPARE(rig.file(path), simDay("A", 13, d.month(), d.day()));
            }
            for (int mm = 8; mm <= 10; ++mm) {
                const QString path = MonthLogFile("C:\\GRP01", "\\ZR1", 13, mm, "05");
                if (!rig.exists(path))
                    continue;
                QStringList lines{"13/" + two(mm)};
                for (int dd = 1; dd <= QDate(2013, mm, 1).daysInMonth(); ++dd)
                    lines += simLines("A", 13, mm, dd);
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
