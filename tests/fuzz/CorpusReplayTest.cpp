// Every corpus file of every fuzz target, run through its target by the ordinary build:
// the inputs that once crashed stay fixed, and the targets keep working without clang.
#include "FuzzTargets.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
const QDir Corpus(QStringLiteral(UNITDESK_FUZZ_CORPUS));
} // namespace

class CorpusReplayTest : public QObject {
    Q_OBJECT
private slots:
    void replay_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("file");
        // Every folder of the corpus is a target's, and every target is seeded.
        for (const QString &name : Corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY2(fuzz::find(qPrintable(name)), qPrintable("no fuzz target for corpus/" + name));
        for (const fuzz::NamedTarget &t : fuzz::all()) {
            const QDir dir(Corpus.filePath(QLatin1String(t.name)));
            const QStringList files = dir.entryList(QDir::Files, QDir::Name);
            QVERIFY2(!files.isEmpty(), t.name);
            for (const QString &f : files)
                QTest::addRow("%s/%s", t.name, qPrintable(f)) << QString::fromLatin1(t.name) << dir.filePath(f);
        }
    }
    void replay()
    {
        QFETCH(QString, target);
        QFETCH(QString, file);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const fuzz::NamedTarget *t = fuzz::find(qPrintable(target));
        QCOMPARE(t->run(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())), 0);
    }
};

UNITDESK_TEST(CorpusReplayTest)
#include "CorpusReplayTest.moc"
