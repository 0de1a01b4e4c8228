// The line pulled away in the middle of a month download and brought back under the same
// name: the program waits for it, opens it again and the month ends as if nothing had
// happened.
#include "testmain.h"

#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "sim/SimLine.h"
#include "ui/Prompt.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QDateTime Now(QDate(2026, 12, 8), QTime(10, 20));

std::unique_ptr<SimLine> unitLine()
{
    auto sim = std::make_unique<SimLine>();
    sim->clearUnits();
    SimUnit u;
    u.id = "01";
    u.kind = "A";
    u.channel = 5;
    u.streaming = true;
    sim->setUnit(u);
    sim->setSelectedUnit("01");
    sim->setMonitorIntervalMs(0);
    sim->setClockIntervalMs(0);
    sim->setClock(Now, false);
    sim->setBaud(115200); // paced, so that the line can go in the middle
    return sim;
}

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

QString notice(MainWindow &w)
{
    auto *bar = w.findChild<QStatusBar *>("LineNotice");
    return bar ? bar->currentMessage() : QString();
}

// November 2026 downloaded through a symbolic link to the line; with `cut`, the line goes
// after `cut` replies and a new one comes up under the link.
void november(int cut, QMap<QString, QByteArray> &files, QList<QByteArray> *requestsAfter = nullptr)
{
    QTemporaryDir root, links;
    const QString link = links.filePath("line");
    std::unique_ptr<SimLine> sim = unitLine();
    QFile::link(sim->slavePath(), link);
    Prompt::Script prompts;
    prompts.answer = [](const Prompt::Message &) { return Prompt::Answer::Ok; };
    Prompt::setScript(&prompts);
    {
        Program program(ParseProgramOptions({"--root", root.path(), "--com", "COM1=" + link}));
        program.window().endProgram = [] {};
        program.start(Now);
        MainWindow &w = program.window();
        w.selectDateMode("1");
        w.calendarClicked(QDate(2026, 11, 1));
        w.selectDateMode("2");
        w.calendarClicked(QDate(2026, 11, 30));
        int replies = 0;
        QObject::connect(sim.get(), &SimLine::replySent, [&replies] { ++replies; });
        w.action("mnuMnth_Log")->trigger();
        if (cut) {
            QTRY_VERIFY_WITH_TIMEOUT(replies >= cut, 10000);
            sim.reset(); // the adapter is pulled out
            QTRY_COMPARE(notice(w), QStringLiteral("回線切断 - 再接続待ち"));
            QVERIFY(!program.link().isOpen());
            QVERIFY(program.reconnect().isWaiting());
            emit program.reconnect().timer().timeout({}); // nothing there yet
            QVERIFY(!program.link().isOpen());

            sim = unitLine(); // plugged in again: the same name, another device
            QFile::remove(link);
            QFile::link(sim->slavePath(), link);
            emit program.reconnect().timer().timeout({});
            QVERIFY(program.link().isOpen());
            QCOMPARE(notice(w), QStringLiteral("再接続しました"));
            QVERIFY(!program.reconnect().isWaiting());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!program.downloads().isRunning(), 30000);
        QCOMPARE(w.Label19->text(), QStringLiteral("ﾀﾞｳﾝﾛｰﾄﾞ終了"));
        if (requestsAfter)
            *requestsAfter = sim->requests();
    }
    Prompt::setScript(nullptr);
    QCOMPARE(prompts.asked.size(), 1); // the month question only, no failure
    files = filesBelow(root.path());
}

} // namespace

class ReconnectTest : public QObject {
    Q_OBJECT
private slots:
    void monthDownloadGoesOnAfterTheLineComesBack()
    {
        if (!SimWire::hasPseudoTerminals())
            QSKIP("a line that vanishes and comes back needs a pseudo-terminal");
        QMap<QString, QByteArray> whole, cut;
        november(0, whole);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(whole.contains("GRP/ZR1/Y2026/M11/CH05/MnLog.TXT"));
        QVERIFY(whole.contains("GRP/ZR1/Y2026/DAY/CH05/m11d30.TXT"));

        QList<QByteArray> after;
        november(500, cut, &after);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(cut.keys(), whole.keys());
        for (auto it = whole.cbegin(); it != whole.cend(); ++it)
            QVERIFY2(cut.value(it.key()) == it.value(), qPrintable(it.key()));
        // The new line is asked from the first day not stored (day 11 or so at 49 replies a day),
        // not from the start of the month.
        QVERIFY(!after.isEmpty());
        QVERIFY2(after.first().startsWith("RM11") && after.first().mid(4, 2).toInt() >= 10, after.first());
    }
};

UNITDESK_TEST(ReconnectTest)
#include "ReconnectTest.moc"
