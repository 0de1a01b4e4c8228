#include "MonthReportDialog.h"

#include "ReportStore.h"
#include "common/AppState.h"
#include "common/DriveMap.h"
#include "mainwin/UnitKinds.h"
#include "registry/GroupNames.h"
#include "ui/Grid.h"
#include "ui/Prompt.h"
#include "ui/WindowSet.h"
#include "viewers/PrintSetup.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

namespace {

// The titles' tool tips say how each figure is made.
class TitleTips : public QObject {
public:
    TitleTips(QHeaderView *header, std::function<QString(int)> tip)
        : QObject(header), m_header(header), m_tip(std::move(tip))
    {
        header->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = m_tip(m_header->logicalIndexAt(help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, m_header);
        return true;
    }

private:
    QHeaderView *m_header;
    std::function<QString(int)> m_tip;
};

} // namespace

MonthReportDialog::MonthReportDialog(AppState &state, QWidget *parent)
    : QWidget(parent, Qt::Window), m_state(state)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("月報"));

    cboGroup = new QComboBox(this);
    cboGroup->setObjectName(QStringLiteral("cboGroup"));
    cboKind = new QComboBox(this);
    cboKind->setObjectName(QStringLiteral("cboKind"));
    for (const UnitKind &k : UnitKinds)
        cboKind->addItem(QString::fromUtf8(k.item).trimmed(), QString::fromLatin1(k.typeCode));
    dtpMonth = new QDateEdit(this);
    dtpMonth->setObjectName(QStringLiteral("dtpMonth"));
    dtpMonth->setDisplayFormat(QStringLiteral("yyyy年MM月"));
    dtpMonth->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    cmdPrint = new QPushButton(QStringLiteral("印刷"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPdf = new QPushButton(QStringLiteral("PDFで保存"), this);
    cmdPdf->setObjectName(QStringLiteral("cmdPdf"));
    cmdCsv = new QPushButton(QStringLiteral("CSV出力"), this);
    cmdCsv->setObjectName(QStringLiteral("cmdCsv"));
    grdReport = new Grid(this);
    grdReport->setObjectName(QStringLiteral("grdReport"));
    lblNotes = new QLabel(this);
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    lblNotes->setWordWrap(true);
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    chartView = new QChartView(chart, this);
    chartView->setObjectName(QStringLiteral("chartView"));
    chartView->setMinimumHeight(200);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("ｸﾞﾙｰﾌﾟ"), this));
    top->addWidget(cboGroup, 1);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("子機の種類"), this));
    top->addWidget(cboKind);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("月"), this));
    top->addWidget(dtpMonth);
    top->addStretch(1);
    top->addWidget(cmdPrint);
    top->addWidget(cmdPdf);
    top->addWidget(cmdCsv);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(grdReport, 3);
    outer->addWidget(lblNotes);
    outer->addWidget(chartView, 2);

    new TitleTips(grdReport->horizontalHeader(),
                  [this](int section) { return m_document.report.columns.value(section + 1).toolTip; });
    connect(cboGroup, &QComboBox::currentIndexChanged, this, &MonthReportDialog::refresh);
    connect(cboKind, &QComboBox::currentIndexChanged, this, &MonthReportDialog::refresh);
    connect(dtpMonth, &QDateEdit::dateChanged, this, &MonthReportDialog::refresh);
    connect(cmdPrint, &QPushButton::clicked, this, &MonthReportDialog::print);
    connect(cmdPdf, &QPushButton::clicked, this, &MonthReportDialog::exportPdf);
    connect(cmdCsv, &QPushButton::clicked, this, &MonthReportDialog::exportCsv);
    connect(grdReport->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { showChannel(current.row()); });
    resize(1100, 700);
}

void MonthReportDialog::prepareToShow(const QDate &today)
{
    const QSignalBlocker g(cboGroup), k(cboKind), m(dtpMonth);
    const GroupNames::Table names = GroupNames::load();
    cboGroup->clear();
    for (int n = 1; n <= GroupNames::Groups; ++n) {
        const QString no = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        const QString name = names.value(n).value(1).trimmed();
        cboGroup->addItem(name.isEmpty() ? no : no + QLatin1Char(' ') + name, no);
    }
    cboGroup->setCurrentIndex(qMax(0, cboGroup->findData(m_state.GroupNo)));
    cboKind->setCurrentIndex(qMax(0, cboKind->findData(m_state.UnitTypeCode)));
    dtpMonth->setDate(QDate(today.year(), today.month(), 1).addMonths(-1));
    refresh();
}

QString MonthReportDialog::groupNo() const
{
    return cboGroup->currentData().toString();
}

QString MonthReportDialog::kind() const
{
    return cboKind->currentData().toString();
}

void MonthReportDialog::refresh()
{
    const QDate month = dtpMonth->date();
    QString groupName;
    const MonthReport::Input input = ReportStore::readInput(groupNo(), kind(), month.year(), month.month(),
                                                            QDateTime::currentDateTime(), &groupName);
    m_document.report = MonthReport::make(input);
    m_document.title = ReportStore::titleText(groupNo(), groupName, m_document.report);
    fillGrid();
    QStringList notes = ReportPage::footnotes(m_document.report);
    if (kind() == QLatin1String("G"))
        notes.prepend(QStringLiteral("直接 負荷制御の子機のログは保存されません。"));
    else if (m_document.report.rows.isEmpty())
        notes.prepend(QStringLiteral("この月のデータがあるチャンネルはありません。"));
    lblNotes->setText(notes.join(QLatin1Char('\n')));
    const bool any = !m_document.report.rows.isEmpty();
    cmdPrint->setEnabled(any);
    cmdPdf->setEnabled(any);
    cmdCsv->setEnabled(any);
    m_chartRow = -1;
    showChannel(0);
}

