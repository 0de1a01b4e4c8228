// The current value window: CT level and adjustment read and written, CTLEVEL.TXT, the
// write pause, refusals and the present current.
#include "MaintFixture.h"
#include "testmain.h"

#include "control/DigitFilter.h"
#include "maint/CurrentValueDialog.h"

class CurrentValueDialogTest : public QObject {
    Q_OBJECT
    static CurrentValueDialog *open(MaintFixture &f)
    {
        return f.openModal<CurrentValueDialog>(WindowId::Form11, " 電流値 調整");
    }

private slots:
    void opens()
    {
        MaintFixture f;
        f.put("CTLEVEL.TXT", "\"150100\"\r\n");
        CurrentValueDialog *w = open(f);
        QCOMPARE(w->windowTitle(), QStringLiteral("電流値設定"));
        QCOMPARE(w->status(), QStringLiteral(" 電流値 調整"));
        QCOMPARE(f.basicPanel()->panelText(2), QStringLiteral(" "));
        QCOMPARE(w->Text1->text(), QStringLiteral("150"));
        QCOMPARE(w->Text2->text(), QStringLiteral("100"));
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ＩＤ_Ｎｏ ： ＊＊"));
        QCOMPARE(w->Label3->text(), QStringLiteral("000.0_A"));
        const QStringList labels{"Label2", "Label6", "Label5", "Label7", "Label9"};
        QStringList texts;
        for (const QString &name : labels)
            texts << w->findChild<QLabel *>(name)->text();
        QCOMPARE(texts, (QStringList{"CTレベル", "1/10_A", "電流調整値", "_x", "現在 電流値"}));
        QCOMPARE(w->Text1->pos(), QPoint(16, 72));
        QCOMPARE(w->Text2->pos(), QPoint(160, 72));
        QCOMPARE(w->Command2->text(), QStringLiteral("書込"));
        QCOMPARE(w->Command3->text(), QStringLiteral("読取"));

        w->close();
        QCOMPARE(f.basicPanel()->panelText(2), QStringLiteral(" "));
    }

    void loadsWhatTheFileHolds_data()
    {
        QTest::addColumn<QString>("content"); // "-" for no file
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("adjust");
        QTest::newRow("no file") << "-"
                                 << "000"
                                 << "000";
        QTest::newRow("damaged level") << "\"1x0120\"\r\n"
                                       << "000"
                                       << "120";
        QTest::newRow("cut") << "\"07\r\n"
                             << "000"
                             << "000";
        QTest::newRow("empty file") << ""
                                    << "000"
                                    << "000";
    }
    void loadsWhatTheFileHolds()
    {
        QFETCH(QString, content);
        QFETCH(QString, level);
        QFETCH(QString, adjust);
        MaintFixture f;
        if (content != "-")
            f.put("CTLEVEL.TXT", content);
        CurrentValueDialog *w = open(f);
        QCOMPARE(w->Text1->text(), level);
        QCOMPARE(w->Text2->text(), adjust);
    }

