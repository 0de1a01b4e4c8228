// The maintenance windows' payloads, replies and file lines, byte for byte.
#include "testmain.h"

#include "maint/CurrentValueCodec.h"
#include "maint/DspSettingsCodec.h"
#include "maint/UnitClockCodec.h"
#include "maint/UnitSettingsCodec.h"

#include <QTest>

class MaintCodecsTest : public QObject {
    Q_OBJECT
private slots:
    void ctPayload_data()
    {
        QTest::addColumn<QString>("ct");
        QTest::addColumn<QString>("adjust");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("075/120 plain") << "075"
                                       << "120" << QByteArray("7500120");
        QTest::newRow("150/100 flag 0x40") << "150"
                                           << "100" << QByteArray("u000100");
        QTest::newRow("100/000") << "100"
                                 << "000" << QByteArray("p000000");
        QTest::newRow("250 flag 0x80 byte") << "250"
                                            << "007"
                                            << QByteArray("\xB5"
                                                          "000007");
        QTest::newRow("299") << "299"
                             << "999"
                             << QByteArray("\xB9"
                                           "90"
                                           "0999");
        QTest::newRow("300 goes out plain") << "300"
                                            << "050" << QByteArray("0030050");
        QTest::newRow("999 plain") << "999"
                                   << "001" << QByteArray("9990001");
        QTest::newRow("short digits padded") << "7"
                                             << "12" << QByteArray("0700012");
    }
    void ctPayload()
    {
        QFETCH(QString, ct);
        QFETCH(QString, adjust);
        QFETCH(QByteArray, payload);
        const auto digits = CtSettingDigits(ct, adjust, nullptr);
        QVERIFY(digits);
        QCOMPARE(CtPayload(*digits), payload);
        QCOMPARE(CtPayload(*digits).size(), 7);
    }

    void ctRefused_data()
    {
        QTest::addColumn<QString>("ct");
        QTest::addColumn<QString>("adjust");
        QTest::addColumn<QString>("field");
        QTest::newRow("level too wide") << "1000"
                                        << "100"
                                        << "Text1";
        QTest::newRow("level empty") << ""
                                     << "100"
                                     << "Text1";
        QTest::newRow("adjustment not digits") << "100"
                                               << "1a"
                                               << "Text2";
        QTest::newRow("adjustment empty") << "100"
                                          << ""
                                          << "Text2";
        QTest::newRow("both bad: the first") << ""
                                             << ""
                                             << "Text1";
    }
    void ctRefused()
    {
        QFETCH(QString, ct);
        QFETCH(QString, adjust);
        QFETCH(QString, field);
        BadValue bad;
        QVERIFY(!CtSettingDigits(ct, adjust, &bad));
        QCOMPARE(bad, BadValue{field});
    }

