#include "common/TextFile.h"
#include "common/DriveMap.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TextFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir *m_dir = nullptr;
    QString m_savedRoot;
    QString native(const char *relative) const
    {
        return m_dir->path() + QLatin1Char('/') + QLatin1String(relative);
    }

private slots:
    void init()
    {
        m_savedRoot = DriveMap::root();
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        DriveMap::setRoot(m_dir->path());
        QVERIFY(QDir().mkpath(native("ZRLOG/CONTROL")));
    }
    void cleanup()
    {
        delete m_dir;
        DriveMap::setRoot(m_savedRoot);
    }

    void codecIsAvailable() { QVERIFY(TextFile::checkCodec()); }

    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("half-width katakana") << QString::fromUtf8("ﾃﾞｰﾀ") << QByteArray("\xC3\xDE\xB0\xC0");
        QTest::newRow("full-width text")
            << QString::fromUtf8("ＣＨ名登録") << QByteArray("\x82\x62\x82\x67\x96\xBC\x93\x6F\x98\x5E");
        QTest::newRow("ideographic space") << QString::fromUtf8("　") << QByteArray("\x81\x40");
        QTest::newRow("degree Celsius") << QString::fromUtf8("℃") << QByteArray("\x81\x8E");
        QTest::newRow("backslash stays 0x5C") << "C:\\GRP01" << QByteArray("C:\\GRP01");
        QTest::newRow("tilde stays 0x7E") << "~" << QByteArray("~");
        QTest::newRow("wave dash of code page 932") << QString::fromUtf8("～") << QByteArray("\x81\x60");
        QTest::newRow("full-width minus of code page 932")
            << QString::fromUtf8("－") << QByteArray("\x81\x7C");
        QTest::newRow("trail byte 0x5C") << QString::fromUtf8("ソ表") << QByteArray("\x83\x5C\x95\x5C");
        QTest::newRow("mixed") << QString::fromUtf8(" ﾃﾞｰﾀ設定完了")
                               << QByteArray(" \xC3\xDE\xB0\xC0\x90\xDD\x92\xE8\x8A\xAE\x97\xB9");
    }
    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextFile::encode(text), bytes);
        QCOMPARE(TextFile::decode(bytes), text);
    }

    void asciiRoundTrip()
    {
        QByteArray ascii;
        for (int c = 0x00; c <= 0x7F; ++c) // 0x1A, 0x1C and 0x7F included
            ascii += char(c);
        QCOMPARE(TextFile::encode(QString::fromLatin1(ascii)), ascii);
        QCOMPARE(TextFile::decode(ascii), QString::fromLatin1(ascii));
    }

    void unmappableCharactersBecomeQuestionMarks()
    {
        // Written as Windows writes them, and nothing else on the line is lost.
        QCOMPARE(TextFile::encode(QString::fromUtf8("a€b😀c名")), QByteArray("a?b?c\x96\xBC"));
    }

    void garbageBytesDecodeWithoutLosingTheRest()
    {
        const QString text = TextFile::decode(QByteArray("A\x80"
                                                         "B\x82\xFF"
                                                         "C\x81",
                                                         8));
        QVERIFY(text.startsWith(QLatin1Char('A')));
        QVERIFY(text.contains(QLatin1Char('B')));
        QVERIFY(text.contains(QLatin1Char('C')));
    }

    void writeLinesBytes()
    {
        put(native("ZRLOG/CONTROL/SEASN.TXT"), QByteArray(500, 'x')); // the old file is replaced whole
        QVERIFY(TextFile::writeLines(QStringLiteral("C:\\ZRLOG\\CONTROL\\seasn.txt"),
                                     {QString::fromUtf8("ﾃﾞｰﾀ"), QString(), QStringLiteral("01\t02")}));
        QCOMPARE(contents(native("ZRLOG/CONTROL/SEASN.TXT")),
                 QByteArray("\xC3\xDE\xB0\xC0\r\n\r\n01\t02\r\n"));
        QCOMPARE(QDir(native("ZRLOG/CONTROL")).entryList(QDir::Files), QStringList{"SEASN.TXT"});
        QVERIFY(TextFile::writeLines(QStringLiteral("C:\\ZRLOG\\CONTROL\\SEASN.TXT"), {}));
        QCOMPARE(contents(native("ZRLOG/CONTROL/SEASN.TXT")), QByteArray());
    }

    void writeIntoMissingFolderFails()
    {
        QVERIFY(!TextFile::writeLines(QStringLiteral("C:\\NOWHERE\\A.TXT"), {QStringLiteral("a")}));
        QVERIFY(!TextFile::writeQuotedLine(QStringLiteral("C:\\NOWHERE\\A.TXT"), QStringLiteral("a")));
        QVERIFY(!QFileInfo::exists(native("NOWHERE")));
    }

    void writeOverAFolderKeepsIt()
    {
        QVERIFY(QDir().mkpath(native("ZRLOG/CONTROL/BASE.TXT/inner")));
        QVERIFY(!TextFile::writeLines(QStringLiteral("C:\\ZRLOG\\CONTROL\\BASE.TXT"), {QStringLiteral("a")}));
        QVERIFY(QFileInfo(native("ZRLOG/CONTROL/BASE.TXT/inner")).isDir());
    }

    void quotedLineBytes()
    {
        QVERIFY(
            TextFile::writeQuotedLine(QStringLiteral("C:\\ZRLOG\\CONTROL\\GRP.TXT"), QStringLiteral("01")));
        QCOMPARE(contents(native("ZRLOG/CONTROL/GRP.TXT")), QByteArray("\"01\"\r\n"));
        QVERIFY(TextFile::writeQuotedLine(QStringLiteral("C:\\ZRLOG\\CONTROL\\GRP.TXT"),
                                          QString::fromUtf8("ＣＨ名")));
        QCOMPARE(contents(native("ZRLOG/CONTROL/GRP.TXT")), QByteArray("\"\x82\x62\x82\x67\x96\xBC\"\r\n"));
        QCOMPARE(TextFile::readQuotedValue(QStringLiteral("c:\\zrlog\\control\\grp.txt")),
                 QString::fromUtf8("ＣＨ名"));
    }

    void readQuotedValue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        QTest::newRow("quoted") << QByteArray("\"9600\"\r\n") << "9600";
        QTest::newRow("LF only") << QByteArray("\"9600\"\n") << "9600";
        QTest::newRow("no line end") << QByteArray("\"9600\"") << "9600";
        QTest::newRow("no closing quote") << QByteArray("\"9600\r\n") << "9600";
        QTest::newRow("empty value") << QByteArray("\"\"\r\n") << "";
        QTest::newRow("only the first line") << QByteArray("\"1\"\r\n\"2\"\r\n") << "1";
        QTest::newRow("stops at the second quote") << QByteArray("\"a\"b\"\r\n") << "a";
        QTest::newRow("from character 2 even without a quote") << QByteArray("X12\r\n") << "12";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("blank line") << QByteArray("\r\n") << "";
        QTest::newRow("shift-jis") << QByteArray("\"\xC3\xDE\xB0\xC0\"\r\n") << QString::fromUtf8("ﾃﾞｰﾀ");
    }
    void readQuotedValue()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        put(native("ZRLOG/COM/COMPORT3.TXT"), bytes);
        QCOMPARE(TextFile::readQuotedValue(QStringLiteral("C:\\ZRLOG\\COM\\COMPORT3.TXT")), value);
    }

    void missingFile()
    {
        bool ok = true;
        QCOMPARE(TextFile::readLines(QStringLiteral("C:\\ZRLOG\\GONE.TXT"), &ok), QStringList());
        QVERIFY(!ok);
        ok = true;
        QCOMPARE(TextFile::readTabRows(QStringLiteral("C:\\ZRLOG\\GONE.TXT"), &ok), QList<QStringList>());
        QVERIFY(!ok);
        QCOMPARE(TextFile::readQuotedValue(QStringLiteral("C:\\ZRLOG\\GONE.TXT")), QString());
        QCOMPARE(TextFile::readFirstLine(QStringLiteral("C:\\ZRLOG\\GONE.TXT")), QString());
        // A folder is no file.
        QCOMPARE(TextFile::readLines(QStringLiteral("C:\\ZRLOG"), &ok), QStringList());
        QVERIFY(!ok);
    }

    void readLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\r\n") << QStringList{"a", "b", "c"};
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("only the final empty line is dropped")
            << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
        QTest::newRow("empty lines inside")
            << QByteArray("\r\na\r\n\r\nb\r\n") << QStringList{"", "a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("one line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("CR inside a line is kept") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("shift-jis") << QByteArray("\x82\x62\x82\x67\x96\xBC\x93\x6F\x98\x5E\r\n\x81\x40\r\n")
                                   << QStringList{QString::fromUtf8("ＣＨ名登録"), QString::fromUtf8("　")};
        QTest::newRow("garbage keeps the line count")
            << QByteArray("\x80\xFF\r\n\x82\r\nok\r\n", 10) << QStringList{"*", "*", "ok"};
    }
    void readLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        put(native("ZRLOG/TEMP/DAY.TXT"), bytes);
        bool ok = false;
        const QStringList read = TextFile::readLines(QStringLiteral("C:\\zrlog\\temp\\day.txt"), &ok);
        QVERIFY(ok);
        QCOMPARE(read.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i] != QLatin1String("*")) // "*": some replacement text
                QCOMPARE(read[i], lines[i]);
        }
        QCOMPARE(TextFile::readFirstLine(QStringLiteral("C:\\ZRLOG\\TEMP\\DAY.TXT")),
                 lines.isEmpty() ? QString() : read.first());
    }

    void tabRows()
    {
        const QList<QStringList> rows{{"01", QString::fromUtf8("ﾃﾞｰﾀ"), ""}, {"02"}, {""}};
        QVERIFY(TextFile::writeTabRows(QStringLiteral("C:\\ZRLOG\\CONTROL\\TIME.TXT"), rows));
        QCOMPARE(contents(native("ZRLOG/CONTROL/TIME.TXT")),
                 QByteArray("01\t\xC3\xDE\xB0\xC0\t\r\n02\r\n\r\n"));
        bool ok = false;
        QCOMPARE(TextFile::readTabRows(QStringLiteral("C:\\ZRLOG\\CONTROL\\TIME.TXT"), &ok), rows);
        QVERIFY(ok);
        put(native("ZRLOG/CONTROL/LF.TXT"), "1\t2\n3\t4\n");
        QCOMPARE(TextFile::readTabRows(QStringLiteral("C:\\ZRLOG\\CONTROL\\LF.TXT")),
                 (QList<QStringList>{{"1", "2"}, {"3", "4"}}));
    }

    void appendFile()
    {
        put(native("ZRLOG/TEMP/DAY.TXT"), "old content\r\n");
        TextFile::AppendFile file;
        QVERIFY(!file.isOpen());
        QVERIFY(file.restart(QStringLiteral("C:\\ZRLOG\\TEMP\\day.txt")));
        QVERIFY(file.isOpen());
        QCOMPARE(file.path(), QStringLiteral("C:\\ZRLOG\\TEMP\\day.txt"));
        QVERIFY(file.appendLine(QString::fromUtf8("01\tﾃﾞｰﾀ")));
        // Flushed at once: another reader sees the line while the file is open.
        QCOMPARE(contents(native("ZRLOG/TEMP/DAY.TXT")), QByteArray("01\t\xC3\xDE\xB0\xC0\r\n"));
        QVERIFY(file.appendLine(QStringLiteral("02")));
        QCOMPARE(contents(native("ZRLOG/TEMP/DAY.TXT")), QByteArray("01\t\xC3\xDE\xB0\xC0\r\n02\r\n"));
        QVERIFY(!file.failed());
        QCOMPARE(QDir(native("ZRLOG/TEMP")).entryList(QDir::Files), QStringList{"DAY.TXT"});

        // Restarting empties it.
        QVERIFY(file.restart(QStringLiteral("C:\\ZRLOG\\TEMP\\DAY.TXT")));
        QVERIFY(file.appendLine(QStringLiteral("03")));
        QCOMPARE(contents(native("ZRLOG/TEMP/DAY.TXT")), QByteArray("03\r\n"));

        file.close();
        QVERIFY(!file.isOpen());
        QVERIFY(!file.appendLine(QStringLiteral("04")));
        QVERIFY(file.failed());
        QCOMPARE(contents(native("ZRLOG/TEMP/DAY.TXT")), QByteArray("03\r\n"));
    }

    void appendFileFailures()
    {
        TextFile::AppendFile file;
        // The folder is not created for it.
        QVERIFY(!file.restart(QStringLiteral("C:\\ZRLOG\\MISSING\\DAY.TXT")));
        QVERIFY(file.failed());
        QVERIFY(!file.isOpen());
        QVERIFY(!file.appendLine(QStringLiteral("x")));
        QVERIFY(!QFileInfo::exists(native("ZRLOG/MISSING")));
        // A folder where the file should be stays as it is.
        QVERIFY(QDir().mkpath(native("ZRLOG/TEMP/MON.TXT/inner")));
        QVERIFY(!file.restart(QStringLiteral("C:\\ZRLOG\\TEMP\\MON.TXT")));
        QVERIFY(file.failed());
        QVERIFY(QFileInfo(native("ZRLOG/TEMP/MON.TXT/inner")).isDir());
        // The next good restart clears the failure.
        QVERIFY(file.restart(QStringLiteral("C:\\ZRLOG\\TEMP\\DAY.TXT")));
        QVERIFY(!file.failed());
    }
};

UNITDESK_TEST(TextFileTest)
#include "TextFileTest.moc"
