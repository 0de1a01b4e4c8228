// The frame monitor: opened from the maintenance menu beside the dialogs, it lists what
// passes the port in order, with its time, and filters, shows hex, pauses, clears, saves.
#include "testmain.h"

#include "MainFixture.h"
#include "link/FrameMonitorDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

// The listed rows as "direction|kind|bytes" (the time checked on its own).
QStringList rows(FrameMonitorDialog &m)
{
    m.refresh();
    QStringList out;
    QAbstractItemModel *model = m.lstFrames->model();
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, 1).data().toString() + "|" + model->index(r, 2).data().toString() + "|" +
                   model->index(r, 3).data().toString();
    return out;
}

FrameMonitorDialog *openMonitor(MainFixture &f)
{
    f.window->action("mnuMonitor")->trigger();
    return f.program->windows().existing<FrameMonitorDialog>(WindowId::Monitor);
}

} // namespace

class FrameMonitorTest : public QObject {
    Q_OBJECT
private slots:
    void opensBesideTheDialogs()
    {
        MainFixture f;
        FrameMonitorDialog *m = openMonitor(f);
        QVERIFY(m && m->isVisible());
        QCOMPARE(m->windowTitle(), QStringLiteral("通信モニター"));
        QCOMPARE(m->objectName(), QStringLiteral("frmMonitor"));
        f.window->action("mnuGrp")->trigger(); // closes the secondary windows first
        f.window->action("環境")->trigger();
        QCOMPARE(f.program->windows().existing<FrameMonitorDialog>(WindowId::Monitor), m);
        QVERIFY(m->isVisible());
    }

    void listsWhatPassesThePortInOrder()
    {
        MainFixture f;
        FrameMonitorDialog *m = openMonitor(f);
        f.window->selectUnitId(5);
        QCOMPARE(f.sent(8), QByteArray("\x02ID05ID\x03"));
        f.unitEnd.write("~~");
        f.reply("ID");
        f.unitEnd.write("\x02Z0123\x03"); // no reply the dispatcher knows: listed all the same
        QTRY_COMPARE(rows(*m), (QStringList{"PC → 子機|フレーム|<STX>ID05ID<ETX>", "子機 → PC|ノイズ|~~",
                                            "子機 → PC|フレーム|<STX>ID<ETX>", "子機 → PC|フレーム|<STX>Z0123<ETX>"}));
        QAbstractItemModel *model = m->lstFrames->model();
        QStringList times;
        for (int r = 0; r < model->rowCount(); ++r)
            times << model->index(r, 0).data().toString();
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d{3}$").match(times[0]).hasMatch());
        QStringList sorted = times;
        sorted.sort();
        QCOMPARE(times, sorted);

        m->txtFilter->setText("ID");
        QCOMPARE(rows(*m), (QStringList{"PC → 子機|フレーム|<STX>ID05ID<ETX>", "子機 → PC|フレーム|<STX>ID<ETX>"}));
        m->chkHex->setChecked(true);
        QCOMPARE(rows(*m).last(), QStringLiteral("子機 → PC|フレーム|02 49 44 03"));

        // Saved as listed, in UTF-8, one line a row.
        QTemporaryDir out;
        f.prompts.file = [&](const Prompt::FileDialog &) { return out.filePath("m.txt"); };
        m->cmdSave->click();
        QFile saved(out.filePath("m.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = saved.readAll().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].mid(12), QStringLiteral("\tPC → 子機\tフレーム\t02 49 44 30 35 49 44 03\r").toUtf8());
        QCOMPARE(lines[1].mid(12), QStringLiteral("\t子機 → PC\tフレーム\t02 49 44 03\r").toUtf8());

        m->txtFilter->clear();
        m->chkHex->setChecked(false);
        m->cmdPause->click();
        QCOMPARE(m->cmdPause->text(), QStringLiteral("再開"));
        f.reply("ID");
        QCOMPARE(rows(*m).size(), 4); // still
        m->cmdPause->click();
        QCOMPARE(rows(*m).size(), 5);
        QCOMPARE(m->lblCount->text(), QStringLiteral("表示 5 / 記録 5"));
        m->cmdClear->click();
        QCOMPARE(rows(*m).size(), 0);
        f.reply("ID");
        QCOMPARE(rows(*m), QStringList{"子機 → PC|フレーム|<STX>ID<ETX>"});
    }

    // 10 MB of noise: the list holds the newest 100 000 lines and the window goes on.
    void tenMegabytesOfNoise()
    {
        MainFixture f;
        FrameMonitorDialog *m = openMonitor(f);
        const QByteArray chunk(4096, 'z');
        for (int k = 0; k < 2560; ++k) {
            emit f.window->link().bytesReceived(chunk);
            if (k % 512 == 0)
                m->refresh();
        }
        m->refresh();
        QCOMPARE(m->lstFrames->model()->rowCount(), int(FrameLog::Capacity));
        f.reply("ID");
        m->refresh();
        QCOMPARE(m->lstFrames->model()->rowCount(), int(FrameLog::Capacity));
        QCOMPARE(m->lstFrames->model()->index(int(FrameLog::Capacity) - 1, 3).data().toString(), QStringLiteral("<STX>ID<ETX>"));
    }
};

UNITDESK_TEST(FrameMonitorTest)
#include "FrameMonitorTest.moc"
