#include "ui/StatusBar.h"
#include "ui/Twips.h"
#include "testmain.h"

#include <QLabel>
#include <QTest>

class StatusBarTwipsTest : public QObject {
    Q_OBJECT
private slots:
    void panelsByNumber()
    {
        StatusBar bar(3);
        bar.setPanelText(2, QString::fromUtf8(" 読み取り完了"));
        bar.setPanelText(0, QStringLiteral("ignored"));
        bar.setPanelText(4, QStringLiteral("ignored"));
        QCOMPARE(bar.panelText(1), QString());
        QCOMPARE(bar.panelText(2), QString::fromUtf8(" 読み取り完了"));
        QCOMPARE(bar.panelText(0), QString());
        QCOMPARE(bar.panelText(4), QString());
        // Scripts and tests find the panels by name and read them through the meta-object.
        auto *label = bar.findChild<QLabel *>(QStringLiteral("Panel2"));
        QVERIFY(label);
        QCOMPARE(label->text(), QString::fromUtf8(" 読み取り完了"));
        QVERIFY(bar.findChild<QLabel *>(QStringLiteral("Panel3")));
        QVERIFY(!bar.findChild<QLabel *>(QStringLiteral("Panel4")));
        QString text;
        QVERIFY(QMetaObject::invokeMethod(&bar, "panelText", Q_RETURN_ARG(QString, text), Q_ARG(int, 2)));
        QCOMPARE(text, QString::fromUtf8(" 読み取り完了"));
        QVERIFY(QMetaObject::invokeMethod(&bar, "setPanelText", Q_ARG(int, 1),
                                          Q_ARG(QString, QStringLiteral("x"))));
        QCOMPARE(bar.panelText(1), QStringLiteral("x"));
    }

    void twipsToPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("15") << 15 << 1;
        QTest::newRow("7 rounds down") << 7 << 0;
        QTest::newRow("8 rounds up") << 8 << 1;
        QTest::newRow("1440 is an inch") << 1440 << 96;
    }
    void twipsToPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(::twipsToPixels(twips), pixels);
    }

    void placeChild()
    {
        QWidget parent;
        auto *child = new QLabel(&parent);
        placeTwips(child, 1500, 300, 3000, 450);
        QCOMPARE(child->geometry(), QRect(100, 20, 200, 30));
        moveTwips(child, 150, 150);
        QCOMPARE(child->geometry(), QRect(10, 10, 200, 30));
    }

    void placeWindow()
    {
        QWidget window;
        placeTwips(&window, 1500, 1500, 6000, 4500);
        QCOMPARE(window.pos(), QPoint(100, 100));
        QCOMPARE(window.size(), QSize(400, 300));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        moveTwips(&window, 3000, 1500);
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(200, 100));
        QCOMPARE(window.size(), QSize(400, 300));
        placeTwips(nullptr, 0, 0, 1, 1); // ignored
        moveTwips(nullptr, 0, 0);
    }
};

UNITDESK_TEST(StatusBarTwipsTest)
#include "StatusBarTwipsTest.moc"
