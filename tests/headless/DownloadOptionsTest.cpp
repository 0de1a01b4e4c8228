// The command line of the headless download: what it fetches, and a clear word for every
// argument it cannot take.
#include "testmain.h"

#include "headless/DownloadOptions.h"

#include <QTest>

namespace {
const QDate Today(2026, 12, 10);
}

class DownloadOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void takes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QList<DownloadUnit>>("units");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("defaults to yesterday") << QStringList{"--unit", "5"} << QList<DownloadUnit>{{"05", "A"}}
                                               << QDate(2026, 12, 9) << QDate(2026, 12, 9);
        QTest::newRow("kinds per unit, order kept")
            << QStringList{"--unit", "07", "--kind", "C", "--unit=0", "--kind=00:wj", "--from", "2026-11-28", "--to", "today"}
            << QList<DownloadUnit>{{"07", "C"}, {"00", "WJ"}} << QDate(2026, 11, 28) << Today;
        QList<DownloadUnit> all;
        for (int n = 1; n <= 12; ++n)
            all << DownloadUnit{QString::number(n).rightJustified(2, '0'), n == 3 ? "D" : "A"};
        QTest::newRow("all") << QStringList{"--all", "--kind", "03:D", "--from", "yesterday"} << all
                             << QDate(2026, 12, 9) << QDate(2026, 12, 9);
    }
    void takes()
    {
        QFETCH(QStringList, args);
        const DownloadOptions o = ParseDownloadOptions(args << "--root" << "/r" << "--com" << "COM3=/dev/x" << "--baud"
                                                            << "115200" << "--group" << "7",
                                                       Today);
        QVERIFY2(o.error.isEmpty(), qPrintable(o.error));
        QTEST(o.units, "units");
        QTEST(o.from, "from");
        QTEST(o.to, "to");
        QCOMPARE(o.root, QString("/r"));
        QCOMPARE(o.devices, (QMap<int, QString>{{3, "/dev/x"}}));
        QCOMPARE(o.baud, 115200);
        QCOMPARE(o.groupNo, QString("07"));
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown option") << QStringList{"--unit", "1", "--fast"} << "unknown option --fast";
        QTest::newRow("stray word") << QStringList{"--unit", "1", "now"} << "unexpected argument now";
        QTest::newRow("no units") << QStringList{} << "name the units: --unit ID (repeatable) or --all";
        QTest::newRow("unit 13") << QStringList{"--unit", "13"}
                                 << "--unit takes a unit ID from 00 to 12, not \"13\"";
        QTest::newRow("unit -1") << QStringList{"--unit", "-1"}
                                 << "--unit takes a unit ID from 00 to 12, not \"-1\"";
        QTest::newRow("missing value") << QStringList{"--all", "--from"} << "--from needs a value";
        QTest::newRow("not a date") << QStringList{"--all", "--from", "2026-02-30"}
                                    << "--from takes a date (YYYY-MM-DD, 2000 to 2099), yesterday or today, not "
                                       "\"2026-02-30\"";
        QTest::newRow("year the unit cannot log") << QStringList{"--all", "--to", "2100-01-01"}
                                                  << "--to takes a date (YYYY-MM-DD, 2000 to 2099), yesterday or "
                                                     "today, not \"2100-01-01\"";
        QTest::newRow("from after to") << QStringList{"--all", "--from", "today", "--to", "2026-12-01"}
                                       << "--from 2026-12-10 is after --to 2026-12-01";
        // A day that has not come has no log to fetch.
        QTest::newRow("days after today") << QStringList{"--all", "--from", "2027-01-01", "--to", "2027-01-02"}
                                          << "--from 2027-01-01 is after today (2026-12-10): a day that has not "
                                             "come has no log";
        QTest::newRow("range past today") << QStringList{"--all", "--from", "today", "--to", "2026-12-11"}
                                          << "--to 2026-12-11 is after today (2026-12-10): a day that has not "
                                             "come has no log";
        QTest::newRow("kind") << QStringList{"--all", "--kind", "X"}
                              << "--kind takes A, B, WJ, C, D or G, or ID:KIND such as 05:C, not \"X\"";
        QTest::newRow("kind of a unit not fetched") << QStringList{"--unit", "1", "--kind", "02:C"}
                                                    << "--kind 02:C names a unit that is not fetched";
        QTest::newRow("all and unit") << QStringList{"--all", "--unit", "1"} << "--all and --unit exclude each other";
        QTest::newRow("baud") << QStringList{"--all", "--baud", "2400"}
                              << "--baud takes 4800, 9600, 19200, 38400, 57600 or 115200, not \"2400\"";
        QTest::newRow("group") << QStringList{"--all", "--group", "51"}
                               << "--group takes a group number from 01 to 50, not \"51\"";
        QTest::newRow("com") << QStringList{"--all", "--com", "COM27=/dev/x"}
                             << "--com takes COMn=DEVICE with n from 1 to 26, not \"COM27=/dev/x\"";
    }
    void refuses()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        const DownloadOptions o = ParseDownloadOptions(args, Today);
        QCOMPARE(o.error, error);
        QVERIFY(o.units.isEmpty());
    }
};

UNITDESK_TEST(DownloadOptionsTest)
#include "DownloadOptionsTest.moc"
