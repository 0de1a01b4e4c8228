#include "common/DriveMap.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// Creates a file (and its folders) below base, with the given bytes.
void makeFile(const QString &base, const QString &relative, const QByteArray &bytes = "x")
{
    const QString path = base + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class DriveMapTest : public QObject {
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;
    QString m_savedRoot;
    QString base() const { return m_dir->path(); }

private slots:
    void init()
    {
        m_savedRoot = DriveMap::root();
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        DriveMap::setRoot(m_dir->path());
    }
    void cleanup()
    {
        delete m_dir;
        DriveMap::setRoot(m_savedRoot);
    }

    void toNative_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("logical");
        QTest::addColumn<QString>("expected"); // relative to the root
        const QStringList store{"ZRLOG/GRPNAME.TXT", "GRP01/ZR1/Y2013/DAY/CH05/m01d05.TXT"};
        QTest::newRow("exact") << store << "C:\\ZRLOG\\GRPNAME.TXT"
                               << "ZRLOG/GRPNAME.TXT";
        QTest::newRow("lower case file") << store << "C:\\ZRLOG\\grpname.txt"
                                         << "ZRLOG/GRPNAME.TXT";
        QTest::newRow("lower case drive and folder") << store << "c:\\zrlog\\GrpName.Txt"
                                                     << "ZRLOG/GRPNAME.TXT";
        QTest::newRow("deep store path") << store << "C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05\\M01D05.txt"
                                         << "GRP01/ZR1/Y2013/DAY/CH05/m01d05.TXT";
        QTest::newRow("missing part keeps its spelling") << store << "C:\\zrlog\\Temp\\New.TXT"
                                                         << "ZRLOG/Temp/New.TXT";
        QTest::newRow("exact spelling preferred")
            << QStringList{"ZRLOG/grpname.txt", "ZRLOG/GRPNAME.TXT"} << "C:\\ZRLOG\\GRPNAME.TXT"
            << "ZRLOG/GRPNAME.TXT";
        QTest::newRow("exact spelling preferred, other one")
            << QStringList{"ZRLOG/grpname.txt", "ZRLOG/GRPNAME.TXT"} << "C:\\ZRLOG\\grpname.txt"
            << "ZRLOG/grpname.txt";
        QTest::newRow("forward slashes and doubled separators") << store << "C:/ZRLOG//GRPNAME.TXT"
                                                                << "ZRLOG/GRPNAME.TXT";
        QTest::newRow("folder with trailing separator") << store << "C:\\ZRLOG\\"
                                                        << "ZRLOG";
        QTest::newRow("drive alone") << store << "C:\\"
                                     << "";
        QTest::newRow("no climbing above the drive") << store << "C:\\..\\..\\ZRLOG\\GRPNAME.TXT"
                                                     << "ZRLOG/GRPNAME.TXT";
    }
    void toNative()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, logical);
        QFETCH(QString, expected);
        for (const QString &file : existing)
            makeFile(base(), file);
        QCOMPARE(DriveMap::toNative(logical),
                 expected.isEmpty() ? base() : base() + QLatin1Char('/') + expected);
    }

    void otherDriveIsBesideTheRoot()
    {
        DriveMap::setRoot(base() + QStringLiteral("/C"));
        QCOMPARE(DriveMap::toNative(QStringLiteral("d:\\X\\y.txt")), base() + QStringLiteral("/D/X/y.txt"));
        // A native path passes through.
        QCOMPARE(DriveMap::toNative(base() + QStringLiteral("/C/a")), base() + QStringLiteral("/C/a"));
    }

    void toLogical_data()
    {
        QTest::addColumn<QString>("relative"); // below the temporary folder; the root is its "C"
        QTest::addColumn<QString>("expected"); // "<native>" = unchanged
        QTest::newRow("below the root") << "C/AMPDAT/m01d05.TXT"
                                        << "C:\\AMPDAT\\m01d05.TXT";
        QTest::newRow("the root") << "C"
                                  << "C:\\";
        QTest::newRow("outside the root") << "other/x.txt"
                                          << "<native>";
        QTest::newRow("folder that only starts like the root") << "CX/x.txt"
                                                               << "<native>";
    }
    void toLogical()
    {
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        DriveMap::setRoot(base() + QStringLiteral("/C"));
        const QString native = base() + QLatin1Char('/') + relative;
        QCOMPARE(DriveMap::toLogical(native), expected == QLatin1String("<native>") ? native : expected);
    }

    void defaultRoot()
    {
        const QByteArray savedRoot = qgetenv("UNITDESK_ROOT");
        const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
        qputenv("UNITDESK_ROOT", "/env/root");
        qputenv("XDG_DATA_HOME", "/xdg");
        QCOMPARE(DriveMap::defaultRoot(QStringLiteral("/cmd/root")), QStringLiteral("/cmd/root"));
        QCOMPARE(DriveMap::defaultRoot(QString()), QStringLiteral("/env/root"));
        qunsetenv("UNITDESK_ROOT");
        QCOMPARE(DriveMap::defaultRoot(QString()), QStringLiteral("/xdg/unitdesk/C"));
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(DriveMap::defaultRoot(QString()),
                 QDir::homePath() + QStringLiteral("/.local/share/unitdesk/C"));
        savedRoot.isNull() ? qunsetenv("UNITDESK_ROOT") : qputenv("UNITDESK_ROOT", savedRoot);
        savedXdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", savedXdg);
    }

    void ensureDirCreatesEveryLevel()
    {
        QVERIFY(DriveMap::ensureDir(QStringLiteral("C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05")));
        QVERIFY(QFileInfo(base() + QStringLiteral("/GRP01/ZR1/Y2013/DAY/CH05")).isDir());
        QVERIFY(DriveMap::dirExists(QStringLiteral("c:\\grp01\\zr1\\y2013\\day\\ch05")));
        // Again: nothing to do, still true.
        QVERIFY(DriveMap::ensureDir(QStringLiteral("C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05")));
    }

    void ensureDirReusesDifferentlyCasedFolders()
    {
        QVERIFY(QDir().mkpath(base() + QStringLiteral("/grp01/zr1")));
        QVERIFY(DriveMap::ensureDir(QStringLiteral("C:\\GRP01\\ZR1\\Y2013\\MON")));
        QCOMPARE(QDir(base()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"grp01"});
        QCOMPARE(QDir(base() + QStringLiteral("/grp01")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"zr1"});
        QVERIFY(QFileInfo(base() + QStringLiteral("/grp01/zr1/Y2013/MON")).isDir());
    }

    void ensureDirCreatesAMissingRoot()
    {
        DriveMap::setRoot(base() + QStringLiteral("/fresh/C"));
        QVERIFY(DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\TEMP")));
        QVERIFY(QFileInfo(base() + QStringLiteral("/fresh/C/ZRLOG/TEMP")).isDir());
    }

    void ensureDirFailsOnAFileInTheWay()
    {
        makeFile(base(), QStringLiteral("ZRLOG"));
        QVERIFY(!DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\TEMP")));
        QVERIFY(!DriveMap::dirExists(QStringLiteral("C:\\ZRLOG")));
        QVERIFY(DriveMap::fileExists(QStringLiteral("C:\\zrlog")));
    }

    void removeEmptyDir()
    {
        makeFile(base(), QStringLiteral("FULL/a.TXT"));
        QVERIFY(QDir().mkpath(base() + QStringLiteral("/EMPTY")));
        QVERIFY(!DriveMap::removeEmptyDir(QStringLiteral("C:\\full")));
        QVERIFY(QFile::exists(base() + QStringLiteral("/FULL/a.TXT")));
        QVERIFY(DriveMap::removeEmptyDir(QStringLiteral("C:\\empty")));
        QVERIFY(!QFileInfo::exists(base() + QStringLiteral("/EMPTY")));
        QVERIFY(!DriveMap::removeEmptyDir(QStringLiteral("C:\\MISSING")));
    }

    void matchFiles_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("m*.*") << "C:\\grp01\\DAY\\CH05\\m*.*"
                              << QStringList{"M02D01.txt", "Mn01.TXT", "m01d05.TXT", "mN02.txt", "mnoext"};
        QTest::newRow("Mn*.*") << "C:\\GRP01\\day\\ch05\\Mn*.*"
                               << QStringList{"Mn01.TXT", "mN02.txt", "mnoext"};
        QTest::newRow("question mark")
            << "C:\\GRP01\\DAY\\CH05\\m??d0?.txt" << QStringList{"M02D01.txt", "m01d05.TXT"};
        QTest::newRow("other characters are literal")
            << "C:\\GRP01\\DAY\\CH05\\x[1].TXT" << QStringList{"x[1].TXT"};
        QTest::newRow("dot is literal") << "C:\\GRP01\\DAY\\CH05\\m01d05?TXT" << QStringList{"m01d05.TXT"};
        QTest::newRow("no match") << "C:\\GRP01\\DAY\\CH05\\Z*.*" << QStringList{};
        QTest::newRow("missing folder") << "C:\\GRP02\\DAY\\m*.*" << QStringList{};
    }
    void matchFiles()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, expected);
        const QString folder = QStringLiteral("GRP01/DAY/CH05/");
        for (const char *name :
             {"m01d05.TXT", "M02D01.txt", "Mn01.TXT", "mN02.txt", "mnoext", "x[1].TXT", "x1.TXT"})
            makeFile(base(), folder + QLatin1String(name));
        QVERIFY(
            QDir().mkpath(base() + QLatin1Char('/') + folder + QStringLiteral("mfolder.d"))); // files only
        QStringList found = DriveMap::matchFiles(pattern);
        for (QString &path : found) {
            QVERIFY2(path.startsWith(base() + QLatin1Char('/') + folder), qPrintable(path));
            path = QFileInfo(path).fileName();
        }
        found.sort();
        expected.sort();
        QCOMPARE(found, expected);
    }

    void removeFile()
    {
        makeFile(base(), QStringLiteral("ZRLOG/TEMP/DAY.TXT"));
        QVERIFY(DriveMap::removeFile(QStringLiteral("C:\\zrlog\\temp\\day.txt")));
        QVERIFY(!QFileInfo::exists(base() + QStringLiteral("/ZRLOG/TEMP/DAY.TXT")));
        QVERIFY(!DriveMap::removeFile(QStringLiteral("C:\\ZRLOG\\TEMP\\DAY.TXT")));
        QVERIFY(!DriveMap::removeFile(QStringLiteral("C:\\ZRLOG\\TEMP"))); // a folder is no file
    }

    void replaceFileCopiesBytes()
    {
        const QByteArray bytes("\x82\x62\x82\x67\t1\r\n\x00\xff", 10);
        makeFile(base(), QStringLiteral("ZRLOG/TEMP/DAY.TXT"), bytes);
        makeFile(base(), QStringLiteral("GRP01/DAY/m01d05.TXT"), QByteArray(100000, 'o')); // longer old file
        QVERIFY(DriveMap::replaceFile(QStringLiteral("C:\\ZRLOG\\TEMP\\DAY.TXT"),
                                      QStringLiteral("C:\\grp01\\day\\M01D05.TXT")));
        QCOMPARE(contents(base() + QStringLiteral("/GRP01/DAY/m01d05.TXT")), bytes);
        QCOMPARE(QDir(base() + QStringLiteral("/GRP01/DAY")).entryList(QDir::Files),
                 QStringList{"m01d05.TXT"});
        // New destination file.
        QVERIFY(DriveMap::replaceFile(QStringLiteral("C:\\ZRLOG\\TEMP\\DAY.TXT"),
                                      QStringLiteral("C:\\GRP01\\DAY\\m01d06.TXT")));
        QCOMPARE(contents(base() + QStringLiteral("/GRP01/DAY/m01d06.TXT")), bytes);
        // Onto itself: unchanged.
        QVERIFY(DriveMap::replaceFile(QStringLiteral("C:\\GRP01\\DAY\\m01d06.TXT"),
                                      QStringLiteral("C:\\GRP01\\DAY\\m01d06.TXT")));
        QCOMPARE(contents(base() + QStringLiteral("/GRP01/DAY/m01d06.TXT")), bytes);
    }

    void replaceFileKeepsTheOldFileOnFailure_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("source missing") << "source missing";
        QTest::newRow("source is a folder") << "source is a folder";
        QTest::newRow("source read fails midway") << "read error";
        QTest::newRow("destination folder read-only") << "read-only";
        QTest::newRow("destination is a folder") << "destination is a folder";
    }
    void replaceFileKeepsTheOldFileOnFailure()
    {
        QFETCH(QString, failure);
        const QString dayDir = base() + QStringLiteral("/GRP01/DAY");
        makeFile(base(), QStringLiteral("ZRLOG/TEMP/DAY.TXT"), "new");
        makeFile(base(), QStringLiteral("GRP01/DAY/m01d05.TXT"), "old");
        QString source = QStringLiteral("C:\\ZRLOG\\TEMP\\DAY.TXT");
        QString dest = QStringLiteral("C:\\GRP01\\DAY\\m01d05.TXT");
        if (failure == QLatin1String("source missing")) {
            source = QStringLiteral("C:\\ZRLOG\\TEMP\\GONE.TXT");
        } else if (failure == QLatin1String("source is a folder")) {
            source = QStringLiteral("C:\\ZRLOG\\TEMP");
        } else if (failure == QLatin1String("read error")) {
            // Opens fine, but reading its first page fails (it is not mapped).
            source = QStringLiteral("/proc/self/mem");
            if (!QFileInfo::exists(source))
                QSKIP("no /proc/self/mem on this system");
        } else if (failure == QLatin1String("read-only")) {
            if (geteuid() == 0)
                QSKIP("running as root: folder permission bits do not stop root from writing");
            QVERIFY(QFile::setPermissions(dayDir, QFile::ReadOwner | QFile::ExeOwner));
        } else {
            QVERIFY(QDir().mkpath(dayDir + QStringLiteral("/m01d06.TXT/inner")));
            dest = QStringLiteral("C:\\GRP01\\DAY\\m01d06.TXT");
        }
        const QStringList before =
            QDir(dayDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        const bool ok = DriveMap::replaceFile(source, dest);
        QFile::setPermissions(dayDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!ok);
        QCOMPARE(contents(dayDir + QStringLiteral("/m01d05.TXT")), QByteArray("old"));
        // No temporary file is left behind.
        QCOMPARE(QDir(dayDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    }

    void replaceFileIntoAMissingFolderFails()
    {
        makeFile(base(), QStringLiteral("ZRLOG/TEMP/DAY.TXT"), "new");
        QVERIFY(!DriveMap::replaceFile(QStringLiteral("C:\\ZRLOG\\TEMP\\DAY.TXT"),
                                       QStringLiteral("C:\\AMPDAT\\m01d05.TXT")));
        QVERIFY(!QFileInfo::exists(base() + QStringLiteral("/AMPDAT")));
    }
};

UNITDESK_TEST(DriveMapTest)
#include "DriveMapTest.moc"