void MonthReportDialog::fillGrid()
{
    const MonthReport::Report &r = m_document.report;
    Grid *g = grdReport;
    g->setRedraw(false);
    g->setCols(int(r.columns.size()));
    g->setRows(int(r.rows.size()) + 2); // the titles, the channels, the total
    g->setFixedRows(1);
    g->setFixedCols(1);
    for (int c = 0; c < r.columns.size(); ++c) {
        g->setTextMatrix(0, c, r.columns[c].title);
        g->setFixedAlignment(c, Qt::AlignCenter);
        g->setColAlignment(c, r.columns[c].number ? Qt::AlignRight | Qt::AlignVCenter
                                                  : Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (int i = 0; i <= r.rows.size(); ++i) {
        const QStringList &cells = i < r.rows.size() ? r.rows[i] : r.total;
        for (int c = 0; c < r.columns.size(); ++c)
            g->setTextMatrix(i + 1, c, cells.value(c));
    }
    g->setRedraw(true);
    g->resizeColumnsToContents();
    g->verticalHeader()->setMinimumWidth(48);
    if (!r.rows.isEmpty())
        g->setCurrentCell(1, 1);
}

void MonthReportDialog::showChannel(int row)
{
    const MonthReport::Report &r = m_document.report;
    if (row < 0 || row >= r.rows.size()) {
        if (!r.rows.isEmpty())
            return; // the total row keeps the chart shown
        row = -1;
    }
    if (row == m_chartRow && row >= 0)
        return;
    m_chartRow = row;
    QChart *c = chartView->chart();
    c->removeAllSeries();
    for (QAbstractAxis *axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    if (row < 0) {
        c->setTitle(QString());
        return;
    }
    const QStringList &cells = r.rows[row];
    c->setTitle(QStringLiteral("CH") + cells.value(0) + QLatin1Char(' ') + cells.value(1) +
                QStringLiteral("  ") + r.chartTitle + QStringLiteral("  (日ごと)"));
    auto *set = new QBarSet(r.chartTitle);
    set->setColor(QColor(30, 100, 190));
    QStringList days;
    double top = 0;
    const QList<std::optional<double>> &values = r.perDay.value(row);
    for (int d = 0; d < values.size(); ++d) {
        *set << values[d].value_or(0);
        top = qMax(top, values[d].value_or(0));
        days << QString::number(d + 1);
    }
    auto *series = new QBarSeries;
    series->setBarWidth(0.7);
    series->append(set);
    c->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(days);
    x->setTitleText(QStringLiteral("日"));
    auto *y = new QValueAxis;
    y->setRange(0, top > 0 ? top : 1);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%g")); // the chart's title names the figure and its unit
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

QString MonthReportDialog::fileName(const QString &extension) const
{
    return QStringLiteral("C:\\AMPDAT\\GETSUHO_GRP%1_%2%3_%4.%5")
        .arg(groupNo())
        .arg(m_document.report.year)
        .arg(m_document.report.month, 2, 10, QLatin1Char('0'))
        .arg(kind(), extension);
}

QString MonthReportDialog::chooseSavePath(const QString &title, const QString &filter,
                                          const QString &extension)
{
    Prompt::FileDialog dialog;
    dialog.mode = Prompt::FileDialog::Save;
    dialog.title = title;
    dialog.initialDir = QStringLiteral("C:\\AMPDAT");
    dialog.filter = filter;
    dialog.fileName = fileName(extension);
    return Prompt::chooseFile(dialog, this);
}

bool MonthReportDialog::exportCsv()
{
    const QString path = chooseSavePath(QStringLiteral("CSVファイルに出力"),
                                        QStringLiteral("CSVﾌｧｲﾙ(*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return false;
    if (DriveMap::writeFile(path, MonthReport::csv(m_document.report)))
        return true;
    Prompt::fileNotWritten(path, this);
    return false;
}

bool MonthReportDialog::exportPdf()
{
    const QString path = chooseSavePath(QStringLiteral("PDFで保存"),
                                        QStringLiteral("PDFﾌｧｲﾙ(*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    ReportPage::Document document = m_document;
    document.printed = QDateTime::currentDateTime();
    if (ReportPage::writePdf(document, DriveMap::toNative(path)))
        return true;
    Prompt::fileNotWritten(path, this);
    return false;
}

void MonthReportDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    PrintSetup::applyTo(printer);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!PrintSetup::chosen())
        printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("月報の印刷"));
    ReportPage::Document document = m_document;
    document.printed = QDateTime::currentDateTime();
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter *target) {
        if (!ReportPage::paint(*target, document))
            Prompt::ask({QStringLiteral("印刷できません。プリンタを確認してください。"),
                         QStringLiteral("月報の印刷"), Prompt::Buttons::Ok, Prompt::Icon::Warning,
                         Prompt::Answer::Ok},
                        &preview);
    });
    preview.exec();
}

void MonthReportDialog::wire(const WindowServices &s)
{
    s.windows.registerWindow(WindowId::Report, [s] { return new MonthReportDialog(s.state, s.mainWindow); });
}
