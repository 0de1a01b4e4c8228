#include "link/LiveDisplay.h"
#include "ReplyText.h"
#include "testmain.h"

#include <QTest>

class LiveDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void monitoring_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("fine");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("unitId");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("state");
        QTest::newRow("standard unit") << QByteArray("Q01234253+053021700000") << "A"
                                       << "012.3_A"
                                       << "012.34_A"
                                       << "+25.3_℃"
                                       << "CH番号: 05"
                                       << " ID_No ： 02"
                                       << "Ver_No.： 17"
                                       << " 制御中 ";
        QTest::newRow("water spray") << fields("Q 0050 0 180 - 07 2 11 03 03 ON 1") << "WJ"
                                     << "005.0_A"
                                     << "005.00_A"
                                     << "-18.0_℃"
                                     << "水噴射番号: 03"
                                     << " ID_No ： 11"
                                     << "Ver_No.： 03"
                                     << "水噴射中 _ 1";
        // Ten "*" cover positions 6-15 of "Q0123"; beyond them fields are empty.
        QTest::newRow("short reply") << QByteArray("Q0123") << "A"
                                     << "012.3_A"
                                     << "012.30_A"
                                     << "*00.0_℃"
                                     << "CH番号: **"
                                     << " ID_No ： **"
                                     << "Ver_No.： "
                                     << "";
        QTest::newRow("empty beyond padding") << QByteArray("Q") << "A"
                                              << "000.0_A"
                                              << "000.00_A"
                                              << "*00.0_℃"
                                              << "CH番号: *"
                                              << " ID_No ： "
                                              << "Ver_No.： "
                                              << "";
        QTest::newRow("non-digit fields") << fields("Q abcd x yz1 + 01 Z 01 01") << "A"
                                          << "000.0_A"
                                          << "000.00_A"
                                          << "+00.0_℃"
                                          << "CH番号: 01"
                                          << " ID_No ： 01"
                                          << "Ver_No.： 01"
                                          << "";
        QTest::newRow("unknown spray state") << fields("Q 0000 0 000 + 01 0 01 01 XY ZZ 9") << "WJ"
                                             << "000.0_A"
                                             << "000.00_A"
                                             << "+00.0_℃"
                                             << "水噴射番号: XY"
                                             << " ID_No ： 01"
                                             << "Ver_No.： 01"
                                             << " _ 9";
    }
    void monitoring()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, kind);
        const MonitoringTexts t = DecodeMonitoringReply(reply, kind);
        QFETCH(QString, current);
        QFETCH(QString, fine);
        QFETCH(QString, temperature);
        QFETCH(QString, channel);
        QFETCH(QString, unitId);
        QFETCH(QString, version);
        QFETCH(QString, state);
        QCOMPARE(t.current, current);
        QCOMPARE(t.currentFine, fine);
        QCOMPARE(t.temperature, temperature);
        QCOMPARE(t.channelLabel, channel);
        QCOMPARE(t.unitIdText, unitId);
        QCOMPARE(t.version, version);
        QCOMPARE(t.state, state);
    }

    void controlStates()
    {
        const QList<QPair<char, QString>> table{
            {'0', "　通常運転 "},
            {'1', " 緊急停止対象外設定 "},
            {'2', " 緊急停止対象外内部 "},
            {'3', " 制御中 "},
            {'G', " 注意警報制御中 "},
            {'H', " 警戒警報制御中 "},
            {'4', " 限界警報制御中 "},
            {'5', " 交互非制御中 "},
            {'6', " COMP 停止中  "},
            {'7', " 連続制御中 "},
            {'8', " 制御対象外設定 "},
            {'9', " 制御エラー "},
            {'A', " SW_OFFモード "},
            {'E', " 通信エラー "},
            {'F', ""},
            {'M', "モニター消去中 "},
            {'T', "温度センサー異常"},
            {'X', ""},
            {'*', ""},
        };
        for (const auto &[code, text] : table)
            QCOMPARE(ControlStateText(code), text);
        const QList<QPair<QByteArray, QString>> spray{
            {"SW", "SW_OFF ﾓｰﾄﾞ"},
            {"RY", "強制噴射ﾓｰﾄﾞ"},
            {"LO", "温度低下"},
            {"PF", "ｺﾝﾌﾟﾚｯｻｰ停止"},
            {"ON", "水噴射中"},
            {"OP", "温度ｾﾝｻｰ異常"},
            {"OF", "噴射休止"},
            {"FF", "動作休止"},
            {"on", ""},
            {"**", ""},
        };
        for (const auto &[code, text] : spray)
            QCOMPARE(SprayStateText(code), text);
    }

    void powerKindShowsOnlyTheLink()
    {
        const MonitoringTexts t = DecodeMonitoringReply("Q01234253+053021700000", "D");
        QVERIFY(t.powerKind);
        QCOMPARE(t.link, QStringLiteral(" 通信中"));
        QVERIFY(t.current.isEmpty());
    }

    void clock_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("dateTime");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("clockDate");
        QTest::newRow("standard") << fields("A 09 05 00 15 12 08 2 3 0 1 26 000 4 5") << "A"
                                  << "26年12月08日09時05分"
                                  << " 季節_2 時限_3 休_0"
                                  << "2026年12月08日_火";
        QTest::newRow("water spray") << fields("A 09 05 00 15 12 08 2 3 0 1 26 000 4 5") << "WJ"
                                     << "26年12月08日09時05分"
                                     << "水噴射_季節_4 時限_5"
                                     << "2026年12月08日_火";
        QTest::newRow("weekday out of range keeps the name")
            << fields("A 09 05 00 15 12 08 2 3 0 9 26 000 4 5") << "A"
            << "26年12月08日09時05分"
            << " 季節_2 時限_3 休_0"
            << "2026年12月08日_日";
        QTest::newRow("short reply") << QByteArray("A0905") << "A"
                                     << "年月日09時05分"
                                     << " 季節_ 時限_ 休_"
                                     << "20年月日_日";
        QTest::newRow("empty reply") << QByteArray("A") << "WJ"
                                     << "年月日時分"
                                     << "水噴射_季節_ 時限_"
                                     << "20年月日_日";
    }
    void clock()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, kind);
        const ClockTexts c = DecodeClockReply(reply, kind, QStringLiteral("日"));
        QFETCH(QString, dateTime);
        QFETCH(QString, band);
        QFETCH(QString, clockDate);
        QCOMPARE(c.dateTime, dateTime);
        QCOMPARE(c.band, band);
        QCOMPARE(c.clockDate, clockDate);
    }

    void weekdayNames()
    {
        const QString names = QStringLiteral("月火水木金土日");
        for (int d = 0; d < 7; ++d)
            QCOMPARE(UnitWeekdayName(QString::number(d), QStringLiteral("x")), names.mid(d, 1));
        QCOMPARE(UnitWeekdayName(QStringLiteral("7"), QStringLiteral("水")), QStringLiteral("水"));
        QCOMPARE(UnitWeekdayName(QString(), QStringLiteral("水")), QStringLiteral("水"));
    }
};

UNITDESK_TEST(LiveDisplayTest)
#include "LiveDisplayTest.moc"
