// What the month report reads of the store: the day files of the month of every channel
// folder, whatever the case of their names, each line checked against the kind's layout.
#include "testmain.h"

#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "report/ReportStore.h"

#include <QTemporaryDir>
#include <QTest>

using MonthReport::Record;

class ReportStoreTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheDayFilesOfTheMonth()
    {
        QTemporaryDir root;
        DriveMap::setRoot(root.path());
        const QString day = "C:\\GRP03\\ZR2\\Y2026\\DAY\\";
        for (const char *folder : {"ch04", "CH09", "CHX", "CH100", "CH11"})
            QVERIFY(DriveMap::ensureDir(day + folder));
        // Another case of the names, as a copy from Windows may have them.
        QVERIFY(TextFile::writeLines(day + "ch04\\M11D02.txt",
                                     {"26/11/02", "02\t10:30\t01234", "02\t10:00\t00010"}));
        // A damaged line, another day's line, a repeated half hour, a line of another kind.
        QVERIFY(TextFile::writeLines(day + "CH09\\m11d30.TXT",
                                     {"26/11/30", "30\t00:00\t0001x", "29\t00:30\t00020", "30\t01:00\t00030",
                                      "30\t01:00\t00031", "30\t01:30\t0001\t0002\t0003\t0004"}));
        QVERIFY(
            TextFile::writeLines(day + "CH09\\m11d31.TXT", {"26/11/31", "31\t00:00\t00001"})); // no such day
        QVERIFY(TextFile::writeLines(day + "CHX\\m11d01.TXT", {"26/11/01", "01\t00:00\t00001"}));
        QVERIFY(TextFile::writeLines(day + "CH11\\m10d01.TXT", {"26/10/01", "01\t00:00\t00001"})); // October

        const QList<MonthReport::ChannelLog> logs = ReportStore::readMonth("C:\\GRP03", "D", 2026, 11);
        QCOMPARE(logs.size(), 2);
        QCOMPARE(logs[0], (MonthReport::ChannelLog{4, {Record{2, 20, {10}}, Record{2, 21, {1234}}}, 0}));
        QCOMPARE(logs[1], (MonthReport::ChannelLog{9, {Record{30, 2, {30}}}, 4}));
        QVERIFY(ReportStore::readMonth("C:\\GRP03", "G", 2026, 11).isEmpty()); // kind G stores nothing
        QVERIFY(ReportStore::readMonth("C:\\GRP03", "D", 2026, 12).isEmpty());
    }
};

UNITDESK_TEST(ReportStoreTest)
#include "ReportStoreTest.moc"
