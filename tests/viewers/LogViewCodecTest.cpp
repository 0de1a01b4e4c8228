#include "viewers/LogViewCodec.h"
#include "logstore/RecordLine.h"
#include "testmain.h"

#include <QTest>

using LogView::View;
Q_DECLARE_METATYPE(LogView::View)

namespace {
// A record line of the store: day, TAB, time, TAB, then the fields joined by TAB.
QString record(const QString &day, const QString &time, const QStringList &fields)
{
    return day + '\t' + time + '\t' + fields.join('\t');
}
} // namespace

class LogViewCodecTest : public QObject {
    Q_OBJECT
private slots:
    void cells_data()
    {
        QTest::addColumn<View>("view");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells");
        const QString a = record("21", "10:00", {"0123", "0100", "0900", "0900"});
        QTest::newRow("A") << View::Daily << "A" << a
                           << QStringList{"012.3_A", "010.0_A", "0900_sec", "0900_sec"};
        QTest::newRow("B as A") << View::Daily << "B" << a
                                << QStringList{"012.3_A", "010.0_A", "0900_sec", "0900_sec"};
        QTest::newRow("unknown kind as A")
            << View::Daily << "X" << a << QStringList{"012.3_A", "010.0_A", "0900_sec", "0900_sec"};
        QTest::newRow("C: below, beyond, at zero, above")
            << View::Daily << "C" << record("05", "00:00", {"0950", "1900", "1000", "1234"})
            << QStringList{"-05.0_℃", "00.0_℃", "00.0_℃", "23.4_℃"};
        QTest::newRow("C: the ends of the range")
            << View::Daily << "C" << record("05", "00:00", {"0200", "1800", "0199", "1801"})
            << QStringList{"-80.0_℃", "80.0_℃", "00.0_℃", "00.0_℃"};
        QTest::newRow("D") << View::Daily << "D"
                           << "05\t10:00\t01234" << QStringList{"0123.4_kw", "", "", ""};
        QTest::newRow("WJ") << View::Daily << "WJ" << record("05", "10:00", {"0123", "0012", "0030", "0255"})
                            << QStringList{"012.3_A", "01", "0030_sec", "25.5_℃"};
        QTest::newRow("G shows nothing") << View::Daily << "G" << a << QStringList{"", "", "", ""};
        // The month view re-formats each field first; the day view takes it as it stands.
        const QString padded = record("05", "10:30", {" 123", "  10", " 900", "   9"});
        QTest::newRow("day: fields as they stand")
            << View::Daily << "A" << padded << QStringList{"012.3_A", "001.0_A", " 900_sec", "   9_sec"};
        QTest::newRow("month: fields re-formatted")
            << View::Monthly << "A" << padded << QStringList{"012.3_A", "001.0_A", "0900_sec", "0009_sec"};
        QTest::newRow("month D") << View::Monthly << "D"
                                 << "05\t10:00\t01234" << QStringList{"0123.4_kw", "", "", ""};
        QTest::newRow("month C") << View::Monthly << "C"
                                 << record("05", "00:00", {"0950", "1900", "1000", "1234"})
                                 << QStringList{"-05.0_℃", "00.0_℃", "00.0_℃", "23.4_℃"};
        QTest::newRow("a short line")
            << View::Daily << "A"
            << "05\t10:00\t0123" << QStringList{"012.3_A", "000.0_A", "_sec", "_sec"};
    }
    void cells()
    {
        QFETCH(View, view);
        QFETCH(QString, kind);
        QFETCH(QString, line);
        QFETCH(QStringList, cells);
        const std::array<QString, 4> got = LogView::recordCells(view, kind, line);
        QCOMPARE(QStringList(got.begin(), got.end()), cells);

        // A line of the store's layout gives, as numbers, what its cells show.
        if (!StoredLineHasLayout(line, kind))
            return;
        const std::array<std::optional<qint64>, 4> numbers = LogView::recordNumbers(kind, line);
        for (int i = 0; i < 4; ++i) {
            const QString shown = cells[i].section('_', 0, 0);
            const qsizetype point = shown.indexOf('.');
            const qint64 scaled = point < 0 ? shown.toLongLong() : QString(shown).remove('.').toLongLong();
            QCOMPARE(numbers[i], shown.isEmpty() ? std::optional<qint64>() : std::optional<qint64>(scaled));
        }
    }

    void labels_data()
    {
        QTest::addColumn<View>("view");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("machine");
        QTest::newRow("day") << View::Daily << "13/01/05"
                             << "C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05\\m01d05.TXT"
                             << "13年01月05日"
                             << "機械番号： GRP01  CH05";
        QTest::newRow("month") << View::Monthly << "13/01"
                               << "C:\\GRP12\\ZR3\\Y2013\\M01\\CH07\\MnLog.TXT"
                               << "13年01月"
                               << "機械番号： GRP12  CH07";
        QTest::newRow("a month file in the day view") << View::Daily << "13/01"
                                                      << "C:\\GRP01\\ZR1\\Y2013\\M01\\CH05\\MnLog.TXT"
                                                      << "13年01月日"
                                                      << "機械番号： GRP01  CH05";
        // A first start stores below "C:\GRP", before any group was chosen.
        QTest::newRow("group folder without number") << View::Monthly << "26/10"
                                                     << "C:\\GRP\\ZR1\\Y2026\\M10\\CH01\\MnLog.TXT"
                                                     << "26年10月"
                                                     << "機械番号： GRP  CH01";
        // Another layout: whatever stands at those positions.
        QTest::newRow("another path") << View::Daily << "13/01/05"
                                      << "C:\\GRP7\\x.TXT"
                                      << "13年01月05日"
                                      << "機械番号： GRP7\\  ";
    }
    void labels()
    {
        QFETCH(View, view);
        QFETCH(QString, header);
        QFETCH(QString, path);
        QFETCH(QString, date);
        QFETCH(QString, machine);
        QCOMPARE(LogView::dateText(view, header), date);
        QCOMPARE(LogView::machineText(path), machine);
    }

