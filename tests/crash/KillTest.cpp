// Crash-consistent storage: a range download killed (SIGKILL) at random moments leaves
// every log under its final name complete and byte-identical to what an uninterrupted
// download stores, or absent; nothing left behind looks like a log; and the next download
// of the same range completes normally. UNITDESK_KILLS sets the number of killed runs
// (default 3; the long form runs 24).
#include "testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Three days to the end of November and two of December: two month logs, five day logs.
const QStringList Download{"A", "1", "38400", "261128", "261202"};

// Relative path -> bytes of every file below root.
QMap<QString, QByteArray> storeOf(const QString &root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        out.insert(QDir(root).relativeFilePath(path), f.open(QIODevice::ReadOnly) ? f.readAll() : "(unreadable)");
    }
    return out;
}

// A name the views and the group clearing would take for a log.
bool looksLikeLog(const QString &relativePath)
{
    static const QRegularExpression log(QStringLiteral("(^|/)(m\\d\\dd\\d\\d|MnLog)\\.TXT$"),
                                        QRegularExpression::CaseInsensitiveOption);
    return relativePath.startsWith(QLatin1String("GRP")) && log.match(relativePath).hasMatch();
}

// Starts the victim on root; returns once its first request is out.
bool start(QProcess &victim, const QString &root)
{
    victim.start(QStringLiteral(UNITDESK_DOWNLOAD_VICTIM), QStringList{root} + Download);
    if (!victim.waitForStarted(10000))
        return false;
    while (!victim.canReadLine())
        if (!victim.waitForReadyRead(10000))
            return false;
    return victim.readLine() == "started\n";
}

// Runs the victim on root to its end; the milliseconds it took, -1 when it failed.
qint64 runToEnd(const QString &root)
{
    QProcess victim;
    QElapsedTimer clock;
    clock.start();
    if (!start(victim, root) || !victim.waitForFinished(120000) || victim.exitStatus() != QProcess::NormalExit ||
        victim.exitCode() != 0)
        return -1;
    return clock.elapsed();
}

} // namespace

class KillTest : public QObject {
    Q_OBJECT
    QMap<QString, QByteArray> m_reference; // the logs of an uninterrupted download
    qint64 m_duration = 0;

private slots:
    void initTestCase()
    {
        QTemporaryDir root;
        m_duration = runToEnd(root.path());
        QVERIFY(m_duration > 0);
        const QMap<QString, QByteArray> store = storeOf(root.path());
        for (auto it = store.begin(); it != store.end(); ++it)
            if (looksLikeLog(it.key()))
                m_reference.insert(it.key(), it.value());
        QCOMPARE(m_reference.size(), 7); // two month logs, five day logs
    }

    void killedDownloadsLeaveWholeLogsOrNone()
    {
        const int kills = qEnvironmentVariableIntValue("UNITDESK_KILLS") > 0
                              ? qEnvironmentVariableIntValue("UNITDESK_KILLS")
                              : 3;
        int killed = 0, complete = 0, absent = 0;
        for (int seed = 1; seed <= kills; ++seed) {
            QRandomGenerator random{quint32(seed)};
            QTemporaryDir root;
            // One to three downloads of the same store killed in a row, then one to the end.
            const int interruptions = 1 + int(random.bounded(3));
            for (int k = 0; k < interruptions; ++k) {
                QProcess victim;
                QVERIFY(start(victim, root.path()));
                QTest::qWait(int(random.bounded(quint32(m_duration))));
                victim.waitForFinished(0); // takes in an end that came first
                if (victim.state() != QProcess::NotRunning) {
                    victim.kill();
                    QVERIFY(victim.waitForFinished(10000));
                    ++killed;
                }

                const QMap<QString, QByteArray> store = storeOf(root.path());
                for (auto it = store.begin(); it != store.end(); ++it) {
                    if (!looksLikeLog(it.key()))
                        continue;
                    QVERIFY2(m_reference.contains(it.key()), qPrintable("not a log of the range: " + it.key()));
                    QVERIFY2(it.value() == m_reference[it.key()],
                             qPrintable(QStringLiteral("seed %1: %2 differs from the uninterrupted download")
                                            .arg(seed)
                                            .arg(it.key())));
                }
                for (const QString &log : m_reference.keys())
                    ++(store.contains(log) ? complete : absent);
            }
            QVERIFY2(runToEnd(root.path()) > 0, qPrintable(QStringLiteral("seed %1: the next download").arg(seed)));
            QMap<QString, QByteArray> logs;
            const QMap<QString, QByteArray> store = storeOf(root.path());
            for (auto it = store.begin(); it != store.end(); ++it)
                if (looksLikeLog(it.key()))
                    logs.insert(it.key(), it.value());
            QCOMPARE(logs, m_reference);
        }
        qInfo("%d runs, %d killed before their end: %d logs found complete, %d absent, none damaged", kills,
              killed, complete, absent);
    }
};

UNITDESK_TEST(KillTest)
#include "KillTest.moc"
