// Reading and writing the group name and channel name files, and the main window's labels
// taken from them.
#include "RegistryRoot.h"
#include "testmain.h"

#include "registry/ChannelNames.h"
#include "registry/GroupNames.h"

#include <QTest>

class NameFilesTest : public QObject {
    Q_OBJECT
private slots:
    void groupNamesLoad_data()
    {
        QTest::addColumn<QByteArray>("file"); // nothing: no file
        QTest::addColumn<QStringList>("row1");
        QTest::addColumn<QStringList>("row50");
        const QStringList empty{"ＧＲＰ_01", "", "", ""};
        QTest::newRow("missing") << QByteArray() << empty << QStringList{"ＧＲＰ_50", "", "", ""};
        QTest::newRow("short line, LF only") << QByteArray("A\n") << QStringList{"ＧＲＰ_01", "A", "", ""}
                                             << QStringList{"ＧＲＰ_50", "", "", ""};
        QTest::newRow("more fields than columns")
            << QByteArray("A\tB\tC\tD\tE\r\n") << QStringList{"ＧＲＰ_01", "A", "B", "C"}
            << QStringList{"ＧＲＰ_50", "", "", ""};
        QByteArray overlong;
        for (int n = 1; n <= 52; ++n)
            overlong += "G" + QByteArray::number(n) + "\t\t\r\n";
        QTest::newRow("overlong: the 51st line is not read")
            << overlong << QStringList{"ＧＲＰ_01", "G1", "", ""} << QStringList{"ＧＲＰ_50", "G50", "", ""};
    }
    void groupNamesLoad()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, row1);
        QFETCH(QStringList, row50);
        RegistryRoot root;
        if (!file.isNull())
            root.put(GroupNames::filePath(), file);
        const GroupNames::Table t = GroupNames::load();
        QCOMPARE(t.size(), 51);
        QCOMPARE(t[0], (QStringList{"ＧＲＰ_番号", "ＧＲＰ 名称", "対象機器名", "備考"}));
        QCOMPARE(t[1], row1);
        QCOMPARE(t[50], row50);
    }

    void groupNamesFileWithOnlyGroup3Named()
    {
        GroupNames::Table t = GroupNames::emptyTable();
        t[3] = QStringList{"ＧＲＰ_03", "第三工場", "冷凍機", "屋上"};
        const QStringList lines = GroupNames::fileLines(t);
        QCOMPARE(lines.size(), 50);
        for (int n = 1; n <= 50; ++n)
            QCOMPARE(lines[n - 1],
                     n == 3 ? QStringLiteral("第三工場\t冷凍機\t屋上") : QStringLiteral("\t\t"));
    }

    void groupNameLabel_data()
    {
        QTest::addColumn<QString>("groupNo");
        QTest::addColumn<QString>("shown");
        QTest::newRow("group 07") << "07"
                                  << "七号館 ";
        QTest::newRow("20 characters: 16 and a blank") << "08"
                                                       << "ABCDEFGHIJKLMNOP ";
        QTest::newRow("no group: the header") << ""
                                              << "ＧＲＰ 名称 ";
        QTest::newRow("beyond the table") << "99"
                                          << " ";
    }
    void groupNameLabel()
    {
        QFETCH(QString, groupNo);
        QFETCH(QString, shown);
        GroupNames::Table t = GroupNames::emptyTable();
        t[7][1] = "七号館";
        t[8][1] = "ABCDEFGHIJKLMNOPQRST";
        QCOMPARE(GroupNames::nameLabelText(t, groupNo), shown);
    }

    void correctionValue_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << ""
                               << "1000";
        QTest::newRow("100") << "100"
                             << "1000";
        QTest::newRow("101") << "101"
                             << "101";
        QTest::newRow("3899") << "3899"
                              << "3899";
        QTest::newRow("3900") << "3900"
                              << "1000";
        QTest::newRow("text") << "abc"
                              << "1000";
    }
    void correctionValue()
    {
        QFETCH(QString, cell);
        QFETCH(QString, stored);
        QCOMPARE(ChannelNames::fixedCorrection(cell), stored);
    }

    void channelNamesLoad()
    {
        RegistryRoot root;
        AppState s;
        s.GroupNo = "05";
        s.GroupDir = "C:\\elsewhere"; // follows GroupNo
        const auto page = [](int p) { return ChannelNames::pageFile("C:\\GRP05", p); };
        // Page 1: LF only, a short line and one with more fields than the grid has columns.
        root.put(page(1), "N1\tM1\tC1\tK1\t5\t1200\n"
                          "N2\n"
                          "N3\ta\tb\tc\td\te\tEXTRA\n");
        // Page 2 holds twelve lines: only ten are channels 11..20.
        QStringList twelve;
        for (int i = 11; i <= 22; ++i)
            twelve << QString("N%1\t\t\t\t\t").arg(i);
        root.putLines(page(2), twelve);
        root.putLines(page(3), {"N21"});
        root.putLines(page(10), {"N91", "", "", "", "", "", "", "", "", "N100"});
        s.ChannelNameTable[99][0] = "stale";

        ChannelNames::load(s);
        QCOMPARE(s.GroupDir, QStringLiteral("C:\\GRP05"));
        QCOMPARE(s.ChannelNameTable[0], (ChannelNameRow{"N1", "M1", "C1", "K1", "5", "1200"}));
        QCOMPARE(s.ChannelNameTable[1], (ChannelNameRow{"N2", "", "", "", "", ""}));
        QCOMPARE(s.ChannelNameTable[2], (ChannelNameRow{"N3", "a", "b", "c", "d", "e"}));
        QCOMPARE(s.ChannelNameTable[19][0], QStringLiteral("N20"));
        QCOMPARE(s.ChannelNameTable[20][0], QStringLiteral("N21")); // not N21 of page 2's extra lines
        QCOMPARE(s.ChannelNameTable[21][0], QString());
        // Pages 4..9 are missing: the loading stops there, page 10 stays empty.
        QCOMPARE(s.ChannelNameTable[90][0], QString());
        QCOMPARE(s.ChannelNameTable[99][0], QString());

        // With every page present, page 10 fills channels 91..100.
        for (int p = 4; p <= 9; ++p)
            root.putLines(page(p), {});
        ChannelNames::load(s);
        QCOMPARE(s.ChannelNameTable[90][0], QStringLiteral("N91"));
        QCOMPARE(s.ChannelNameTable[99][0], QStringLiteral("N100"));

        // A missing page 3 ends the loading even though pages 4..10 exist.
        QVERIFY(DriveMap::removeFile(page(3)));
        ChannelNames::load(s);
        QCOMPARE(s.ChannelNameTable[19][0], QStringLiteral("N20"));
        QCOMPARE(s.ChannelNameTable[20][0], QString());
        QCOMPARE(s.ChannelNameTable[90][0], QString());
    }

    void channelNameLabel_data()
    {
        QTest::addColumn<QString>("chNo");
        QTest::addColumn<QString>("shown");
        QTest::newRow("channel 12: line 2 of page 2") << "12"
                                                      << "二号機 ";
        QTest::newRow("channel 100") << "100"
                                     << "最後 ";
        QTest::newRow("channel 00") << "00"
                                    << " ";
        QTest::newRow("not a number") << "**"
                                      << " ";
    }
    void channelNameLabel()
    {
        QFETCH(QString, chNo);
        QFETCH(QString, shown);
        RegistryRoot root;
        root.putLines(ChannelNames::pageFile("C:\\GRP01", 1), {});
        root.putLines(ChannelNames::pageFile("C:\\GRP01", 2), {"一号機", "二号機\t\t\t\t\t"});
        AppState s;
        ChannelNames::load(s);
        s.ChannelNameTable[99][0] = "最後";
        QCOMPARE(ChannelNames::nameLabelText(s, chNo), shown);
    }

    void pageTexts()
    {
        QCOMPARE(ChannelNames::pageFile("C:\\GRP01", 10), QStringLiteral("C:\\GRP01\\CHNAME\\CHNAME10.TXT"));
        const QStringList items = ChannelNames::pageItems();
        QCOMPARE(items.size(), 10);
        QCOMPARE(items.first(), QStringLiteral("CH_01--CH_10"));
        QCOMPARE(items[8], QStringLiteral("CH_81--CH_90"));
        QCOMPARE(items.last(), QStringLiteral("CH_91--CH_100"));
        QCOMPARE(ChannelNames::pageRowLabel(10, 10), QStringLiteral("CH_100"));
        QCOMPARE(ChannelNames::pageRowLabel(1, 1), QStringLiteral("CH_01"));
        QCOMPARE(ChannelNames::loadRowLabel(10), QStringLiteral("ＣＨ_10"));
        // A TAB typed into a field would split the row when read back.
        QCOMPARE(ChannelNames::pageLines({{"a\tb", "", "", "", "", "1000"}}).first(),
                 QStringLiteral("a b\t\t\t\t\t1000"));
    }
};

UNITDESK_TEST(NameFilesTest)
#include "NameFilesTest.moc"
