// The DSP settings window: five values written one by one into their files and frames, the
// read answer, the acknowledgements and the present current with two decimals.
#include "MaintFixture.h"
#include "testmain.h"

#include "maint/DspSettingsDialog.h"

class DspSettingsDialogTest : public QObject {
    Q_OBJECT
    static DspSettingsDialog *open(MaintFixture &f)
    {
        return f.openModal<DspSettingsDialog>(WindowId::Form13, " ＤＳＰ 動作条件設定");
    }
    static QStringList fields(DspSettingsDialog *w)
    {
        QStringList out;
        for (const char *name : {"Text8", "Text7", "Text4", "Text1", "Text2"})
            out << MaintFixture::child<QLineEdit>(w, name)->text();
        return out;
    }

private slots:
    void opens()
    {
        MaintFixture f;
        f.put("ICONT.TXT", "\"0300\"\r\n");
        DspSettingsDialog *w = open(f);
        QCOMPARE(w->windowTitle(), QStringLiteral("DSP動作設定"));
        QCOMPARE(w->status(), QStringLiteral(" ＤＳＰ 動作条件設定"));
        // Only the control check value has a file: the other fields are empty.
        QCOMPARE(fields(w), (QStringList{"0300", "", "", "", ""}));
        QStringList captions;
        for (const char *name : {"Command1", "Command3", "Command4", "Command5", "Command6", "Command2"})
            captions << MaintFixture::child<QPushButton>(w, name)->text();
        QCOMPARE(captions,
                 (QStringList{"電流乗率", "制御確認値", "電流割率", "電流ｵﾌｾｯﾄ", "裏 データ", "読取"}));
        QCOMPARE(MaintFixture::child<QLineEdit>(w, "Text7")->geometry(), QRect(112, 152, 73, 25));
        QCOMPARE(w->Label2->text(), QStringLiteral("000.0_A"));
        w->close();
        QCOMPARE(f.basicPanel()->panelText(2), QString());
    }

    void loadsEveryFile()
    {
        MaintFixture f;
        f.put("IMULTI.TXT", "\"0012\"\r\n");
        f.put("LOGCONT.TXT", "\"0001\"\r\n");
        f.put("IDIV.TXT", "\"0100\"\r\n");
        f.put("IOFST.TXT", "\"00x5\"\r\n"); // damaged: left empty
        f.put("ICONT.TXT", "\"0030\"\r\n");
        QCOMPARE(fields(open(f)), (QStringList{"0030", "", "0100", "0012", "0001"}));
    }

