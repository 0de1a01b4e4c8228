// Downloads without the window on the simulated line: the same store as the main window's
// download unit by unit, a silent unit among others, and the port, store and command line
// it cannot use.
#include "testmain.h"

#include "common/AppState.h"
#include "common/DriveMap.h"
#include "headless/DownloadCommand.h"
#include "headless/HeadlessDownload.h"
#include "link/ReplyRoutes.h"
#include "link/SerialLink.h"
#include "logstore/DownloadSession.h"
#include "mainwin/MainFixture.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "sim/SimLine.h"
#include "ui/Prompt.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

SimUnit simUnit(int n, const QByteArray &kind = "A")
{
    SimUnit u;
    u.id = QByteArray::number(n).rightJustified(2, '0');
    u.kind = kind;
    u.channel = n + 20;
    u.sprayNo = n + 4;
    u.streaming = true;
    return u;
}

// The line with the given units, their clocks standing at `now`.
void populate(SimLine &sim, const QList<SimUnit> &units, const QDateTime &now)
{
    sim.clearUnits();
    for (const SimUnit &u : units)
        sim.setUnit(u);
    sim.setMonitorIntervalMs(0);
    sim.setClockIntervalMs(0);
    sim.setClock(now, false);
}

// Every file below a root: relative path -> bytes.
QMap<QString, QByteArray> filesBelow(const QString &root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        out.insert(QDir(root).relativeFilePath(f.fileName()), f.readAll());
    }
    return out;
}

// Standard error of an in-process command.
struct Captured {
    std::FILE *file = std::tmpfile();
    ~Captured() { std::fclose(file); }
    QString text()
    {
        std::fflush(file);
        std::rewind(file);
        QByteArray all;
        char buffer[4096];
        while (const size_t n = std::fread(buffer, 1, sizeof buffer, file))
            all.append(buffer, qsizetype(n));
        return QString::fromUtf8(all);
    }
};

const QDateTime Now = QDateTime::currentDateTime();
const QDate Yesterday = Now.date().addDays(-1);

} // namespace

