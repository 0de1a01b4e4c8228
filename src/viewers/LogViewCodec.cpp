#include "LogViewCodec.h"

#include "common/AppState.h"
#include "common/Vb.h"

#include <QRegularExpression>

namespace LogView {

namespace {

QString tenths(const QString &field, const char *mask, const char *unit)
{
    return Format(Val(field) / 10, QLatin1String(mask)) + QString::fromUtf8(unit);
}

// Kind C stores 1000 + tenths of a degree; readings beyond ±80.0 degrees are shown as 0.
QString temperature(const QString &field)
{
    int t = qRound(Val(field)) - 1000;
    if (t < -800 || t > 800)
        t = 0;
    return Format(t / 10.0, QStringLiteral("00.0")) + QStringLiteral("_℃");
}

} // namespace

Layout layoutFor(View view, const QString &kind)
{
    Layout layout;
    layout.rows = recordRows(view) + 1;
    layout.widthsTwips = {1800, 1700, 1700, 1700, 1700};
    const bool month = view == View::Monthly;
    layout.headers[0] = month ? QStringLiteral("日 時刻") : QStringLiteral("時刻");
    if (kind == QLatin1String("C"))
        layout.headers = {layout.headers[0], QStringLiteral("00_分"), QStringLiteral("07_分"),
                          QStringLiteral("15_分"), QStringLiteral("22_分")};
    else if (kind == QLatin1String("D") && month)
        layout.headers = {layout.headers[0], QStringLiteral("消費電力値"), QString(), QString(), QString()};
    else if (kind == QLatin1String("D"))
        layout.headers = {layout.headers[0], QStringLiteral("平均電力値"), QStringLiteral("制御時電力値"),
                          QStringLiteral("制御秒"), QStringLiteral("休止秒")};
    else if (kind == QLatin1String("WJ"))
        layout.headers = {layout.headers[0], QStringLiteral("平均電流値"), QStringLiteral("制御 モード"),
                          QStringLiteral("噴射時間秒"), QStringLiteral("平均温度")};
    else
        layout.headers = {layout.headers[0], QStringLiteral("平均電流値"), QStringLiteral("制御時電流値"),
                          QStringLiteral("制御秒"), QStringLiteral("休止秒")};

    const QStringList labels = MakeSlotLabels().split(QLatin1Char(','));
    layout.slotColumn.reserve(recordRows(view));
    for (int r = 0; r < recordRows(view); ++r)
        layout.slotColumn << labels[r % SlotsPerDay];
    return layout;
}

QString initialDateText(View)
{
    return QStringLiteral("00年00月00日");
}

QString initialMachineText(View view)
{
    return view == View::Daily ? QStringLiteral("機械番号 : CH00") : QStringLiteral("機械番号 ： CH00");
}

QString dateText(View view, const QString &header)
{
    QString text = Mid(header, 1, 2) + QStringLiteral("年") + Mid(header, 4, 2) + QStringLiteral("月");
    if (view == View::Daily)
        text += Mid(header, 7, 2) + QStringLiteral("日");
    return text;
}

QString machineText(const QString &path)
{
    // Fixed positions fit a group folder of five characters only; the folder of a machine
    // that never stored a group is "C:\GRP". A path of the store's layout is read by its
    // folders, which gives the same text wherever the positions are right.
    static const QRegularExpression layout(
        QStringLiteral("^C:\\\\([^\\\\]+)\\\\ZR[^\\\\]*\\\\Y\\d{4}\\\\(?:DAY|M\\d\\d)\\\\(CH\\d\\d)\\\\[^\\\\]+$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = layout.match(path);
    if (m.hasMatch())
        return QStringLiteral("機械番号： ") + m.captured(1) + QStringLiteral("  ") + m.captured(2);
    return QStringLiteral("機械番号： ") + Mid(path, 4, 5) + QStringLiteral("  ") + Mid(path, 24, 4);
}

std::array<QString, 4> recordCells(View view, const QString &kind, const QString &line)
{
    const bool month = view == View::Monthly;
    auto field = [&](int start, int length) {
        const QString text = Mid(line, start, length);
        if (!month)
            return text;
        return Format(text, length == 5 ? QStringLiteral("00000") : QStringLiteral("0000"));
    };
    const QString f1 = field(10, 4), f2 = field(15, 4), f3 = field(20, 4), f4 = field(25, 4);

    if (kind == QLatin1String("C"))
        return {temperature(f1), temperature(f2), temperature(f3), temperature(f4)};
    if (kind == QLatin1String("D"))
        return {tenths(field(10, 5), "0000.0", "_kw"), QString(), QString(), QString()};
    if (kind == QLatin1String("WJ"))
        return {tenths(f1, "000.0", "_A"), Mid(f2, 2, 2), f3 + QStringLiteral("_sec"),
                tenths(f4, "00.0", "_℃")};
    if (kind == QLatin1String("G"))
        return {};
    // A, B and any kind the view does not know.
    return {tenths(f1, "000.0", "_A"), tenths(f2, "000.0", "_A"), f3 + QStringLiteral("_sec"),
            f4 + QStringLiteral("_sec")};
}

std::array<std::optional<qint64>, 4> recordNumbers(const QString &kind, const QString &line)
{
    auto field = [&line](int start, int length) -> std::optional<qint64> {
        if (line.size() < start - 1 + length)
            return std::nullopt;
        qint64 value = 0;
        for (int i = start - 1; i < start - 1 + length; ++i) {
            const char16_t c = line[i].unicode();
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    if (kind == QLatin1String("C")) {
        std::array<std::optional<qint64>, 4> t{field(10, 4), field(15, 4), field(20, 4), field(25, 4)};
        for (std::optional<qint64> &v : t)
            if (v) // as temperature(): 1000 + tenths of a degree, beyond ±80.0 shown as 0
                v = *v - 1000 < -800 || *v - 1000 > 800 ? 0 : *v - 1000;
        return t;
    }
    if (kind == QLatin1String("D"))
        return {field(10, 5), std::nullopt, std::nullopt, std::nullopt};
    if (kind == QLatin1String("WJ"))
        return {field(10, 4), field(16, 2), field(20, 4), field(25, 4)};
    if (kind == QLatin1String("G"))
        return {};
    return {field(10, 4), field(15, 4), field(20, 4), field(25, 4)};
}

QString monthRowLabel(const QString &line)
{
    return Mid(line, 1, 2) + QStringLiteral("\t日: ") + Mid(line, 4, 5) + QLatin1Char('\t');
}

Loaded decode(View view, const QString &kind, const QString &path, const QStringList &lines)
{
    Loaded loaded;
    loaded.Label2 = dateText(view, lines.value(0));
    loaded.Label3 = machineText(path);
    const int count = qMin<qsizetype>(qMax<qsizetype>(lines.size() - 1, 0), recordRows(view));
    loaded.rows.reserve(count);
    for (int r = 1; r <= count; ++r) {
        const QString &line = lines[r];
        loaded.rows.append(
            {view == View::Monthly ? monthRowLabel(line) : QString(), recordCells(view, kind, line)});
    }
    return loaded;
}

} // namespace LogView
