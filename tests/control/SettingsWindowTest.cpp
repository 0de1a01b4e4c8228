// What every settings window shares, on a window of its own registered beside the real ones.
#include "../mainwin/MainFixture.h"
#include "testmain.h"

#include "control/SettingsWindow.h"
#include "ui/Grid.h"
#include "ui/StatusBar.h"
#include "ui/WritePause.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {
constexpr WindowId Probe = WindowId::Form20;

class ProbeWindow : public SettingsWindow {
public:
    ProbeWindow(const WindowServices &s, SelectingShowsIn shows)
        : SettingsWindow(s, Probe, QStringLiteral("probe"))
    {
        addUnitSelector(shows);
    }
};

WindowServices services(MainFixture &f)
{
    return {f.window->state(), f.window->link(), f.window->windows(), f.window, &f.program->routes()};
}

void wireProbe(MainFixture &f, SettingsWindow::SelectingShowsIn shows)
{
    const WindowServices s = services(f);
    s.windows.registerWindow(Probe, [s, shows] { return new ProbeWindow(s, shows); });
    SettingsWindow::addUnitSelectedStep(s, Probe);
    SettingsWindow::addMonitoredUnitIdStep(s, Probe);
}
} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
    using Shows = SettingsWindow::SelectingShows;

private slots:
    void unitSelection_data()
    {
        QTest::addColumn<int>("shows");
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<QString>("mainLabel");
        QTest::addColumn<QString>("panel");
        QTest::newRow("both") << int(Shows::MainLabel) + int(Shows::OwnPanel) << true << "ID ﾃﾞｰﾀ設定中"
                              << "ID ﾃﾞｰﾀ設定中";
        QTest::newRow("main label only") << int(Shows::MainLabel) << true << "ID ﾃﾞｰﾀ設定中"
                                         << "before";
        QTest::newRow("port closed") << int(Shows::MainLabel) + int(Shows::OwnPanel) << false << "before"
                                     << "before";
    }
    void unitSelection()
    {
        QFETCH(int, shows);
        QFETCH(bool, portOpen);
        QFETCH(QString, mainLabel);
        QFETCH(QString, panel);
        MainFixture f;
        wireProbe(f, SettingsWindow::SelectingShowsIn(shows));
        if (!portOpen)
            f.window->link().close();
        auto *w = qobject_cast<SettingsWindow *>(f.window->windows().show(Probe));
        f.sent(0);
        f.window->Label19->setText("before");
        w->setStatus("before");

        emit w->unitSelector()->activated(5);
        QCOMPARE(f.window->state().SelectedUnitId, QStringLiteral("05"));
        if (portOpen)
            QCOMPARE(f.sent(8), QByteArray("\x02ID05ID\x03"));
        else
            QVERIFY(f.nothingSent());
        QCOMPARE(f.window->Label19->text(), mainLabel);
        QCOMPARE(w->status(), panel);
    }

    void unitSelectedReplyReachesAWindowNotOpen()
    {
        MainFixture f;
        wireProbe(f, Shows::OwnPanel);
        f.reply("ID");
        auto *w = f.window->windows().existing<SettingsWindow>(Probe);
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定完了")); // the main window's own step
    }

    void monitoringReplyEchoesTheUnitId()
    {
        MainFixture f;
        wireProbe(f, Shows::OwnPanel);
        const QByteArray reply = "Q01234253+053021701";
        f.reply(reply);
        QVERIFY(!f.window->windows().existing(Probe)); // echoing creates no window

        auto *w = qobject_cast<SettingsWindow *>(f.window->windows().show(Probe));
        f.reply(reply);
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ID_No ： 02"));
        QCOMPARE(f.window->state().SelectedUnitId, QStringLiteral("01")); // only the shown text

        f.window->state().UnitTypeCode = "D"; // a power-measuring unit echoes nothing
        f.reply("Q01234253+053071701");
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ID_No ： 02"));
    }

    void replyDuringTheWritePauseShowsAfterTheClear()
    {
        MainFixture f;
        wireProbe(f, Shows::OwnPanel);
        auto *w = qobject_cast<SettingsWindow *>(f.window->windows().show(Probe));
        auto *timer = w->findChild<QTimer *>(SettingsWindow::WritePauseTimer);
        QVERIFY(timer);
        w->startWritePause("writing");
        f.reply("ID");
        QCOMPARE(w->status(), QStringLiteral("writing"));
        emit timer->timeout({});
        QCOMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
    }

    void refusedWritePutsTheCursorOnTheBadValue()
    {
        MainFixture f;
        wireProbe(f, Shows::OwnPanel);
        auto *w = qobject_cast<SettingsWindow *>(f.window->windows().show(Probe));
        auto *grid = new Grid(w);
        grid->setObjectName("MSFlexGrid1");
        grid->setRows(6);
        grid->setCols(3);
        w->refuseWrite({"MSFlexGrid1", 4, 2});
        QCOMPARE(f.prompts.asked.size(), 1);
        QCOMPARE(f.prompts.asked[0].text, QStringLiteral("データの異常です"));
        QCOMPARE(f.prompts.asked[0].title, QStringLiteral("設定データ異常"));
        QCOMPARE(f.prompts.asked[0].defaultButton, Prompt::Answer::Cancel);
        QCOMPARE(grid->row(), 4);
        QCOMPARE(grid->col(), 2);
        QVERIFY(f.nothingSent());
    }

    void controlsBuiltAlike()
    {
        MainFixture f;
        wireProbe(f, Shows::OwnPanel);
        auto *w = qobject_cast<SettingsWindow *>(f.window->windows().show(Probe));
        QLineEdit *field = w->addDigitField("Text4", 3, "180", "hint");
        QCOMPARE(field->objectName(), QStringLiteral("Text4"));
        QCOMPARE(field->text(), QStringLiteral("180"));
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(w->status(), QStringLiteral("hint"));

        Grid *grid =
            w->addGrid("MSFlexGrid1", 4, {3120, 1520, 1520}, {"corner", "a", "b"}, {"r1", "r2", "r3"});
        QCOMPARE(grid->rows(), 4);
        QCOMPARE(grid->cols(), 3);
        QCOMPARE(grid->colWidthTwips(0), 3120);
        QCOMPARE(grid->textMatrix(0, 2), QStringLiteral("b"));
        QCOMPARE(grid->textMatrix(3, 0), QStringLiteral("r3"));
        grid->setSelection(3, 2, 2, 1); // drawn upwards and leftwards
        SettingsWindow::fillSelectedCells(*grid, "休止");
        QStringList cells;
        for (int r = 1; r < 4; ++r)
            for (int c = 1; c < 3; ++c)
                cells << grid->textMatrix(r, c);
        QCOMPARE(cells, (QStringList{"", "", "休止", "休止", "休止", "休止"}));
    }

    void closingClearsTheMainStatusLabel()
    {
        MainFixture f;
        wireProbe(f, Shows::OwnPanel);
        f.window->windows().show(Probe);
        f.window->Label19->setText("制御基本条件設定");
        QVERIFY(f.window->windows().unload(Probe));
        QCOMPARE(f.window->Label19->text(), QString());
    }
};

UNITDESK_TEST(SettingsWindowTest)
#include "SettingsWindowTest.moc"
