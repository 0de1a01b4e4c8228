#pragma once
// The chart of what a day or month view shows: one line per value column on a time axis, a
// value axis per unit. A drag over the chart zooms into that stretch (a day of the month),
// "全体表示" shows the whole period again, "画像保存" writes the chart as a PNG file.
#include "LogSeriesCodec.h"

#include <QWidget>

class QChart;
class QChartView;
class QDateTimeAxis;
class QPushButton;

class LogChartDialog : public QWidget {
    Q_OBJECT
public:
    LogChartDialog(LogView::View view, QWidget *parent = nullptr);

    QChartView *chartView = nullptr;
    QPushButton *cmdReset = nullptr; // "全体表示"
    QPushButton *cmdPng = nullptr;   // "画像保存"

    // Shows the table of the log at logicalLogPath under this title.
    void setData(const QString &title, const LogSeries::Table &table, const QString &logicalLogPath);
    QChart *chart() const;
    QDateTimeAxis *timeAxis() const { return m_timeAxis; }

    // Asks where to and writes the chart as PNG. False on cancel or failure (said).
    bool exportPng();

    QSize sizeHint() const override { return {960, 420}; }

private:
    LogView::View m_view;
    QDateTimeAxis *m_timeAxis = nullptr;
    QString m_logPath;
};
