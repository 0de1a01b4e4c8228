// The unit settings change window: opened from the main menu, every confirmed action's
// frame and texts, the "KS" answer and the status line that follows UnitSettingStatus.
#include "MaintFixture.h"
#include "testmain.h"

#include "common/AppState.h"
#include "maint/UnitSettingsChangeDialog.h"

#include <QAction>

using Prompt::Answer;

class UnitSettingsChangeDialogTest : public QObject {
    Q_OBJECT
    static UnitSettingsChangeDialog *open(MaintFixture &f)
    {
        f.window->state().UnitSettingStatus = "left over";
        f.window->action("mnuKoki_Set")->trigger();
        f.sent(0);
        return f.windows().existing<UnitSettingsChangeDialog>(WindowId::Form16);
    }
    static void tick(UnitSettingsChangeDialog *w) { emit w->Timer1->timeout({}); }
    static QString status(MaintFixture &f) { return f.window->state().UnitSettingStatus; }

private slots:
    void opensFromTheMenu()
    {
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("子機設定変更"));
        QCOMPARE(f.window->Label19->text(), QStringLiteral("子機各種設定変更"));
        QCOMPARE(status(f), QString());
        QCOMPARE(w->Combo1->currentText(), QStringLiteral(" 9600"));
        QCOMPARE(w->speedCode(), QByteArray("01"));
        QCOMPARE(w->Command1->text(), QStringLiteral("ON"));
        QCOMPARE(w->Text3->text(), QStringLiteral("00"));
        QCOMPARE(w->Timer1->interval(), 300);
        QVERIFY(w->Timer1->isActive());
        QStringList captions;
        for (const char *name : {"Command2", "Command3", "Command4", "Command5", "Command6"})
            captions << MaintFixture::child<QPushButton>(w, name)->text();
        QCOMPARE(captions, (QStringList{"読取", "RS_485 通信速度", "警報 制御 実行", "温度 子機 ＣＨ_NO",
                                        "子機 モニターの全消去"}));
        QCOMPARE(w->Label1->geometry(), QRect(8, 168, 280, 20));
        w->close();
        QCOMPARE(f.window->Label19->text(), QString());
    }

    void read()
    {
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        MaintFixture::click(w, "Command2");
        QCOMPARE(f.sent(6), QByteArray("\x02KKID\x03"));
        QCOMPARE(status(f), QStringLiteral("子機設定条件読み込み中"));
        tick(w);
        QCOMPARE(w->Label1->text(), QStringLiteral("子機設定条件読み込み中"));
    }

    void confirmedActions_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("asked"); // title|text of each confirmation
        QTest::addColumn<QString>("title");     // the status line while asking
        QTest::addColumn<QString>("progress");  // UnitSettingStatus once sent
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("speed") << "Command3" << QStringList{"子機設定の変更|子機RS485通信速度を変更します"}
                               << "子機RS485通信速度変更"
                               << "  RS485 通信速度 変更中 " << QByteArray("BR0148ID");
        QTest::newRow("alarm") << "Command4" << QStringList{"子機設定の変更| 警報制御の設定を変更します"}
                               << "警報制御の設定変更"
                               << "  警報制御の実行設定を変更中 " << QByteArray("CNONID");
        QTest::newRow("channel") << "Command5" << QStringList{"子機設定の変更|子機温度 CH を変更します"}
                                 << "子機温度 CH_NO 変更"
                                 << " 温度 CH 変更中 " << QByteArray("TP00ID");
        QTest::newRow("erase") << "Command6"
                               << QStringList{"子機ﾛｸﾞの消去|  子機ﾛｸﾞﾃﾞｰﾀを全て消去します",
                                              "子機ﾛｸﾞの消去|ﾃﾞｰﾀを全て消去します 本当に宜しいですか??"}
                               << "子機ﾛｸﾞﾃﾞｰﾀ消去"
                               << "  子機ﾛｸﾞﾃﾞｰﾀを全て消去中 " << QByteArray("CLID");
    }
    void confirmedActions()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, asked);
        QFETCH(QString, title);
        QFETCH(QString, progress);
        QFETCH(QByteArray, frame);
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        QString shownWhileAsking;
        f.prompts.answer = [&](const Prompt::Message &) {
            shownWhileAsking = w->Label1->text();
            return Answer::Ok;
        };
        MaintFixture::click(w, button.toLatin1());
        QCOMPARE(f.messages(), asked);
        for (const Prompt::Message &m : f.prompts.asked) {
            QCOMPARE(m.buttons, Prompt::Buttons::OkCancel);
            QCOMPARE(m.icon, Prompt::Icon::Warning);
            QCOMPARE(m.defaultButton, Answer::Cancel);
        }
        QCOMPARE(shownWhileAsking, title);
        QCOMPARE(status(f), progress);
        QCOMPARE(f.sent(frame.size() + 2), f.frame(frame));
    }

    // Cancel at any confirmation sends nothing and leaves UnitSettingStatus as it was.
    void cancelled_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::newRow("speed") << "Command3" << QList<Answer>{Answer::Cancel};
        QTest::newRow("alarm") << "Command4" << QList<Answer>{Answer::Cancel};
        QTest::newRow("channel") << "Command5" << QList<Answer>{Answer::Cancel};
        QTest::newRow("erase, first") << "Command6" << QList<Answer>{Answer::Cancel};
        QTest::newRow("erase, second") << "Command6" << QList<Answer>{Answer::Ok, Answer::Cancel};
    }
    void cancelled()
    {
        QFETCH(QString, button);
        QFETCH(QList<Answer>, answers);
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        f.window->state().UnitSettingStatus = "as it was";
        f.answers = answers;
        MaintFixture::click(w, button.toLatin1());
        QVERIFY(f.nothingSent());
        QCOMPARE(status(f), QStringLiteral("as it was"));
    }

    void speedPickedAndItsStatusLine()
    {
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        w->Label1->setText("x");
        w->Combo1->setCurrentIndex(3);
        emit w->Combo1->activated(3);
        QCOMPARE(w->Label1->text(), QString()); // a pick clears the status line
        f.answers = {Answer::Ok};
        MaintFixture::click(w, "Command3");
        QCOMPARE(f.sent(10), QByteArray("\x02"
                                        "BR0348ID\x03"));
        QCOMPARE(w->Label1->text(), QString::fromLatin1("\x02"
                                                        "BR4803\x03"));
    }

    void alarmToggle_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("once") << 1 << "OFF" << QByteArray("CNOFID");
        QTest::newRow("twice") << 2 << "ON" << QByteArray("CNONID");
    }
    void alarmToggle()
    {
        QFETCH(int, clicks);
        QFETCH(QString, caption);
        QFETCH(QByteArray, frame);
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        for (int i = 0; i < clicks; ++i)
            w->Command1->click();
        QCOMPARE(w->Command1->text(), caption);
        f.answers = {Answer::Ok};
        MaintFixture::click(w, "Command4");
        QCOMPARE(f.sent(frame.size() + 2), f.frame(frame));
    }

    void channel()
    {
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        QTest::mouseClick(w->Text3, Qt::LeftButton);
        QCOMPARE(status(f), QStringLiteral(" 温度子機 CH の設定"));
        MaintFixture::type(w->Text3, "7");
        f.answers = {Answer::Ok};
        MaintFixture::click(w, "Command5");
        QCOMPARE(f.sent(8), QByteArray("\x02TP07ID\x03"));

        w->Text3->clear(); // an empty channel is refused before anyone is asked
        MaintFixture::click(w, "Command5");
        QCOMPARE(f.messages().last(), QStringLiteral("設定データ異常|データの異常です"));
        QCOMPARE(f.prompts.asked.size(), 2);
        QVERIFY(f.nothingSent());
        QVERIFY(ControlFixture::keyboardIn(w, "Text3"));
    }

    void portClosedSetsTheTextsAllTheSame()
    {
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        f.window->link().close();
        MaintFixture::click(w, "Command2");
        QCOMPARE(status(f), QStringLiteral("子機設定条件読み込み中"));
        f.answers = {Answer::Ok, Answer::Ok};
        MaintFixture::click(w, "Command6");
        QCOMPARE(status(f), QStringLiteral("  子機ﾛｸﾞﾃﾞｰﾀを全て消去中 "));
        QVERIFY(f.nothingSent());
    }

    // The answer shows its texts only: the next speed change still sends the picked code.
    void readAnswerShowsTextsOnly()
    {
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        f.reply("KSOF0704");
        QCOMPARE(w->Command1->text(), QStringLiteral("OF"));
        QCOMPARE(w->Text3->text(), QStringLiteral("07"));
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("56700"));
        QCOMPARE(status(f), QStringLiteral(" 子機設定ﾃﾞｰﾀ読み取り完了"));
        f.answers = {Answer::Ok, Answer::Ok};
        MaintFixture::click(w, "Command3");
        MaintFixture::click(w, "Command4");
        QCOMPARE(f.sent(16), QByteArray("\x02"
                                        "BR0148ID\x03\x02"
                                        "CNONID\x03"));

        f.reply("KSXX*109"); // unknown flag, damaged channel, unknown speed
        QCOMPARE(w->Command1->text(), QStringLiteral("OF"));
        QCOMPARE(w->Text3->text(), QStringLiteral("07"));
        QCOMPARE(w->Combo1->currentText(), QString());
    }

    void progressReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        QTest::newRow("KK") << QByteArray("KK") << " 子機ﾃﾞｰﾀ設定完了";
        QTest::newRow("KM") << QByteArray("KM") << " ﾓﾆﾀｰﾃﾞｰﾀ消去中";
        QTest::newRow("KE") << QByteArray("KE") << " ﾓﾆﾀｰﾃﾞｰﾀ消去完了";
    }
    void progressReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, text);
        MaintFixture f;
        UnitSettingsChangeDialog *w = open(f);
        const int before = f.dispatched;
        f.reply(reply);
        QCOMPARE(f.dispatched - before, 1); // the one-letter "K" stage does not see it
        QCOMPARE(status(f), text);
        tick(w);
        QCOMPARE(w->Label1->text(), text);
    }

    // An answer that comes before the window is opened creates it hidden, keeping its text.
    void answerToAClosedWindow()
    {
        MaintFixture f;
        f.reply("KSON0102");
        auto *w = f.windows().existing<UnitSettingsChangeDialog>(WindowId::Form16);
        QVERIFY(w && !w->isVisible());
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("19200"));
        QCOMPARE(status(f), QStringLiteral(" 子機設定ﾃﾞｰﾀ読み取り完了"));
    }
};

UNITDESK_TEST(UnitSettingsChangeDialogTest)
#include "UnitSettingsChangeDialogTest.moc"
