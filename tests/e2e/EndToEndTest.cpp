// The whole program against the simulated unit line: the tests' line in this process, and
// the program as a process of its own on a pseudo-terminal and on --demo's line.
#include "../TestLine.h"
#include "testmain.h"

#include "ui/Prompt.h"
#include "link/SerialLink.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "sim/SimLine.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void programTalksToTheLine()
    {
        QTemporaryDir root;
        // COM2 at 9600 baud, as the port settings window stores them.
        writeFile(root.path() + "/ZRLOG/COM/COMPORT2.TXT", "\"01\"\r\n");
        writeFile(root.path() + "/ZRLOG/COM/COMPORT3.TXT", "\" 1\"\r\n");
        SimLine sim(testLineKind());
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);

        Prompt::Script prompts;
        Prompt::setScript(&prompts);
        ProgramOptions options = ParseProgramOptions({"--root", root.path()});
        QVERIFY(options.error.isEmpty());
        {
            Program program(options);
            putOnLine(program.link(), sim.wire());
            program.start(QDateTime(QDate(2026, 12, 8), QTime(9, 5)));
            MainWindow &w = program.window();
            QVERIFY(w.link().isOpen());
            QCOMPARE(w.link().portNumber(), 2);
            QCOMPARE(w.link().settings(), QStringLiteral("9600,n,8,2"));
            QCOMPARE(w.state().PcLineSpeed, QStringLiteral("9600"));

            // A frame the program sends arrives byte for byte.
            w.selectUnitId(5);
            QTRY_COMPARE(sim.requests(), QList<QByteArray>{"ID05ID"});
            // The unit's answer is dispatched.
            QTRY_COMPARE(w.Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定完了"));

            sim.sendMonitoring();
            QTRY_COMPARE(w.Label21->text(), QStringLiteral(" 通信中"));
            QCOMPARE(w.Timer2->interval(), 25000);
            QVERIFY(w.Combo1->currentText().startsWith(" ID_No ： "));

            QVERIFY(prompts.asked.isEmpty());
            w.endProgram = [] {};
        }
        Prompt::setScript(nullptr);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::newRow("root and ports")
            << QStringList{"--root", "/x", "--com", "COM4=/dev/ttyUSB0", "--com=com26=/d"} << true;
        QTest::newRow("port out of range") << QStringList{"--com", "COM27=/dev/x"} << false;
        QTest::newRow("missing value") << QStringList{"--root"} << false;
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << false;
        QTest::newRow("Qt's own options") << QStringList{"-platform", "offscreen", "-style", "Fusion", "-reverse"}
                                          << true;
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, ok);
        const ProgramOptions o = ParseProgramOptions(arguments);
        QCOMPARE(o.error.isEmpty(), ok);
        if (QTest::currentDataTag() == QByteArray("root and ports")) {
            QCOMPARE(o.root, QStringLiteral("/x"));
            QCOMPARE(o.devices.value(4), QStringLiteral("/dev/ttyUSB0"));
            QCOMPARE(o.devices.value(26), QStringLiteral("/d"));
        }
    }

    void programProcessRunsOnTheLine_data()
    {
        QTest::addColumn<bool>("demo");
        QTest::newRow("a pseudo-terminal") << false;
        QTest::newRow("--demo") << true;
    }
    void programProcessRunsOnTheLine()
    {
        QFETCH(bool, demo);
        const QString binary = qEnvironmentVariable("UNITDESK_UNITDESK_BIN");
        if (binary.isEmpty())
            QSKIP("UNITDESK_UNITDESK_BIN is not set (run through ctest)");
        if (!demo && !SimWire::hasPseudoTerminals())
            QSKIP("a line shared with another process needs a pseudo-terminal");
        QTemporaryDir root;
        // The program's own line with --demo; else one here, on a pseudo-terminal.
        std::unique_ptr<SimLine> sim;
        QStringList arguments{"--root", root.path(), "--demo"};
        if (!demo) {
            sim = std::make_unique<SimLine>(SimWire::Kind::PseudoTerminal);
            sim->setMonitorIntervalMs(100);
            arguments.last() = "--com";
            arguments << "COM1=" + sim->slavePath();
        }
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.start(binary, arguments);
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo(root.path() + "/GRP/ZR3/Y" + QDate::currentDate().toString("yyyy") + "/DAY").isDir(),
            10000);
        QTest::qWait(500); // replies flow in while it runs
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(5000));

        QProcess help;
        help.start(binary, {"--help"});
        QVERIFY(help.waitForFinished(5000));
        QCOMPARE(help.exitCode(), 0);
        QVERIFY(help.readAllStandardOutput().contains("--com COMn=DEVICE"));
    }

    // Over SSH there is no display: the command line is still answered, and the window's
    // absence is one line and a status, not an abort.
    void commandLineWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray("Usage: unitdesk");
        QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("unitdesk " UNITDESK_VERSION "\n");
        QTest::newRow("bad option") << QStringList{"--bogus"} << 2 << QByteArray("unitdesk: unknown option --bogus");
        QTest::newRow("the window") << QStringList{} << 1 << QByteArray("unitdesk: no display");
    }
    void commandLineWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        const QString binary = qEnvironmentVariable("UNITDESK_UNITDESK_BIN");
        if (binary.isEmpty())
            QSKIP("UNITDESK_UNITDESK_BIN is not set (run through ctest)");
        QTemporaryDir root;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        program.setProcessEnvironment(env);
        program.start(binary, arguments + QStringList{"--root", root.path()});
        QVERIFY(program.waitForFinished(5000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QByteArray printed = program.readAllStandardOutput() + program.readAllStandardError();
        QVERIFY2(printed.contains(output), printed.constData());
    }
};

UNITDESK_TEST(EndToEndTest)
#include "EndToEndTest.moc"
