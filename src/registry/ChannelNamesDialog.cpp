#include "ChannelNamesDialog.h"

#include "CellEditor.h"
#include "ChannelNames.h"
#include "CompanionExport.h"
#include "RegistryGrid.h"
#include "common/AppState.h"
#include "common/TextFile.h"
#include "ui/Grid.h"
#include "ui/Prompt.h"
#include "ui/Twips.h"
#include "ui/WindowSet.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace ChannelNames;

namespace {
constexpr int CapacityCol = 5, CorrectionCol = 6;
}

ChannelNamesDialog::ChannelNamesDialog(AppState &state, MainLabels main, QWidget *parent)
    : QWidget(parent, Qt::Window), m_state(state), m_main(std::move(main))
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("CH名登録"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(Label1, 240, 120, 2600, 375);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(pageItems());
    placeTwips(Combo1, 3000, 120, 2300, 375);
    connect(Combo1, &QComboBox::activated, this, &ChannelNamesDialog::Combo1_Click);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    placeTwips(Text1, 6960, 120, 4215, 375);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label2, 5400, 120, 1480, 375);
    Command1 = new QPushButton(QStringLiteral("印刷"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeTwips(Command1, 11880, 120, 1100, 420);
    connect(Command1, &QPushButton::clicked, this, &ChannelNamesDialog::Command1_Click);
    Command3 = new QPushButton(QStringLiteral("登録"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    placeTwips(Command3, 13080, 120, 1100, 420);
    connect(Command3, &QPushButton::clicked, this, &ChannelNamesDialog::Command3_Click);
    MSFlexGrid1 = new Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    placeTwips(MSFlexGrid1, 30, 600, 14100, 3225);
    QStringList captions = headers();
    captions[0].clear();
    m_editor = new CellEditor(*MSFlexGrid1, *Text1, *Label2, captions, this);

    // Window load.
    moveTwips(this, 2200, 4200);
    Combo1->setCurrentIndex(0);
    m_state.ChNamePage = QStringLiteral("1");
    Grid *g = MSFlexGrid1;
    g->setVisible(false);
    g->setRedraw(false);
    SetUpRegistryGrid(*g, RowsPerPage + 1, headers(), widthsTwips());
    labelRows(loadRowLabel);
    load(m_state);
    showPage();
    g->setVisible(true);
    g->setRedraw(true);
    Label1->setText(groupLabelText(m_state.GroupNo));

    // The whole page without scrolling: with Japanese fonts the rows are taller than the
    // grid's twips allow for.
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->resize(g->fullWidth() - g->verticalScrollBar()->sizeHint().width(),
              g->horizontalHeader()->sizeHint().height() +
                  RowsPerPage * g->verticalHeader()->defaultSectionSize() + 2 * g->frameWidth());
    setFixedSize(qMax(g->geometry().right(), Command3->geometry().right()) + twipsToPixels(60),
                 g->geometry().bottom() + twipsToPixels(90));
}

void ChannelNamesDialog::wire(const WindowServices &s, const MainLabels &main)
{
    s.windows.registerWindow(WindowId::Form14,
                             [s, main] { return new ChannelNamesDialog(s.state, main, s.mainWindow); });
}

void ChannelNamesDialog::labelRows(const std::function<QString(int)> &label)
{
    for (int r = 1; r <= RowsPerPage; ++r)
        MSFlexGrid1->setTextMatrix(r, 0, label(r));
}

void ChannelNamesDialog::showPage()
{
    Grid *g = MSFlexGrid1;
    const bool redraw = g->redraw();
    g->setRedraw(false);
    const int first = (int(m_state.ChNamePage.toInt()) - 1) * RowsPerPage;
    for (int r = 1; r <= RowsPerPage; ++r) {
        const ChannelNameRow &row = m_state.ChannelNameTable[first + r - 1];
        for (int c = 1; c <= Fields; ++c)
            g->setTextMatrix(r, c, row[c - 1]);
        // The capacity shows its unit until it is filled in.
        if (row[CapacityCol - 1].isEmpty())
            g->setTextMatrix(r, CapacityCol, capacityPlaceholder());
    }
    g->setRedraw(redraw);
    g->setCurrentCell(1, 1);
}

void ChannelNamesDialog::Combo1_Click(int index)
{
    Grid *g = MSFlexGrid1;
    g->setVisible(false);
    m_state.ChNamePage = QString::number(index + 1);
    labelRows([index](int r) { return pageRowLabel(index + 1, r); });
    load(m_state);
    showPage();
    g->setRedraw(true);
    g->setVisible(true);
}

bool ChannelNamesDialog::Command3_Click()
{
    Grid *g = MSFlexGrid1;
    QList<QStringList> rows;
    for (int r = 1; r <= RowsPerPage; ++r) {
        g->setTextMatrix(r, CorrectionCol, fixedCorrection(g->textMatrix(r, CorrectionCol)));
        QStringList fields;
        for (int c = 1; c <= Fields; ++c) {
            const QString text = g->textMatrix(r, c);
            // The placeholder is not a capacity.
            fields << (c == CapacityCol && text == capacityPlaceholder() ? QString() : text);
        }
        rows << fields;
    }
    m_state.ChNamePage = QString::number(Combo1->currentIndex() + 1);
    m_state.GroupDir = QStringLiteral("C:\\GRP") + m_state.GroupNo;
    const QString path = pageFile(m_state.GroupDir, m_state.ChNamePage.toInt());
    const bool written = TextFile::writeLines(path, pageLines(rows));
    g->setRedraw(true);
    g->setCurrentCell(1, 1);
    load(m_state);
    showPage();
    if (!written)
        Prompt::fileNotWritten(path, this);
    if (CompanionExport::run() == CompanionExport::Result::NotWritten)
        Prompt::fileNotWritten(CompanionExport::nameFile(), this);
    return written;
}

ChannelPrint::Page ChannelNamesDialog::printPage() const
{
    ChannelPrint::Page page{Label1->text(), Combo1->currentText(), {}};
    for (int r = 0; r <= RowsPerPage; ++r) {
        QStringList cells;
        for (int c = 0; c <= Fields; ++c)
            cells << MSFlexGrid1->textMatrix(r, c);
        page.rows << cells;
    }
    return page;
}

void ChannelNamesDialog::Command1_Click()
{
    const Prompt::Message question{QStringLiteral("子機CH名登録の印刷を開始ます"),
                                   QStringLiteral("CH名の印刷開始"), Prompt::Buttons::OkCancel,
                                   Prompt::Icon::Warning, Prompt::Answer::Cancel};
    if (Prompt::ask(question, this) != Prompt::Answer::Ok)
        return;
    if (previewPage)
        previewPage(printPage(), this);
    MSFlexGrid1->setRedraw(true);
    MSFlexGrid1->setCurrentCell(1, 1);
}

void ChannelNamesDialog::closeEvent(QCloseEvent *event)
{
    if (m_main.clearStatus)
        m_main.clearStatus();
    event->accept();
}
