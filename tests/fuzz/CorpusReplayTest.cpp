// Every corpus file of every fuzz target, run through its target by the ordinary build:
// the inputs that once crashed stay fixed, and the targets keep working without clang.
#include "FuzzTargets.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
QDir corpus(const char *target)
{
    return QDir(QStringLiteral(UNITDESK_FUZZ_CORPUS "/") + QLatin1String(target));
}
} // namespace

class CorpusReplayTest : public QObject {
    Q_OBJECT
private slots:
    void replay_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("file");
        for (int t = 0; t < int(std::size(fuzz::All)); ++t) {
            const QDir dir = corpus(fuzz::All[t].name);
            const QStringList files = dir.entryList(QDir::Files, QDir::Name);
            QVERIFY2(!files.isEmpty(), fuzz::All[t].name); // every target is seeded
            for (const QString &f : files)
                QTest::addRow("%s/%s", fuzz::All[t].name, qPrintable(f)) << t << dir.filePath(f);
        }
    }
    void replay()
    {
        QFETCH(int, target);
        QFETCH(QString, file);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(fuzz::All[target].run(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())),
                 0);
    }
};

UNITDESK_TEST(CorpusReplayTest)
#include "CorpusReplayTest.moc"
