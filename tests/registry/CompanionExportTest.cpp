// The export for the companion program: a hand-worked fixture compared byte for byte, and
// the sources that are missing, short or odd.
#include "../FileSizeLimit.h"
#include "RegistryRoot.h"
#include "testmain.h"

#include "common/AppState.h"
#include "registry/ChannelNames.h"
#include "registry/ChannelNamesDialog.h"
#include "registry/CompanionExport.h"
#include "ui/Grid.h"

#include <QDirIterator>
#include <QTest>

namespace {
// Copies a fixture tree onto the drive.
void copyTree(const QString &from)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        RegistryRoot::put("C:\\" + QDir(from).relativeFilePath(file).replace('/', '\\'), in.readAll());
    }
}

QStringList numbered(const QString &prefix, int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << prefix + QString::number(i);
    return lines;
}
} // namespace

class CompanionExportTest : public QObject {
    Q_OBJECT
private slots:
    void handWorkedFixture()
    {
        const QString fixture = QFINDTESTDATA("registry/export/NAME.TXT");
        QVERIFY(!fixture.isEmpty());
        QFile expected(fixture);
        QVERIFY(expected.open(QIODevice::ReadOnly));
        RegistryRoot root;
        copyTree(QFileInfo(fixture).path() + "/drive");
        root.put(CompanionExport::nameFile(), QByteArray("an older, longer export\r\n").repeated(40));

        QCOMPARE(CompanionExport::run(), CompanionExport::Result::Written);
        QCOMPARE(root.bytes(CompanionExport::nameFile()), expected.readAll());
    }

    void runsAfterEverySave()
    {
        RegistryRoot root;
        root.putLines(CompanionExport::iniFile(), {"ch9901="});
        AppState s;
        s.GroupNo = "01";
        DriveMap::ensureDir("C:\\GRP01\\CHNAME");
        ChannelNamesDialog form(s, {});
        QVERIFY(form.Command3_Click());
        QCOMPARE(root.bytes(CompanionExport::nameFile()), QByteArray("ch9901=\r\n"));
    }

    void withoutVimroIniNothingHappens()
    {
        RegistryRoot root;
        root.putLines(CompanionExport::vimro2File(), {"x"});
        root.put(CompanionExport::nameFile(), "kept\r\n");
        QCOMPARE(CompanionExport::run(), CompanionExport::Result::NoCompanion);
        QCOMPARE(root.bytes(CompanionExport::nameFile()), QByteArray("kept\r\n"));
    }

    void exportNotWritten()
    {
        RegistryRoot root;
        root.putLines(CompanionExport::iniFile(), {"ch9901="});
        QVERIFY(DriveMap::ensureDir(CompanionExport::nameFile())); // a folder in its place
        QCOMPARE(CompanionExport::run(), CompanionExport::Result::NotWritten);
    }

    // The disk fills up after the page is saved: the page is kept, the export is named as
    // not written and keeps its old bytes, no temporary copy stays; with room again the
    // next save writes the export.
    void fullDiskDuringTheExport()
    {
        RegistryRoot root;
        root.putLines(CompanionExport::iniFile(), numbered("line", 60) << "ch9901=");
        root.put(CompanionExport::nameFile(), "older export\r\n");
        AppState s;
        s.GroupNo = "01";
        DriveMap::ensureDir("C:\\GRP01\\CHNAME");
        ChannelNamesDialog form(s, {});
        form.MSFlexGrid1->setTextMatrix(1, 1, "一号機");
        const QDir temp(DriveMap::toNative("C:\\ZRDAT\\TEMP"));
        {
            FileSizeLimit limit(200); // the page (116 bytes) fits, the export (about 500) does not
            QVERIFY(form.Command3_Click());
        }
        QCOMPARE(root.prompts.asked.size(), 1);
        QVERIFY(root.prompts.asked.first().text.endsWith(CompanionExport::nameFile()));
        QCOMPARE(root.bytes(CompanionExport::nameFile()), QByteArray("older export\r\n"));
        QCOMPARE(temp.entryList(QDir::Files | QDir::Hidden), QStringList{"NAME.TXT"});
        QVERIFY(root.bytes(ChannelNames::pageFile("C:\\GRP01", 1)).startsWith(root.sjis("一号機\t")));

        root.prompts.asked.clear();
        QVERIFY(form.Command3_Click());
        QVERIFY(root.prompts.asked.isEmpty());
        QVERIFY(root.bytes(CompanionExport::nameFile()).startsWith("line1\r\nline2\r\n"));
        QVERIFY(root.bytes(CompanionExport::nameFile()).endsWith("line60\r\nch9901=\r\n"));
    }

