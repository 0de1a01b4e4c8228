// The month report of a store downloaded from the simulated line: three channels a kind
// (one registered with a capacity, one not registered, one with a name only), days missing,
// a damaged and a repeated line. Every figure is computed here again from the stored lines
// and compared with the table, the CSV file and the PDF's text; the command runs without a
// display.
#include "testmain.h"

#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "headless/DownloadCommand.h"
#include "headless/ReportCommand.h"
#include "registry/ChannelNames.h"
#include "report/ReportStore.h"
#include "sim/SimLine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>

namespace {

const QDateTime Now = QDateTime::currentDateTime();
const QDate Month = QDate(Now.date().year(), Now.date().month(), 1).addMonths(-1);
const QStringList Kinds{"A", "C", "D"};

// Channel 21 + 3k + i is unit 1 + 3k + i of kind k.
int channelOf(int kind, int i)
{
    return 21 + 3 * kind + i;
}

QString kindFolder(const QString &kind)
{
    return kind == "A" ? "ZR1" : kind == "C" ? "ZR3" : "ZR2";
}

QString dayFile(const QString &root, const QString &kind, int channel, int day)
{
    return QStringLiteral("%1/GRP01/%2/Y%3/DAY/CH%4/m%5d%6.TXT")
        .arg(root, kindFolder(kind))
        .arg(Month.year())
        .arg(channel)
        .arg(Month.month(), 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

// num / den rounded to `decimals`, halves away from zero: computed apart from the code.
QString rounded(qint64 num, qint64 den, int decimals)
{
    const long double scaled = (long double)num * std::pow(10.0L, decimals) / den;
    const long long units = std::llround(scaled);
    const QString digits = QString::number(std::llabs(units)).rightJustified(decimals + 1, '0');
    QString text = decimals ? digits.left(digits.size() - decimals) + "." + digits.right(decimals) : digits;
    return units < 0 ? "-" + text : text;
}

struct Figures {
    QStringList row;
    qint64 records = 0, missing = 0, damaged = 0;
    qint64 control = 0, rest = 0, power = 0, estimate = 0; // estimate: seconds × W
};

// The row of one channel from its stored lines, as the report's formulas say.
Figures expected(const QString &root, const QString &kind, int channel, const QStringList &registry)
{
    const bool power = kind == "D";
    const QRegularExpression layout(power
                                        ? R"(^(\d\d)\t(\d\d):([03]0)\t(\d{5})$)"
                                        : R"(^(\d\d)\t(\d\d):([03]0)\t(\d{4})\t(\d{4})\t(\d{4})\t(\d{4})$)");
    Figures f;
    QList<std::array<qint64, 4>> values;
    QList<QString> halfHours;
    int days = 0;
    for (int day = 1; day <= Month.daysInMonth(); ++day) {
        QFile file(dayFile(root, kind, channel, day));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
        lines.removeFirst(); // the header
        lines.removeLast();  // after the last CR LF
        QSet<QString> seen;
        for (const QString &line : lines) {
            const QRegularExpressionMatch m = layout.match(line);
            if (!m.hasMatch() || m.captured(1).toInt() != day || seen.contains(line.mid(3, 5))) {
                ++f.damaged;
                continue;
            }
            seen.insert(line.mid(3, 5));
            std::array<qint64, 4> v{};
            for (int i = 0; i < (power ? 1 : 4); ++i) {
                v[i] = m.captured(4 + i).toLongLong();
                if (kind == "C") {
                    v[i] -= 1000;
                    if (v[i] < -800 || v[i] > 800)
                        v[i] = 0;
                }
            }
            values << v;
            halfHours << QStringLiteral("%1-%2-%3 %4")
                             .arg(Month.year())
                             .arg(Month.month(), 2, 10, QLatin1Char('0'))
                             .arg(day, 2, 10, QLatin1Char('0'))
                             .arg(line.mid(3, 5));
        }
        days += seen.isEmpty() ? 0 : 1;
    }
    const qint64 n = values.size();
    f.records = n;
    f.missing = Month.daysInMonth() * 48 - n;
    const QString no = QString::number(channel);
    bool capacity = registry.value(4) == "7.5";
    f.row = QStringList{no,
                        registry.value(0).isEmpty() ? "CH" + no : registry.value(0),
                        registry.value(1),
                        registry.value(2),
                        capacity ? "7.5" : "",
                        QString::number(days),
                        QString::number(n),
                        QString::number(f.missing),
                        QString::number(f.damaged)};
    auto sum = [&](int i) {
        qint64 s = 0;
        for (const auto &v : values)
            s += v[i];
        return s;
    };
    if (kind == "A") {
        f.control = sum(2);
        f.rest = sum(3);
        f.row << rounded(sum(0), 10 * n, 1) << rounded(sum(1), 10 * n, 1) << rounded(f.control, 3600, 2)
              << rounded(f.rest, 3600, 2) << rounded(f.rest * 100, n * 1800, 1);
        f.estimate = capacity ? f.rest * 7500 : 0;
        f.row << (capacity ? rounded(f.estimate, 3600 * 1000, 1) : QString());
    } else if (kind == "D") {
        int peak = 0;
        for (int i = 1; i < n; ++i)
            if (values[i][0] > values[peak][0])
                peak = i;
        f.power = sum(0);
        f.row << rounded(f.power, 10 * n, 1) << rounded(values[peak][0], 10, 1) << halfHours[peak]
              << rounded(f.power, 20, 1);
    } else {
        for (int i = 0; i < 4; ++i) {
            qint64 low = values[0][i], high = values[0][i];
            for (const auto &v : values) {
                low = qMin(low, v[i]);
                high = qMax(high, v[i]);
            }
            f.row << rounded(low, 10, 1) << rounded(sum(i), 10 * n, 1) << rounded(high, 10, 1);
        }
    }
    return f;
}

QStringList titles(const QString &kind)
{
    QStringList t{"CH", "名称", "管理番号", "型番", "容量(kW)", "日数", "データ数", "欠測数", "異常数"};
    if (kind == "A")
        t << "平均電流(A)"
          << "制御時電流(A)"
          << "制御時間(h)"
          << "休止時間(h)"
          << "休止率(%)"
          << "推定削減電力量(kWh)";
    else if (kind == "D")
        t << "平均電力(kW)"
          << "最大電力(kW)"
          << "最大日時"
          << "電力量(kWh)";
    else
        for (const QString m : {"00", "07", "15", "22"})
            t << m + "分 最低(℃)" << m + "分 平均(℃)" << m + "分 最高(℃)";
    return t;
}

// pdftotext names some CJK glyphs by their radicals (U+2F49 for 月): compared as NFKC.
QString simplified(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

} // namespace

class ReportOnTheLineTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    QMap<int, QStringList> m_registry;

private slots:
    void initTestCase()
    {
        SimLine sim;
        sim.clearUnits();
        QStringList args{"--root",  m_root.path(),
                         "--group", "01",
                         "--com",   "COM1=" + sim.slavePath(),
                         "--from",  Month.toString(Qt::ISODate),
                         "--to",    Month.addDays(11).toString(Qt::ISODate)};
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 3; ++i) {
                SimUnit u;
                const int n = 1 + 3 * k + i;
                u.id = QByteArray::number(n).rightJustified(2, '0');
                u.kind = Kinds[k].toLatin1();
                u.channel = channelOf(k, i);
                sim.setUnit(u);
                args << "--unit" << u.id << "--kind" << u.id + ":" + Kinds[k];
            }
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);
        sim.setClock(Now, false);
        std::FILE *err = std::tmpfile();
        QCOMPARE(RunDownloadCommand(args, err, Now), 0);
        std::fclose(err);

        DriveMap::setRoot(m_root.path());
        for (int k = 0; k < 3; ++k) {
            // A day gone from the second channel; a damaged line and a repeated one in the first.
            QVERIFY(QFile::remove(dayFile(m_root.path(), Kinds[k], channelOf(k, 1), 5)));
            QFile day(dayFile(m_root.path(), Kinds[k], channelOf(k, 0), 3));
            QVERIFY(day.open(QIODevice::ReadOnly));
            QList<QByteArray> lines = day.readAll().split('\n');
            day.close();
            lines[10] = lines[10].left(12) + "x\r";
            lines.insert(20, lines[19]);
            QVERIFY(day.open(QIODevice::WriteOnly | QIODevice::Truncate));
            day.write(lines.join('\n'));
            day.close();
            m_registry[channelOf(k, 0)] = {QString::number(k + 1) + "号機",
                                           "K-" + QString::number(channelOf(k, 0)),
                                           "ZR-55",
                                           "メーカー",
                                           "7.5",
                                           "1000"};
            m_registry[channelOf(k, 2)] = {QString::number(k + 1) + "号棟", "", "", "", "_kw", "1000"};
        }
        // The registry's pages 1 to 3 (the loading stops at the first page missing).
        QVERIFY(DriveMap::ensureDir("C:\\GRP01\\CHNAME"));
        for (int page = 1; page <= 3; ++page) {
            QList<QStringList> rows;
            for (int r = 1; r <= 10; ++r)
                rows << m_registry.value((page - 1) * 10 + r);
            QVERIFY(TextFile::writeLines(ChannelNames::pageFile("C:\\GRP01", page),
                                         ChannelNames::pageLines(rows)));
        }
        QVERIFY(DriveMap::ensureDir("C:\\ZRLOG\\CONTROL"));
        QVERIFY(TextFile::writeLines("C:\\ZRLOG\\CONTROL\\GRPNAME.TXT", {"第一工場\t\t"}));
    }

