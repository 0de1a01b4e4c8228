// Form12: choosing the data group, its folders and GROUP.TXT, and the start-up restore with
// the name labels of the main window, in their order.
#include "RegistryRoot.h"
#include "mainwin/MainFixture.h"
#include "testmain.h"

#include "registry/ChannelNames.h"
#include "registry/GroupAssign.h"
#include "registry/GroupAssignDialog.h"
#include "registry/GroupNames.h"

#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
void putGroupFiles(const QString &groupLine)
{
    RegistryRoot::put("C:\\ZRLOG\\CONTROL\\GROUP.TXT", RegistryRoot::sjis(groupLine) + "\r\n");
    RegistryRoot::putLines(GroupNames::filePath(), {"本社", "", "第三工場\t冷凍機\t"});
    RegistryRoot::putLines(ChannelNames::pageFile("C:\\GRP03", 1), {"一号機\t\t\t\t\t"});
}

GroupAssignDialog *openForm12(MainFixture &f)
{
    f.window->action("mnuGroup_Set")->trigger();
    return f.window->windows().existing<GroupAssignDialog>(WindowId::Form12);
}
} // namespace

class GroupAssignTest : public QObject {
    Q_OBJECT
private slots:
    void texts()
    {
        const QStringList entries = GroupAssign::listEntries();
        QCOMPARE(entries.size(), 50);
        QCOMPARE(entries.first(), QStringLiteral("ＧＲＰ＿０１"));
        QCOMPARE(entries[11], QStringLiteral("ＧＲＰ＿１２"));
        QCOMPARE(entries.last(), QStringLiteral("ＧＲＰ＿５０"));
        QCOMPARE(GroupAssign::questionText(12), QStringLiteral("ｸﾞﾙｰﾌﾟ番号{ GRP12 } を設定します"));
        QCOMPARE(GroupAssign::questionTitle(), QStringLiteral("ｸﾞﾙｰﾌﾟ番号の設定"));
    }

