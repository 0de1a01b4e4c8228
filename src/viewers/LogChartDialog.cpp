#include "LogChartDialog.h"

#include "common/DriveMap.h"
#include "ui/Prompt.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

using LogView::View;

namespace {
const QColor lineColours[] = {QColor(30, 100, 190), QColor(200, 90, 30), QColor(40, 150, 70),
                              QColor(150, 60, 160)};
}

LogChartDialog::LogChartDialog(View view, QWidget *parent) : QWidget(parent, Qt::Window), m_view(view)
{
    setObjectName(QStringLiteral("LogChart"));
    setWindowTitle(view == View::Daily ? QStringLiteral("日別ﾃﾞｰﾀ グラフ") : QStringLiteral("月間ﾃﾞｰﾀ グラフ"));

    auto *chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chartView = new QChartView(chart, this);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setRubberBand(QChartView::HorizontalRubberBand);

    cmdReset = new QPushButton(QStringLiteral("全体表示"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    connect(cmdReset, &QPushButton::clicked, chart, &QChart::zoomReset);
    cmdPng = new QPushButton(QStringLiteral("画像保存"), this);
    cmdPng->setObjectName(QStringLiteral("cmdPng"));
    connect(cmdPng, &QPushButton::clicked, this, &LogChartDialog::exportPng);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("ドラッグした範囲を拡大します"), this));
    buttons->addStretch(1);
    buttons->addWidget(cmdReset);
    buttons->addWidget(cmdPng);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(chartView, 1);
    outer->addLayout(buttons);
    resize(sizeHint());
}

QChart *LogChartDialog::chart() const
{
    return chartView->chart();
}

void LogChartDialog::setData(const QString &title, const LogSeries::Table &table, const QString &logPath)
{
    m_logPath = logPath;
    QChart *c = chart();
    c->zoomReset();
    c->removeAllSeries();
    for (QAbstractAxis *axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    m_timeAxis = nullptr;
    c->setTitle(title);
    if (!table.from.isValid())
        return;

    m_timeAxis = new QDateTimeAxis;
    m_timeAxis->setRange(table.from, table.to);
    c->addAxis(m_timeAxis, Qt::AlignBottom);
    // A month is labelled by its days, a day or a zoomed stretch by the time as well.
    auto label = [this](const QDateTime &from, const QDateTime &to) {
        const qint64 days = qRound64(from.msecsTo(to) / 86400000.0);
        if (m_view == View::Daily) {
            m_timeAxis->setFormat(QStringLiteral("HH:mm"));
            m_timeAxis->setTickCount(9);
        } else if (days > 2) {
            m_timeAxis->setFormat(QStringLiteral("d"));
            m_timeAxis->setTitleText(QStringLiteral("日"));
            m_timeAxis->setTickCount(int(qBound(qint64(2), days + 1, qint64(32))));
        } else {
            m_timeAxis->setFormat(QStringLiteral("d日 HH:mm"));
            m_timeAxis->setTitleText(QStringLiteral("日 時刻"));
            m_timeAxis->setTickCount(7);
        }
    };
    label(table.from, table.to);
    connect(m_timeAxis, &QDateTimeAxis::rangeChanged, this, label);

    QMap<QString, QValueAxis *> unitAxes; // one value axis per unit, sides taken in turn
    QMap<QString, std::pair<double, double>> ranges; // from zero to the values of each unit
    const QList<LogSeries::Series> series = LogSeries::chartSeries(table);
    for (int i = 0; i < series.size(); ++i) {
        const LogSeries::Series &s = series[i];
        QValueAxis *&axis = unitAxes[s.unit];
        if (!axis) {
            axis = new QValueAxis;
            axis->setTitleText(s.unit);
            axis->setLabelFormat(QStringLiteral("%g"));
            c->addAxis(axis, unitAxes.size() % 2 ? Qt::AlignLeft : Qt::AlignRight);
        }
        const QString name = table.columns[i].title();
        const QPen pen(lineColours[i % 4], 1);
        auto &[low, high] = ranges[s.unit];
        for (const QList<QPointF> &run : s.runs)
            for (const QPointF &p : run) {
                low = qMin(low, p.y());
                high = qMax(high, p.y());
            }
        // A run per stretch without gaps; the legend names the column once.
        for (int r = 0; r < s.runs.size(); ++r) {
            auto *line = new QLineSeries;
            line->setName(name);
            line->setPen(pen);
            line->replace(s.runs[r]);
            c->addSeries(line);
            line->attachAxis(m_timeAxis);
            line->attachAxis(axis);
            if (r > 0)
                c->legend()->markers(line).value(0)->setVisible(false);
        }
    }
    // A flat line still gets a span (nice numbers of an empty span are none).
    for (auto it = unitAxes.begin(); it != unitAxes.end(); ++it) {
        const auto [low, high] = ranges.value(it.key());
        it.value()->setRange(low, high > low ? high : low + 1);
        it.value()->applyNiceNumbers();
    }
}

bool LogChartDialog::exportPng()
{
    Prompt::FileDialog dialog;
    dialog.mode = Prompt::FileDialog::Save;
    dialog.title = QStringLiteral("グラフを画像で保存");
    dialog.initialDir = QStringLiteral("C:\\AMPDAT");
    dialog.filter = QStringLiteral("PNGﾌｧｲﾙ(*.png)");
    dialog.fileName = dialog.initialDir + QLatin1Char('\\') + LogSeries::fileNameFor(m_logPath, QStringLiteral("png"));
    const QString path = Prompt::chooseFile(dialog, this);
    if (path.isEmpty())
        return false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (chartView->grab().save(&buffer, "PNG") && DriveMap::writeFile(path, png))
        return true;
    Prompt::fileNotWritten(path, this);
    return false;
}
