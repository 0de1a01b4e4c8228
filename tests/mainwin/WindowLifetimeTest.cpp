// Replies reach the windows they write into, in the order registered, creating a window
// that is not open; the window set owns its windows and outlives none of what they use.
#include "MainFixture.h"
#include "link/ReplyRoutes.h"
#include "testmain.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTest>

namespace {

// A window that reads the shared values and the port as it goes, as every real window
// does in its closing code.
class ProbeWindow : public QWidget {
public:
    ProbeWindow(AppState &state, SerialLink &link, bool refuseClose = false)
        : m_state(state), m_link(link), m_refuseClose(refuseClose)
    {
    }
    ~ProbeWindow() override { lastSeen = m_state.SelectedUnitId + (m_link.isOpen() ? "+" : "-"); }
    static inline QString lastSeen;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (m_refuseClose)
            event->ignore();
    }

private:
    AppState &m_state;
    SerialLink &m_link;
    bool m_refuseClose;
};

} // namespace

class WindowLifetimeTest : public QObject {
    Q_OBJECT
private slots:
    void replyStepsRunInOrderAndCreateHiddenWindows()
    {
        MainFixture f;
        Program &p = *f.program;
        QStringList seen;
        p.windows().registerWindow(WindowId::Form5, [&p] { return new ProbeWindow(p.state(), p.link()); });
        p.routes().add(Reply::ID, [&](const QByteArray &text) {
            // The main window's step ran first.
            seen << f.window->Label19->text() + '|' + QString::fromLatin1(text);
            p.windows().get(WindowId::Form5)->setWindowTitle(QStringLiteral("touched"));
        });
        QVERIFY(!p.windows().existing(WindowId::Form5));
        f.reply("ID");
        QCOMPARE(seen, QStringList{"ID ﾃﾞｰﾀ設定完了|ID"});
        QWidget *w = p.windows().existing(WindowId::Form5);
        QVERIFY(w);
        QVERIFY(!w->isVisible()); // created hidden, updated all the same
        QCOMPARE(w->windowTitle(), QStringLiteral("touched"));
    }

    void refusedCloseKeepsTheWindow()
    {
        MainFixture f;
        Program &p = *f.program;
        p.windows().registerWindow(WindowId::Form6, [&p] { return new ProbeWindow(p.state(), p.link(), true); });
        p.windows().registerWindow(WindowId::Form7, [&p] { return new ProbeWindow(p.state(), p.link()); });
        QPointer<QWidget> refusing = p.windows().show(WindowId::Form6);
        QPointer<QWidget> accepting = p.windows().show(WindowId::Form7);
        f.window->CloseSecondaryWindows();
        QVERIFY(refusing);
        QCOMPARE(p.windows().existing(WindowId::Form6), refusing.data());
        QVERIFY(!accepting);
        QVERIFY(!p.windows().existing(WindowId::Form7));
    }

    // Under AddressSanitizer a window deleted after the shared values would be a
    // use-after-free; here every window sees them alive when it goes.
    void programEndsWithEveryWindowCreated()
    {
        MainFixture f;
        Program &p = *f.program;
        p.state().SelectedUnitId = QStringLiteral("07");
        for (WindowId id : WindowSet::closingOrder())
            if (!p.windows().isRegistered(id))
                p.windows().registerWindow(id, [&p] { return new ProbeWindow(p.state(), p.link()); });
        if (!p.windows().isRegistered(WindowId::Form23))
            p.windows().registerWindow(WindowId::Form23, [&p] { return new ProbeWindow(p.state(), p.link()); });
        for (WindowId id : p.windows().registered())
            QVERIFY2(p.windows().get(id), qPrintable(WindowSet::nameOf(id)));
        p.windows().show(WindowId::Form5);
        ProbeWindow::lastSeen.clear();
        f.program.reset();
        QCOMPARE(ProbeWindow::lastSeen, QStringLiteral("07+"));
    }

    void windowNamesComeFromTheirIds()
    {
        QCOMPARE(WindowSet::nameOf(WindowId::Form2), QStringLiteral("Form2"));
        QCOMPARE(WindowSet::nameOf(WindowId::Form16), QStringLiteral("Form16"));
        QCOMPARE(WindowSet::nameOf(WindowId::Form23), QStringLiteral("Form23"));
        QCOMPARE(WindowSet::nameOf(WindowId::Form24), QStringLiteral("Form24"));
    }
};

UNITDESK_TEST(WindowLifetimeTest)
#include "WindowLifetimeTest.moc"
