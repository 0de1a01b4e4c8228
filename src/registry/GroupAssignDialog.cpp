#include "GroupAssignDialog.h"
#include "logstore/StorePaths.h"

#include "GroupAssign.h"
#include "common/AppState.h"
#include "ui/Prompt.h"
#include "ui/Twips.h"
#include "ui/WindowSet.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

GroupAssignDialog::GroupAssignDialog(AppState &state, MainLabels main, QWidget *parent)
    : QWidget(parent, Qt::Window), m_state(state), m_main(std::move(main))
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("子機ｸﾞﾙｰﾌﾟ設定"));

    Label1 = new QLabel(QStringLiteral("ｸﾞﾙｰﾌﾟ番号"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    placeTwips(Label1, 0, 120, 1300, 375);
    Command1 = new QPushButton(QStringLiteral("設定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeTwips(Command1, 1350, 120, 1215, 375);
    connect(Command1, &QPushButton::clicked, this, &GroupAssignDialog::Command1_Click);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->addItems(GroupAssign::listEntries());
    placeTwips(List1, 30, 540, 2535, 3000);
    // A pick, by mouse or keys; the view making its first row current on focus is none.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QList<QListWidgetItem *> picked = List1->selectedItems(); !picked.isEmpty())
            m_state.GroupIndex = List1->row(picked.first()) + 1;
    });

    setFixedSize(twipsToPixels(2625), twipsToPixels(3600));
    moveTwips(this, 4000, 5200);
}

void GroupAssignDialog::wire(const WindowServices &s, const MainLabels &main)
{
    s.windows.registerWindow(WindowId::Form12,
                             [s, main] { return new GroupAssignDialog(s.state, main, s.mainWindow); });
}

void GroupAssignDialog::Command1_Click()
{
    const Prompt::Message question{GroupAssign::questionText(m_state.GroupIndex),
                                   GroupAssign::questionTitle(), Prompt::Buttons::OkCancel,
                                   Prompt::Icon::Warning, Prompt::Answer::Cancel};
    if (Prompt::ask(question, this) == Prompt::Answer::Ok) {
        if (!GroupAssign::assign(m_state, m_state.GroupIndex))
            Prompt::fileNotWritten(GroupFile(), this);
        if (m_main.groupChanged)
            m_main.groupChanged();
    }
    close();
}
