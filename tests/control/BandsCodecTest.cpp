// The season and time-band cells and payloads: the half picks, the seven-character form a
// cell must hold to be sent, and the frames and replies byte for byte.
#include "testmain.h"

#include "control/SeasonBandsCodec.h"
#include "control/TimeBandsCodec.h"

#include <QTest>

Q_DECLARE_METATYPE(BadValue)

namespace {
// Cells "MM月 DD日" from the digits, four per cell.
QStringList dates(const QByteArray &digits)
{
    QStringList out;
    for (int i = 0; i + 4 <= digits.size(); i += 4)
        out << BandCells::fromCode(digits.mid(i, 4), DateCell);
    return out;
}
QStringList times(const QByteArray &digits)
{
    QStringList out;
    for (int i = 0; i + 4 <= digits.size(); i += 4)
        out << BandCells::fromCode(digits.mid(i, 4), TimeCell);
    return out;
}
const QByteArray SeasonExample = "03010531060108310901113012010228";
const QByteArray Season1Bands = "08001200120013001300170017002100";
} // namespace

class BandsCodecTest : public QObject {
    Q_OBJECT
private slots:
    void halfPicks()
    {
        // Month on an empty cell, then the day: the other half comes from the current cell.
        const QString month = BandCells::withFirst(QString(), "07", DateCell);
        QCOMPARE(month, QStringLiteral("07月 "));
        QCOMPARE(BandCells::withSecond(month, "15", DateCell), QStringLiteral("07月 15日"));
        QCOMPARE(BandCells::withFirst("03月 01日", "04", DateCell), QStringLiteral("04月 01日"));
        QCOMPARE(BandCells::withSecond(QString(), "30", TimeCell), QStringLiteral("30分"));
        QCOMPARE(BandCells::withFirst("08時 30分", "17", TimeCell), QStringLiteral("17時 30分"));
    }

    void cellCodes_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("time");
        QTest::addColumn<QByteArray>("code"); // empty: the cell has no code
        QTest::newRow("date") << "12月 31日" << false << QByteArray("1231");
        QTest::newRow("zero date kept") << "00月 00日" << false << QByteArray("0000");
        QTest::newRow("time") << "08時 59分" << true << QByteArray("0859");
        QTest::newRow("empty") << "" << false << QByteArray();
        QTest::newRow("month only") << "07月 " << false << QByteArray();
        QTest::newRow("day only") << "15日" << false << QByteArray();
        QTest::newRow("time form in a date grid") << "08時 00分" << false << QByteArray();
        QTest::newRow("full-width digits") << "０７月 15日" << false << QByteArray();
        QTest::newRow("trailing blank") << "07月 15日 " << false << QByteArray();
        QTest::newRow("no blank") << "07月015日" << false << QByteArray();
    }
    void cellCodes()
    {
        QFETCH(QString, cell);
        QFETCH(bool, time);
        QFETCH(QByteArray, code);
        const auto got = BandCells::code(cell, time ? TimeCell : DateCell);
        QCOMPARE(got.value_or(QByteArray()), code);
        if (!code.isEmpty())
            QCOMPARE(BandCells::fromCode(code, time ? TimeCell : DateCell), cell);
    }

    void seasonsBothWays()
    {
        const QStringList cells = dates(SeasonExample);
        QCOMPARE(cells.first(), QStringLiteral("03月 01日"));
        QCOMPARE(cells.last(), QStringLiteral("02月 28日"));
        QCOMPARE(std::get<QByteArray>(EncodeSeasons(cells)), SeasonExample);
        QCOMPARE(DecodeSeasonsReply("S" + SeasonExample), cells);
    }

    // The first cell without its form is named by grid position; nothing is encoded.
    void refusedCells_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<BadValue>("bad");
        QTest::newRow("row 1 start") << 0 << BadValue{"MSFlexGrid1", 1, 1};
        QTest::newRow("row 2 end") << 3 << BadValue{"MSFlexGrid1", 2, 2};
        QTest::newRow("row 4 end") << 7 << BadValue{"MSFlexGrid1", 4, 2};
    }
    void refusedCells()
    {
        QFETCH(int, index);
        QFETCH(BadValue, bad);
        QStringList cells = dates(SeasonExample);
        cells[index] = "07月 ";
        QCOMPARE(std::get<BadValue>(EncodeSeasons(cells)), bad);

        QStringList bands = times(Season1Bands + QByteArray(96, '1'));
        bands[index + 8] = QString(); // seasons 2-4 start at row 5
        QCOMPARE(std::get<BadValue>(EncodeTimeBands(bands)),
                 (BadValue{"MSFlexGrid1", bad.row + 4, bad.col}));
    }

    // Short, long and damaged replies: cells whose digits are missing or not digits are
    // empty, the others are taken; nothing spills into the next cell.
    void damagedSeasonReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("cells");
        const QStringList full = dates(SeasonExample);
        QStringList shortCells = full.mid(0, 6);
        shortCells << QString() << QString();
        QStringList damaged = full;
        damaged[1] = QString();
        QTest::newRow("long") << "S" + SeasonExample + "99" << full;
        QTest::newRow("short") << "S" + SeasonExample.left(26) << shortCells;
        QTest::newRow("non-digit") << "S0301053x" + SeasonExample.mid(8) << damaged;
        QTest::newRow("letter alone") << QByteArray("S") << QStringList(8, QString());
    }
    void damagedSeasonReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, cells);
        QCOMPARE(DecodeSeasonsReply(reply), cells);
    }

    void timeBandFrames()
    {
        const QByteArray rest = "0730115912001259130016591700202909001130113012301230163016301900"
                                "08301200120013001300160016001800";
        const QStringList cells = times(Season1Bands + rest);
        const auto payloads = std::get<TimeBandPayloads>(EncodeTimeBands(cells));
        QCOMPARE(payloads.first, Season1Bands + "0000");
        QCOMPARE(payloads.second, rest + "000000000000");
        QCOMPARE(payloads.first.size(), 36);
        QCOMPARE(payloads.second.size(), 108);

        QCOMPARE(DecodeFirstHalfReply("C" + Season1Bands), cells.mid(0, 8));
        QCOMPARE(DecodeSecondHalfReply("K" + rest), cells.mid(8));
        // A short second half: the last cell (characters 94-97) is empty.
        QStringList shortK = cells.mid(8);
        shortK.last() = QString();
        QCOMPARE(DecodeSecondHalfReply("K" + rest.left(95)), shortK);
    }

    void commandsByKind()
    {
        QCOMPARE(SeasonCommandsFor(false).read, QByteArray("RSID"));
        QCOMPARE(SeasonCommandsFor(true).write, QByteArray("DS"));
        QCOMPARE(TimeBandCommandsFor(false).read, QByteArray("RJ12345678912345ID"));
        QCOMPARE(TimeBandCommandsFor(true).read, QByteArray("BJ12345678912345ID"));
        QCOMPARE(TimeBandCommandsFor(true).writeFirst + TimeBandCommandsFor(true).writeSecond, QByteArray("DJDK"));
    }
};

UNITDESK_TEST(BandsCodecTest)
#include "BandsCodecTest.moc"
