// The water-spray basic block: the 42-character payload, the "B" reply and BASE_WJ.TXT.
#include "testmain.h"

#include "control/WaterSprayBasicCodec.h"

#include <QTest>

namespace {
WaterSprayBlock sample()
{
    WaterSprayBlock b;
    b.fields = {"3", "35", "30", "180", "6", "12"};
    b.cells = {"000 _秒", "010 _秒", "020 _秒", "030 _秒", "040 _秒",
               "050 _秒", "060 _秒", "070 _秒", "",        ""};
    return b;
}
} // namespace

class WaterSprayBasicCodecTest : public QObject {
    Q_OBJECT
private slots:
    void encode()
    {
        const auto result = EncodeWaterSprayBlock(sample());
        const auto &write = std::get<WaterSprayWrite>(result);
        // 35 degrees goes as "035" and is stored as "0035"; row 5 travels in the file only.
        QCOMPARE(write.payload, QByteArray("035030180006012"
                                           "000010020030040050060070"
                                           "0"
                                           "03"));
        QCOMPARE(write.fileLine, QStringLiteral("030035003018006120"));
    }

    void refused_data()
    {
        QTest::addColumn<int>("field"); // 1..6, 0: none
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("cellText");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("four-digit temperature") << 2 << "1000" << -1 << ""
                                                << "Text2" << 0 << 0;
        QTest::newRow("empty end temperature") << 3 << "" << -1 << ""
                                               << "Text3" << 0 << 0;
        QTest::newRow("empty channel") << 1 << "" << -1 << ""
                                       << "Text1" << 0 << 0;
        QTest::newRow("rest has no code here") << 0 << "" << 2 << "休止"
                                               << "MSFlexGrid1" << 2 << 1;
        QTest::newRow("empty cell") << 0 << "" << 7 << ""
                                    << "MSFlexGrid1" << 4 << 2;
    }
    void refused()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(int, cell);
        QFETCH(QString, cellText);
        QFETCH(QString, control);
        QFETCH(int, row);
        QFETCH(int, col);
        WaterSprayBlock b = sample();
        if (field > 0)
            b.fields[field - 1] = value;
        if (cell >= 0)
            b.cells[cell] = cellText;
        QCOMPARE(std::get<BadValue>(EncodeWaterSprayBlock(b)), (BadValue{control, row, col}));
    }

    void decode()
    {
        const WaterSprayBlock b = DecodeWaterSprayReply("B035030180006012"
                                                        "000010020030040050060070"
                                                        "9"
                                                        "03"
                                                        "080090"
                                                        "ZZZ");
        QCOMPARE(b.fields, (std::array<QString, 6>{"03", "035", "030", "180", "06", "12"}));
        QCOMPARE(b.cells[0], QStringLiteral("000 _秒")); // no rest form here
        QCOMPARE(b.cells[7], QStringLiteral("070 _秒"));
        QCOMPARE(b.cells[8], QStringLiteral("080 _秒"));
        QCOMPARE(b.cells[9], QStringLiteral("090 _秒"));
    }

    void damagedReply()
    {
        const WaterSprayBlock shortOne = DecodeWaterSprayReply("B035030");
        QCOMPARE(shortOne.fields[1], QStringLiteral("035"));
        QCOMPARE(shortOne.fields[3], QString());
        QCOMPARE(shortOne.cells[0], QString());
        const WaterSprayBlock damaged = DecodeWaterSprayReply("B0A5030180006012000010020030040050060070003");
        QCOMPARE(damaged.fields[1], QString());
        QVERIFY(std::holds_alternative<BadValue>(EncodeWaterSprayBlock(damaged)));
    }
};

UNITDESK_TEST(WaterSprayBasicCodecTest)
#include "WaterSprayBasicCodecTest.moc"
