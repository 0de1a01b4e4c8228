#pragma once
// Form4 "日別ﾃﾞｰﾀ表示" and Form3 "月間ﾃﾞｰﾀ表示": a stored day or month log in a grid. The
// two views differ only in their layout and conversions, which the codec owns.
#include "LogViewCodec.h"

#include <QWidget>

struct AppState;
struct WindowServices;
class LogChartDialog;
class Grid;
class QLabel;
class QPushButton;

class LogViewDialog : public QWidget {
    Q_OBJECT
public:
    LogViewDialog(LogView::View view, AppState &state, QWidget *parent = nullptr);

    QLabel *Label2 = nullptr;        // date of the log, from its header line
    QLabel *Label3 = nullptr;        // machine number, from the log's path
    Grid *MSFlexGrid1 = nullptr;     // the records, one half hour a row
    QPushButton *Command1 = nullptr; // "保存": a copy of the log file
    QPushButton *cmdCsv = nullptr;   // "CSV出力": the grid as a CSV file
    QPushButton *cmdChart = nullptr; // "グラフ": a chart of what the grid shows

    // On opening: placed at 205, 1225 twips, the grid built for the kind selected now, then
    // the log loaded.
    void load();
    // (Re)fills the grid from OpenedLogFile. False when the file cannot be read: the user
    // is told, the grid stays empty.
    bool Get_DmndData();

    LogView::View view() const { return m_view; }

    // Writes the loaded slots as CSV where the user chooses. False on cancel or failure
    // (a failure is said).
    bool exportCsv();
    // Opens the chart of the loaded log; an open chart follows every later load.
    LogChartDialog *showChart();

private:
    void buildGrid();
    void save(); // Command1
    void fillChart();

    LogView::View m_view;
    AppState &m_state;
    QString m_kind;      // the unit kind the grid was built for
    QStringList m_lines;     // the log shown, header line first
    LogView::Loaded m_shown; // what the grid got from it
    LogChartDialog *m_chart = nullptr;
};

class DailyViewDialog : public LogViewDialog {
    Q_OBJECT
public:
    DailyViewDialog(AppState &state, QWidget *parent = nullptr);
    // Registers the window with the window set (it handles no reply).
    static void wire(const WindowServices &services);
};

class MonthlyViewDialog : public LogViewDialog {
    Q_OBJECT
public:
    MonthlyViewDialog(AppState &state, QWidget *parent = nullptr);
    static void wire(const WindowServices &services);
};