class HeadlessDownloadTest : public QObject {
    Q_OBJECT
private slots:
    // "--all" for yesterday stores what the main window stores when each unit is selected
    // in turn and its month download is run for that day.
    void storesWhatTheWindowStoresUnitByUnit()
    {
        SimLine sim;
        QList<SimUnit> units;
        for (int n = 1; n <= 12; ++n)
            units << simUnit(n, n == 4 ? "C" : "A");
        populate(sim, units, Now);

        QTemporaryDir headlessRoot;
        Captured err;
        const int status = RunDownloadCommand({"--root", headlessRoot.path(), "--com", "COM1=" + sim.slavePath(),
                                               "--all", "--kind", "04:C", "--from", "yesterday", "--to", "yesterday"},
                                              err.file, Now);
        const QString report = err.text();
        QVERIFY2(status == 0, qPrintable(report));
        QVERIFY2(report.contains("unit 04 (C): 1 day stored\n"), qPrintable(report));
        QVERIFY2(report.endsWith("unitdesk download: 12 of 12 units fetched, 12 days stored\n"), qPrintable(report));

        QTemporaryDir windowRoot;
        Prompt::Script prompts;
        prompts.answer = [](const Prompt::Message &) { return Prompt::Answer::Ok; };
        Prompt::setScript(&prompts);
        sim.clearRequests();
        {
            Program program(ParseProgramOptions({"--root", windowRoot.path(), "--com", "COM1=" + sim.slavePath()}));
            program.window().endProgram = [] {};
            program.start(Now);
            MainWindow &w = program.window();
            for (int n = 1; n <= 12; ++n) {
                w.List1->setCurrentRow(n == 4 ? 3 : 0);
                w.selectUnitId(n);
                QTRY_COMPARE(w.Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定完了"));
                w.selectDateMode("1");
                w.calendarClicked(Yesterday);
                w.selectDateMode("2");
                w.calendarClicked(Yesterday);
                w.action("mnuMnth_Log")->trigger();
                QTRY_VERIFY_WITH_TIMEOUT(!program.downloads().isRunning() && !sim.transferActive(), 20000);
            }
        }
        Prompt::setScript(nullptr);
        QCOMPARE(prompts.asked.size(), 12); // the month question only, no failure

        // The window also makes its working folders at start; the files are what counts.
        const QMap<QString, QByteArray> headless = filesBelow(headlessRoot.path());
        const QMap<QString, QByteArray> window = filesBelow(windowRoot.path());
        QCOMPARE(headless.keys(), window.keys());
        for (auto it = window.cbegin(); it != window.cend(); ++it)
            QVERIFY2(headless.value(it.key()) == it.value(), qPrintable(it.key()));
        const QString day = Yesterday.toString("'GRP/ZR1/Y'yyyy'/DAY/CH25/m'MM'd'dd'.TXT'");
        QVERIFY2(window.contains(day), qPrintable(window.keys().join('\n')));
        QVERIFY(window.contains(Yesterday.toString("'GRP/ZR3/Y'yyyy'/DAY/CH24/m'MM'd'dd'.TXT'")));
    }

    // A unit that does not answer is reported and the others are still fetched; a
    // water-spray unit's logs go under the spray number its poll reply gives.
    void silentUnitAmongOthers()
    {
        QTemporaryDir root;
        DriveMap::setRoot(root.path());
        DriveMap::ensureDir("C:\\ZRLOG\\TEMP");
        SimLine sim;
        populate(sim, {simUnit(1), simUnit(3, "WJ")}, Now);
        AppState state;
        SerialLink link;
        ReplyRoutes routes;
        DownloadSession session(state, link);
        session.addReplySteps(routes);
        HeadlessDownload download(state, link, session, routes);
        download.clock = [] { return Now; };
        link.setHandlers(&routes);
        link.setDeviceForAll(sim.slavePath());
        QVERIFY(link.open());
        // The answer watchdog of the silent unit is fired instead of waited out.
        connect(&download, &HeadlessDownload::unitStarted, this, [&](const DownloadUnit &unit) {
            if (unit.unitId == "02")
                QTimer::singleShot(100, &download, [&] { emit download.answerWatchdog().timeout({}); });
        });
        download.start({{"01", "A"}, {"02", "A"}, {"03", "WJ"}}, Yesterday, Yesterday);
        QTRY_VERIFY_WITH_TIMEOUT(!download.isRunning(), 20000);
        link.setHandlers(nullptr);

        const QList<UnitOutcome> &o = download.outcomes();
        QCOMPARE(o.size(), 3);
        QVERIFY2(o[0].ok() && o[0].daysStored == 1, qPrintable(o[0].failure));
        QCOMPARE(o[1].failure, QString("the unit does not answer its selection (ID02ID)"));
        QCOMPARE(o[1].daysStored, 0);
        QVERIFY2(o[2].ok() && o[2].daysStored == 1, qPrintable(o[2].failure));
        QVERIFY(DriveMap::fileExists(QStringLiteral("C:\\GRP01\\ZR4\\Y20%1\\DAY\\CH07\\m%2d%3.TXT")
                                         .arg(Yesterday.toString("yy"), Yesterday.toString("MM"),
                                              Yesterday.toString("dd"))));
        QVERIFY(sim.requests().contains("E101RS01ID"));
    }

    // Without --kind a unit of kind D is taken for kind A: its records have the other
    // layout. It is named with the remedy, nothing of it is stored, the next unit is fetched.
    void unitOfAnotherKind()
    {
        SimLine sim;
        populate(sim, {simUnit(4, "D"), simUnit(5)}, Now);
        QTemporaryDir root;
        Captured err;
        const int status = RunDownloadCommand({"--root", root.path(), "--com", "COM1=" + sim.slavePath(), "--unit",
                                               "04", "--unit", "05", "--from", "yesterday", "--to", "yesterday"},
                                              err.file, Now);
        const QString report = err.text();
        QCOMPARE(status, 1);
        QVERIFY2(report.contains("unit 04 (A): FAILED (0 days stored): 子機 04: replies are not of kind A; give its "
                                 "kind with --kind 04:K\n"),
                 qPrintable(report));
        QVERIFY2(report.contains("unit 05 (A): 1 day stored\n"), qPrintable(report));
        QVERIFY2(report.endsWith("1 of 2 units fetched, 1 days stored\n"), qPrintable(report));
        const QStringList files = filesBelow(root.path()).keys();
        QVERIFY(files.filter("/CH24/").isEmpty());
        QCOMPARE(files.filter("/CH25/").size(), 2); // its day and its month
        QVERIFY(!files.join('\n').contains("DAMAGED"));
    }

    // A day after today stores nothing and is a bad argument.
    void daysThatHaveNotCome()
    {
        QTemporaryDir root;
        Captured err;
        const QString tomorrow = Now.date().addDays(1).toString(Qt::ISODate);
        QCOMPARE(RunDownloadCommand({"--root", root.path(), "--all", "--from", tomorrow, "--to", tomorrow}, err.file, Now),
                 2);
        QVERIFY2(err.text().startsWith("unitdesk download: --from " + tomorrow + " is after today"), qPrintable(err.text()));
        QVERIFY(filesBelow(root.path()).isEmpty());
    }

    void refusesWhatItCannotUse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad argument") << QStringList{"--unit", "13"} << 2
                                      << "unitdesk download: --unit takes a unit ID from 00 to 12, not \"13\"\n"
                                         "Try: unitdesk download --help\n";
        QTest::newRow("no such device") << QStringList{"--unit", "1", "--com", "COM1=/dev/unitdesk-none"} << 1
                                        << "unitdesk download: cannot open COM1 (/dev/unitdesk-none): ";
        QTest::newRow("store is a file") << QStringList{"--unit", "1", "--root", "%file"} << 1
                                         << "unitdesk download: the store cannot be written: ";
    }
    void refusesWhatItCannotUse()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile file(dir.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        args.replaceInStrings("%file", file.fileName());
        if (!args.contains("--root"))
            args << "--root" << dir.path();
        Captured err;
        QCOMPARE(RunDownloadCommand(args, err.file, Now), status);
        const QString text = err.text();
        QVERIFY2(text.startsWith(message), qPrintable(text));
    }

