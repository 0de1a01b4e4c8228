// Choosing the download range: the date-mode labels and the calendar.
#include "MainFixture.h"
#include "testmain.h"

#include "ui/ClickableLabel.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

class MainCalendarTest : public QObject {
    Q_OBJECT
private slots:
    void dateModeLabels()
    {
        MainFixture f;
        MainWindow &w = *f.window;
        const QColor selected(255, 128, 128), other(128, 255, 128);
        for (QLabel *end : {w.Label7, w.Label12}) {
            QTest::mouseClick(end, Qt::LeftButton);
            QCOMPARE(w.state().DateMode, QStringLiteral("2"));
            for (QLabel *l : {w.Label7, w.Label12})
                QCOMPARE(l->palette().color(QPalette::Window), selected);
            for (QLabel *l : {w.Label1, w.Label11})
                QCOMPARE(l->palette().color(QPalette::Window), other);
            QTest::mouseClick(end == w.Label7 ? w.Label1 : w.Label11, Qt::LeftButton);
            QCOMPARE(w.state().DateMode, QStringLiteral("1"));
            QCOMPARE(w.Label1->palette().color(QPalette::Window), selected);
            QCOMPARE(w.Label12->palette().color(QPalette::Window), other);
        }
    }

    void calendarClickSetsTheRangeEnds()
    {
        MainFixture f;
        MainWindow &w = *f.window;
        w.windows().show(WindowId::Form2); // an open dialog is closed by the click
        w.ProgressBar1->setValue(30);

        w.calendarClicked(QDate(2025, 3, 9));
        QCOMPARE(w.state().StartDate, (DateText{"25", "03", "09"}));
        QCOMPARE(w.Label1->text(), QStringLiteral("25年03月09日"));
        QCOMPARE(w.ProgressBar1->value(), 1);
        QVERIFY(!w.windows().existing(WindowId::Form2));
        QVERIFY(QFileInfo(f.root.path() + "/GRP/ZR1/Y2025/DAY").isDir());
        QVERIFY(QFileInfo(f.root.path() + "/GRP/ZR1/Y2025/M03").isDir());

        w.selectDateMode("2");
        w.calendarClicked(QDate(2025, 2, 1)); // before the start: taken without a word
        QCOMPARE(w.state().EndDate, (DateText{"25", "02", "01"}));
        QCOMPARE(w.state().PickedDate, (DateText{"25", "02", "01"}));
        QCOMPARE(w.Label7->text(), QStringLiteral("25年02月01日"));
        QCOMPARE(w.state().StartDate, (DateText{"25", "03", "09"}));
        QCOMPARE(w.Label1->text(), QStringLiteral("25年03月09日"));
        QVERIFY(f.prompts.asked.isEmpty());
    }

    void calendarFoldersFollowTheKind()
    {
        MainFixture f;
        f.window->List1->setCurrentRow(4); // power-measuring: \ZR2
        f.window->calendarClicked(QDate(2024, 7, 1));
        QVERIFY(QFileInfo(f.root.path() + "/GRP/ZR2/Y2024/M07").isDir());
        f.window->List1->setCurrentRow(2); // water spray: no folder on a click
        f.window->calendarClicked(QDate(2023, 7, 1));
        QVERIFY(!QFileInfo(f.root.path() + "/GRP/ZR4").exists());
    }
};

UNITDESK_TEST(MainCalendarTest)
#include "MainCalendarTest.moc"