    // The rules on sources the fixture does not cover.
    void oddSources_data()
    {
        QTest::addColumn<QStringList>("ini");
        QTest::addColumn<bool>("withVimro2");
        QTest::addColumn<QStringList>("vimro2");
        // The first page file (CHNAME01.TXT) of group 1, or of every group for the row that
        // says so; empty: none.
        QTest::addColumn<QStringList>("firstPage");
        QTest::addColumn<QStringList>("expected");

        const QStringList ini = numbered("line", 5) + QStringList{"name01=x", "value1=y", "tail"};
        QTest::newRow("no ch9901= line: copied to the end, no page file: unchanged")
            << ini << false << QStringList() << QStringList() << ini;
        QTest::newRow("blank last two characters are kept")
            << ini << false << QStringList() << QStringList{"A  "}
            << numbered("line", 5) + QStringList{"name01=G1", "value1=  ", "tail"};
        QTest::newRow("a single blank is nothing")
            << ini << false << QStringList() << QStringList{" "}
            << numbered("line", 5) + QStringList{"name01=G1", "value1=", "tail"};
        QTest::newRow("an empty first page line is nothing")
            << ini << false << QStringList() << QStringList{""}
            << numbered("line", 5) + QStringList{"name01=G1", "value1=", "tail"};

        // Only lines 6..203 carry names, two lines a group for up to 99 groups; the table
        // names 50 groups, the others get no name.
        const QStringList long205 = numbered("nnnnnnnn", 205);
        QStringList expected205 = long205;
        for (int n = 6; n <= 203; n += 2) {
            const int group = n / 2 - 2;
            expected205[n - 1] = "nnnnnnn" + (group <= 50 ? QString("G%1").arg(group) : QString());
            expected205[n] = "nnnnnnn12";
        }
        QTest::newRow("every group with a page file: lines 204 on stay")
            << long205 << false << QStringList() << QStringList{"X\t12"} << expected205;

        // Vimro2.TXT: only lines 2..395 take the phases, shorter files are fine.
        QStringList v2 = QStringList{"head"} + numbered("abcdefghijk", 396);
        QStringList expectedV2 = v2;
        for (int n = 2; n <= 395; ++n) {
            const int phase = (n - 2) % 4;
            if (phase == 1)
                expectedV2[n - 1] = v2[n - 1].left(10) + "0";
            else if (phase != 3)
                expectedV2[n - 1] = v2[n - 1].left(11) + "0";
        }
        QTest::newRow("Vimro2.TXT, longer than 395 lines")
            << QStringList{"ch9901="} << true << v2 << QStringList() << QStringList{"ch9901="} + expectedV2;
        QTest::newRow("Vimro2.TXT, two short lines")
            << QStringList{"ch9901="} << true << QStringList{"h", "ab"} << QStringList()
            << QStringList{"ch9901=", "h", "ab0"};
    }
    void oddSources()
    {
        QFETCH(QStringList, ini);
        QFETCH(bool, withVimro2);
        QFETCH(QStringList, vimro2);
        QFETCH(QStringList, firstPage);
        QFETCH(QStringList, expected);
        CompanionExport::Sources s;
        s.vimroIni = ini;
        if (withVimro2)
            s.vimro2 = vimro2;
        s.groupNames = GroupNames::emptyTable();
        for (int g = 1; g <= 50; ++g)
            s.groupNames[g][1] = QString("G%1").arg(g);
        const int groups = QByteArray(QTest::currentDataTag()).startsWith("every group") ? 99 : 1;
        for (int g = 1; g <= groups && !firstPage.isEmpty(); ++g)
            s.pages.insert({g, 1}, firstPage);
        QCOMPARE(CompanionExport::exportLines(s), expected);
    }
};

UNITDESK_TEST(CompanionExportTest)
#include "CompanionExportTest.moc"