    void startUpRestoresGroupThenNames()
    {
        MainFixture f(QDateTime(QDate(2026, 12, 8), QTime(9, 5)),
                      [](const QString &) { putGroupFiles("03"); });
        const AppState &s = f.window->state();
        QCOMPARE(s.GroupNo, QStringLiteral("03"));
        QCOMPARE(s.GroupDir, QStringLiteral("C:\\GRP03"));
        QCOMPARE(s.GroupIndex, 1);
        QCOMPARE(f.window->Label10->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ番号: 03"));
        QCOMPARE(f.window->Label5->text(), QStringLiteral("第三工場 "));
        QCOMPARE(f.window->Label6->text(), QStringLiteral("一号機 "));
        QVERIFY(f.tree().contains("GRP03/ZR1/Y2026/DAY"));
    }

    void startUpWithoutGroupFile()
    {
        MainFixture f;
        QCOMPARE(f.window->state().GroupNo, QString());
        QCOMPARE(f.window->Label10->text(), QString());
        QCOMPARE(f.window->Label5->text(), QStringLiteral("ＧＲＰ 名称 ")); // row 0
        QCOMPARE(f.window->Label6->text(), QStringLiteral(" "));
    }

    void setGroupTwelve()
    {
        MainFixture f;
        GroupAssignDialog *form = openForm12(f);
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("子機ｸﾞﾙｰﾌﾟ設定"));
        QCOMPARE(form->Command1->text(), QStringLiteral("設定"));
        form->List1->setCurrentRow(11);
        QCOMPARE(form->List1->currentItem()->text(), QStringLiteral("ＧＲＰ＿１２"));
        f.answers = {Prompt::Answer::Ok};
        form->Command1->click();

        const Prompt::Message &m = f.prompts.asked.last();
        QCOMPARE(m.text, QStringLiteral("ｸﾞﾙｰﾌﾟ番号{ GRP12 } を設定します"));
        QCOMPARE(m.buttons, Prompt::Buttons::OkCancel);
        QCOMPARE(m.icon, Prompt::Icon::Warning);
        QCOMPARE(m.defaultButton, Prompt::Answer::Cancel);
        QCOMPARE(RegistryRoot::bytes("C:\\ZRLOG\\CONTROL\\GROUP.TXT"), QByteArray("12\r\n"));
        QCOMPARE(f.window->state().GroupDir, QStringLiteral("C:\\GRP12"));
        QCOMPARE(f.window->Label10->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ番号: 12"));
        QCOMPARE(f.window->Label5->text(), QStringLiteral(" "));
        QTRY_VERIFY(!f.window->windows().existing(WindowId::Form12)); // closed after the answer
        QStringList months;
        for (int m = 1; m <= 12; ++m)
            months << QString("GRP12/ZR1/Y2026/M%1").arg(m, 2, 10, QChar('0'));
        for (const QString &folder : QStringList{"GRP12/CHNAME", "GRP12/ZR1/Y2026/DAY"} + months)
            QVERIFY2(f.tree().contains(folder), qPrintable(folder));

        // The next start restores group 12.
        f.window->startUp(QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
        QCOMPARE(f.window->state().GroupNo, QStringLiteral("12"));
        QCOMPARE(f.window->Label10->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ番号: 12"));
    }

    void proposesGroupIndexAndCancelKeepsAll()
    {
        MainFixture f(QDateTime(QDate(2026, 12, 8), QTime(9, 5)),
                      [](const QString &) { putGroupFiles("03"); });
        const QStringList before = f.tree();
        GroupAssignDialog *form = openForm12(f);
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason); // makes the first row current
        QCoreApplication::sendEvent(form->List1, &focus);
        QCOMPARE(form->List1->currentRow(), 0);
        form->Command1->click(); // no list click; the script cancels
        QCOMPARE(f.prompts.asked.last().text, QStringLiteral("ｸﾞﾙｰﾌﾟ番号{ GRP01 } を設定します"));
        QCOMPARE(f.window->state().GroupNo, QStringLiteral("03"));
        QCOMPARE(f.tree(), before);
        QTRY_VERIFY(!f.window->windows().existing(WindowId::Form12));

        // A group picked earlier is proposed again, whatever the list shows on opening.
        form = openForm12(f);
        form->List1->setCurrentRow(4);
        form->Command1->click();
        form = openForm12(f);
        QCoreApplication::sendEvent(form->List1, &focus);
        form->Command1->click();
        QCOMPARE(f.prompts.asked.last().text, QStringLiteral("ｸﾞﾙｰﾌﾟ番号{ GRP05 } を設定します"));
        QCOMPARE(f.window->state().GroupNo, QStringLiteral("03"));
    }

    void treeOfTheKind_data()
    {
        QTest::addColumn<int>("kindIndex");
        QTest::addColumn<QString>("kindFolder"); // empty: none
        QTest::newRow("WJ") << 2 << "ZR4";
        QTest::newRow("C") << 3 << "ZR3";
        QTest::newRow("G") << 5 << "";
    }
    void treeOfTheKind()
    {
        QFETCH(int, kindIndex);
        QFETCH(QString, kindFolder);
        MainFixture f(QDateTime(QDate(2025, 3, 1), QTime(9, 5)),
                      [](const QString &) { putGroupFiles("03"); });
        f.window->List1->setCurrentRow(kindIndex);
        const QStringList before = f.tree();
        GroupAssignDialog *form = openForm12(f);
        form->List1->setCurrentRow(6);
        f.answers = {Prompt::Answer::Ok};
        form->Command1->click();
        QCOMPARE(f.window->state().GroupNo, QStringLiteral("07"));
        QCOMPARE(f.window->Label10->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ番号: 07"));
        if (kindFolder.isEmpty()) {
            QCOMPARE(f.tree(), before);
            QCOMPARE(RegistryRoot::bytes("C:\\ZRLOG\\CONTROL\\GROUP.TXT"), QByteArray("03\r\n"));
        } else {
            QVERIFY(f.tree().contains("GRP07/" + kindFolder + "/Y2025/M12"));
            QVERIFY(!f.tree().contains("GRP07/ZR1"));
            QCOMPARE(RegistryRoot::bytes("C:\\ZRLOG\\CONTROL\\GROUP.TXT"), QByteArray("07\r\n"));
        }
    }

    void groupFileNotWritten()
    {
        MainFixture f;
        // GROUP.TXT is a folder here: the write fails, whoever runs the test.
        QVERIFY(DriveMap::ensureDir("C:\\ZRLOG\\CONTROL\\GROUP.TXT"));
        GroupAssignDialog *form = openForm12(f);
        f.answers = {Prompt::Answer::Ok};
        form->Command1->click();
        QCOMPARE(f.prompts.asked.size(), 2);
        QVERIFY(f.prompts.asked.last().text.contains("C:\\ZRLOG\\CONTROL\\GROUP.TXT"));
        QCOMPARE(f.window->Label10->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ番号: 01")); // in force until the end
    }
};

UNITDESK_TEST(GroupAssignTest)
#include "GroupAssignTest.moc"
