// Form24, the continuous mode window: the fields from their own files, the two writes with
// their files and frames, the read, the "E" replies, and the refusals.
#include "ControlFixture.h"
#include "testmain.h"

#include "control/ContinuousModeDialog.h"
#include "control/DigitFilter.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr WindowId Id = WindowId::Form24;

ContinuousModeDialog *openContinuous(ControlFixture &f)
{
    f.window->action("mnuRenzoku")->trigger();
    f.sent(0);
    return f.window->windows().existing<ContinuousModeDialog>(Id);
}
QByteArray frame(const QByteArray &text)
{
    return "\x02" + text + "\x03";
}
const QByteArray DspRead = "EDT" + QByteArray("01000005001000000020") + "01200030";
} // namespace

class ContinuousModeDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsFiles()
    {
        ControlFixture f;
        f.put("RENZOKU.TXT", "\"0090\"\r\n");
        auto *w = openContinuous(f);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("連続ﾓｰﾄﾞの設定"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("子機連続ﾓｰﾄﾞの設定"));
        QCOMPARE(w->pos(), QPoint(twipsToPixels(3000), twipsToPixels(3000)));
        QCOMPARE(w->Text1->text(), QStringLiteral("0090"));
        QCOMPARE(w->Text2->text(), QString()); // its own file is missing
        QCOMPARE(w->Text1->alignment(), Qt::AlignCenter);
        QCOMPARE(w->Text2->maxLength(), 4);
        QCOMPARE(w->Command3->text(), QStringLiteral("連続制御時間"));
        QCOMPARE(w->Command4->text(), QStringLiteral("限界警報再起動"));
        QCOMPARE(w->Command2->text(), QStringLiteral("読取"));
        QCOMPARE(w->findChild<QLabel *>("Label1")->text() + w->findChild<QLabel *>("Label2")->text(),
                 QStringLiteral("_Sec_Sec"));
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ＩＤ_Ｎｏ ： ＊＊"));
        // Each write button sits above its own field.
        QVERIFY(w->Command3->geometry().bottom() < w->Text1->geometry().top());
        QVERIFY(w->Command4->geometry().bottom() < w->Text2->geometry().top());
        QVERIFY(qAbs(w->Command4->geometry().center().x() - w->Text2->geometry().center().x()) <
                w->Command4->width());

        int beeps = 0;
        DigitFilter::setBeep([&beeps] { ++beeps; });
        ControlFixture::type(w->Text2, "3x0.");
        DigitFilter::setBeep(nullptr);
        QCOMPARE(w->Text2->text(), QStringLiteral("30"));
        QCOMPARE(beeps, 2);

        w->close(); // the main status label keeps its text
        QCOMPARE(f.window->Label19->text(), QStringLiteral("子機連続ﾓｰﾄﾞの設定"));
    }

    void writesEachValue_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("writing");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("continuous time") << false << QByteArray("ADRL0090ID") << "連続限界制御時間の書込み中"
                                         << QByteArray("RENZOKU.TXT");
        QTest::newRow("restart time") << true << QByteArray("ADCF0090ID")
                                      << "限界警報時の再起動時間データの書込み中" << QByteArray("CUTFBKDAT.TXT");
    }
    void writesEachValue()
    {
        QFETCH(bool, restart);
        QFETCH(QByteArray, request);
        QFETCH(QString, writing);
        QFETCH(QByteArray, file);
        ControlFixture f;
        auto *w = openContinuous(f);
        ControlFixture::type(restart ? w->Text2 : w->Text1, "90");
        (restart ? w->Command4 : w->Command3)->click();
        QCOMPARE(f.sent(12), frame(request));
        QCOMPARE(w->status(), writing);
        QCOMPARE(f.file(file.constData()), QByteArray("\"0090\"\r\n"));
        QCOMPARE(f.file(restart ? "RENZOKU.TXT" : "CUTFBKDAT.TXT"), QByteArray("(missing)"));
        f.reply("ERL");
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));

        w->close();
        w = openContinuous(f);
        QCOMPARE((restart ? w->Text2 : w->Text1)->text(), QStringLiteral("0090"));
    }

    void readAndReplies()
    {
        ControlFixture f;
        auto *w = openContinuous(f);
        w->setStatus("before");
        w->Command2->click();
        QCOMPARE(f.sent(10), frame("ADRDDTID"));
        QCOMPARE(w->status(), QStringLiteral("before"));
        f.window->Label21->clear();
        f.reply(DspRead);
        QCOMPARE(w->Text1->text() + "|" + w->Text2->text(), QStringLiteral("0120|0030"));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(f.window->Label21->text(), QStringLiteral(" 通信中"));

        f.reply("EX"); // setting executed: also a write acknowledgement here
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("設定完了"));

        f.reply(DspRead.left(29)); // short: the restart time empty
        QCOMPARE(w->Text1->text() + "|" + w->Text2->text(), QStringLiteral("0120|"));
        f.reply(DspRead.left(25) + "x" + DspRead.mid(26)); // damaged continuous time
        QCOMPARE(w->Text1->text() + "|" + w->Text2->text(), QStringLiteral("|0030"));
        f.reply(DspRead + "77"); // long
        QCOMPARE(w->Text1->text() + "|" + w->Text2->text(), QStringLiteral("0120|0030"));
    }

    void replyToAClosedWindow()
    {
        ControlFixture f;
        f.window->state().Download.RangeDownload = 1; // a month download keeps its own link label
        f.window->Label21->setText("month");
        f.reply(DspRead);
        auto *w = f.window->windows().existing<ContinuousModeDialog>(Id);
        QVERIFY(w && !w->isVisible());
        QCOMPARE(w->Text2->text(), QStringLiteral("0030"));
        QCOMPARE(f.window->Label21->text(), QStringLiteral("month"));
    }

    void emptyFieldIsRefused()
    {
        ControlFixture f;
        f.put("CUTFBKDAT.TXT", "\"0030\"\r\n");
        auto *w = openContinuous(f);
        w->Text2->clear();
        w->Command4->click();
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QVERIFY(f.nothingSent());
        QVERIFY(ControlFixture::keyboardIn(w, "Text2"));
        QCOMPARE(f.file("CUTFBKDAT.TXT"), QByteArray("\"0030\"\r\n"));
    }

    void closedPortAndUnwritableFile()
    {
        ControlFixture f;
        QDir().mkpath(DriveMap::toNative(ControlFixture::path("CUTFBKDAT.TXT")));
        auto *w = openContinuous(f);
        f.window->link().close();
        ControlFixture::type(w->Text1, "5");
        w->Command3->click();
        w->Command2->click();
        QVERIFY(f.nothingSent());
        QCOMPARE(f.file("RENZOKU.TXT"), QByteArray("\"0005\"\r\n"));
        ControlFixture::type(w->Text2, "7");
        w->Command4->click();
        QCOMPARE(f.messages(),
                 QStringList{QStringLiteral("ファイルの保存|ファイルに書き込めません。\n") +
                             ControlFixture::path("CUTFBKDAT.TXT")});
    }

    void unitSelectionShowsInBothPlaces()
    {
        ControlFixture f;
        auto *w = openContinuous(f);
        emit w->unitSelector()->activated(7);
        QCOMPARE(f.sent(8), frame("ID07ID"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("ID ﾃﾞｰﾀ設定中"));
        QCOMPARE(w->status(), QStringLiteral("ID ﾃﾞｰﾀ設定中"));
        f.reply("ID");
        QCOMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
        f.reply("Q01234253+053111701");
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ID_No ： 11"));
    }
};

UNITDESK_TEST(ContinuousModeDialogTest)
#include "ContinuousModeDialogTest.moc"
