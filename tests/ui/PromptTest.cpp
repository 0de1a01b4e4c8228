#include "ui/Prompt.h"
#include "common/DriveMap.h"
#include "testmain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

Q_DECLARE_METATYPE(Prompt::Buttons)
Q_DECLARE_METATYPE(Prompt::Icon)
Q_DECLARE_METATYPE(Prompt::Answer)

namespace {

// Runs handle on the next modal dialog once it is shown (the dialogs run their own loop).
void whenModalShown(std::function<void(QWidget *)> handle)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle, tries = 0]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && ++tries < 500)
            return;
        timer->deleteLater();
        timer->stop();
        if (!modal)
            return;
        handle(modal);
        // A dialog the handler failed to close must not hang the test run.
        QTimer::singleShot(2000, modal, [modal] { modal->close(); });
    });
    timer->start(10);
}

} // namespace

class PromptTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Prompt::setScript(nullptr); }

    void scriptRecordsTheExactMessage()
    {
        Prompt::Script script;
        script.answer = [](const Prompt::Message &m) {
            return m.buttons == Prompt::Buttons::OkCancel ? Prompt::Answer::Ok : Prompt::Answer::Yes;
        };
        Prompt::setScript(&script);
        Prompt::Message message;
        message.text = QString::fromUtf8("ﾃﾞｰﾀを削除します。よろしいですか？");
        message.title = QString::fromUtf8("確認");
        message.buttons = Prompt::Buttons::OkCancel;
        message.icon = Prompt::Icon::Exclamation;
        message.defaultButton = Prompt::Answer::Cancel;
        QCOMPARE(Prompt::ask(message), Prompt::Answer::Ok);
        QCOMPARE(script.asked.size(), 1);
        const Prompt::Message &asked = script.asked.first();
        QCOMPARE(asked.text, message.text);
        QCOMPARE(asked.title, message.title);
        QCOMPARE(asked.buttons, Prompt::Buttons::OkCancel);
        QCOMPARE(asked.icon, Prompt::Icon::Exclamation);
        QCOMPARE(asked.defaultButton, Prompt::Answer::Cancel);
    }

    void scriptDefaultAnswers_data()
    {
        QTest::addColumn<Prompt::Buttons>("buttons");
        QTest::addColumn<Prompt::Answer>("answer");
        QTest::newRow("Ok") << Prompt::Buttons::Ok << Prompt::Answer::Ok;
        QTest::newRow("OkCancel") << Prompt::Buttons::OkCancel << Prompt::Answer::Cancel;
        QTest::newRow("YesNo") << Prompt::Buttons::YesNo << Prompt::Answer::No;
    }
    void scriptDefaultAnswers()
    {
        QFETCH(Prompt::Buttons, buttons);
        QFETCH(Prompt::Answer, answer);
        Prompt::Script script;
        Prompt::setScript(&script);
        Prompt::Message message;
        message.buttons = buttons;
        message.defaultButton = Prompt::Answer::Ok; // the default button does not answer for the user
        QCOMPARE(Prompt::ask(message), answer);
        QCOMPARE(script.asked.size(), 1);
    }

    void scriptFileDialogs()
    {
        Prompt::Script script;
        Prompt::setScript(&script);
        Prompt::FileDialog dialog;
        dialog.mode = Prompt::FileDialog::Save;
        dialog.title = QString::fromUtf8("表示展開しているログファイルを保存");
        dialog.initialDir = QStringLiteral("C:\\AMPDAT");
        dialog.filter = QString::fromUtf8("ﾃｷｽﾄﾌｧｲﾙ(*.txt)");
        dialog.fileName = QStringLiteral("C:\\GRP01\\ZR1\\Y2013\\DAY\\CH05\\m01d05.TXT");
        QCOMPARE(Prompt::chooseFile(dialog), QString()); // no answer: cancelled
        script.file = [](const Prompt::FileDialog &) { return QStringLiteral("C:\\AMPDAT\\x.TXT"); };
        QCOMPARE(Prompt::chooseFile(dialog), QStringLiteral("C:\\AMPDAT\\x.TXT"));
        QCOMPARE(script.fileDialogs.size(), 2);
        const Prompt::FileDialog &seen = script.fileDialogs.last();
        QCOMPARE(seen.mode, Prompt::FileDialog::Save);
        QCOMPARE(seen.title, dialog.title);
        QCOMPARE(seen.initialDir, dialog.initialDir);
        QCOMPARE(seen.filter, dialog.filter);
        QCOMPARE(seen.fileName, dialog.fileName);
        QVERIFY(script.asked.isEmpty());
    }

    void realMessageBox_data()
    {
        QTest::addColumn<Prompt::Buttons>("buttons");
        QTest::addColumn<Prompt::Icon>("icon");
        QTest::addColumn<Prompt::Answer>("defaultButton");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shownIcon");
        QTest::addColumn<int>("shownButtons");
        QTest::addColumn<Prompt::Answer>("answer");
        const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("confirmation: Enter takes the default Cancel")
            << Prompt::Buttons::OkCancel << Prompt::Icon::Exclamation << Prompt::Answer::Cancel
            << int(Qt::Key_Return) << int(QMessageBox::Warning) << okCancel << Prompt::Answer::Cancel;
        QTest::newRow("OkCancel default Ok, Enter")
            << Prompt::Buttons::OkCancel << Prompt::Icon::Warning << Prompt::Answer::Ok << int(Qt::Key_Return)
            << int(QMessageBox::Warning) << okCancel << Prompt::Answer::Ok;
        QTest::newRow("OkCancel, Escape")
            << Prompt::Buttons::OkCancel << Prompt::Icon::Information << Prompt::Answer::Ok
            << int(Qt::Key_Escape) << int(QMessageBox::Information) << okCancel << Prompt::Answer::Cancel;
        QTest::newRow("YesNo default Yes, Enter")
            << Prompt::Buttons::YesNo << Prompt::Icon::Critical << Prompt::Answer::Yes << int(Qt::Key_Return)
            << int(QMessageBox::Critical) << yesNo << Prompt::Answer::Yes;
        QTest::newRow("YesNo, Escape")
            << Prompt::Buttons::YesNo << Prompt::Icon::None << Prompt::Answer::Yes << int(Qt::Key_Escape)
            << int(QMessageBox::NoIcon) << yesNo << Prompt::Answer::No;
        QTest::newRow("Ok, Escape") << Prompt::Buttons::Ok << Prompt::Icon::None << Prompt::Answer::Ok
                                    << int(Qt::Key_Escape) << int(QMessageBox::NoIcon) << int(QMessageBox::Ok)
                                    << Prompt::Answer::Ok;
    }
    void realMessageBox()
    {
        QFETCH(Prompt::Buttons, buttons);
        QFETCH(Prompt::Icon, icon);
        QFETCH(Prompt::Answer, defaultButton);
        QFETCH(int, key);
        QFETCH(int, shownIcon);
        QFETCH(int, shownButtons);
        QFETCH(Prompt::Answer, answer);

        Prompt::Message message;
        message.text = QString::fromUtf8("子機未接続");
        message.title = QString::fromUtf8("ｴﾗｰ");
        message.buttons = buttons;
        message.icon = icon;
        message.defaultButton = defaultButton;

        QString text, title;
        int seenIcon = -1, seenButtons = -1;
        QString defaultText;
        whenModalShown([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                modal->close();
                return;
            }
            text = box->text();
            title = box->windowTitle();
            seenIcon = box->icon();
            seenButtons = int(box->standardButtons());
            defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
            QTest::keyClick(box, Qt::Key(key));
        });
        const Prompt::Answer got = Prompt::ask(message);
        QCOMPARE(text, message.text);
        QCOMPARE(title, message.title);
        QCOMPARE(seenIcon, shownIcon);
        QCOMPARE(seenButtons, shownButtons);
        QVERIFY(!defaultText.isEmpty());
        QCOMPARE(got, answer);
    }

    void realFileDialog_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("initialName");
        QTest::addColumn<QString>("shownDir"); // below the temporary folder, whose "C" is the root
        QTest::addColumn<QString>("shownFilter");
        QTest::addColumn<QString>("chosen");   // below the temporary folder
        QTest::addColumn<QString>("expected"); // "<native>" = the native path
        const QString text = QString::fromUtf8("ﾃｷｽﾄﾌｧｲﾙ(*.TXT)");
        const QString day = QStringLiteral("C:\\grp01\\day\\*.TXT");
        QTest::newRow("open below the root")
            << false << day << "C/GRP01/DAY" << text << "C/GRP01/DAY/m01d05.TXT"
            << "C:\\GRP01\\DAY\\m01d05.TXT";
        QTest::newRow("month folders")
            << false << "C:\\GRP01\\M**"
            << "C/GRP01" << text + QStringLiteral(" (M**)") << "C/GRP01/DAY/m01d05.TXT"
            << "C:\\GRP01\\DAY\\m01d05.TXT";
        QTest::newRow("save below the root") << true << day << "C/GRP01/DAY" << text << "C/AMPDAT/new.txt"
                                             << "C:\\AMPDAT\\new.txt";
        QTest::newRow("save outside the root") << true << day << "C/GRP01/DAY" << text << "elsewhere/new.txt"
                                               << "<native>";
        QTest::newRow("initial folder without a name") << true << ""
                                                       << "C/AMPDAT" << text << "C/AMPDAT/new.txt"
                                                       << "C:\\AMPDAT\\new.txt";
        QTest::newRow("cancelled") << false << day << "C/GRP01/DAY" << text << ""
                                   << "";
    }
    void realFileDialog()
    {
        QFETCH(bool, save);
        QFETCH(QString, initialName);
        QFETCH(QString, shownDir);
        QFETCH(QString, shownFilter);
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString savedRoot = DriveMap::root();
        DriveMap::setRoot(dir.path() + QStringLiteral("/C"));
        for (const char *folder : {"C/GRP01/DAY", "C/AMPDAT", "elsewhere"})
            QVERIFY(QDir().mkpath(dir.path() + QLatin1Char('/') + QLatin1String(folder)));
        QFile file(dir.path() + QStringLiteral("/C/GRP01/DAY/m01d05.TXT"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        Prompt::FileDialog request;
        request.mode = save ? Prompt::FileDialog::Save : Prompt::FileDialog::Open;
        request.title = QString::fromUtf8("保存しているログファイルを開く");
        request.filter = QString::fromUtf8("ﾃｷｽﾄﾌｧｲﾙ(*.TXT)");
        request.initialDir = QStringLiteral("C:\\AMPDAT"); // the initial name's folder wins
        request.fileName = initialName;

        QString title, directory;
        QStringList filters;
        int acceptMode = -1;
        const QString chosenNative = chosen.isEmpty() ? QString() : dir.path() + QLatin1Char('/') + chosen;
        whenModalShown([&](QWidget *modal) {
            auto *box = qobject_cast<QFileDialog *>(modal);
            if (!box) {
                modal->close();
                return;
            }
            title = box->windowTitle();
            directory = box->directory().absolutePath();
            filters = box->nameFilters();
            acceptMode = box->acceptMode();
            if (chosenNative.isEmpty()) {
                box->reject();
                return;
            }
            // Typed into the name field, as a user would (selectFile() leaves a focused field alone).
            auto *name = box->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!name) {
                box->reject();
                return;
            }
            name->setText(chosenNative);
            static_cast<QDialog *>(box)->accept(); // QFileDialog's own accept checks the choice
        });
        const QString got = Prompt::chooseFile(request);
        DriveMap::setRoot(savedRoot);
        QCOMPARE(title, request.title);
        QCOMPARE(directory, dir.path() + QLatin1Char('/') + shownDir);
        QCOMPARE(filters, QStringList{shownFilter});
        QCOMPARE(acceptMode, save ? int(QFileDialog::AcceptSave) : int(QFileDialog::AcceptOpen));
        QCOMPARE(got, expected == QLatin1String("<native>") ? chosenNative : expected);
    }
};

UNITDESK_TEST(PromptTest)
#include "PromptTest.moc"
