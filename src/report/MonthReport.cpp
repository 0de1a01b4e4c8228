#include "MonthReport.h"

#include "mainwin/UnitKinds.h"

#include <QDate>
#include <QRegularExpression>

namespace MonthReport {

namespace {

constexpr qint64 HalfHourSecs = 1800;

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

bool isKind(const QString &kind, std::initializer_list<const char *> kinds)
{
    for (const char *k : kinds)
        if (kind == QLatin1String(k))
            return true;
    return false;
}

// The sums one channel's figures are made of.
struct Sums {
    qint64 count = 0;
    std::array<qint64, 4> sum{};
    std::array<qint64, 4> min{}, max{};
    Record peak; // the first record of the highest power
};

Sums sumsOf(const QList<Record> &records)
{
    Sums t;
    for (const Record &r : records) {
        for (int i = 0; i < 4; ++i) {
            t.sum[i] += r.values[i];
            t.min[i] = t.count ? qMin(t.min[i], r.values[i]) : r.values[i];
            t.max[i] = t.count ? qMax(t.max[i], r.values[i]) : r.values[i];
        }
        if (!t.count || r.values[0] > t.peak.values[0])
            t.peak = r;
        ++t.count;
    }
    return t;
}

// How many half hours of the month, counted from the first, have ended by `now` (on the
// wall clock the records are kept by); all of them without a time.
int endedSlots(const Input &in)
{
    const QDate first(in.year, in.month, 1);
    const int all = first.daysInMonth() * SlotsPerDay;
    if (!in.now.isValid())
        return all;
    const QDate today = in.now.date();
    if (today < first)
        return 0;
    if (today >= first.addMonths(1))
        return all;
    return (today.day() - 1) * SlotsPerDay + in.now.time().msecsSinceStartOfDay() / (HalfHourSecs * 1000);
}

int missingOf(int ended, const QList<Record> &records)
{
    int stored = 0;
    for (const Record &r : records)
        stored += (r.day - 1) * SlotsPerDay + r.slot < ended ? 1 : 0;
    return ended - stored;
}

QString slotText(int year, int month, const Record &r)
{
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(year)
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(r.day, 2, 10, QLatin1Char('0'))
        .arg(r.slot / 2, 2, 10, QLatin1Char('0'))
        .arg(r.slot % 2 ? 30 : 0, 2, 10, QLatin1Char('0'));
}

// A capacity in thousandths as the registry would write it: "7.5", "11".
QString capacityText(qint64 milli)
{
    QString text = fixed(milli, 1000, 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// The figures of a kind after the common columns: their titles and how each is made.
QList<Column> kindColumns(const QString &kind)
{
    if (isKind(kind, {"A", "B"}))
        return {{s("平均電流(A)"), s("平均電流値の平均 = Σ平均電流値 ÷ データ数")},
                {s("制御時電流(A)"), s("制御時電流値の平均 = Σ制御時電流値 ÷ データ数")},
                {s("制御時間(h)"), s("Σ制御秒 ÷ 3600")},
                {s("休止時間(h)"), s("Σ休止秒 ÷ 3600")},
                {s("休止率(%)"), s("休止時間 ÷ (データ数 × 0.5 h) × 100")},
                {s("推定削減電力量(kWh)"), estimateNote()}};
    if (kind == QLatin1String("D"))
        return {{s("平均電力(kW)"), s("消費電力値の平均 = Σ消費電力値 ÷ データ数")},
                {s("最大電力(kW)"), s("30分の消費電力値の最大")},
                {s("最大日時"), s("最大電力の30分の始まり (最初のもの)"), false},
                {s("電力量(kWh)"), s("Σ(消費電力値 × 0.5 h)")}};
    if (kind == QLatin1String("C")) {
        QList<Column> columns;
        for (const char *minute : {"00", "07", "15", "22"}) {
            const QString m = QString::fromLatin1(minute) + s("分");
            columns << Column{m + s(" 最低(℃)"), m + s("の温度の最低")}
                    << Column{m + s(" 平均(℃)"), m + s("の温度の平均 = Σ温度 ÷ データ数")}
                    << Column{m + s(" 最高(℃)"), m + s("の温度の最高")};
        }
        return columns;
    }
    if (kind == QLatin1String("WJ"))
        return {{s("平均電流(A)"), s("平均電流値の平均 = Σ平均電流値 ÷ データ数")},
                {s("噴射時間(h)"), s("Σ噴射時間秒 ÷ 3600")},
                {s("平均温度(℃)"), s("平均温度の平均 = Σ平均温度 ÷ データ数")}};
    return {};
}

} // namespace

QString fixed(qint64 num, qint64 den, int decimals)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const bool negative = num < 0;
    const qint64 a = negative ? -num : num;
    // a * scale / den rounded, halves up, without overflowing on the product.
    qint64 units = (a / den) * scale + ((a % den) * scale) / den;
    const qint64 rest = ((a % den) * scale) % den;
    if (2 * rest >= den)
        ++units;
    QString text = QString::number(units / scale);
    if (decimals > 0)
        text += QLatin1Char('.') + QString::number(units % scale).rightJustified(decimals, QLatin1Char('0'));
    return negative && units ? QLatin1Char('-') + text : text;
}

std::optional<qint64> capacityMilliKw(const QString &cell)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([0-9]+)(?:\\.([0-9]*))?\\s*(?:_?kw)?\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    // Full-width digits and points, as a Japanese input method types them.
    const QRegularExpressionMatch m = number.match(cell.normalized(QString::NormalizationForm_KC));
    if (!m.hasMatch() || m.captured(1).size() > 9)
        return std::nullopt;
    const QString fraction = (m.captured(2) + QStringLiteral("000")).left(3);
    qint64 milli = m.captured(1).toLongLong() * 1000 + fraction.toLongLong();
    // A fourth decimal rounds the thousandths.
    if (m.captured(2).size() > 3 && m.captured(2)[3] >= QLatin1Char('5'))
        ++milli;
    if (milli <= 0)
        return std::nullopt;
    return milli;
}

QString monthText(int year, int month)
{
    return QStringLiteral("%1年%2月").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

QString kindText(const QString &kind)
{
    for (const UnitKind &k : UnitKinds)
        if (kind == QLatin1String(k.typeCode))
            return QString::fromUtf8(k.item).trimmed();
    return kind;
}

QString estimateNote()
{
    return s(
        "推定値: 推定削減電力量(kWh) = 休止時間(h) × 容量(kW)。休止した時間に機械が容量どおりの電力を使ったと"
        "仮定した見積もりで、計量した値ではありません。");
}

Report make(const Input &in)
{
    Report report;
    report.kind = in.kind;
    report.year = in.year;
    report.month = in.month;
    report.columns = {
        {QStringLiteral("CH"), s("チャンネル番号"), false},
        {s("名称"), s("CH名登録の名称 (登録のないものは番号)"), false},
        {s("管理番号"), s("CH名登録の管理番号"), false},
        {s("型番"), s("CH名登録の圧縮機型番"), false},
        {s("容量(kW)"), s("CH名登録の容量")},
        {s("日数"), s("記録のある日の数")},
        {s("データ数"), s("記録のある30分の数")},
        {s("欠測数"), s("記録のない30分の数 (終わった30分のみ)。記録のない30分はゼロとして数えません")},
        {s("異常数"), s("形式が合わず読み飛ばした記録の数")}};
    const QList<Column> figures = kindColumns(in.kind);
    report.columns << figures;
    const bool current = isKind(in.kind, {"A", "B"});
    report.chartTitle = current                          ? s("休止時間(h)")
                        : in.kind == QLatin1String("D")  ? s("電力量(kWh)")
                        : in.kind == QLatin1String("C")  ? s("平均温度(℃)")
                        : in.kind == QLatin1String("WJ") ? s("噴射時間(h)")
                                                         : s("データ数");
    const int days = QDate(in.year, in.month, 1).daysInMonth();
    const int ended = endedSlots(in);

    // The total row's sums: counts, seconds, tenths of kW, seconds × thousandths of kW.
    qint64 records = 0, missing = 0, damaged = 0, controlSecs = 0, restSecs = 0, powerTenths = 0,
           estimate = 0, sprayedSecs = 0;
    bool anyEstimate = false;
    for (const ChannelLog &log : in.channels) {
        const ChannelNameRow entry =
            log.channel >= 1 && log.channel <= 100 ? in.registry[log.channel - 1] : ChannelNameRow{};
        const QString number = QStringLiteral("%1").arg(log.channel, 2, 10, QLatin1Char('0'));
        const std::optional<qint64> capacity = capacityMilliKw(entry[4]);
        const Sums t = sumsOf(log.records);
        QList<bool> dayHas(days + 1, false);
        for (const Record &r : log.records)
            if (r.day >= 1 && r.day <= days)
                dayHas[r.day] = true;
        const int missed = missingOf(ended, log.records);

        QStringList row{number,
                        entry[0].trimmed().isEmpty() ? QStringLiteral("CH") + number : entry[0],
                        entry[1],
                        entry[2],
                        capacity ? capacityText(*capacity) : QString(),
                        QString::number(dayHas.count(true)),
                        QString::number(t.count),
                        QString::number(missed),
                        QString::number(log.damaged)};
        records += t.count;
        missing += missed;
        damaged += log.damaged;
        auto mean = [&](int i) { return t.count ? fixed(t.sum[i], 10 * t.count, 1) : QString(); };
        if (current) {
            row << mean(0) << mean(1) << fixed(t.sum[2], 3600, 2) << fixed(t.sum[3], 3600, 2)
                << (t.count ? fixed(t.sum[3] * 100, t.count * HalfHourSecs, 1) : QString());
            row << (capacity ? fixed(t.sum[3] * *capacity, 3600 * 1000, 1) : QString());
            controlSecs += t.sum[2];
            restSecs += t.sum[3];
            if (capacity) {
                estimate += t.sum[3] * *capacity;
                anyEstimate = true;
            }
        } else if (in.kind == QLatin1String("D")) {
            row << mean(0) << (t.count ? fixed(t.max[0], 10, 1) : QString())
                << (t.count ? slotText(in.year, in.month, t.peak) : QString()) << fixed(t.sum[0], 20, 1);
            powerTenths += t.sum[0];
        } else if (in.kind == QLatin1String("C")) {
            for (int i = 0; i < 4; ++i)
                row << (t.count ? fixed(t.min[i], 10, 1) : QString()) << mean(i)
                    << (t.count ? fixed(t.max[i], 10, 1) : QString());
        } else if (in.kind == QLatin1String("WJ")) {
            row << mean(0) << fixed(t.sum[2], 3600, 2) << mean(3);
            sprayedSecs += t.sum[2];
        }
        report.channels << log.channel;
        report.rows << row;

        // The chart's figure of each day.
        QList<qint64> daySum(days + 1, 0), dayCount(days + 1, 0);
        for (const Record &r : log.records) {
            if (r.day < 1 || r.day > days)
                continue;
            ++dayCount[r.day];
            daySum[r.day] += current ? r.values[3]
                             : in.kind == QLatin1String("C")
                                 ? r.values[0] + r.values[1] + r.values[2] + r.values[3]
                             : in.kind == QLatin1String("WJ") ? r.values[2]
                                                              : r.values[0];
        }
        QList<std::optional<double>> perDay;
        for (int d = 1; d <= days; ++d) {
            if (!dayCount[d])
                perDay << std::nullopt;
            else if (current || in.kind == QLatin1String("WJ"))
                perDay << daySum[d] / 3600.0;
            else if (in.kind == QLatin1String("D"))
                perDay << daySum[d] / 20.0;
            else if (in.kind == QLatin1String("C"))
                perDay << daySum[d] / (40.0 * dayCount[d]);
            else
                perDay << double(dayCount[d]);
        }
        report.perDay << perDay;
    }

    report.total = QStringList(report.columns.size(), QString());
    report.total[0] = s("合計");
    report.total[6] = QString::number(records);
    report.total[7] = QString::number(missing);
    report.total[8] = QString::number(damaged);
    constexpr int first = 9; // the kind's figures
    if (current) {
        report.total[first + 2] = fixed(controlSecs, 3600, 2);
        report.total[first + 3] = fixed(restSecs, 3600, 2);
        if (anyEstimate)
            report.total[first + 5] = fixed(estimate, 3600 * 1000, 1);
    } else if (in.kind == QLatin1String("D")) {
        report.total[first + 3] = fixed(powerTenths, 20, 1);
    } else if (in.kind == QLatin1String("WJ")) {
        report.total[first + 1] = fixed(sprayedSecs, 3600, 2);
    }
    report.hasEstimate = anyEstimate;
    return report;
}

QByteArray csv(const Report &report)
{
    auto line = [](const QStringList &cells) {
        QStringList out;
        for (QString cell : cells) {
            if (cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) ||
                cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r')))
                cell = QLatin1Char('"') + cell.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                       QLatin1Char('"');
            out << cell;
        }
        return out.join(QLatin1Char(',')).toUtf8() + "\r\n";
    };
    QStringList titles;
    for (const Column &c : report.columns)
        titles << c.title;
    QByteArray out = "\xEF\xBB\xBF" + line(titles);
    for (const QStringList &row : report.rows)
        out += line(row);
    out += line(report.total);
    return out;
}

} // namespace MonthReport