    void writes_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("adjust");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("100/000, no file made")
            << "100"
            << "000" << false << QByteArray("WPp000000ID") << QByteArray("(missing)");
        QTest::newRow("075/120 rewrites the file")
            << "75"
            << "120" << true << QByteArray("WP7500120ID") << QByteArray("\"075120\"\r\n");
        QTest::newRow("250: one byte 0xB5") << "250"
                                            << "7" << true
                                            << QByteArray("WP\xB5"
                                                          "000007ID")
                                            << QByteArray("\"250007\"\r\n");
        QTest::newRow("300: plain tens, 3 third")
            << "300"
            << "050" << false << QByteArray("WP0030050ID") << QByteArray("(missing)");
    }
    void writes()
    {
        QFETCH(QString, level);
        QFETCH(QString, adjust);
        QFETCH(bool, fileExists);
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, file);
        MaintFixture f;
        if (fileExists)
            f.put("CTLEVEL.TXT", "\"000000\"\r\n");
        CurrentValueDialog *w = open(f);
        MaintFixture::type(w->Text1, level);
        w->Text2->setText(adjust);
        w->Command2->click();
        QCOMPARE(f.sent(frame.size() + 2), f.frame(frame));
        QCOMPARE(f.file("CTLEVEL.TXT"), file);
        QCOMPARE(w->status(), QStringLiteral("データの書込み中"));
    }

    // The acknowledgement that comes during the pause shows after the clear, not wiped by it.
    void writePauseThenAcknowledgement()
    {
        MaintFixture f;
        CurrentValueDialog *w = open(f);
        w->Command2->click();
        f.sent(13);
        f.reply("WP");
        QCOMPARE(w->status(), QStringLiteral("データの書込み中"));
        MaintFixture::endWritePause(w);
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));

        w->Command2->click(); // no acknowledgement: the panel is cleared
        f.sent(13);
        MaintFixture::endWritePause(w);
        QCOMPARE(w->status(), QString());
    }

    void refusesWhatDoesNotFit_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("adjust");
        QTest::addColumn<QString>("field");
        QTest::newRow("empty level") << ""
                                     << "100"
                                     << "Text1";
        QTest::newRow("adjustment not digits") << "100"
                                               << "1a"
                                               << "Text2";
        QTest::newRow("empty adjustment") << "100"
                                          << ""
                                          << "Text2";
    }
    void refusesWhatDoesNotFit()
    {
        QFETCH(QString, level);
        QFETCH(QString, adjust);
        QFETCH(QString, field);
        MaintFixture f;
        f.put("CTLEVEL.TXT", "\"075120\"\r\n");
        CurrentValueDialog *w = open(f);
        w->Text1->setText(level);
        w->Text2->setText(adjust);
        w->Command2->click();
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QVERIFY(f.nothingSent());
        QCOMPARE(f.file("CTLEVEL.TXT"), QByteArray("\"075120\"\r\n"));
        QVERIFY(ControlFixture::keyboardIn(w, field));
    }

    // Text1 takes digits only and three of them; Text2 has no key filter but keeps its width.
    void keyFilters()
    {
        MaintFixture f;
        DigitFilter::setBeep([] {});
        CurrentValueDialog *w = open(f);
        MaintFixture::type(w->Text1, "1a2-34");
        MaintFixture::type(w->Text2, "a1b2");
        DigitFilter::setBeep(nullptr);
        QCOMPARE(w->Text1->text(), QStringLiteral("123"));
        QCOMPARE(w->Text2->text(), QStringLiteral("a1b"));
    }

    void readsAndTakesTheAnswer()
    {
        MaintFixture f;
        CurrentValueDialog *w = open(f);
        w->Command3->click();
        QCOMPARE(f.sent(6), QByteArray("\x02RPID\x03"));
        QCOMPARE(w->status(), QStringLiteral("データの取り込み中"));
        f.reply("Pu00xx123");
        QCOMPARE(w->Text1->text(), QStringLiteral("150"));
        QCOMPARE(w->Text2->text(), QStringLiteral("123"));
        QCOMPARE(w->status(), QStringLiteral(" 取り込み完了"));
        f.reply("P\xF5"
                "00xx100"); // both flags: no level shown
        QCOMPARE(w->Text1->text(), QString());
        QCOMPARE(w->Text2->text(), QStringLiteral("100"));
    }

    void portClosed()
    {
        MaintFixture f;
        f.put("CTLEVEL.TXT", "\"000000\"\r\n");
        CurrentValueDialog *w = open(f);
        f.window->link().close();
        w->setStatus("before");
        w->Text1->setText("120");
        w->Command3->click();
        w->Command2->click();
        QVERIFY(f.nothingSent());
        QCOMPARE(w->status(), QStringLiteral("before"));
        QCOMPARE(f.file("CTLEVEL.TXT"), QByteArray("\"120000\"\r\n"));
    }

    void unitSelectionAndLiveValues()
    {
        MaintFixture f;
        CurrentValueDialog *w = open(f);
        emit w->unitSelector()->activated(0);
        QCOMPARE(f.sent(8), QByteArray("\x02ID00ID\x03"));
        QCOMPARE(w->status(), QStringLiteral("ID ﾃﾞｰﾀ設定中"));
        f.reply("ID");
        QCOMPARE(w->status(), QStringLiteral(" ID ﾃﾞｰﾀ設定完了"));
        f.reply("Q01234253+0530217");
        QCOMPARE(w->Label3->text(), QStringLiteral("012.3_A"));
        QCOMPARE(w->unitSelector()->currentText(), QStringLiteral(" ID_No ： 02"));
    }

    // Live values echo into an open window; they create none.
    void liveValuesCreateNoWindow()
    {
        MaintFixture f;
        f.reply("Q01234253+0530217");
        QVERIFY(!f.windows().existing(WindowId::Form11));
        f.reply("P500xx123"); // a read answer does: the window takes it hidden
        auto *w = f.windows().existing<CurrentValueDialog>(WindowId::Form11);
        QVERIFY(w && !w->isVisible());
        QCOMPARE(w->Text1->text(), QStringLiteral("050"));
    }
};

UNITDESK_TEST(CurrentValueDialogTest)
#include "CurrentValueDialogTest.moc"