    void writes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("status");
        QTest::newRow("multiplier 12") << "Command1"
                                       << "Text1"
                                       << "12" << QByteArray("ADIR0012ID") << "IMULTI.TXT"
                                       << "電流乗率の書込み中";
        QTest::newRow("control check") << "Command3"
                                       << "Text8"
                                       << "300" << QByteArray("ADCN0300ID") << "ICONT.TXT"
                                       << "制御確認_データの書込み中";
        QTest::newRow("divisor") << "Command4"
                                 << "Text4"
                                 << "9999" << QByteArray("ADIC9999ID") << "IDIV.TXT"
                                 << "電流割率の書込み中";
        QTest::newRow("offset") << "Command5"
                                << "Text7"
                                << "0" << QByteArray("ADOF0000ID") << "IOFST.TXT"
                                << "電流値OFFSET_の書込み中";
        QTest::newRow("back data") << "Command6"
                                   << "Text2"
                                   << "7" << QByteArray("WL0007ID") << "LOGCONT.TXT"
                                   << "裏データの書込み中";
    }
    void writes()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QByteArray, frame);
        QFETCH(QString, file);
        QFETCH(QString, status);
        MaintFixture f;
        DspSettingsDialog *w = open(f);
        MaintFixture::type(w->findChild<QLineEdit *>(field), typed);
        w->findChild<QPushButton *>(button)->click();
        QCOMPARE(f.sent(frame.size() + 2), f.frame(frame));
        QCOMPARE(f.file(file.toLatin1()), "\"" + frame.mid(frame.size() - 6, 4) + "\"\r\n");
        QCOMPARE(w->status(), status);
        f.reply("EOK");
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
    }

    void refusesAnEmptyField()
    {
        MaintFixture f;
        DspSettingsDialog *w = open(f); // no files: every field empty
        MaintFixture::click(w, "Command4");
        QCOMPARE(f.messages(), QStringList{"設定データ異常|データの異常です"});
        QVERIFY(f.nothingSent());
        QCOMPARE(f.file("IDIV.TXT"), QByteArray("(missing)"));
        QVERIFY(ControlFixture::keyboardIn(w, "Text4"));
    }

    void portClosedStillWritesTheFile()
    {
        MaintFixture f;
        DspSettingsDialog *w = open(f);
        f.window->link().close();
        MaintFixture::type(w->findChild<QLineEdit *>("Text1"), "12");
        MaintFixture::click(w, "Command1");
        w->Command2->click();
        QVERIFY(f.nothingSent());
        QCOMPARE(f.file("IMULTI.TXT"), QByteArray("\"0012\"\r\n"));
        QCOMPARE(w->status(), QStringLiteral(" ＤＳＰ 動作条件設定"));
    }

    // A file that cannot be written is named; the frame goes all the same.
    void unwritableFile()
    {
        MaintFixture f;
        QVERIFY(DriveMap::ensureDir("C:\\ZRLOG\\CONTROL\\IMULTI.TXT"));
        DspSettingsDialog *w = open(f);
        MaintFixture::type(w->findChild<QLineEdit *>("Text1"), "12");
        MaintFixture::click(w, "Command1");
        QCOMPARE(f.messages(),
                 QStringList{"ファイルの保存|ファイルに書き込めません。\nC:\\ZRLOG\\CONTROL\\IMULTI.TXT"});
        QCOMPARE(f.sent(12), QByteArray("\x02"
                                        "ADIR0012ID\x03"));
    }

    void readAnswerAndAcknowledgements()
    {
        MaintFixture f;
        DspSettingsDialog *w = open(f);
        w->Command2->click();
        QCOMPARE(f.sent(10), QByteArray("\x02"
                                        "ADRDDTID\x03"));
        QCOMPARE(w->status(), QStringLiteral(" ＤＳＰ 動作条件設定")); // reading sets no text
        f.reply("EDT0001000200030004000500060007");
        QCOMPARE(fields(w), (QStringList{"0001", "0002", "0003", "0004", "0005"}));
        QCOMPARE(w->status(), QStringLiteral(" 読み取り完了"));
        QCOMPARE(f.file("IMULTI.TXT"), QByteArray("(missing)")); // the answer writes no file
        f.reply("EDT00090008");                                  // cut: what is missing is emptied
        QCOMPARE(fields(w), (QStringList{"0009", "0008", "", "", ""}));
        f.reply("EX", 2); // "EX" is also an "E" reply
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
        w->setStatus("x");
        f.reply("E");
        QCOMPARE(w->status(), QStringLiteral(" 書込み完了"));
    }

    void liveCurrentWithTwoDecimals_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("label");
        QTest::newRow("hundredths digit") << QByteArray("Q01234253+0530217") << "012.34_A";
        QTest::newRow("star counts as 0") << QByteArray("Q0123*253+0530217") << "012.30_A";
        QTest::newRow("short") << QByteArray("Q0123") << "012.30_A";
    }
    void liveCurrentWithTwoDecimals()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, label);
        MaintFixture f;
        DspSettingsDialog *w = open(f);
        f.reply(reply);
        QCOMPARE(w->Label2->text(), label);
    }
};

UNITDESK_TEST(DspSettingsDialogTest)
#include "DspSettingsDialogTest.moc"
