#pragma once
// A chart of one day's half hours, drawn from what the day view shows: one line per value
// column, a gap where a half hour has no record.
#include <QList>
#include <QWidget>
#include <optional>

class DayChart : public QWidget {
    Q_OBJECT
public:
    struct Series {
        QString name;                        // the column's header
        QList<std::optional<double>> values; // one per half hour
    };

    explicit DayChart(QWidget *parent = nullptr);
    void setData(const QString &title, const QList<Series> &series);
    const QList<Series> &series() const { return m_series; }

    QSize sizeHint() const override { return {720, 360}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QList<Series> m_series;
};
