// The basic block: the 55-character payload, the "B" reply and the BASE.TXT line.
#include "testmain.h"

#include "control/BasicConditionsCodec.h"

#include <QTest>

namespace {
// A block as a window would hold it after the user typed these values.
BasicBlock sampleBlock()
{
    BasicBlock b;
    b.fields = {"01", "1200", "25", "180", "20", "15", "1"};
    b.rateCells = {"060 _秒", "休止",    "連続",    "120 _秒", "005 _秒",
                   "006 _秒", "007 _秒", "008 _秒", "休止",    "030 _秒"};
    b.weekdays = {"解除", "設定", "解除", "解除", "解除", "設定", "解除"};
    return b;
}
} // namespace

class BasicConditionsCodecTest : public QObject {
    Q_OBJECT
private slots:
    void encodeBlock()
    {
        const auto result = EncodeBasicBlock(sampleBlock());
        const auto *write = std::get_if<BasicWrite>(&result);
        QVERIFY(write);
        // 1200 s goes as 600 steps, 25 s as 013; Monday and Friday set end in FNFFFNF.
        QCOMPARE(write->payload, QByteArray("600013180020015"
                                            "060000999120005006007008"
                                            "1"
                                            "01"
                                            "000030"
                                            "FNFFFNF"));
        QCOMPARE(write->payload.size(), 55);
        QCOMPARE(write->fileLine, QStringLiteral("011200002518020151"));
    }

    void refusedBlock_data()
    {
        QTest::addColumn<int>("field"); // 1..7, 0: none
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("cell"); // rate cell index, -1: none
        QTest::addColumn<QString>("cellText");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("START above 1998 s") << 2 << "1999" << -1 << ""
                                            << "Text2" << 0 << 0;
        QTest::newRow("empty 2nd START") << 3 << "" << -1 << ""
                                         << "Text3" << 0 << 0;
        QTest::newRow("empty channel") << 1 << "" << -1 << ""
                                       << "Text1" << 0 << 0;
        QTest::newRow("empty mode") << 7 << "" << -1 << ""
                                    << "Text7" << 0 << 0;
        QTest::newRow("letters in a field") << 4 << "1x0" << -1 << ""
                                            << "Text4" << 0 << 0;
        QTest::newRow("empty rate cell") << 0 << "" << 3 << ""
                                         << "MSFlexGrid1" << 2 << 2;
        QTest::newRow("damaged weekday-rate cell") << 0 << "" << 9 << "abc"
                                                   << "MSFlexGrid1" << 5 << 2;
    }
    void refusedBlock()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(int, cell);
        QFETCH(QString, cellText);
        QFETCH(QString, control);
        QFETCH(int, row);
        QFETCH(int, col);
        BasicBlock b = sampleBlock();
        if (field > 0)
            b.fields[field - 1] = value;
        if (cell >= 0)
            b.rateCells[cell] = cellText;
        const auto result = EncodeBasicBlock(b);
        const auto *bad = std::get_if<BadValue>(&result);
        QVERIFY(bad);
        QCOMPARE(*bad, (BadValue{control, row, col}));
    }

    void decodeReply()
    {
        const QByteArray reply = "B"
                                 "600013180020015"
                                 "000999120005006007008009"
                                 "1"
                                 "05"
                                 "999030"
                                 "FNFFFNF"
                                 "3050";
        const BasicReply r = DecodeBasicReply(reply);
        // START doubled back: 600 -> 1200, 013 -> 26.
        QCOMPARE(r.block.fields, (BaseLineFields{"05", "1200", "26", "180", "20", "15", "1"}));
        QCOMPARE(r.block.rateCells,
                 (std::array<QString, 10>{"休止", "連続", "120 _秒", "005 _秒", "006 _秒", "007 _秒",
                                          "008 _秒", "009 _秒", "連続", "030 _秒"}));
        QCOMPARE(r.block.weekdays,
                 (std::array<QString, 7>{"解除", "設定", "解除", "解除", "解除", "設定", "解除"}));
        QCOMPARE(r.Label19, QStringLiteral("30_% 50_%"));
    }

    void damagedReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("lastRate");
        QTest::addColumn<QString>("label19");
        QTest::newRow("letter only") << QByteArray("B") << ""
                                     << ""
                                     << ""
                                     << "_% _%";
        QTest::newRow("short: ends in the rates") << QByteArray("B600013180020015000999") << "1200"
                                                  << ""
                                                  << ""
                                                  << "_% _%";
        QTest::newRow("non-digits in a code and a field")
            << QByteArray("B6*0013180020015000999120005006007008009105999*30FNFFFNF3050") << ""
            << "05"
            << ""
            << "30_% 50_%";
        QTest::newRow("long") << QByteArray(
                                     "B600013180020015000999120005006007008009105999030FNFFFNF3050XXXX")
                              << "1200"
                              << "05"
                              << "030 _秒"
                              << "30_% 50_%";
    }
    void damagedReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, text2);
        QFETCH(QString, text1);
        QFETCH(QString, lastRate);
        QFETCH(QString, label19);
        const BasicReply r = DecodeBasicReply(reply);
        QCOMPARE(r.block.fields[1], text2);
        QCOMPARE(r.block.fields[0], text1);
        QCOMPARE(r.block.rateCells[9], lastRate);
        QCOMPARE(r.Label19, label19);
        // What a damaged reply left behind is refused, never sent short.
        if (text2.isEmpty() || lastRate.isEmpty())
            QVERIFY(std::holds_alternative<BadValue>(EncodeBasicBlock(r.block)));
    }

    void baseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("leading zeros dropped")
            << "\"011200003018020151\"" << QStringList{"01", "1200", "30", "180", "20", "15", "1"};
        QTest::newRow("zeros") << "\"05"
                                  "0000"
                                  "0000"
                                  "000"
                                  "05"
                                  "00"
                                  "0\""
                               << QStringList{"05", "0", "0", "0", "5", "0", "0"};
        QTest::newRow("short line") << "\"0112" << QStringList{"01", "12", "", "", "", "", ""};
        QTest::newRow("empty line") << "" << QStringList{"", "", "", "", "", "", ""};
    }
    void baseLine()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        const BaseLineFields decoded = DecodeBaseLine(line);
        QCOMPARE(QStringList(decoded.begin(), decoded.end()), fields);
    }

    void baseLineRoundTrip()
    {
        const auto line = EncodeBaseLine({"1", "1200", "30", "180", "20", "15", "1"});
        QCOMPARE(std::get<QString>(line), QStringLiteral("011200003018020151"));
        const BaseLineFields back = DecodeBaseLine("\"" + std::get<QString>(line) + "\"");
        QCOMPARE(back, (BaseLineFields{"01", "1200", "30", "180", "20", "15", "1"}));
        QCOMPARE(std::get<BadValue>(EncodeBaseLine({"1", "", "30", "180", "20", "15", "1"})),
                 BadValue{"Text2"});
    }
};

UNITDESK_TEST(BasicConditionsCodecTest)
#include "BasicConditionsCodecTest.moc"
