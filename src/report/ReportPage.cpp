#include "ReportPage.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace ReportPage {

namespace {

constexpr double TitlePt = 14, TextPt = 7.5, SmallPt = 6, Gap = 4;
constexpr int ChartCols = 5, ChartRows = 4; // small multiples on a page of their own

struct Pager {
    QPainter &p;
    QPagedPaintDevice &device;
    const Document &doc;
    double unit; // device pixels a point
    QRectF area; // the page less its margins and foot, in device pixels
    int page = 1, pages = 1;

    QFont font(double pt, bool bold = false) const
    {
        QFont f;
        f.setPointSizeF(pt);
        f.setBold(bold);
        return f;
    }
    void foot()
    {
        p.setFont(font(SmallPt));
        p.setPen(Qt::black);
        const QRectF line(area.left(), area.bottom() + Gap * unit, area.width(), 10 * unit);
        p.drawText(line, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("%1 / %2").arg(page).arg(pages));
        p.drawText(line, Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("印刷 ") + doc.printed.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        p.drawText(line, Qt::AlignLeft | Qt::AlignTop, doc.title);
    }
    void newPage()
    {
        foot();
        device.newPage();
        ++page;
    }
};

// Column widths fitting the longest text of each column (titles may break once).
QList<double> columnWidths(const MonthReport::Report &r, const QFontMetricsF &fm, double pad)
{
    QList<double> widths;
    for (int c = 0; c < r.columns.size(); ++c) {
        double w = 0;
        for (const QString &part : r.columns[c].title.split(QLatin1Char('(')))
            w = qMax(w, fm.horizontalAdvance(part + QStringLiteral(")")));
        for (const QStringList &row : r.rows)
            w = qMax(w, fm.horizontalAdvance(row.value(c)));
        w = qMax(w, fm.horizontalAdvance(r.total.value(c)));
        widths << w + 2 * pad;
    }
    return widths;
}

// A title that breaks before its unit: "休止時間\n(h)".
QString stackedTitle(const QString &title)
{
    const qsizetype open = title.indexOf(QLatin1Char('('));
    return open > 0 ? title.left(open) + QLatin1Char('\n') + title.mid(open) : title;
}

// The smallest of 1, 2, 5 times a power of ten at or above v: the charts' common top.
double niceTop(double v)
{
    if (v <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(v)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= v * (1 - 1e-12))
            return step * power;
    return 10 * power;
}

void drawChart(QPainter &p, const QRectF &box, double unit, const QString &name,
               const QList<std::optional<double>> &days, double top)
{
    QFont f;
    f.setPointSizeF(SmallPt);
    p.setFont(f);
    const QFontMetricsF fm(f, p.device());
    p.setPen(Qt::black);
    p.drawText(QRectF(box.left(), box.top(), box.width(), fm.height()), Qt::AlignLeft,
               fm.elidedText(name, Qt::ElideRight, box.width()));
    const double label = fm.horizontalAdvance(QStringLiteral("00000"));
    const QRectF plot(box.left() + label, box.top() + fm.height() * 1.6, box.width() - label - 2 * unit,
                      box.height() - fm.height() * 2.8);
    p.setPen(QPen(Qt::gray, 0.5 * unit));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.setPen(Qt::black);
    const auto valueLabel = [&](double y, const QString &text) {
        p.drawText(QRectF(box.left(), y - fm.height() / 2, label - unit, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    };
    valueLabel(plot.top(), QString::number(top, 'g', 6));
    valueLabel(plot.bottom(), QStringLiteral("0"));
    const int count = int(days.size());
    const double step = plot.width() / qMax(count, 1);
    for (int d = 0; d < count; ++d) {
        if (d == 0 || (d + 1) % 10 == 0)
            p.drawText(QRectF(plot.left() + d * step - step, plot.bottom(), 3 * step, fm.height()),
                       Qt::AlignHCenter, QString::number(d + 1));
        if (!days[d])
            continue;
        const double h = plot.height() * qBound(0.0, *days[d] / top, 1.0);
        p.fillRect(QRectF(plot.left() + d * step + step * 0.15, plot.bottom() - h, step * 0.7, h),
                   QColor(30, 100, 190));
    }
}

} // namespace

QStringList footnotes(const MonthReport::Report &report)
{
    QStringList notes{
        QStringLiteral("欠測数: 記録のない30分の数。記録のない30分はゼロとして計算に含めていません。"),
        QStringLiteral("異常数: 記録の形式が合わず読み飛ばした行の数。")};
    if (report.hasEstimate)
        notes << MonthReport::estimateNote();
    return notes;
}

bool paint(QPagedPaintDevice &device, const Document &doc)
{
    const MonthReport::Report &r = doc.report;
    QPainter p;
    if (!p.begin(&device))
        return false;
    const double unit = device.logicalDpiY() / 72.0;
    const QRectF page(0, 0, device.width(), device.height());
    Pager pager{p, device, doc, unit, page.adjusted(0, 0, 0, -(Gap + 10) * unit)};

    // The table's font shrinks until every column fits the width.
    double pt = TextPt;
    QFont text = pager.font(pt);
    QList<double> widths;
    for (;; pt -= 0.5) {
        text = pager.font(pt);
        widths = columnWidths(r, QFontMetricsF(text, &device), 2 * unit);
        double sum = 0;
        for (double w : widths)
            sum += w;
        if (sum <= pager.area.width() || pt <= 4) {
            const double spare = (pager.area.width() - sum) / qMax<qsizetype>(widths.size(), 1);
            for (double &w : widths)
                w += qMax(0.0, spare); // the table spans the page
            break;
        }
    }
    const QFontMetricsF fm(text, &device);
    const double rowH = fm.height() * 1.35, headH = fm.height() * 2.6;
    const QFont titleFont = pager.font(TitlePt, true);
    const double titleH = QFontMetricsF(titleFont, &device).height() * 1.6;
    const QStringList notes = footnotes(r);
    const double notesH =
        notes.size() * QFontMetricsF(pager.font(SmallPt), &device).height() * 1.3 + Gap * unit;

    // Pages: the table's rows (and the total) first, then the charts.
    const int tableRows = int(r.rows.size()) + 1;
    const int firstPageRows = qMax(1, int((pager.area.height() - titleH - headH - notesH) / rowH));
    const int laterRows = qMax(1, int((pager.area.height() - headH - notesH) / rowH));
    const int tablePages =
        tableRows <= firstPageRows ? 1 : 1 + (tableRows - firstPageRows + laterRows - 1) / laterRows;
    // The charts follow the notes on the table's last page while a row of them fits there.
    const double chartH = (pager.area.height() - titleH) / ChartRows;
    const int lastPageRows =
        tablePages == 1 ? tableRows : tableRows - firstPageRows - (tablePages - 2) * laterRows;
    const double tableEnd =
        pager.area.top() + (tablePages == 1 ? titleH : 0) + headH + lastPageRows * rowH + notesH;
    const int chartsHere =
        ChartCols * qMax(0, int((pager.area.bottom() - tableEnd - Gap * unit - titleH) / chartH));
    const int perChartPage = ChartCols * ChartRows;
    const int chartsLater = qMax(0, int(r.rows.size()) - chartsHere);
    pager.pages = tablePages + (chartsLater + perChartPage - 1) / perChartPage;

    double y = pager.area.top();
    p.setFont(titleFont);
    p.drawText(QRectF(pager.area.left(), y, pager.area.width(), titleH), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("月報  ") + doc.title);
    y += titleH;

    auto header = [&] {
        p.setFont(text);
        double x = pager.area.left();
        p.fillRect(QRectF(x, y, pager.area.width(), headH), QColor(225, 232, 242));
        for (int c = 0; c < r.columns.size(); ++c) {
            p.drawText(QRectF(x, y, widths[c], headH), Qt::AlignCenter, stackedTitle(r.columns[c].title));
            x += widths[c];
        }
        y += headH;
    };
    auto line = [&](const QStringList &cells, bool total) {
        p.setFont(pager.font(pt, total));
        double x = pager.area.left();
        for (int c = 0; c < r.columns.size(); ++c) {
            const QRectF cell(x + 2 * unit, y, widths[c] - 4 * unit, rowH);
            const Qt::Alignment align = r.columns[c].number ? Qt::AlignRight : Qt::AlignLeft;
            p.drawText(cell, align | Qt::AlignVCenter,
                       fm.elidedText(cells.value(c), Qt::ElideRight, cell.width()));
            x += widths[c];
        }
        y += rowH;
        p.setPen(QPen(total ? Qt::black : Qt::lightGray, (total ? 0.6 : 0.3) * unit));
        p.drawLine(QPointF(pager.area.left(), y), QPointF(pager.area.right(), y));
        p.setPen(Qt::black);
    };

    header();
    int left = firstPageRows;
    for (int i = 0; i < tableRows; ++i) {
        if (left == 0) {
            pager.newPage();
            y = pager.area.top();
            header();
            left = laterRows;
        }
        if (i < r.rows.size())
            line(r.rows[i], false);
        else
            line(r.total, true);
        --left;
    }
    y += Gap * unit;
    p.setFont(pager.font(SmallPt));
    const double noteH = QFontMetricsF(pager.font(SmallPt), &device).height() * 1.3;
    for (const QString &note : notes) {
        p.drawText(QRectF(pager.area.left(), y, pager.area.width(), noteH), Qt::AlignLeft | Qt::AlignVCenter,
                   note);
        y += noteH;
    }

    // Every chart of the report on one scale, so the channels compare at a glance.
    double top = 0;
    for (const auto &days : r.perDay)
        for (const std::optional<double> &v : days)
            top = qMax(top, v.value_or(0));
    top = niceTop(top);
    double chartTop = y + Gap * unit; // the first row of charts
    int slot = 0;                     // the chart's place from chartTop
    for (int i = 0; i < r.rows.size(); ++i) {
        if (i == 0 || (i >= chartsHere && (i - chartsHere) % perChartPage == 0)) {
            if (i > 0 || chartsHere == 0) {
                pager.newPage();
                chartTop = pager.area.top();
            }
            p.setFont(pager.font(TextPt + 1, true));
            p.drawText(QRectF(pager.area.left(), chartTop, pager.area.width(), titleH / 1.3),
                       Qt::AlignLeft | Qt::AlignVCenter, r.chartTitle + QStringLiteral("  (日ごと)"));
            chartTop += titleH;
            slot = 0;
        }
        const double w = pager.area.width() / ChartCols;
        const QRectF box(pager.area.left() + (slot % ChartCols) * w, chartTop + (slot / ChartCols) * chartH,
                         w - Gap * unit, chartH - Gap * unit);
        ++slot;
        const QStringList &row = r.rows[i];
        const QString number = QStringLiteral("CH") + row.value(0);
        drawChart(p, box, unit, row.value(1) == number ? number : number + QLatin1Char(' ') + row.value(1),
                  r.perDay.value(i), top);
    }
    pager.foot();
    return p.end();
}

bool writePdf(const Document &doc, const QString &nativePath)
{
    // Written beside the file, then put in its place: an old file survives a failure.
    QSaveFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(QStringLiteral("月報 ") + doc.title);
        pdf.setCreator(QStringLiteral("unitdesk"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        if (!paint(pdf, doc))
            return false;
    }
    return file.commit();
}

} // namespace ReportPage
