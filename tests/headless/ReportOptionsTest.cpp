// The command line of the month report: the month, group, kind and files it takes, and a
// clear word for what it cannot take.
#include "testmain.h"

#include "headless/ReportOptions.h"

#include <QTest>

class ReportOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void takes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("kind");
        QTest::newRow("last month by default, across the year")
            << QStringList{"--pdf", "r.pdf"} << QDate(2027, 1, 3) << 2026 << 12 << "A";
        QTest::newRow("a month and a kind") << QStringList{"--month", "2026-02", "--kind=c", "--csv", "r.csv"}
                                            << QDate(2026, 12, 10) << 2026 << 2 << "C";
        QTest::newRow("last") << QStringList{"--month=last", "--csv", "r.csv"} << QDate(2026, 12, 10) << 2026
                              << 11 << "A";
    }
    void takes()
    {
        QFETCH(QStringList, args);
        QFETCH(QDate, today);
        const ReportOptions o = ParseReportOptions(args << "--group"
                                                        << "7"
                                                        << "--root"
                                                        << "/r",
                                                   today);
        QVERIFY2(o.error.isEmpty(), qPrintable(o.error));
        QTEST(o.year, "year");
        QTEST(o.month, "month");
        QTEST(o.kind, "kind");
        QCOMPARE(o.groupNo, QString("07"));
        QCOMPARE(o.root, QString("/r"));
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("no output") << QStringList{"--month", "2026-11"}
                                   << "name the output: --pdf FILE, --csv FILE or both";
        QTest::newRow("month 13") << QStringList{"--month", "2026-13", "--pdf", "r.pdf"}
                                  << "--month takes YYYY-MM (2000 to 2099) or last, not \"2026-13\"";
        QTest::newRow("a day") << QStringList{"--month", "2026-11-05", "--pdf", "r.pdf"}
                               << "--month takes YYYY-MM (2000 to 2099) or last, not \"2026-11-05\"";
        QTest::newRow("kind") << QStringList{"--kind", "E", "--pdf", "r.pdf"}
                              << "--kind takes A, B, WJ, C, D or G, not \"E\"";
        QTest::newRow("group 51") << QStringList{"--group", "51", "--pdf", "r.pdf"}
                                  << "--group takes a group number from 01 to 50, not \"51\"";
        QTest::newRow("missing value") << QStringList{"--pdf"} << "--pdf needs a value";
        QTest::newRow("stray word") << QStringList{"--pdf", "r.pdf", "now"} << "unexpected argument now";
    }
    void refuses()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        QCOMPARE(ParseReportOptions(args, QDate(2026, 12, 10)).error, error);
    }
};

UNITDESK_TEST(ReportOptionsTest)
#include "ReportOptionsTest.moc"
