#pragma once
// "月報": the month report of a group on screen. Group, unit kind and month are picked at
// the top; the table shows one row per channel with stored data and the total, the chart
// under it the per-day figure of the selected channel. "印刷" shows the pages in a print
// preview on the printer of "印刷設定", "PDFで保存" and "CSV出力" write them to files.
// A window of our own: the closing order of the other windows leaves it open.
#include "ReportPage.h"

#include <QWidget>

struct AppState;
struct WindowServices;
class Grid;
class QBarSeries;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

class MonthReportDialog : public QWidget {
    Q_OBJECT
public:
    explicit MonthReportDialog(AppState &state, QWidget *parent = nullptr);

    QComboBox *cboGroup = nullptr;   // groups 01..50 with their names
    QComboBox *cboKind = nullptr;    // the unit kinds of the main window's list
    QDateEdit *dtpMonth = nullptr;   // the month
    QPushButton *cmdPrint = nullptr; // "印刷": print preview
    QPushButton *cmdPdf = nullptr;   // "PDFで保存"
    QPushButton *cmdCsv = nullptr;   // "CSV出力"
    Grid *grdReport = nullptr;       // row 0 the titles, column 0 the channel
    QLabel *lblNotes = nullptr;      // how missing, damaged and estimated figures are made
    QChartView *chartView = nullptr; // the selected channel's days

    // The group in use, the kind selected in the main window, last month (of `today`);
    // then the report is read.
    void prepareToShow(const QDate &today = QDate::currentDate());
    // Reads the store again for the choice shown and fills table and chart.
    void refresh();
    const ReportPage::Document &document() const { return m_document; }

    bool exportCsv();
    bool exportPdf();
    void print();

    static void wire(const WindowServices &services);

private:
    void fillGrid();
    void showChannel(int row); // the chart of report row `row`
    QString groupNo() const;
    QString kind() const;
    QString fileName(const QString &extension) const;
    // The save dialog both exports open: in C:\AMPDAT, named after the group, month and kind.
    QString chooseSavePath(const QString &title, const QString &filter, const QString &extension);

    AppState &m_state;
    ReportPage::Document m_document;
    int m_chartRow = -1;
};
