#include "LogSeriesCodec.h"

#include "common/Vb.h"

#include <QHash>

namespace LogSeries {

using LogView::View;

namespace {

constexpr qint64 HalfHourMs = 30 * 60 * 1000;

// Two digits at 1-based position `start`, or -1.
int twoDigits(const QString &text, int start)
{
    if (text.size() < start + 1)
        return -1;
    const QChar a = text[start - 1], b = text[start];
    if (a < QLatin1Char('0') || a > QLatin1Char('9') || b < QLatin1Char('0') || b > QLatin1Char('9'))
        return -1;
    return (a.unicode() - '0') * 10 + (b.unicode() - '0');
}

// The number a cell shows before its unit ("012.3_A" -> 12.3); none for an empty cell or
// a code that is no number.
std::optional<double> cellNumber(const QString &cell)
{
    const qsizetype unit = cell.indexOf(QLatin1Char('_'));
    // The day view shows a field as it stands, blanks included (" 900_sec").
    const QStringView text = QStringView(cell).left(unit < 0 ? cell.size() : unit).trimmed();
    bool digits = false, point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point && digits)
            point = true;
        else if (!(c == '-' && i == 0))
            return std::nullopt;
    }
    if (!digits || text.endsWith(QLatin1Char('.')))
        return std::nullopt;
    return text.toDouble();
}

} // namespace

QString Column::title() const
{
    return unit.isEmpty() ? name : name + QLatin1Char('[') + unit + QLatin1Char(']');
}

QList<Column> valueColumns(View view, const QString &kind)
{
    const LogView::Layout layout = LogView::layoutFor(view, kind);
    auto column = [&](int c, const char *unit, int decimals) {
        return Column{layout.headers[c], QString::fromUtf8(unit), decimals, c};
    };
    if (kind == QLatin1String("G"))
        return {};
    if (kind == QLatin1String("D"))
        return {column(1, "kW", 1)};
    if (kind == QLatin1String("C"))
        return {column(1, "℃", 1), column(2, "℃", 1), column(3, "℃", 1), column(4, "℃", 1)};
    if (kind == QLatin1String("WJ"))
        return {column(1, "A", 1), column(2, "", 0), column(3, "sec", 0), column(4, "℃", 1)};
    return {column(1, "A", 1), column(2, "A", 1), column(3, "sec", 0), column(4, "sec", 0)};
}

Table table(View view, const QString &kind, const QStringList &lines, const LogView::Loaded &shown)
{
    Table t;
    t.columns = valueColumns(view, kind);
    const QString header = lines.value(0);
    const int yy = twoDigits(header, 1), mm = twoDigits(header, 4);
    const QDate first(2000 + yy, qMax(mm, 0), view == View::Daily ? qMax(twoDigits(header, 7), 0) : 1);
    if (yy < 0 || !first.isValid())
        return t;
    t.from = QDateTime(first, QTime(0, 0));
    t.to = QDateTime(view == View::Daily ? first.addDays(1) : first.addMonths(1), QTime(0, 0));

    const int count = qMin<qsizetype>(lines.size() - 1, shown.rows.size());
    t.records.reserve(count);
    // Local midnight of each day once: a local QDateTime per slot costs more than the rest.
    QHash<QDate, qint64> midnights;
    auto midnight = [&](const QDate &date) {
        auto it = midnights.find(date);
        if (it == midnights.end())
            it = midnights.insert(date, QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch());
        return *it;
    };
    for (int r = 1; r <= count; ++r) {
        const QString &line = lines[r];
        const QDate date = view == View::Daily ? first : QDate(first.year(), first.month(), twoDigits(line, 1));
        const QTime time(twoDigits(line, 4), twoDigits(line, 7));
        if (!date.isValid() || !time.isValid() || line.size() < 8 || line[5] != QLatin1Char(':'))
            continue;
        const std::array<QString, 4> &cells = shown.rows[r - 1].cells;
        Slot slot{date, time, midnight(date) + time.msecsSinceStartOfDay(), {}};
        slot.values.reserve(t.columns.size());
        for (const Column &c : t.columns)
            slot.values << cellNumber(cells[c.gridCol - 1]);
        t.records << slot;
    }
    return t;
}

QList<Series> chartSeries(const Table &t)
{
    QList<Series> series;
    for (int c = 0; c < t.columns.size(); ++c) {
        Series s{t.columns[c].name, t.columns[c].unit, {}};
        bool open = false; // the last run goes on while slots follow each other with numbers
        qint64 previous = 0;
        for (const Slot &slot : t.records) {
            const std::optional<double> v = slot.values[c];
            const qint64 x = slot.msecs;
            if (v && (!open || x - previous != HalfHourMs))
                s.runs.append(QList<QPointF>());
            if (v)
                s.runs.last() << QPointF(x, *v);
            open = v.has_value();
            previous = x;
        }
        series << s;
    }
    return series;
}

QByteArray csv(const Table &t)
{
    QStringList header{QStringLiteral("日付"), QStringLiteral("時刻")};
    for (const Column &c : t.columns)
        header << c.title();
    QByteArray out = "\xEF\xBB\xBF" + header.join(QLatin1Char(',')).toUtf8() + "\r\n";
    for (const Slot &slot : t.records) {
        out += slot.date.toString(Qt::ISODate).toLatin1() + ',' + slot.time.toString(QStringLiteral("hh:mm")).toLatin1();
        for (int c = 0; c < t.columns.size(); ++c) {
            out += ',';
            if (const std::optional<double> v = slot.values[c])
                out += QByteArray::number(*v + 0.0, 'f', t.columns[c].decimals); // never "-0.0"
        }
        out += "\r\n";
    }
    return out;
}

QString fileNameFor(const QString &path, const QString &extension)
{
    // A log outside the drive root keeps its native path.
    const QString name = path.mid(qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/'))) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? name.left(dot) : name) + QLatin1Char('.') + extension;
}

} // namespace LogSeries