    void layouts_data()
    {
        QTest::addColumn<View>("view");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("day A") << View::Daily << "A"
                               << QStringList{"時刻", "平均電流値", "制御時電流値", "制御秒", "休止秒"};
        QTest::newRow("day G") << View::Daily << "G"
                               << QStringList{"時刻", "平均電流値", "制御時電流値", "制御秒", "休止秒"};
        QTest::newRow("day C") << View::Daily << "C"
                               << QStringList{"時刻", "00_分", "07_分", "15_分", "22_分"};
        QTest::newRow("day D") << View::Daily << "D"
                               << QStringList{"時刻", "平均電力値", "制御時電力値", "制御秒", "休止秒"};
        QTest::newRow("day WJ") << View::Daily << "WJ"
                                << QStringList{"時刻", "平均電流値", "制御 モード", "噴射時間秒", "平均温度"};
        QTest::newRow("month B") << View::Monthly << "B"
                                 << QStringList{"日 時刻", "平均電流値", "制御時電流値", "制御秒", "休止秒"};
        QTest::newRow("month D") << View::Monthly << "D" << QStringList{"日 時刻", "消費電力値", "", "", ""};
        QTest::newRow("month WJ") << View::Monthly << "WJ"
                                  << QStringList{"日 時刻", "平均電流値", "制御 モード", "噴射時間秒",
                                                 "平均温度"};
    }
    void layouts()
    {
        QFETCH(View, view);
        QFETCH(QString, kind);
        QFETCH(QStringList, headers);
        const LogView::Layout layout = LogView::layoutFor(view, kind);
        QCOMPARE(QStringList(layout.headers.begin(), layout.headers.end()), headers);
        QCOMPARE(layout.widthsTwips, (std::array<int, 5>{1800, 1700, 1700, 1700, 1700}));
        const int days = view == View::Daily ? 1 : 31;
        QCOMPARE(layout.rows, 1 + 48 * days);
        QCOMPARE(layout.slotColumn.size(), 48 * days);
        // Row 48 d + s + 1 holds slot label s.
        for (int d : {0, days - 1}) {
            QCOMPARE(layout.slotColumn[48 * d + 0], QStringLiteral("00:00"));
            QCOMPARE(layout.slotColumn[48 * d + 21], QStringLiteral("10:30"));
            QCOMPARE(layout.slotColumn[48 * d + 47], QStringLiteral("23:30"));
        }
    }

    void decodeKeepsFileOrderAndTheGridsLength()
    {
        QStringList day{"13/01/05"};
        for (int n = 0; n < 50; ++n) // two more lines than a day has
            day << record("05", "00:00", {QString::number(n).rightJustified(4, '0'), "0000", "0000", "0000"});
        const LogView::Loaded loaded =
            LogView::decode(View::Daily, "A", "C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05\\m01d05.TXT", day);
        QCOMPARE(loaded.rows.size(), 48);
        QCOMPARE(loaded.rows[47].cells[0], QStringLiteral("004.7_A")); // times are not looked at
        QCOMPARE(loaded.rows[0].label, QString());

        const QStringList month{"13/01", record("05", "10:30", {"0123", "0000", "0000", "0000"}),
                                record("07", "00:00", {"0001", "0000", "0000", "0000"})};
        const LogView::Loaded m =
            LogView::decode(View::Monthly, "A", "C:\\GRP01\\ZR1\\Y2013\\M01\\CH05\\MnLog.TXT", month);
        QCOMPARE(m.Label2, QStringLiteral("13年01月"));
        QCOMPARE(m.rows.size(), 2);
        QCOMPARE(m.rows[0].label, QStringLiteral("05\t日: 10:30\t"));
        QCOMPARE(m.rows[1].label, QStringLiteral("07\t日: 00:00\t"));

        const LogView::Loaded header = LogView::decode(View::Monthly, "A", "x", {"13/02"});
        QCOMPARE(header.rows.size(), 0);
        QCOMPARE(header.Label2, QStringLiteral("13年02月"));
    }

    void initialCaptions()
    {
        QCOMPARE(LogView::initialDateText(View::Daily), QStringLiteral("00年00月00日"));
        QCOMPARE(LogView::initialMachineText(View::Daily), QStringLiteral("機械番号 : CH00"));
        QCOMPARE(LogView::initialMachineText(View::Monthly), QStringLiteral("機械番号 ： CH00"));
    }
};

UNITDESK_TEST(LogViewCodecTest)
#include "LogViewCodecTest.moc"
