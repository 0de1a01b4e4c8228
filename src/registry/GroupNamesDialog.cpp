#include "GroupNamesDialog.h"

#include "CellEditor.h"
#include "GroupNames.h"
#include "RegistryGrid.h"
#include "common/TextFile.h"
#include "ui/Grid.h"
#include "ui/Prompt.h"
#include "ui/Twips.h"
#include "ui/WindowSet.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

GroupNamesDialog::GroupNamesDialog(MainLabels main, QWidget *parent)
    : QWidget(parent, Qt::Window), m_main(std::move(main))
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("ｸﾞﾙｰﾌﾟ名登録"));

    Label1 = new QLabel(QStringLiteral("ｸﾞﾙｰﾌﾟ名の登録"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(Label1, 435, 180, 2500, 375);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    placeTwips(Text1, 3080, 180, 5295, 375);
    Command3 = new QPushButton(QStringLiteral("登録"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    placeTwips(Command3, 9200, 120, 1000, 450);
    connect(Command3, &QPushButton::clicked, this, &GroupNamesDialog::Command3_Click);
    MSFlexGrid1 = new Grid(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    placeTwips(MSFlexGrid1, 0, 660, 10275, 4695);
    // The caption names the column Text1 edits.
    m_editor = new CellEditor(
        *MSFlexGrid1, *Text1, *Label1,
        {QString(), Label1->text(), QStringLiteral("対象機器名の登録"), QStringLiteral("備考の登録")}, this);

    setFixedSize(twipsToPixels(10275), twipsToPixels(660 + 4695));
    moveTwips(this, 2200, 3600);
    loadTable();
}

void GroupNamesDialog::wire(const WindowServices &s, const MainLabels &main)
{
    s.windows.registerWindow(WindowId::Form9, [s, main] { return new GroupNamesDialog(main, s.mainWindow); });
}

void GroupNamesDialog::loadTable()
{
    Grid *g = MSFlexGrid1;
    g->setRedraw(false);
    g->setVisible(false);
    const GroupNames::Table table = GroupNames::load();
    SetUpRegistryGrid(*g, GroupNames::Groups + 1, GroupNames::headers(), GroupNames::widthsTwips());
    for (int r = 1; r <= GroupNames::Groups; ++r)
        for (int c = 0; c < GroupNames::Cols; ++c)
            g->setTextMatrix(r, c, table[r][c]);
    g->setCurrentCell(1, 1);
    g->setVisible(true);
    g->setRedraw(true);
}

bool GroupNamesDialog::Command3_Click()
{
    Grid *g = MSFlexGrid1;
    g->setRedraw(false);
    GroupNames::Table table;
    for (int r = 0; r <= GroupNames::Groups; ++r) {
        QStringList row;
        for (int c = 0; c < GroupNames::Cols; ++c)
            row << g->textMatrix(r, c);
        table << row;
    }
    const bool written = TextFile::writeLines(GroupNames::writePath(), GroupNames::fileLines(table));
    g->setRedraw(true);
    g->setCurrentCell(1, 1);
    if (!written)
        Prompt::fileNotWritten(GroupNames::writePath(), this);
    else if (m_main.groupNamesSaved)
        m_main.groupNamesSaved(); // the main window would go on showing the old name
    return written;
}

void GroupNamesDialog::closeEvent(QCloseEvent *event)
{
    if (m_main.clearStatus)
        m_main.clearStatus();
    event->accept();
}
