// The month report's figures from records: each kind's columns and totals, missing and
// damaged half hours, the estimate only where a capacity is registered, rounding, the CSV.
#include "report/MonthReport.h"
#include "logstore/RecordLine.h"
#include "testmain.h"

#include <QTest>

using namespace MonthReport;
Q_DECLARE_METATYPE(MonthReport::Input)

namespace {

Record rec(int day, int slot, qint64 a, qint64 b = 0, qint64 c = 0, qint64 d = 0)
{
    return Record{day, slot, {a, b, c, d}};
}

Input input(const QString &kind, const QList<ChannelLog> &channels)
{
    Input in;
    in.kind = kind;
    in.year = 2026;
    in.month = 2; // 28 days: 1344 half hours
    in.channels = channels;
    return in;
}

} // namespace

class MonthReportTest : public QObject {
    Q_OBJECT
private slots:
    void rows_data()
    {
        QTest::addColumn<Input>("in");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QStringList>("total");

        // Channel 3 registered with a capacity, channel 7 not at all: named by its number,
        // no estimate, and the total's estimate is channel 3's alone.
        Input a = input(
            "A",
            {{3, {rec(1, 0, 123, 100, 900, 900), rec(1, 1, 124, 0, 0, 1800), rec(2, 5, 10, 10, 1800, 0)}, 2},
             {7, {rec(28, 47, 0, 0, 0, 1800)}, 0}});
        a.registry[2] = {"圧縮機1号", "K-01", "ZR-55", "メーカー", "７．５kW", "1000"};
        QTest::newRow("A") << a
                           << QList<QStringList>{{"03", "圧縮機1号", "K-01", "ZR-55", "7.5", "2", "3", "1341",
                                                  "2", "8.6", "3.7", "0.75", "0.75", "50.0", "5.6"},
                                                 {"07", "CH07", "", "", "", "1", "1", "1343", "0", "0.0",
                                                  "0.0", "0.00", "0.50", "100.0", ""}}
                           << QStringList{"合計", "", "", "",     "",     "", "4",  "2684",
                                          "2",    "", "", "0.75", "1.25", "", "5.6"};
        Input b = input("B", {{1, {rec(1, 0, 55, 0, 100, 1700)}, 0}});
        b.registry[0][4] = "_kw"; // the window's placeholder is no capacity
        QTest::newRow("B: no capacity, no estimate in the total")
            << b
            << QList<QStringList>{{"01", "CH01", "", "", "", "1", "1", "1343", "0", "5.5", "0.0", "0.03",
                                   "0.47", "94.4", ""}}
            << QStringList{"合計", "", "", "", "", "", "1", "1343", "0", "", "", "0.03", "0.47", "", ""};
        // The first of two equal peaks is the one named; energy is kW × 0.5 h.
        QTest::newRow("D") << input("D", {{12, {rec(3, 20, 1234), rec(4, 21, 4321), rec(5, 22, 4321)}, 1}})
                           << QList<QStringList>{{"12", "CH12", "", "", "", "3", "3", "1341", "1", "329.2",
                                                  "432.1", "2026-02-04 10:30", "493.8"}}
                           << QStringList{"合計", "", "", "", "", "", "3", "1341", "1", "", "", "", "493.8"};
        // Below zero, and means rounded away from zero (-2.25 -> -2.3).
        QTest::newRow("C") << input("C", {{5, {rec(1, 0, -50, 0, 250, 801), rec(1, 1, 5, -5, 251, 0)}, 0}})
                           << QList<QStringList>{{"05",   "CH05", "",     "",     "",    "1",    "2",
                                                  "1342", "0",    "-5.0", "-2.3", "0.5", "-0.5", "-0.3",
                                                  "0.0",  "25.0", "25.1", "25.1", "0.0", "40.1", "80.1"}}
                           << QStringList{"合計", "", "", "", "", "", "2", "1342", "0", "", "",
                                          "",     "", "", "", "", "", "",  "",     "",  ""};
        QTest::newRow("WJ") << input("WJ",
                                     {{9, {rec(2, 0, 150, 12, 42, 275), rec(2, 1, 151, 12, 3600, 276)}, 0}})
                            << QList<QStringList>{{"09", "CH09", "", "", "", "1", "2", "1342", "0", "15.1",
                                                   "1.01", "27.6"}}
                            << QStringList{"合計", "", "", "", "", "", "2", "1342", "0", "", "1.01", ""};
        QTest::newRow("G: the counts only")
            << input("G", {{0, {rec(1, 0, 0)}, 3}})
            << QList<QStringList>{{"00", "CH00", "", "", "", "1", "1", "1343", "3"}}
            << QStringList{"合計", "", "", "", "", "", "1", "1343", "3"};
        Input running = input("A", {{1, {rec(1, 0, 100)}, 0}});
        running.now = QDateTime(QDate(2026, 2, 1), QTime(1, 15)); // 00:00 and 00:30 have ended
        QTest::newRow("a month still running: half hours to come are not missing")
            << running
            << QList<QStringList>{{"01", "CH01", "", "", "", "1", "1", "1", "0", "10.0", "0.0", "0.00",
                                   "0.00", "0.0", ""}}
            << QStringList{"合計", "", "", "", "", "", "1", "1", "0", "", "", "0.00", "0.00", "", ""};
    }
    void rows()
    {
        QFETCH(Input, in);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QStringList, total);
        const Report r = make(in);
        QCOMPARE(r.rows, rows);
        QCOMPARE(r.total, total);
        QCOMPARE(r.columns.size(), total.size());
        QCOMPARE(r.perDay.size(), rows.size());
        QCOMPARE(r.hasEstimate, !total.last().isEmpty() && in.kind == "A");
    }

    void perDay()
    {
        const Report r = make(input(
            "A",
            {{3, {rec(1, 0, 100, 0, 0, 1800), rec(1, 1, 100, 0, 0, 1800), rec(3, 0, 100, 0, 0, 900)}, 0}}));
        QCOMPARE(r.chartTitle, QString("休止時間(h)"));
        QCOMPARE(r.perDay[0].size(), 28);
        QCOMPARE(r.perDay[0][0], std::optional<double>(1.0));
        QCOMPARE(r.perDay[0][1], std::optional<double>()); // no record is no bar, not zero
        QCOMPARE(r.perDay[0][2], std::optional<double>(0.25));
    }

    void fixedRounding_data()
    {
        QTest::addColumn<qint64>("num");
        QTest::addColumn<qint64>("den");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("half up") << qint64(1) << qint64(20) << 1 << "0.1";
        QTest::newRow("half below zero") << qint64(-1) << qint64(20) << 1 << "-0.1";
        QTest::newRow("tiny below zero is zero") << qint64(-1) << qint64(1000) << 1 << "0.0";
        QTest::newRow("hours") << qint64(5400) << qint64(3600) << 2 << "1.50";
        QTest::newRow("no decimals") << qint64(7) << qint64(2) << 0 << "4";
        QTest::newRow("large") << qint64(2678400) * 9999999 << qint64(3600000) << 1 << "7439999.3";
    }
    void fixedRounding()
    {
        QFETCH(qint64, num);
        QFETCH(qint64, den);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(fixed(num, den, decimals), text);
    }

    void capacity_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<qint64>("milli"); // -1: none
        QTest::newRow("plain") << "7.5" << qint64(7500);
        QTest::newRow("with the unit") << "11_kw" << qint64(11000);
        QTest::newRow("full width") << "２２．０ｋＷ" << qint64(22000);
        QTest::newRow("fourth decimal rounds") << "0.0015" << qint64(2);
        QTest::newRow("placeholder") << "_kw" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("zero") << "0" << qint64(-1);
        QTest::newRow("text") << "約7kW" << qint64(-1);
    }
    void capacity()
    {
        QFETCH(QString, cell);
        QFETCH(qint64, milli);
        QCOMPARE(capacityMilliKw(cell).value_or(-1), milli);
    }

    // Titles, rows and total; a name with a comma or a quote is quoted.
    void csvFile()
    {
        Input in = input("D", {{4, {rec(1, 0, 20)}, 0}});
        in.registry[3] = {"A,\"B\"", "", "", "", "", ""};
        QCOMPARE(csv(make(in)), QByteArray("\xEF\xBB\xBF"
                                           "CH,名称,管理番号,型番,容量(kW),日数,データ数,欠測数,異常数,"
                                           "平均電力(kW),最大電力(kW),最大日時,電力量(kWh)\r\n"
                                           "04,\"A,\"\"B\"\"\",,,,1,1,1343,0,2.0,2.0,2026-02-01 00:00,1.0\r\n"
                                           "合計,,,,,,1,1343,0,,,,1.0\r\n"));
    }

    void storedLineLayout_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::newRow("A") << "A"
                           << "05\t10:30\t0123\t0100\t0900\t0900" << true;
        QTest::newRow("D") << "D"
                           << "05\t23:30\t01234" << true;
        QTest::newRow("D line for A") << "A"
                                      << "05\t10:30\t01234" << false;
        QTest::newRow("a letter") << "C"
                                  << "05\t10:30\t0123\t01x0\t0900\t0900" << false;
        QTest::newRow("cut short") << "A"
                                   << "05\t10:30\t0123\t0100\t0900\t090" << false;
        QTest::newRow("blanks for zeros") << "A"
                                          << "05\t10:30\t 123\t0100\t0900\t0900" << false;
        QTest::newRow("no half hour") << "A"
                                      << "05\t10:15\t0123\t0100\t0900\t0900" << false;
        QTest::newRow("hour 24") << "A"
                                 << "05\t24:00\t0123\t0100\t0900\t0900" << false;
        QTest::newRow("day 00") << "A"
                                << "00\t10:00\t0123\t0100\t0900\t0900" << false;
        QTest::newRow("G stores none") << "G"
                                       << "05\t10:30\t0123\t0100\t0900\t0900" << false;
    }
    void storedLineLayout()
    {
        QFETCH(QString, kind);
        QFETCH(QString, line);
        QFETCH(bool, ok);
        QCOMPARE(StoredLineHasLayout(line, kind), ok);
    }
};

UNITDESK_TEST(MonthReportTest)
#include "MonthReportTest.moc"