    // The main window holds its port's lock: the headless download says who has the line
    // and leaves it alone.
    void portHeldByTheWindow()
    {
        const QString program = qEnvironmentVariable("UNITDESK_UNITDESK_BIN");
        if (program.isEmpty())
            QSKIP("UNITDESK_UNITDESK_BIN is not set (run through ctest)");
        MainFixture f;
        if (f.wire.kind() != SimWire::Kind::PseudoTerminal)
            QSKIP("another process on the line needs a pseudo-terminal");
        QVERIFY(f.window->link().isOpen());
        const QString device = f.wire.portPath();
        QTemporaryDir root;
        QProcess run;
        run.start(program, {"download", "--root", root.path(), "--com", "COM1=" + device, "--unit", "01"});
        QVERIFY(run.waitForFinished(20000));
        QCOMPARE(run.exitCode(), 1);
        const QString err = QString::fromUtf8(run.readAllStandardError());
        QVERIFY2(err.startsWith("unitdesk download: COM1 (" + device + ") is in use by ") &&
                     err.contains(QStringLiteral("(pid %1 on ").arg(QCoreApplication::applicationPid())),
                 qPrintable(err));
        QVERIFY(f.nothingSent());
    }
};

UNITDESK_TEST(HeadlessDownloadTest)
#include "HeadlessDownloadTest.moc"
