// The rate cells: the cell an entry gives, the code a cell gives, the cell a code gives.
#include "testmain.h"

#include "control/RateCells.h"

#include <QTest>

using namespace RateCells;

class RateCellsTest : public QObject {
    Q_OBJECT
private slots:
    void cellFromEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("secondsCell"); // the water-spray grid's form
        QTest::newRow("zero rests") << "0"
                                    << "休止"
                                    << "000 _秒";
        QTest::newRow("000 rests") << "000"
                                   << "休止"
                                   << "000 _秒";
        QTest::newRow("empty rests") << ""
                                     << "休止"
                                     << "000 _秒";
        QTest::newRow("999 is continuous") << "999"
                                           << "連続"
                                           << "999 _秒";
        QTest::newRow("60 seconds") << "60"
                                    << "060 _秒"
                                    << "060 _秒";
        QTest::newRow("5 seconds") << "5"
                                   << "005 _秒"
                                   << "005 _秒";
        QTest::newRow("998 seconds") << "998"
                                     << "998 _秒"
                                     << "998 _秒";
    }
    void cellFromEntry()
    {
        QFETCH(QString, entry);
        QFETCH(QString, cell);
        QFETCH(QString, secondsCell);
        QCOMPARE(RateCells::cellFromEntry(entry), cell);
        QCOMPARE(RateCells::secondsCellFromEntry(entry), secondsCell);
    }

    void codeOfCell_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QByteArray>("code");        // empty: no code
        QTest::addColumn<QByteArray>("secondsCode"); // empty: no code
        QTest::newRow("seconds") << "060 _秒" << QByteArray("060") << QByteArray("060");
        QTest::newRow("zero seconds") << "000 _秒" << QByteArray("000") << QByteArray("000");
        QTest::newRow("rest") << "休止" << QByteArray("000") << QByteArray();
        QTest::newRow("continuous") << "連続" << QByteArray("999") << QByteArray();
        QTest::newRow("empty cell") << "" << QByteArray() << QByteArray();
        QTest::newRow("sixth is not 秒") << "060 _s" << QByteArray() << QByteArray();
        QTest::newRow("letters before 秒") << "0A0 _秒" << QByteArray() << QByteArray();
        QTest::newRow("full-width digits") << "０６０ _秒" << QByteArray() << QByteArray();
        QTest::newRow("damaged text") << "設定" << QByteArray() << QByteArray();
    }
    void codeOfCell()
    {
        QFETCH(QString, cell);
        QFETCH(QByteArray, code);
        QFETCH(QByteArray, secondsCode);
        QCOMPARE(RateCells::codeOf(cell).value_or(QByteArray()), code);
        QCOMPARE(RateCells::secondsCodeOf(cell).value_or(QByteArray()), secondsCode);
    }

    void cellFromCode_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("secondsCell");
        QTest::newRow("000 rests") << QByteArray("000") << "休止"
                                   << "000 _秒";
        QTest::newRow("999 continuous") << QByteArray("999") << "連続"
                                        << "999 _秒";
        QTest::newRow("seconds") << QByteArray("013") << "013 _秒"
                                 << "013 _秒";
        QTest::newRow("short code") << QByteArray("01") << ""
                                    << "";
        QTest::newRow("non-digit code") << QByteArray("0*1") << ""
                                        << "";
    }
    void cellFromCode()
    {
        QFETCH(QByteArray, code);
        QFETCH(QString, cell);
        QFETCH(QString, secondsCell);
        QCOMPARE(RateCells::cellFromCode(code), cell);
        QCOMPARE(RateCells::secondsCellFromCode(code), secondsCell);
        // What a reply shows, a write sends back unchanged.
        if (!cell.isEmpty())
            QCOMPARE(*RateCells::codeOf(cell), code);
    }
};

UNITDESK_TEST(RateCellsTest)
#include "RateCellsTest.moc"
