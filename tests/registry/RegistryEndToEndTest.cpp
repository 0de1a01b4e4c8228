// As a user would: set a group, name it and two of its channels, then the simulated line
// reports channel 12 and the main window says which machine is talking.
#include "../TestLine.h"
#include "RegistryRoot.h"
#include "testmain.h"

#include "mainwin/MainWindow.h"
#include "mainwin/Program.h"
#include "registry/ChannelNamesDialog.h"
#include "registry/GroupAssignDialog.h"
#include "registry/GroupNamesDialog.h"
#include "sim/SimLine.h"
#include "ui/Grid.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
// Types a name into a cell as the user does: click the cell, type into Text1.
void typeInto(Grid *grid, QLineEdit *editor, int row, int col, const QString &text)
{
    grid->setCurrentCell(row, col);
    emit grid->clicked(grid->model()->index(row - 1, col - 1));
    editor->setText(text);
}
} // namespace

class RegistryEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void namesOfTheTalkingMachine()
    {
        RegistryRoot root;
        SimLine sim(testLineKind());
        sim.setMonitorIntervalMs(0);
        sim.setClockIntervalMs(0);
        SimUnit unit;
        unit.channel = 12;
        sim.setUnit(unit);
        Program program(ParseProgramOptions({"--root", root.dir.path()}));
        putOnLine(program.link(), sim.wire());
        program.start(QDateTime(QDate(2026, 12, 8), QTime(9, 5)));
        MainWindow &w = program.window();
        w.endProgram = [] {};
        WindowSet &windows = w.windows();

        // ｸﾞﾙｰﾌﾟ 設定: group 03.
        w.action("mnuGroup_Set")->trigger();
        auto *form12 = windows.existing<GroupAssignDialog>(WindowId::Form12);
        QVERIFY(form12);
        form12->List1->setCurrentRow(2);
        root.answers = {Prompt::Answer::Ok};
        form12->Command1->click();
        QCOMPARE(w.Label10->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ番号: 03"));

        // ｸﾞﾙｰﾌﾟ名登録: group 3's name.
        w.action("mnuGrp")->trigger();
        auto *form9 = windows.existing<GroupNamesDialog>(WindowId::Form9);
        QVERIFY(form9 && form9->isVisible());
        typeInto(form9->MSFlexGrid1, form9->Text1, 3, 1, "第三工場");
        form9->Command3->click();

        // ＣＨ名登録: channels 1 and 12.
        w.action("mnuCH_name")->trigger();
        QVERIFY(!windows.existing(WindowId::Form9));
        auto *form14 = windows.existing<ChannelNamesDialog>(WindowId::Form14);
        QVERIFY(form14 && form14->isVisible());
        QCOMPARE(form14->Label1->text(), QStringLiteral(" GRP_03"));
        typeInto(form14->MSFlexGrid1, form14->Text1, 1, 1, "一号冷凍機");
        form14->Command3->click();
        form14->Combo1->setCurrentIndex(1);
        form14->Combo1_Click(1);
        typeInto(form14->MSFlexGrid1, form14->Text1, 2, 1, "十二号冷凍機");
        form14->Command3->click();
        QVERIFY(root.prompts.asked.size() == 1); // only the group question
        form14->close();
        QCOMPARE(w.Label19->text(), QString());

        // The unit reports channel 12.
        sim.sendMonitoring();
        QTRY_COMPARE(w.Label9->text(), QStringLiteral("CH番号: 12"));
        QCOMPARE(w.Label6->text(), QStringLiteral("十二号冷凍機 "));
        QCOMPARE(w.Label5->text(), QStringLiteral("第三工場 "));
        const QByteArray empty = "\t\t\t\t\t1000\r\n";
        QCOMPARE(root.bytes("C:\\GRP03\\CHNAME\\CHNAME2.TXT"),
                 empty + root.sjis("十二号冷凍機") + empty + empty.repeated(8));
    }
};

UNITDESK_TEST(RegistryEndToEndTest)
#include "RegistryEndToEndTest.moc"
