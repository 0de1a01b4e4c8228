// Writes the seed corpora from real traffic: the replies the simulated line sends the
// program during downloads and monitoring, the logs the downloads store, and files the
// program writes itself. Runs only when UNITDESK_FUZZ_RECORD is set (the corpora are
// committed; this is how they were made).
#include "FuzzTargets.h"
#include "testmain.h"

#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "control/SettingsFiles.h"
#include "link/PortSettingsCodec.h"
#include "mainwin/DownloadFront.h"
#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "mainwin/UnitKinds.h"
#include "sim/SimLine.h"
#include "ui/Grid.h"
#include "ui/Prompt.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

void writeSeed(const char *target, const QString &name, const QByteArray &bytes)
{
    const QString dir = QStringLiteral(UNITDESK_FUZZ_CORPUS "/") + QLatin1String(target);
    QDir().mkpath(dir);
    QFile f(dir + '/' + name);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

int kindIndex(const QByteArray &code)
{
    for (int i = 0; i < int(UnitKinds.size()); ++i)
        if (code == UnitKinds[i].typeCode)
            return i;
    return 0;
}

// The program on the simulated line with one unit of a kind, recording what the line sends.
struct Recording {
    QTemporaryDir root;
    SimLine sim;
    Prompt::Script prompts;
    std::unique_ptr<Program> program;
    QByteArray line; // every frame the line sent, framed

    explicit Recording(const QByteArray &kind)
    {
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);
        sim.clearUnits();
        SimUnit unit;
        unit.id = "01";
        unit.kind = kind;
        unit.channel = 5;
        unit.sprayNo = 5;
        unit.streaming = true;
        sim.setUnit(unit);
        sim.setSelectedUnit("01");
        const QDateTime now(QDate(2026, 12, 8), QTime(9, 5, 30));
        sim.setClock(now, false);
        prompts.answer = [](const Prompt::Message &m) {
            return m.buttons == Prompt::Buttons::YesNo ? m.defaultButton : Prompt::Answer::Ok;
        };
        Prompt::setScript(&prompts);
        QObject::connect(&sim, &SimLine::replySent, [this](const QByteArray &text) { line += '\x02' + text + '\x03'; });
        program = std::make_unique<Program>(
            ParseProgramOptions({"--root", root.path(), "--com", "COM1=" + sim.slavePath()}));
        program->window().endProgram = [] {};
        program->start(now);
        program->window().selectUnitKind(kindIndex(kind));
        QTest::qWait(50);
        line.clear();
    }
    ~Recording()
    {
        program.reset();
        Prompt::setScript(nullptr);
    }
    bool runDownload()
    {
        QTest::qWait(50);
        return QTest::qWaitFor([this] { return !program->downloads().isRunning() && !sim.transferActive(); }, 60000);
    }
    // The stored files below C:\GRP01, by logical path.
    QMap<QString, QByteArray> store() const
    {
        QMap<QString, QByteArray> out;
        QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                out.insert(QDir(root.path()).relativeFilePath(path), f.readAll());
        }
        return out;
    }
};

QByteArray situation(int download, bool windowsFirst, const QByteArray &kind)
{
    return QByteArray(1, char(download | (windowsFirst ? 4 : 0) | (kindIndex(kind) << 3)));
}

} // namespace

