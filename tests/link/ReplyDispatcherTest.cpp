#include "link/ReplyDispatcher.h"
#include "RecordingHandlers.h"
#include "testmain.h"

#include <QTest>

class ReplyDispatcherTest : public QObject {
    Q_OBJECT
private slots:
    void routesInFixedOrder_data();
    void routesInFixedOrder();
    void oneLetterStageReadsRxCode();
};

void ReplyDispatcherTest::routesInFixedOrder_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QByteArray>("rxCodeAfter");

    using L = QStringList;
    // Taken and dropped: no one-letter "M" or "D" may see them.
    QTest::newRow("MD dropped") << QByteArray("MD0102") << L{} << QByteArray();
    QTest::newRow("DK dropped") << QByteArray("DK") << L{} << QByteArray();
    // Two-letter codes that clear RxCode.
    QTest::newRow("TW") << QByteArray("TW3010") << L{"TW:TW3010"} << QByteArray();
    QTest::newRow("TQ") << QByteArray("TQ05") << L{"TQ:TQ05"} << QByteArray();
    QTest::newRow("KK") << QByteArray("KK") << L{"KK:KK"} << QByteArray();
    QTest::newRow("KS") << QByteArray("KS010203") << L{"KS:KS010203"} << QByteArray();
    QTest::newRow("KM") << QByteArray("KM") << L{"KM:KM"} << QByteArray();
    QTest::newRow("KE runs no K") << QByteArray("KE") << L{"KE:KE"} << QByteArray();
    // Two-letter codes that leave it.
    QTest::newRow("TK runs no T") << QByteArray("TK") << L{"TK:TK"} << QByteArray("T");
    QTest::newRow("ID") << QByteArray("ID") << L{"ID:ID"} << QByteArray("I");
    QTest::newRow("ID longer") << QByteArray("IDX") << L{"ID:IDX"} << QByteArray("I");
    QTest::newRow("EX then E") << QByteArray("EX") << L{"EX:EX", "E:EX"} << QByteArray("E");
    // One-letter codes, including texts whose first two letters are no two-letter code.
    QTest::newRow("M") << QByteArray("M0000123400005678") << L{"M:M0000123400005678"} << QByteArray("M");
    QTest::newRow("MX is M") << QByteArray("MX") << L{"M:MX"} << QByteArray("M");
    QTest::newRow("Y") << QByteArray("Y05D01") << L{"Y:Y05D01"} << QByteArray("Y");
    QTest::newRow("O") << QByteArray("O") << L{"O:O"} << QByteArray("O");
    QTest::newRow("P") << QByteArray("P123456") << L{"P:P123456"} << QByteArray("P");
    QTest::newRow("D") << QByteArray("D100") << L{"D:D100"} << QByteArray("D");
    QTest::newRow("DKX is DK") << QByteArray("DKX") << L{} << QByteArray();
    QTest::newRow("Q") << QByteArray("Q12") << L{"Q:Q12"} << QByteArray("Q");
    QTest::newRow("A") << QByteArray("A130105") << L{"A:A130105"} << QByteArray("A");
    QTest::newRow("S") << QByteArray("S0101") << L{"S:S0101"} << QByteArray("S");
    QTest::newRow("C") << QByteArray("C0800") << L{"C:C0800"} << QByteArray("C");
    QTest::newRow("K") << QByteArray("K2200") << L{"K:K2200"} << QByteArray("K");
    QTest::newRow("KD is K") << QByteArray("KD") << L{"K:KD"} << QByteArray("K");
    QTest::newRow("B") << QByteArray("B01") << L{"B:B01"} << QByteArray("B");
    QTest::newRow("E DT") << QByteArray("EDT0001") << L{"E:EDT0001"} << QByteArray("E");
    QTest::newRow("E") << QByteArray("E") << L{"E:E"} << QByteArray("E");
    // Write acknowledgements are exactly two characters.
    QTest::newRow("WD") << QByteArray("WD") << L{"WD"} << QByteArray("W");
    QTest::newRow("WS") << QByteArray("WS") << L{"WS"} << QByteArray("W");
    QTest::newRow("WJ") << QByteArray("WJ") << L{"WJ"} << QByteArray("W");
    QTest::newRow("WK") << QByteArray("WK") << L{"WK"} << QByteArray("W");
    QTest::newRow("WC") << QByteArray("WC") << L{"WC"} << QByteArray("W");
    QTest::newRow("WP") << QByteArray("WP") << L{"WP"} << QByteArray("W");
    QTest::newRow("WDX") << QByteArray("WDX") << L{} << QByteArray("W");
    QTest::newRow("W alone") << QByteArray("W") << L{} << QByteArray("W");
    QTest::newRow("WT") << QByteArray("WT") << L{} << QByteArray("W");
    QTest::newRow("Wd lower case") << QByteArray("Wd") << L{} << QByteArray("W");
    // Nothing at all.
    QTest::newRow("empty") << QByteArray() << L{} << QByteArray();
    QTest::newRow("unknown letter") << QByteArray("Z12") << L{} << QByteArray("Z");
    QTest::newRow("T alone") << QByteArray("T") << L{} << QByteArray("T");
    QTest::newRow("lower case md") << QByteArray("md") << L{} << QByteArray("m");
    QTest::newRow("STX inside") << QByteArray("Q\x02Q") << L{"Q:Q\x02Q"} << QByteArray("Q");
}

void ReplyDispatcherTest::routesInFixedOrder()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, calls);
    QFETCH(QByteArray, rxCodeAfter);

    RecordingHandlers handlers;
    QByteArray rxCode = text.left(1);
    DispatchReply(text, rxCode, handlers);
    QCOMPARE(handlers.calls, calls);
    QCOMPARE(rxCode, rxCodeAfter);
}

void ReplyDispatcherTest::oneLetterStageReadsRxCode()
{
    // A code cleared before dispatch runs nothing, whatever the text says.
    RecordingHandlers handlers;
    QByteArray rxCode;
    DispatchReply("Q12", rxCode, handlers);
    QVERIFY(handlers.calls.isEmpty());
}

UNITDESK_TEST(ReplyDispatcherTest)
#include "ReplyDispatcherTest.moc"
