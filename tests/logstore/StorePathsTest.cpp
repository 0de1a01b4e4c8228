#include "logstore/StorePaths.h"
#include "common/Vb.h"
#include "logstore/DownloadRequests.h"
#include "testmain.h"

#include <QTest>

class StorePathsTest : public QObject {
    Q_OBJECT
private slots:
    void kindFolder_data();
    void kindFolder();
    void logPaths_data();
    void logPaths();
    void tempFiles();
    void requests_data();
    void requests();
    void monthLengths_data();
    void monthLengths();
    void clockSlot_data();
    void clockSlot();
};

void StorePathsTest::kindFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("folder");
    QTest::newRow("A") << "A"
                       << "\\ZR1";
    QTest::newRow("B") << "B"
                       << "\\ZR1";
    QTest::newRow("WJ") << "WJ"
                        << "\\ZR4";
    QTest::newRow("C") << "C"
                       << "\\ZR3";
    QTest::newRow("D") << "D"
                       << "\\ZR2";
    QTest::newRow("G has none") << "G"
                                << "";
    QTest::newRow("lower case is no kind") << "a"
                                           << "";
}

void StorePathsTest::kindFolder()
{
    QFETCH(QString, kind);
    QFETCH(QString, folder);
    QCOMPARE(KindFolder(kind), folder);
}

void StorePathsTest::logPaths_data()
{
    QTest::addColumn<QString>("kindFolder");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("dayFile");
    QTest::addColumn<QString>("monthFile");
    QTest::newRow("5 Jan 13") << "\\ZR1" << 13 << 1 << 5 << "C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05\\m01d05.TXT"
                              << "C:\\GRP01\\ZR1\\Y2013\\M01\\CH05\\MnLog.TXT";
    QTest::newRow("31 Dec 99") << "\\ZR2" << 99 << 12 << 31 << "C:\\GRP01\\ZR2\\Y2099\\DAY\\CH05\\m12d31.TXT"
                               << "C:\\GRP01\\ZR2\\Y2099\\M12\\CH05\\MnLog.TXT";
    QTest::newRow("year 00") << "\\ZR4" << 0 << 2 << 29 << "C:\\GRP01\\ZR4\\Y2000\\DAY\\CH05\\m02d29.TXT"
                             << "C:\\GRP01\\ZR4\\Y2000\\M02\\CH05\\MnLog.TXT";
}

void StorePathsTest::logPaths()
{
    QFETCH(QString, kindFolder);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, dayFile);
    QFETCH(QString, monthFile);
    const QString group = QStringLiteral("C:\\GRP01");
    QCOMPARE(DayLogFile(group, kindFolder, year, month, day, QStringLiteral("05")), dayFile);
    QCOMPARE(MonthLogFile(group, kindFolder, year, month, QStringLiteral("05")), monthFile);
    // The day view slices the channel out of characters 24-27.
    QCOMPARE(Mid(dayFile, 24, 4), QStringLiteral("CH05"));
}

void StorePathsTest::tempFiles()
{
    QCOMPARE(TempDayFile(), QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_DAY.TXT"));
    QCOMPARE(TempMonthFile(), QStringLiteral("C:\\ZRLOG\\TEMP\\KOKI_MON.TXT"));
}

void StorePathsTest::requests_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QByteArray>("dayRequest");
    QTest::addColumn<QByteArray>("monthRequest");
    QTest::newRow("A, leap year") << "A" << 12 << 11 << 20 << QByteArray("RM1120BB12ID")
                                  << QByteArray("RM1120AC12ID");
    QTest::newRow("B") << "B" << 13 << 1 << 1 << QByteArray("RM0101BB13ID") << QByteArray("RM0101AA13ID");
    QTest::newRow("D") << "D" << 13 << 2 << 1 << QByteArray("RM0201BB13ID") << QByteArray("RM0201AA13ID");
    QTest::newRow("C") << "C" << 9 << 12 << 31 << QByteArray("TM1231BB09ID") << QByteArray("TM1231AA09ID");
    QTest::newRow("WJ, year 00") << "WJ" << 0 << 2 << 5 << QByteArray("BM0205BB00ID")
                                 << QByteArray("BM0205AC00ID");
    QTest::newRow("G sends nothing") << "G" << 13 << 1 << 1 << QByteArray() << QByteArray();
}

void StorePathsTest::requests()
{
    QFETCH(QString, kind);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QByteArray, dayRequest);
    QFETCH(QByteArray, monthRequest);
    QCOMPARE(DayRequest(kind, year, month, day), dayRequest);
    QCOMPARE(MonthRequest(kind, year, month, day), monthRequest);
    QCOMPARE(FinishRequest(), QByteArray("FNID"));
}

void StorePathsTest::monthLengths_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QList<int>>("lengths"); // months 0..13
    QTest::addColumn<QByteArray>("rangeCode");
    const QList<int> common{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};
    QList<int> leap = common;
    leap[2] = 29;
    QTest::newRow("13") << 13 << common << QByteArray("AA");
    QTest::newRow("12") << 12 << leap << QByteArray("AC");
    QTest::newRow("00") << 0 << leap << QByteArray("AC");
    QTest::newRow("99") << 99 << common << QByteArray("AA");
}

void StorePathsTest::monthLengths()
{
    QFETCH(int, year);
    QFETCH(QList<int>, lengths);
    QFETCH(QByteArray, rangeCode);
    for (int m = 0; m <= 13; ++m)
        QCOMPARE(MonthLength(year, m), lengths[m]);
    QCOMPARE(RangeCode(year), rangeCode);
}

void StorePathsTest::clockSlot_data()
{
    QTest::addColumn<QString>("hh");
    QTest::addColumn<QString>("mi");
    QTest::addColumn<int>("slot");
    QTest::newRow("10:20") << "10"
                           << "20" << 20;
    QTest::newRow("exactly 10:30 adds nothing") << "10"
                                                << "30" << 20;
    QTest::newRow("10:31") << "10"
                           << "31" << 21;
    QTest::newRow("00:00") << "00"
                           << "00" << 0;
    QTest::newRow("00:30") << "00"
                           << "30" << 0;
    QTest::newRow("00:31") << "00"
                           << "31" << 1;
    QTest::newRow("23:59") << "23"
                           << "59" << 47;
}

void StorePathsTest::clockSlot()
{
    QFETCH(QString, hh);
    QFETCH(QString, mi);
    QFETCH(int, slot);
    QCOMPARE(ClockSlot(hh, mi), slot);
}

UNITDESK_TEST(StorePathsTest)
#include "StorePathsTest.moc"
