#include "logstore/RecordLine.h"
#include "testmain.h"

#include <QTest>

class RecordLineTest : public QObject {
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void dayAndSlotPrefix();
    void kindGHasNoLine();
};

void RecordLineTest::lines_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("fields"); // what follows "21<TAB>10:00<TAB>", TABs as '|'

    // Kind A: field 2 is capped by field 1; the control and rest seconds are clamped.
    QTest::newRow("A as sent") << "A" << QByteArray("M0123010009000900") << "0123|0100|0900|0900";
    QTest::newRow("A f2 above f1 takes f1")
        << "A" << QByteArray("M0123020009000900") << "0123|0123|0900|0900";
    QTest::newRow("A f2 equal f1 stays") << "A" << QByteArray("M0123012309000900") << "0123|0123|0900|0900";
    QTest::newRow("A stopped at 0.9 A") << "A" << QByteArray("M0009000512001200") << "0000|0000|0000|1800";
    QTest::newRow("A 1.0 A runs") << "A" << QByteArray("M0010000512001200") << "0010|0005|1200|1200";
    QTest::newRow("A f3 above 3000 is 0") << "A" << QByteArray("M0123010030011751") << "0123|0100|0000|1800";
    QTest::newRow("A f3 3000 is 1800") << "A" << QByteArray("M0123010030001750") << "0123|0100|1800|1750";
    QTest::newRow("A f3 1751 is 1800") << "A" << QByteArray("M0123010017510000") << "0123|0100|1800|0000";
    QTest::newRow("A f3 1750 stays") << "A" << QByteArray("M0123010017509999") << "0123|0100|1750|1800";
    // Kind B: field 2 is always zero (and not read), the same clamps.
    QTest::newRow("B") << "B" << QByteArray("M0456012309001900") << "0456|0000|0900|1800";
    QTest::newRow("B ignores chars 6-9") << "B" << QByteArray("M0456ABCD09000900") << "0456|0000|0900|0900";
    QTest::newRow("B stopped") << "B" << QByteArray("M0000000000000000") << "0000|0000|0000|1800";
    // Kind C: temperatures as the unit sends them.
    QTest::newRow("C raw") << "C" << QByteArray("M1200095035000000") << "1200|0950|3500|0000";
    // Kind WJ: "00" + the mode of chars 8-9; chars 6-7 are not read; no clamps.
    QTest::newRow("WJ") << "WJ" << QByteArray("M0123XY0100300245") << "0123|0001|0030|0245";
    QTest::newRow("WJ low current") << "WJ" << QByteArray("M0005001234569999") << "0005|0012|3456|9999";
    // Kind D: one 5-digit power field, zero above 90000 and below 7.
    QTest::newRow("D") << "D" << QByteArray("M01234") << "01234";
    QTest::newRow("D 90000") << "D" << QByteArray("M90000") << "90000";
    QTest::newRow("D 90001") << "D" << QByteArray("M90001") << "00000";
    QTest::newRow("D 7") << "D" << QByteArray("M00007") << "00007";
    QTest::newRow("D 6") << "D" << QByteArray("M00006") << "00000";
    QTest::newRow("D reads 5 chars only") << "D" << QByteArray("M0123499999") << "01234";
    // Fields that are no decimal digits keep the slot with zero fields.
    QTest::newRow("A letter") << "A" << QByteArray("M01a3010009000900") << "0000|0000|0000|0000";
    QTest::newRow("A blank") << "A" << QByteArray("M0123 10009000900") << "0000|0000|0000|0000";
    QTest::newRow("A truncated") << "A" << QByteArray("M012301000900") << "0000|0000|0000|0000";
    QTest::newRow("C empty") << "C" << QByteArray("M") << "0000|0000|0000|0000";
    QTest::newRow("WJ bad mode") << "WJ" << QByteArray("M012300A100300245") << "0000|0000|0000|0000";
    QTest::newRow("D sign") << "D" << QByteArray("M-1234") << "00000";
    QTest::newRow("D truncated") << "D" << QByteArray("M123") << "00000";
    QTest::newRow("merged tail ignored")
        << "A" << QByteArray("M0123010009000900\x02M01") << "0123|0100|0900|0900";
}

void RecordLineTest::lines()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, reply);
    QFETCH(QString, fields);
    const QString line = RecordLine(reply, kind, 21, QStringLiteral("10:00"));
    QCOMPARE(line, QStringLiteral("21\t10:00\t") + QString(fields).replace('|', '\t'));
    QCOMPARE(line.size(), kind == QLatin1String("D") ? 14 : 28);
}

void RecordLineTest::dayAndSlotPrefix()
{
    QCOMPARE(RecordLine("M01234", QStringLiteral("D"), 5, QStringLiteral("23:30")),
             QStringLiteral("05\t23:30\t01234"));
}

void RecordLineTest::kindGHasNoLine()
{
    QCOMPARE(RecordLine("M0123010009000900", QStringLiteral("G"), 1, QStringLiteral("00:00")), QString());
}

UNITDESK_TEST(RecordLineTest)
#include "RecordLineTest.moc"
