#include "viewers/LogSeriesCodec.h"
#include "testmain.h"

#include <QTest>

using LogView::View;
Q_DECLARE_METATYPE(LogView::View)

namespace {
QString record(const QString &day, const QString &time, const QStringList &fields)
{
    return day + '\t' + time + '\t' + fields.join('\t');
}

// The table of a log as a view that shows it makes it.
LogSeries::Table table(View view, const QString &kind, const QStringList &lines)
{
    return LogSeries::table(view, kind, lines, LogView::decode(view, kind, QString(), lines));
}

double ms(int y, int m, int d, int hh, int mm)
{
    return double(QDateTime(QDate(y, m, d), QTime(hh, mm)).toMSecsSinceEpoch());
}
} // namespace

class LogSeriesCodecTest : public QObject {
    Q_OBJECT
private slots:
    // The whole CSV file, byte for byte, for each kind and for lines a view cannot place.
    void csv_data()
    {
        QTest::addColumn<View>("view");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("csv");
        const QByteArray bom = "\xEF\xBB\xBF";
        const QByteArray headerA = bom + "日付,時刻,平均電流値[A],制御時電流値[A],制御秒[sec],休止秒[sec]\r\n";
        QTest::newRow("A day") << View::Daily << "A"
                               << QStringList{"13/11/12", record("12", "10:00", {"0123", "0100", "0900", "0900"}),
                                              record("12", "10:30", {" 123", "  10", " 900", "   9"})}
                               << headerA + "2013-11-12,10:00,12.3,10.0,900,900\r\n"
                                            "2013-11-12,10:30,12.3,1.0,900,9\r\n";
        QTest::newRow("C: below zero, beyond the range")
            << View::Daily << "C" << QStringList{"13/11/12", record("12", "00:00", {"0950", "1900", "1000", "1234"})}
            << bom + "日付,時刻,00_分[℃],07_分[℃],15_分[℃],22_分[℃]\r\n"
                     "2013-11-12,00:00,-5.0,0.0,0.0,23.4\r\n";
        QTest::newRow("D day: one column") << View::Daily << "D" << QStringList{"13/11/12", "12\t10:00\t01234"}
                                           << bom + "日付,時刻,平均電力値[kW]\r\n2013-11-12,10:00,123.4\r\n";
        QTest::newRow("D month") << View::Monthly << "D" << QStringList{"13/11", "05\t10:30\t  234"}
                                 << bom + "日付,時刻,消費電力値[kW]\r\n2013-11-05,10:30,23.4\r\n";
        QTest::newRow("WJ: the mode is a code")
            << View::Daily << "WJ" << QStringList{"13/11/12", record("12", "10:30", {"0150", "1203", "0042", "0275"})}
            << bom + "日付,時刻,平均電流値[A],制御 モード,噴射時間秒[sec],平均温度[℃]\r\n"
                     "2013-11-12,10:30,15.0,20,42,27.5\r\n";
        QTest::newRow("G: no values") << View::Daily << "G"
                                      << QStringList{"13/11/12", record("12", "10:30", {"0150", "1203"})}
                                      << bom + "日付,時刻\r\n2013-11-12,10:30\r\n";
        QTest::newRow("month: day from the line, impossible days left out")
            << View::Monthly << "A"
            << QStringList{"13/11", record("05", "10:30", {"0021", "0100", "0900", "0900"}),
                           record("31", "00:00", {"0021", "0100", "0900", "0900"}),
                           record("xx", "00:00", {"0021", "0100", "0900", "0900"})}
            << headerA + "2013-11-05,10:30,2.1,10.0,900,900\r\n";
        QTest::newRow("non-digit fields, bad times, short lines")
            << View::Daily << "A"
            << QStringList{"13/11/12", record("12", "10:30", {"abcd", "abcd", "abcd", "abcd"}),
                           record("12", "1x:00", {"0123", "0100", "0900", "0900"}), "12\t10", "12\t10:0", "",
                           "12\t11:00\t0123"}
            << headerA + "2013-11-12,10:30,0.0,0.0,,\r\n"
                         "2013-11-12,11:00,12.3,0.0,,\r\n";
        QTest::newRow("header only") << View::Daily << "A" << QStringList{"13/11/12"} << headerA;
        QTest::newRow("no header date") << View::Daily << "A"
                                        << QStringList{"garbage", record("12", "10:00", {"0123", "0100", "0900", "0900"})}
                                        << headerA;
        QTest::newRow("empty file") << View::Monthly << "A" << QStringList{} << headerA;
    }
    void csv()
    {
        QFETCH(View, view);
        QFETCH(QString, kind);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, csv);
        QCOMPARE(LogSeries::csv(table(view, kind, lines)), csv);
    }

    void aDayHasFortyEightSlotsAtMost()
    {
        QStringList day{"13/11/12"};
        for (int n = 0; n < 50; ++n)
            day << record("12", QTime(0, 0).addSecs(1800 * (n % 48)).toString("hh:mm"), {"0001", "0", "0", "0"});
        const LogSeries::Table t = table(View::Daily, "A", day);
        QCOMPARE(t.records.size(), 48);
        QCOMPARE(t.from, QDateTime(QDate(2013, 11, 12), QTime(0, 0)));
        QCOMPARE(t.to, QDateTime(QDate(2013, 11, 13), QTime(0, 0)));
        const LogSeries::Table m = table(View::Monthly, "A", {"13/02"});
        QCOMPARE(m.from, QDateTime(QDate(2013, 2, 1), QTime(0, 0)));
        QCOMPARE(m.to, QDateTime(QDate(2013, 3, 1), QTime(0, 0)));
    }

    // A line of the chart breaks where a half hour has no record or no number.
    void chartRuns()
    {
        const QStringList day{"13/11/12",
                              record("12", "00:00", {"0010", "0000", "0900", "0900"}),
                              record("12", "00:30", {"0020", "0000", "abcd", "0900"}),
                              record("12", "01:30", {"0030", "0000", "0900", "0900"}),
                              record("12", "02:00", {"0040", "0000", "0900", "0900"})};
        const QList<LogSeries::Series> s = LogSeries::chartSeries(table(View::Daily, "A", day));
        QCOMPARE(s.size(), 4);
        QCOMPARE(s[0].name, QStringLiteral("平均電流値"));
        QCOMPARE(s[0].unit, QStringLiteral("A"));
        using Runs = QList<QList<QPointF>>;
        QCOMPARE(s[0].runs, (Runs{{{ms(2013, 11, 12, 0, 0), 1.0}, {ms(2013, 11, 12, 0, 30), 2.0}},
                                  {{ms(2013, 11, 12, 1, 30), 3.0}, {ms(2013, 11, 12, 2, 0), 4.0}}}));
        QCOMPARE(s[2].unit, QStringLiteral("sec"));
        QCOMPARE(s[2].runs, (Runs{{{ms(2013, 11, 12, 0, 0), 900.0}},
                                  {{ms(2013, 11, 12, 1, 30), 900.0}, {ms(2013, 11, 12, 2, 0), 900.0}}}));
        QVERIFY(LogSeries::chartSeries(table(View::Daily, "G", day)).isEmpty());
        QCOMPARE(LogSeries::chartSeries(table(View::Monthly, "D", {"13/11", "12\t00:00\t00010"})).size(),
                 1);
    }

    void fileNames()
    {
        QCOMPARE(LogSeries::fileNameFor("C:\\GRP01\\ZR1\\Y2026\\DAY\\CH05\\m12d07.TXT", "csv"),
                 QStringLiteral("m12d07.csv"));
        QCOMPARE(LogSeries::fileNameFor("/tmp/x/MnLog.TXT", "png"), QStringLiteral("MnLog.png"));
    }
};

UNITDESK_TEST(LogSeriesCodecTest)
#include "LogSeriesCodecTest.moc"
