#include "viewers/LogExport.h"
#include "testmain.h"

#include <QTest>

class LogExportTest : public QObject {
    Q_OBJECT
private slots:
    void csv()
    {
        const QStringList lines = LogExport::csvLines(
            {{"日 時刻", "平均電流値", ""}, {"05\t日: 10:30\t", "012.3_A", "a,b"}, {"x\"y", "", "0900_sec"}});
        QCOMPARE(lines, (QStringList{"日 時刻,平均電流値,", "05 日: 10:30,012.3_A,\"a,b\"",
                                     "\"x\"\"y\",,0900_sec"}));
        QCOMPARE(LogExport::csvFileName("C:\\GRP01\\ZR1\\Y2026\\DAY\\CH05\\m12d07.TXT"),
                 QStringLiteral("m12d07.csv"));
        QCOMPARE(LogExport::csvFileName(""), QStringLiteral(".csv"));
    }

    void cellValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("has");
        QTest::addColumn<double>("value");
        QTest::newRow("current") << "012.3_A" << true << 12.3;
        QTest::newRow("below zero") << "-05.0_℃" << true << -5.0;
        QTest::newRow("seconds") << "0900_sec" << true << 900.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("no number") << "_sec" << false << 0.0;
    }
    void cellValues()
    {
        QFETCH(QString, text);
        QFETCH(bool, has);
        QFETCH(double, value);
        double got = 0;
        QCOMPARE(LogExport::cellValue(text, &got), has);
        if (has)
            QCOMPARE(got, value);
    }
};

UNITDESK_TEST(LogExportTest)
#include "LogExportTest.moc"
