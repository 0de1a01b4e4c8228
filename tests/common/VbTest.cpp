#include "common/Vb.h"
#include "testmain.h"

#include <QTest>

class VbTest : public QObject {
    Q_OBJECT
private slots:
    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pad 0") << 7.0 << "0"
                               << "7";
        QTest::newRow("pad 00") << 7.0 << "00"
                                << "07";
        QTest::newRow("pad 000") << 7.0 << "000"
                                 << "007";
        QTest::newRow("pad 0000") << 42.0 << "0000"
                                  << "0042";
        QTest::newRow("pad 00000") << 42.0 << "00000"
                                   << "00042";
        QTest::newRow("zero 00") << 0.0 << "00"
                                 << "00";
        QTest::newRow("wider than mask") << 123.0 << "00"
                                         << "123";
        QTest::newRow("wider with decimals") << 12345.67 << "00.0"
                                             << "12345.7";
        QTest::newRow("half up 0") << 2.5 << "0"
                                   << "3";
        QTest::newRow("half up 00") << 0.5 << "00"
                                    << "01";
        QTest::newRow("below half") << 2.49 << "0"
                                    << "2";
        QTest::newRow("binary half 2.25") << 2.25 << "00.0"
                                          << "02.3";
        QTest::newRow("binary half 1.005") << 1.005 << "000.00"
                                           << "001.01";
        QTest::newRow("binary half 0.15") << 0.15 << "00.0"
                                          << "00.2";
        QTest::newRow("binary half 1.45") << 1.45 << "000.0"
                                          << "001.5";
        QTest::newRow("below binary half 2.2499") << 2.2499 << "00.0"
                                                  << "02.2";
        QTest::newRow("carry into new digit") << 99.95 << "00.0"
                                              << "100.0";
        QTest::newRow("carry 9.999") << 9.999 << "000.00"
                                     << "010.00";
        QTest::newRow("0000.0") << 123.44 << "0000.0"
                                << "0123.4";
        QTest::newRow("000.00 pads decimals") << 3.0 << "000.00"
                                              << "003.00";
        QTest::newRow("small fraction") << 0.004 << "000.00"
                                        << "000.00";
        QTest::newRow("tiny") << 1e-20 << "00.0"
                              << "00.0";
        QTest::newRow("#0 one") << 5.0 << "#0"
                                << "5";
        QTest::newRow("#0 zero") << 0.0 << "#0"
                                 << "0";
        QTest::newRow("#0 two digits") << 25.0 << "#0"
                                       << "25";
        QTest::newRow("###0 zero") << 0.0 << "###0"
                                   << "0";
        QTest::newRow("###0 many") << 123456.0 << "###0"
                                   << "123456";
        QTest::newRow("###0 rounds") << 1234.5 << "###0"
                                     << "1235";
        QTest::newRow("negative 00") << -5.0 << "00"
                                     << "-05";
        QTest::newRow("negative half away from zero") << -2.5 << "0"
                                                      << "-3";
        QTest::newRow("negative 00.0") << -2.25 << "00.0"
                                       << "-02.3";
        QTest::newRow("negative rounding to zero") << -0.04 << "00.0"
                                                   << "00.0";
        QTest::newRow("large") << 123456789.0 << "0000"
                               << "123456789";
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, mask);
        QFETCH(QString, expected);
        QCOMPARE(Format(value, mask), expected);
    }

    void formatText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty stays empty") << ""
                                           << "00"
                                           << "";
        QTest::newRow("digits") << "5"
                                << "00"
                                << "05";
        QTest::newRow("blank is zero") << " "
                                       << "00"
                                       << "00";
        QTest::newRow("not a number") << "ab"
                                      << "00"
                                      << "00";
        QTest::newRow("leading number") << "12ab"
                                        << "000"
                                        << "012";
        QTest::newRow("decimal text") << "2.25"
                                      << "00.0"
                                      << "02.3";
    }
    void formatText()
    {
        QFETCH(QString, text);
        QFETCH(QString, mask);
        QFETCH(QString, expected);
        QCOMPARE(Format(text, mask), expected);
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("integer") << "42" << 42.0;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("leading blanks tabs line feeds") << " \t\n 12" << 12.0;
        QTest::newRow("blanks inside digits") << " 1 2" << 12.0;
        QTest::newRow("stops at letter") << "12ab34" << 12.0;
        QTest::newRow("letter first") << "a12" << 0.0;
        QTest::newRow("negative") << "-5" << -5.0;
        QTest::newRow("plus") << "+5" << 5.0;
        QTest::newRow("sign then blank") << "- 5" << -5.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("two signs") << "--5" << 0.0;
        QTest::newRow("decimal") << "12.5" << 12.5;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("sign after digits stops") << "12-3" << 12.0;
        QTest::newRow("carriage return stops") << "1\r2" << 1.0;
        QTest::newRow("full-width digits are not digits") << QString::fromUtf8("１２") << 0.0;
        QTest::newRow("negative zero is zero") << "-0" << 0.0;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Val(text), expected);
        // Wire text (bytes) reads the same.
        if (QString::fromLatin1(text.toLatin1()) == text)
            QCOMPARE(Val(text.toLatin1()), expected);
    }

    void mid_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << "ABCDE" << 1 << 1 << "A";
        QTest::newRow("middle") << "ABCDE" << 2 << 3 << "BCD";
        QTest::newRow("to the end") << "ABCDE" << 3 << -1 << "CDE";
        QTest::newRow("length past end") << "ABCDE" << 4 << 10 << "DE";
        QTest::newRow("start at last") << "ABCDE" << 5 << 2 << "E";
        QTest::newRow("start past end") << "ABCDE" << 6 << 1 << "";
        QTest::newRow("start far past end") << "ABCDE" << 100 << -1 << "";
        QTest::newRow("zero length") << "ABCDE" << 2 << 0 << "";
        QTest::newRow("empty text") << "" << 1 << 2 << "";
        QTest::newRow("start 0 counts from before the text") << "ABCDE" << 0 << 2 << "A";
        QTest::newRow("start 0 to end") << "ABCDE" << 0 << -1 << "ABCDE";
        QTest::newRow("negative start") << "ABCDE" << -3 << 2 << "";
        QTest::newRow("japanese") << QString::fromUtf8("ﾃﾞｰﾀ設定") << 5 << 2 << QString::fromUtf8("設定");
    }
    void mid()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, expected);
        QCOMPARE(Mid(text, start, length), expected);
        // The byte version slices the same positions of wire text.
        if (QString::fromLatin1(text.toLatin1()) == text)
            QCOMPARE(Mid(text.toLatin1(), start, length), expected.toLatin1());
    }
};

UNITDESK_TEST(VbTest)
#include "VbTest.moc"
