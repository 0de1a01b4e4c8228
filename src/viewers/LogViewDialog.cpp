#include "LogViewDialog.h"

#include "LogChartDialog.h"
#include "LogFiles.h"
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "ui/Grid.h"
#include "ui/Prompt.h"
#include "ui/Twips.h"
#include "ui/WindowSet.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using LogView::View;

LogViewDialog::LogViewDialog(View view, AppState &state, QWidget *parent)
    : QWidget(parent, Qt::Window), m_view(view), m_state(state)
{
    const bool daily = view == View::Daily;
    setObjectName(daily ? QStringLiteral("Form4") : QStringLiteral("Form3"));
    setWindowTitle(daily ? QStringLiteral("日別ﾃﾞｰﾀ表示") : QStringLiteral("月間ﾃﾞｰﾀ表示"));

    Label2 = new QLabel(LogView::initialDateText(view), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(LogView::initialMachineText(view), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    MSFlexGrid1 = new Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    Command1 = new QPushButton(QStringLiteral("保存"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &LogViewDialog::save);
    cmdCsv = new QPushButton(QStringLiteral("CSV出力"), this);
    cmdCsv->setObjectName(QStringLiteral("cmdCsv"));
    connect(cmdCsv, &QPushButton::clicked, this, &LogViewDialog::exportCsv);
    cmdChart = new QPushButton(QStringLiteral("グラフ"), this);
    cmdChart->setObjectName(QStringLiteral("cmdChart"));
    connect(cmdChart, &QPushButton::clicked, this, &LogViewDialog::showChart);

    QFont labelFont = Label2->font();
    labelFont.setPointSizeF(labelFont.pointSizeF() * 1.2);
    Label2->setFont(labelFont);
    Label3->setFont(labelFont);

    auto *top = new QHBoxLayout;
    top->addWidget(Label2);
    top->addSpacing(24);
    top->addWidget(Label3);
    top->addStretch(1);
    top->addWidget(cmdChart);
    top->addWidget(cmdCsv);
    top->addWidget(Command1);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(MSFlexGrid1, 1);

    buildGrid();
    resize(sizeHint());
}

void LogViewDialog::buildGrid()
{
    m_kind = m_state.UnitTypeCode;
    const LogView::Layout layout = LogView::layoutFor(m_view, m_kind);
    Grid *g = MSFlexGrid1;
    g->setVisible(false);
    g->setRedraw(false);
    g->setCols(LogView::GridCols);
    g->setRows(layout.rows);
    g->setFixedRows(1);
    g->setFixedCols(1);
    for (int c = 0; c < LogView::GridCols; ++c) {
        g->setColWidthTwips(c, layout.widthsTwips[c]);
        g->setTextMatrix(0, c, layout.headers[c]);
        g->setFixedAlignment(c, Qt::AlignCenter);
    }
    for (int r = 1; r < layout.rows; ++r) {
        g->setTextMatrix(r, 0, layout.slotColumn[r - 1]);
        for (int c = 1; c < LogView::GridCols; ++c)
            g->setTextMatrix(r, c, QString());
    }
    g->setRedraw(true);
    g->setVisible(true);

    // Wide enough for every column; about a working day of rows high.
    const int rowHeight = g->verticalHeader()->defaultSectionSize();
    g->setMinimumWidth(g->fullWidth());
    g->setMinimumHeight(g->horizontalHeader()->sizeHint().height() + 24 * rowHeight + 2 * g->frameWidth());
}

void LogViewDialog::load()
{
    moveTwips(this, 205, 1225);
    if (m_kind != m_state.UnitTypeCode)
        buildGrid();
    Get_DmndData();
}

bool LogViewDialog::Get_DmndData()
{
    Grid *g = MSFlexGrid1;
    g->setVisible(false);
    g->setRedraw(false);
    const int records = LogView::recordRows(m_view);
    const LogView::Layout layout = LogView::layoutFor(m_view, m_kind);
    for (int r = 1; r <= records; ++r) {
        g->setTextMatrix(r, 0, layout.slotColumn[r - 1]);
        for (int c = 1; c < LogView::GridCols; ++c)
            g->setTextMatrix(r, c, QString());
    }

    const QString path = m_state.OpenedLogFile;
    bool ok = false;
    const QStringList lines = path.isEmpty() ? QStringList() : TextFile::readLines(path, &ok);
    m_lines = ok ? lines : QStringList();
    m_shown = {};
    if (ok && !lines.isEmpty()) {
        m_shown = LogView::decode(m_view, m_kind, path, lines);
        Label2->setText(m_shown.Label2);
        Label3->setText(m_shown.Label3);
        for (int r = 1; r <= m_shown.rows.size(); ++r) {
            const LogView::Loaded::Row &row = m_shown.rows[r - 1];
            if (m_view == View::Monthly)
                g->setTextMatrix(r, 0, row.label);
            for (int c = 1; c < LogView::GridCols; ++c)
                g->setTextMatrix(r, c, row.cells[c - 1]);
        }
    } else {
        Label2->setText(LogView::initialDateText(m_view));
        Label3->setText(LogView::initialMachineText(m_view));
    }
    g->setCurrentCell(1, 1);
    g->setRedraw(true);
    g->setVisible(true);
    // An open chart shows what the grid shows.
    if (m_chart && m_chart->isVisible())
        fillChart();

    if (!ok || lines.isEmpty()) {
        // The file went (or was never a log) between the choice and the view: say so, and
        // leave the grid empty rather than stop.
        Prompt::ask({QStringLiteral("ログファイルを読み込めません。\n") + path, windowTitle(),
                     Prompt::Buttons::Ok, Prompt::Icon::Exclamation, Prompt::Answer::Ok},
                    this);
        return false;
    }
    return true;
}

void LogViewDialog::save()
{
    LogFiles::saveCopy(m_state, this);
}

bool LogViewDialog::exportCsv()
{
    Prompt::FileDialog dialog;
    dialog.mode = Prompt::FileDialog::Save;
    dialog.title = QStringLiteral("CSVファイルに出力");
    dialog.initialDir = QStringLiteral("C:\\AMPDAT");
    dialog.filter = QStringLiteral("CSVﾌｧｲﾙ(*.csv)");
    dialog.fileName = dialog.initialDir + QLatin1Char('\\') +
                      LogSeries::fileNameFor(m_state.OpenedLogFile, QStringLiteral("csv"));
    const QString path = Prompt::chooseFile(dialog, this);
    if (path.isEmpty())
        return false;
    if (DriveMap::writeFile(path, LogSeries::csv(LogSeries::table(m_view, m_kind, m_lines, m_shown))))
        return true;
    Prompt::fileNotWritten(path, this);
    return false;
}

LogChartDialog *LogViewDialog::showChart()
{
    if (!m_chart) {
        m_chart = new LogChartDialog(m_view, this);
        // Beside the view and as tall, when the screen has room for both; else over the view,
        // no larger than the screen and wholly on it, buttons included.
        const QRect frame = frameGeometry();
        const QRect room(frame.topRight() + QPoint(8, 0), QSize(m_chart->width(), height()));
        if (screen() && screen()->availableGeometry().contains(room)) {
            m_chart->move(room.topLeft());
            m_chart->resize(room.size());
        } else if (screen()) {
            const QRect area = screen()->availableGeometry();
            const QSize decoration = frame.size() - size(); // title bar and borders, as the view's
            const QSize size = m_chart->size().boundedTo(area.size() - decoration);
            QPoint at = frame.topLeft() + QPoint(24, 24);
            at.setX(qBound(area.left(), at.x(), area.right() + 1 - size.width() - decoration.width()));
            at.setY(qBound(area.top(), at.y(), area.bottom() + 1 - size.height() - decoration.height()));
            m_chart->move(at);
            m_chart->resize(size);
        }
    }
    fillChart();
    m_chart->show();
    m_chart->raise();
    return m_chart;
}

void LogViewDialog::fillChart()
{
    m_chart->setData(Label2->text() + QStringLiteral("   ") + Label3->text(),
                     LogSeries::table(m_view, m_kind, m_lines, m_shown), m_state.OpenedLogFile);
}

DailyViewDialog::DailyViewDialog(AppState &state, QWidget *parent) : LogViewDialog(View::Daily, state, parent)
{
}

void DailyViewDialog::wire(const WindowServices &s)
{
    s.windows.registerWindow(WindowId::Form4, [s] { return new DailyViewDialog(s.state, s.mainWindow); });
}

MonthlyViewDialog::MonthlyViewDialog(AppState &state, QWidget *parent)
    : LogViewDialog(View::Monthly, state, parent)
{
}

void MonthlyViewDialog::wire(const WindowServices &s)
{
    s.windows.registerWindow(WindowId::Form3, [s] { return new MonthlyViewDialog(s.state, s.mainWindow); });
}