    void figures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("A") << 0;
        QTest::newRow("C") << 1;
        QTest::newRow("D") << 2;
    }
    // The table, the CSV file and the PDF of each kind against the figures made here.
    void figures()
    {
        QFETCH(int, kind);
        const QString k = Kinds[kind];
        QList<QStringList> rows;
        Figures sums;
        for (int i = 0; i < 3; ++i) {
            const Figures f =
                expected(m_root.path(), k, channelOf(kind, i), m_registry.value(channelOf(kind, i)));
            rows << f.row;
            sums.records += f.records;
            sums.missing += f.missing;
            sums.damaged += f.damaged;
            sums.control += f.control;
            sums.rest += f.rest;
            sums.power += f.power;
            sums.estimate += f.estimate;
        }
        QCOMPARE(rows[0][8], QString("2"));  // the damaged line and the repeat
        QCOMPARE(rows[1][5], QString("11")); // twelve days downloaded, one gone
        QStringList total(titles(k).size(), QString());
        total[0] = "合計";
        total[6] = QString::number(sums.records);
        total[7] = QString::number(sums.missing);
        total[8] = QString::number(sums.damaged);
        if (k == "A") {
            total[11] = rounded(sums.control, 3600, 2);
            total[12] = rounded(sums.rest, 3600, 2);
            total[14] = rounded(sums.estimate, 3600 * 1000, 1);
        } else if (k == "D") {
            total[12] = rounded(sums.power, 20, 1);
        }

        QString groupName;
        const MonthReport::Report report =
            MonthReport::make(ReportStore::readInput("01", k, Month.year(), Month.month(), Now, &groupName));
        QCOMPARE(report.rows, rows);
        QCOMPARE(report.total, total);
        QCOMPARE(groupName, QString("第一工場"));

        const QString csvPath = m_root.filePath("report-" + k + ".csv");
        const QString pdfPath = m_root.filePath("report-" + k + ".pdf");
        std::FILE *err = std::tmpfile();
        const int status =
            RunReportCommand({"--root", m_root.path(), "--group", "01", "--month", Month.toString("yyyy-MM"),
                              "--kind", k, "--csv", csvPath, "--pdf", pdfPath},
                             err, Now);
        std::fclose(err);
        QCOMPARE(status, 0);
        QByteArray csv = "\xEF\xBB\xBF" + titles(k).join(',').toUtf8() + "\r\n";
        for (const QStringList &row : rows)
            csv += row.join(',').toUtf8() + "\r\n";
        csv += total.join(',').toUtf8() + "\r\n";
        QFile csvFile(csvPath);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        QCOMPARE(csvFile.readAll(), csv);

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdfPath, "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\n');
        QStringList text;
        for (const QString &line : lines)
            text << simplified(line);
        const QString title = ReportStore::titleText("01", "第一工場", report);
        QVERIFY2(text.contains(simplified("月報 " + title)), qPrintable(text.join('\n')));
        for (const QStringList &row : rows + QList<QStringList>{total}) {
            QStringList cells = row;
            cells.removeAll(QString());
            QVERIFY2(text.contains(simplified(cells.join(' '))),
                     qPrintable(cells.join(' ') + "\n---\n" + text.join('\n')));
        }
    }

    // A scheduled job has no display: the program draws its PDF offscreen all the same.
    void commandWithoutDisplay()
    {
        const QString bin = qEnvironmentVariable("UNITDESK_UNITDESK_BIN");
        if (bin.isEmpty())
            QSKIP("the program's path is not known");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        QProcess program;
        program.setProcessEnvironment(env);
        const QString pdf = m_root.filePath("nightly.pdf");
        program.start(bin, {"report", "--root", m_root.path(), "--group", "1", "--month",
                            Month.toString("yyyy-MM"), "--kind", "D", "--pdf", pdf});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");

        // A month without data says so and writes nothing.
        program.start(bin, {"report", "--root", m_root.path(), "--group", "01", "--month", "2001-01", "--csv",
                            m_root.filePath("none.csv")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(QString::fromUtf8(program.readAllStandardError())
                    .contains("no channel of GRP01 has data of kind A for 2001-01"));
        QVERIFY(!QFile::exists(m_root.filePath("none.csv")));
    }
};

UNITDESK_TEST(ReportOnTheLineTest)
#include "ReportOnTheLineTest.moc"
