#include "logstore/GroupClear.h"
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "logstore/StorePaths.h"
#include "testmain.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Files of a store with logs of several kinds, years and groups, some spelled in lower
// case as another program may have left them. Folders ending in '/' are empty.
const QStringList Store{
    "GRP01/ZR1/Y2013/DAY/CH05/m01d05.TXT", "GRP01/ZR1/Y2013/DAY/CH05/m01d06.TXT",
    "GRP01/ZR1/Y2013/DAY/CH07/m01d05.TXT", "GRP01/ZR1/Y2013/DAY/CH07/note.txt",
    "GRP01/ZR1/Y2013/DAY/ch08/M01D05.txt", "GRP01/ZR1/Y2013/DAY/CH09/",
    "GRP01/ZR1/Y2013/DAY/CH00/m01d05.TXT", "GRP01/ZR1/Y2013/DAY/CH100/m01d05.TXT",
    "GRP01/ZR1/Y2013/M01/CH05/MnLog.TXT",  "GRP01/ZR3/Y2013/M12/CH99/MnLog.TXT",
    "GRP01/ZR2/Y2013/m03/ch01/mnlog.txt",  "GRP01/ZR2/Y2013/M02/CH02/MnLog.TXT",
    "GRP01/ZR2/Y2013/M02/CH02/other.TXT",  "GRP01/ZR2/Y2013/M13/CH01/MnLog.TXT",
    "GRP01/ZR1/Y2012/DAY/CH05/m01d05.TXT", "GRP01/ZR1/Y2012/M01/CH05/MnLog.TXT",
    "GRP02/ZR1/Y2013/DAY/CH05/m01d05.TXT", "GRP01/ZR4/Y2013/DAY/CH05/m01d05.TXT",
    "GRP01/ZR4/Y2013/M01/CH05/MnLog.TXT",
};

// Every file and folder below the root, folders ending in '/'.
QStringList tree(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out << QDir(root).relativeFilePath(path) + (QFileInfo(path).isDir() ? "/" : "");
    }
    out.sort();
    return out;
}

} // namespace

class GroupClearTest : public QObject {
    Q_OBJECT
private slots:
    void clearsOneYear_data();
    void clearsOneYear();
    void calendarFolders_data();
    void calendarFolders();
};

void GroupClearTest::clearsOneYear_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("removed");
    const QStringList standard{
        "GRP01/ZR1/Y2013/DAY/CH05/",           "GRP01/ZR1/Y2013/DAY/CH05/m01d05.TXT",
        "GRP01/ZR1/Y2013/DAY/CH05/m01d06.TXT", "GRP01/ZR1/Y2013/DAY/CH07/m01d05.TXT",
        "GRP01/ZR1/Y2013/DAY/ch08/",           "GRP01/ZR1/Y2013/DAY/ch08/M01D05.txt",
        "GRP01/ZR1/Y2013/DAY/CH09/",           "GRP01/ZR1/Y2013/M01/CH05/",
        "GRP01/ZR1/Y2013/M01/CH05/MnLog.TXT",  "GRP01/ZR3/Y2013/M12/CH99/",
        "GRP01/ZR3/Y2013/M12/CH99/MnLog.TXT",  "GRP01/ZR2/Y2013/m03/ch01/",
        "GRP01/ZR2/Y2013/m03/ch01/mnlog.txt",  "GRP01/ZR2/Y2013/M02/CH02/MnLog.TXT",
    };
    QTest::newRow("standard kinds together") << "A" << true << standard;
    QTest::newRow("temperature kind alike") << "C" << true << standard;
    QTest::newRow("water spray alone")
        << "WJ" << true
        << QStringList{"GRP01/ZR4/Y2013/DAY/CH05/", "GRP01/ZR4/Y2013/DAY/CH05/m01d05.TXT",
                       "GRP01/ZR4/Y2013/M01/CH05/", "GRP01/ZR4/Y2013/M01/CH05/MnLog.TXT"};
    QTest::newRow("cancel") << "A" << false << QStringList{};
}

void GroupClearTest::clearsOneYear()
{
    QFETCH(QString, kind);
    QFETCH(bool, confirm);
    QFETCH(QStringList, removed);
    QTemporaryDir root;
    DriveMap::setRoot(root.path());
    for (const QString &entry : Store) {
        QVERIFY(QDir(root.path()).mkpath(entry.endsWith('/') ? entry : QFileInfo(entry).path()));
        if (!entry.endsWith('/')) {
            QFile f(root.path() + '/' + entry);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
    const QStringList before = tree(root.path());
    AppState state;
    state.UnitTypeCode = kind;
    state.GroupNo = QStringLiteral("01");
    state.GroupDir = QStringLiteral("C:\\GRP01");
    state.PickedDate = {"13", "05", "20"};

    QCOMPARE(GroupClearQuestionText(state), QStringLiteral("GRP_01 13年の子機 ﾃﾞｰﾀ領域を消去します"));
    QCOMPARE(GroupClearQuestionTitle(), QStringLiteral("ﾃﾞｰﾀ保存領域のクリア"));
    if (confirm) // the main window asks; only OK clears
        ClearGroupYear(state);
    QStringList expected = before;
    for (const QString &r : removed)
        QVERIFY2(expected.removeOne(r), qPrintable(r));
    QCOMPARE(tree(root.path()), expected);
}

void GroupClearTest::calendarFolders_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("A") << "A"
                       << QStringList{"GRP01/", "GRP01/ZR1/", "GRP01/ZR1/Y2013/", "GRP01/ZR1/Y2013/DAY/",
                                      "GRP01/ZR1/Y2013/M02/"};
    QTest::newRow("D") << "D"
                       << QStringList{"GRP01/", "GRP01/ZR2/", "GRP01/ZR2/Y2013/", "GRP01/ZR2/Y2013/DAY/",
                                      "GRP01/ZR2/Y2013/M02/"};
    QTest::newRow("C") << "C"
                       << QStringList{"GRP01/", "GRP01/ZR3/", "GRP01/ZR3/Y2013/", "GRP01/ZR3/Y2013/DAY/",
                                      "GRP01/ZR3/Y2013/M02/"};
    QTest::newRow("WJ none") << "WJ" << QStringList{};
    QTest::newRow("G none") << "G" << QStringList{};
}

void GroupClearTest::calendarFolders()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, folders);
    QTemporaryDir root;
    DriveMap::setRoot(root.path());
    AppState state;
    state.UnitTypeCode = kind;
    state.GroupDir = QStringLiteral("C:\\GRP01");
    EnsureCalendarFolders(state, QDate(2013, 2, 28));
    QCOMPARE(tree(root.path()), folders);
}

UNITDESK_TEST(GroupClearTest)
#include "GroupClearTest.moc"