    void ctReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("adjust");
        QTest::newRow("plain 050/123") << QByteArray("P500xx123") << "050"
                                       << "123";
        QTest::newRow("0x75 is 150") << QByteArray("Pu00xx100") << "150"
                                     << "100";
        QTest::newRow("0xB5 is 250") << QByteArray("P\xB5"
                                                   "00xx007")
                                     << "250"
                                     << "007";
        QTest::newRow("plain hundreds 3") << QByteArray("P003xx050") << "300"
                                          << "050";
        QTest::newRow("both flags: no level") << QByteArray("P\xF5"
                                                            "00xx100")
                                              << ""
                                              << "100";
        QTest::newRow("flag on the units byte") << QByteArray("P5u0xx100") << ""
                                                << "100";
        QTest::newRow("flag on the hundreds byte") << QByteArray("P50uxx100") << ""
                                                   << "100";
        QTest::newRow("tens not a digit") << QByteArray("PA00xx100") << ""
                                          << "100";
        QTest::newRow("adjustment damaged") << QByteArray("P500xx1*3") << "050"
                                            << "";
        QTest::newRow("short") << QByteArray("P50") << ""
                               << "";
        QTest::newRow("letter only") << QByteArray("P") << ""
                                     << "";
        QTest::newRow("adjustment cut") << QByteArray("P500xx12") << "050"
                                        << "";
    }
    void ctReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, level);
        QFETCH(QString, adjust);
        const CtReading r = DecodeCtReply(reply);
        QCOMPARE(r.Text1, level);
        QCOMPARE(r.Text2, adjust);
    }

    void ctFileLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("adjust");
        QTest::newRow("as written") << "\"075120\""
                                    << "075"
                                    << "120";
        QTest::newRow("cut") << "\"0751"
                             << "075"
                             << "";
        QTest::newRow("damaged level") << "\"0x5120\""
                                       << ""
                                       << "120";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void ctFileLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, level);
        QFETCH(QString, adjust);
        const CtReading r = CtFromFileLine(line);
        QCOMPARE(r.Text1, level);
        QCOMPARE(r.Text2, adjust);
    }

    void dspRequest_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("multiplier 12") << 0 << "12" << QByteArray("ADIR0012ID");
        QTest::newRow("control check") << 1 << "0300" << QByteArray("ADCN0300ID");
        QTest::newRow("divisor") << 2 << "9999" << QByteArray("ADIC9999ID");
        QTest::newRow("offset 0") << 3 << "0" << QByteArray("ADOF0000ID");
        QTest::newRow("back data") << 4 << "7" << QByteArray("WL0007ID");
        QTest::newRow("five digits refused") << 0 << "12345" << QByteArray();
        QTest::newRow("empty refused") << 4 << "" << QByteArray();
    }
    void dspRequest()
    {
        QFETCH(int, setting);
        QFETCH(QString, field);
        QFETCH(QByteArray, request);
        const auto r = DspWriteRequest(DspSettings()[size_t(setting)], field);
        QCOMPARE(r.value_or(QByteArray()), request);
    }

    void dspReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("isReading");
        QTest::addColumn<QStringList>("values"); // Text8, Text7, Text4, Text1, Text2, continuous 1, 2
        QTest::newRow("full read answer")
            << QByteArray("EDT0001000200030004000500060007") << true
            << QStringList{"0001", "0002", "0003", "0004", "0005", "0006", "0007"};
        QTest::newRow("cut inside the back data") << QByteArray("EDT000100020003000400") << true
                                                  << QStringList{"0001", "0002", "0003", "0004", "", "", ""};
        QTest::newRow("damaged offset") << QByteArray("EDT00010*0200030004000500060007") << true
                                        << QStringList{"0001", "", "0003", "0004", "0005", "0006", "0007"};
        QTest::newRow("DT only") << QByteArray("EDT") << true << QStringList{"", "", "", "", "", "", ""};
        QTest::newRow("E alone: acknowledgement") << QByteArray("E") << false << QStringList();
        QTest::newRow("ED: acknowledgement") << QByteArray("ED") << false << QStringList();
        QTest::newRow("EX: acknowledgement") << QByteArray("EX") << false << QStringList();
        QTest::newRow("EOK: acknowledgement") << QByteArray("EOK") << false << QStringList();
    }
    void dspReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, isReading);
        QFETCH(QStringList, values);
        const auto r = DecodeDspReply(reply);
        QCOMPARE(bool(r), isReading);
        if (r)
            QCOMPARE((QStringList{r->Text8, r->Text7, r->Text4, r->Text1, r->Text2, r->continuous1,
                                  r->continuous2}),
                     values);
    }

    // Every length of reply, up to past the end: each value is whole or empty, never a
    // piece, and only "E"+"DT" is a reading.
    void dspReplyOfEveryLength()
    {
        const QByteArray full = "EDT0001000200030004000500060007XYZ";
        for (int n = 1; n <= full.size(); ++n) {
            const auto r = DecodeDspReply(full.left(n));
            QCOMPARE(bool(r), n >= 3);
            if (!r)
                continue;
            const QStringList values{r->Text8, r->Text7,       r->Text4,      r->Text1,
                                     r->Text2, r->continuous1, r->continuous2};
            for (int i = 0; i < values.size(); ++i)
                QCOMPARE(values[i], n >= 7 + 4 * i ? QStringLiteral("000%1").arg(i + 1) : QString());
        }
    }

    void dspFileLine()
    {
        QCOMPARE(DspFromFileLine("\"0012\""), QStringLiteral("0012"));
        QCOMPARE(DspFromFileLine("\"12\""), QString());
        QCOMPARE(DspFromFileLine("\"00a2\""), QString());
    }

    void unitSettingsRequests()
    {
        QCOMPARE(LineSpeedRequest("03"), QByteArray("BR0348ID"));
        QCOMPARE(LineSpeedStatusLine("03"), QString::fromLatin1("\x02"
                                                                "BR4803\x03"));
        QCOMPARE(AlarmControlRequest("OF"), QByteArray("CNOFID"));
        QCOMPARE(TemperatureChannelRequest("7").value_or(""), QByteArray("TP07ID"));
        QCOMPARE(TemperatureChannelRequest("12").value_or(""), QByteArray("TP12ID"));
        QVERIFY(!TemperatureChannelRequest(""));
        QVERIFY(!TemperatureChannelRequest("123"));
        QStringList entries, codes;
        for (const LineSpeed &s : LineSpeeds())
            entries << s.entry, codes << s.code;
        QCOMPARE(entries, (QStringList{" 4800", " 9600", "19200", "38400", "56700"}));
        QCOMPARE(codes, (QStringList{"00", "01", "02", "03", "04"}));
    }

    void unitSettingsReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("toggle"); // "-" when left as it is
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("speed");
        QTest::newRow("all known") << QByteArray("KSOF0704") << "OF"
                                   << "07"
                                   << "56700";
        QTest::newRow("4800") << QByteArray("KSON1200") << "ON"
                              << "12"
                              << " 4800";
        QTest::newRow("unknown speed code") << QByteArray("KSON0105") << "ON"
                                            << "01"
                                            << "";
        QTest::newRow("unknown flag") << QByteArray("KSXX0102") << "-"
                                      << "01"
                                      << "19200";
        QTest::newRow("damaged channel") << QByteArray("KSON*102") << "ON"
                                         << "-"
                                         << "19200";
        QTest::newRow("short") << QByteArray("KSO") << "-"
                               << "-"
                               << "";
    }
    void unitSettingsReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, toggle);
        QFETCH(QString, channel);
        QFETCH(QString, speed);
        const UnitSettingsReading r = DecodeUnitSettingsReply(reply);
        QCOMPARE(r.Command1.value_or("-"), toggle);
        QCOMPARE(r.Text3.value_or("-"), channel);
        QCOMPARE(r.speedText, speed);
    }

    void clockText_data()
    {
        QTest::addColumn<QDateTime>("pc");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QByteArray>("clock");
        QTest::newRow("Tuesday") << QDateTime(QDate(2013, 11, 12), QTime(9, 5, 30)) << "2013/11/12_Tue"
                                 << "09:05:30" << QByteArray("1112090530131");
        QTest::newRow("last second but one of 2013")
            << QDateTime(QDate(2013, 12, 31), QTime(23, 59, 58)) << "2013/12/31_Tue"
            << "23:59:58" << QByteArray("1231235958131");
        QTest::newRow("Sunday is 6") << QDateTime(QDate(2026, 12, 13), QTime(0, 0, 0)) << "2026/12/13_Sun"
                                     << "00:00:00" << QByteArray("1213000000266");
        QTest::newRow("Monday is 0") << QDateTime(QDate(2026, 12, 7), QTime(12, 0, 1)) << "2026/12/07_Mon"
                                     << "12:00:01" << QByteArray("1207120001260");
    }
    void clockText()
    {
        QFETCH(QDateTime, pc);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QByteArray, clock);
        QCOMPARE(PcDateText(pc.date()), date);
        QCOMPARE(PcTimeText(pc.time()), time);
        QCOMPARE(ClockSetText(date, time), clock);
    }

    void clockTextUnknownDayName()
    {
        // A day name outside the table leaves the weekday code out: 12 digits.
        QCOMPARE(ClockSetText("2013/11/12_Die", "09:05:30"), QByteArray("111209053013"));
        QCOMPARE(WeekdayCode("tue"), QByteArray());
    }
};

UNITDESK_TEST(MaintCodecsTest)
#include "MaintCodecsTest.moc"
