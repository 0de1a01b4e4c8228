#include "DayChart.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
const QColor lineColours[] = {QColor(30, 100, 190), QColor(200, 90, 30), QColor(40, 150, 70),
                              QColor(150, 60, 160)};

// A step of 1, 2 or 5 times a power of ten giving about `ticks` intervals.
double niceStep(double span, int ticks)
{
    const double raw = span / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}
} // namespace

DayChart::DayChart(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("DayChart"));
    setWindowTitle(QStringLiteral("日別ﾃﾞｰﾀ グラフ"));
    setMinimumSize(480, 260);
    resize(sizeHint());
}

void DayChart::setData(const QString &title, const QList<Series> &series)
{
    m_title = title;
    m_series = series;
    update();
}

void DayChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();

    double low = 0, high = 0;
    int halfHours = 0;
    for (const Series &s : m_series) {
        halfHours = qMax(halfHours, int(s.values.size()));
        for (const std::optional<double> &v : s.values)
            if (v) {
                low = qMin(low, *v);
                high = qMax(high, *v);
            }
    }
    if (high - low < 1e-9)
        high = low + 1;
    const double step = niceStep(high - low, 5);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;

    const int left = fm.horizontalAdvance(QStringLiteral("-0000.0")) + 12;
    const int legendY = fm.height() + 12; // a row of its own under the title
    const QRect plot(left, legendY + fm.height() + 10, width() - left - 16,
                     height() - legendY - 2 * fm.height() - 20);
    p.setPen(palette().text().color());
    p.drawText(QRect(0, 4, width(), fm.height()), Qt::AlignHCenter, m_title);

    auto yOf = [&](double v) { return plot.bottom() - (v - low) / (high - low) * plot.height(); };
    auto xOf = [&](int slot) { return plot.left() + (slot + 0.5) * plot.width() / qMax(halfHours, 1); };

    // Value grid and labels.
    for (double v = low; v <= high + step / 2; v += step) {
        const int y = qRound(yOf(v));
        p.setPen(QColor(220, 220, 220));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(palette().text().color());
        p.drawText(QRect(0, y - fm.height() / 2, left - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v, 'f', step < 1 ? 1 : 0));
    }
    // Every three hours along the bottom.
    for (int slot = 0; slot < halfHours; slot += 6) {
        const int x = qRound(xOf(slot));
        p.setPen(QColor(220, 220, 220));
        p.drawLine(x, plot.top(), x, plot.bottom());
        p.setPen(palette().text().color());
        const QString label = QStringLiteral("%1:00").arg(slot / 2, 2, 10, QLatin1Char('0'));
        p.drawText(QRect(x - 30, plot.bottom() + 4, 60, fm.height()), Qt::AlignHCenter, label);
    }
    p.setPen(palette().text().color());
    p.drawRect(plot);

    // One line per column; a half hour without a record breaks it.
    int legendX = plot.left();
    for (int i = 0; i < m_series.size(); ++i) {
        const Series &s = m_series[i];
        const QColor colour = lineColours[i % 4];
        QPainterPath path;
        bool drawing = false;
        for (int slot = 0; slot < s.values.size(); ++slot) {
            if (!s.values[slot]) {
                drawing = false;
                continue;
            }
            const QPointF point(xOf(slot), yOf(*s.values[slot]));
            drawing ? path.lineTo(point) : path.moveTo(point);
            drawing = true;
        }
        p.setPen(QPen(colour, 2));
        p.drawPath(path);
        p.fillRect(legendX, legendY + fm.height() / 2 - 2, 14, 4, colour);
        p.setPen(palette().text().color());
        p.drawText(legendX + 18, legendY + fm.ascent(), s.name);
        legendX += 18 + fm.horizontalAdvance(s.name) + 16;
    }
}