class SeedRecorder : public QObject {
    Q_OBJECT
private slots:
    void record()
    {
        if (qEnvironmentVariableIsEmpty("UNITDESK_FUZZ_RECORD"))
            QSKIP("set UNITDESK_FUZZ_RECORD=1 to write the seed corpora");
        for (const QByteArray kind : {"A", "B", "WJ", "C", "D"}) {
            {
                // The range the reply target starts: 26/12/05 to 26/12/07, the clock on the 8th.
                Recording r(kind);
                r.program->state().StartDate = {"26", "12", "05"};
                r.program->state().EndDate = {"26", "12", "07"};
                r.program->window().downloadFront().startMonth();
                QVERIFY(r.runDownload());
                writeSeed("reply_path", "month_" + kind, situation(1, false, kind) + r.line);
                // The first day alone, with every window made before.
                const qsizetype firstDay = r.line.indexOf("\x02O") + 2;
                writeSeed("reply_path", "month_first_day_" + kind,
                          situation(1, true, kind) + r.line.left(r.line.indexOf('\x03', firstDay) + 1));
                const auto files = r.store();
                for (auto it = files.begin(); it != files.end(); ++it) {
                    const bool month = it.key().contains("MnLog");
                    const bool day = it.key().contains("/DAY/");
                    if (!month && !day)
                        continue;
                    const char choice = char((month ? 1 : 0) | (kindIndex(kind) << 1));
                    const QString name = QString::fromLatin1(kind) + '_' + it.key().section('/', -1);
                    writeSeed("log_file", name, choice + it.value());
                }
            }
            {
                Recording r(kind);
                r.program->window().downloadFront().startDay();
                QVERIFY(r.runDownload());
                writeSeed("reply_path", "day_" + kind, situation(2, false, kind) + r.line);
            }
            {
                Recording r(kind);
                for (int i = 0; i < 3; ++i) {
                    r.sim.sendMonitoring();
                    r.sim.sendClock();
                    emit r.program->window().Timer2->timeout({});
                    QTest::qWait(100);
                }
                writeSeed("reply_path", "monitoring_" + kind, situation(0, true, kind) + r.line);
            }
        }

        // One frame of every code the dispatcher knows, as a unit would send it.
        for (const char *code : {"TW", "TK", "TQ", "KK", "KS", "KM", "KE", "ID", "EX", "M", "Y", "O", "P", "D",
                                 "Q", "A", "S", "C", "K", "B", "E", "WD", "WS", "WJ", "WK", "WC", "WP"})
            writeSeed("reply_path", QStringLiteral("code_%1").arg(code),
                      situation(0, true, "A") + '\x02' + code + "0112345678901234567890" + '\x03');

        // Port files as the port settings window writes them, every port and speed.
        for (int port : {0, 3, 25})
            for (int speed : {0, 2, 5}) {
                const QByteArray p = '"' + PortSettings::portFileValue(port).toLatin1() + "\"\r\n";
                const QByteArray s = '"' + PortSettings::speedFileValue(speed).toLatin1() + "\"\r\n";
                writeSeed("port_files", QStringLiteral("com%1_speed%2").arg(port + 1).arg(speed), p + '\0' + s);
            }
        writeSeed("port_files", "port_only", "\"03\"\r\n");

        // Settings files as SaveGridFile and WriteQuotedLine write them.
        QTemporaryDir root;
        DriveMap::setRoot(root.path());
        const QString path = SettingsFiles::controlPath(QStringLiteral("SEED.TXT"));
        QVERIFY(DriveMap::ensureDir(QStringLiteral("C:\\ZRLOG\\CONTROL")));
        Grid grid;
        grid.setRows(9);
        grid.setCols(5);
        for (int r = 1; r < 9; ++r)
            for (int c = 1; c < 5; ++c)
                grid.setTextMatrix(r, c, r % 2 ? QString::number(r * 10 + c) : QStringLiteral("名前%1").arg(c));
        QVERIFY(SettingsFiles::SaveGridFile(grid, path, 8));
        QFile saved(DriveMap::toNative(path));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray gridFile = saved.readAll();
        writeSeed("settings_files", "grid_8x4", char(7 | (3 << 5)) + gridFile);
        writeSeed("settings_files", "grid_too_small", char(2 | (1 << 5)) + gridFile);
        writeSeed("settings_files", "quoted", char(0) + TextFile::encode(QStringLiteral("\"第1工場\"\r\n")));

        // GROUP.TXT as the group window writes it.
        for (const char *group : {"01", "07", "99"})
            writeSeed("group_file", QStringLiteral("group_%1").arg(group), '"' + QByteArray(group) + "\"\r\n");
        writeSeed("group_file", "empty", "");

        // Command lines of the usage text.
        const QList<QStringList> lines{{"unitdesk", "--root", "/tmp/c", "--com", "COM1=/dev/ttyUSB0"},
                                       {"unitdesk", "--demo", "-platform", "offscreen"},
                                       {"unitdesk", "--com=COM26=/dev/ttyS3", "--root=/srv/c", "--version"},
                                       {"unitdesk", "--help"}};
        for (int i = 0; i < lines.size(); ++i)
            writeSeed("command_line", QStringLiteral("usage_%1").arg(i), lines[i].join(QChar(0)).toUtf8());
    }
};

UNITDESK_TEST(SeedRecorder)
#include "SeedRecorder.moc"
