// The settings files every settings window loads and rewrites, and the pause after a write.
#include "testmain.h"

#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "control/SettingsFiles.h"
#include "ui/Grid.h"
#include "ui/StatusBar.h"
#include "ui/WritePause.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray bytes(const QString &logicalPath)
{
    QFile file(DriveMap::toNative(logicalPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void put(const QString &logicalPath, const QByteArray &content)
{
    QFile file(DriveMap::toNative(logicalPath));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A rate grid as the basic conditions window has it: 5 rows of 2 cells under the headers.
void fillMarked(Grid &grid)
{
    grid.setRows(6);
    grid.setCols(3);
    for (int r = 1; r < 6; ++r)
        for (int c = 1; c < 3; ++c)
            grid.setTextMatrix(r, c, QStringLiteral("old"));
}
} // namespace

class SettingsFilesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    const QString Cont1 = SettingsFiles::controlPath(QStringLiteral("CONT1.TXT"));

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        DriveMap::setRoot(m_root.path());
        QDir(m_root.path()).removeRecursively();
        QVERIFY(DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\CONTROL")));
    }

    void loadFillsRowsFromOneAndPutsTheCursorHome_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QStringList>("cells"); // rows 1-5, columns 1-2
        QTest::newRow("three lines leave rows 4-5")
            << TextFile::encode(QStringLiteral("060 _秒\t休止\r\n001 _秒\t002 _秒\r\n003 _秒\t004 _秒\r\n")) << true
            << QStringList{"060 _秒", "休止", "001 _秒", "002 _秒", "003 _秒", "004 _秒", "old", "old", "old", "old"};
        QTest::newRow("LF only, one field") << QByteArray("a\nb\tc\n") << true
                                           << QStringList{"a", "old", "b", "c", "old", "old", "old", "old", "old", "old"};
        QTest::newRow("more lines than rows stop at the last row")
            << QByteArray("1\t1\r\n2\t2\r\n3\t3\r\n4\t4\r\n5\t5\r\n6\t6\r\n") << false
            << QStringList{"1", "1", "2", "2", "3", "3", "4", "4", "5", "5"};
        QTest::newRow("missing") << QByteArray() << false
                                 << QStringList{"old", "old", "old", "old", "old", "old", "old", "old", "old", "old"};
    }
    void loadFillsRowsFromOneAndPutsTheCursorHome()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, complete);
        QFETCH(QStringList, cells);
        if (!file.isEmpty())
            put(Cont1, file);
        Grid grid;
        fillMarked(grid);
        grid.setCurrentCell(4, 2);
        QCOMPARE(SettingsFiles::LoadGridFile(grid, Cont1), complete);
        QStringList got;
        for (int r = 1; r < 6; ++r)
            for (int c = 1; c < 3; ++c)
                got << grid.textMatrix(r, c);
        QCOMPARE(got, cells);
        QCOMPARE(grid.row(), 1);
        QCOMPARE(grid.col(), 1);
    }

    void saveWritesTheRowsAsTabLinesInShiftJis()
    {
        Grid grid;
        fillMarked(grid);
        grid.setTextMatrix(0, 1, QStringLiteral("header is never stored"));
        grid.setTextMatrix(1, 0, QStringLiteral("title is never stored"));
        grid.setTextMatrix(1, 1, QStringLiteral("060 _秒"));
        grid.setTextMatrix(1, 2, QStringLiteral("休止"));
        QVERIFY(SettingsFiles::SaveGridFile(grid, Cont1, 2));
        QCOMPARE(bytes(Cont1), TextFile::encode(QStringLiteral("060 _秒\t休止\r\nold\told\r\n")));
    }

    void quotedLinesAreReadWholeAndRewrittenOnlyWhenPresent()
    {
        const QString base = SettingsFiles::controlPath(QStringLiteral("BASE.TXT"));
        QVERIFY(!SettingsFiles::ReadQuotedLine(base));
        QVERIFY(SettingsFiles::RewriteQuotedLine(base, QStringLiteral("0112000030180201501")));
        QCOMPARE(bytes(base), QByteArray("(missing)"));

        put(base, "\"01120000301802015\"\n");
        QCOMPARE(*SettingsFiles::ReadQuotedLine(base), QStringLiteral("\"01120000301802015\""));
        QVERIFY(SettingsFiles::RewriteQuotedLine(base, QStringLiteral("01000000000000000")));
        QCOMPARE(bytes(base), QByteArray("\"01000000000000000\"\r\n"));

        const QString renzoku = SettingsFiles::controlPath(QStringLiteral("RENZOKU.TXT"));
        QVERIFY(SettingsFiles::WriteQuotedLine(renzoku, QStringLiteral("0090")));
        QCOMPARE(bytes(renzoku), QByteArray("\"0090\"\r\n"));
    }

    void theAcknowledgementShowsAfterTheClearNeverWipedByIt()
    {
        StatusBar bar(2);
        QObject owner;
        WritePause pause(bar, 2, QStringLiteral("WritePause"), &owner);
        pause.start(QStringLiteral("データの書込み中"));
        QCOMPARE(bar.panelText(2), QStringLiteral("データの書込み中"));
        pause.show(QStringLiteral(" 書込み完了")); // the unit answered quickly
        QCOMPARE(bar.panelText(2), QStringLiteral("データの書込み中"));
        emit pause.timer().timeout({});
        pause.timer().stop();
        QCOMPARE(bar.panelText(2), QStringLiteral(" 書込み完了"));

        pause.start(QStringLiteral("データの書込み中"));
        QTRY_COMPARE(bar.panelText(2), QString()); // the clear comes by itself
        pause.show(QStringLiteral(" 書込み完了"));
        QCOMPARE(bar.panelText(2), QStringLiteral(" 書込み完了"));
    }
};

UNITDESK_TEST(SettingsFilesTest)
#include "SettingsFilesTest.moc"
