#pragma once
// The program on a pseudo-terminal with the maintenance windows opened as the basic
// conditions window's toolbar opens them.
#include "../control/ControlFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace maint_test {
// Stands in for the basic conditions window where the program does not build one yet:
// the maintenance windows only write its status panel.
class BasicStandIn : public SettingsWindow {
public:
    explicit BasicStandIn(const WindowServices &s)
        : SettingsWindow(s, WindowId::Form10, QStringLiteral("基本条件設定"))
    {
    }
};
} // namespace maint_test

struct MaintFixture : ControlFixture {
    WindowSet &windows() { return window->windows(); }
    // Panel 2 of the basic conditions window (created if needed).
    StatusBar *basicPanel()
    {
        if (!windows().isRegistered(WindowId::Form10)) {
            const WindowServices s{window->state(), window->link(), windows(), window, &program->routes()};
            windows().registerWindow(WindowId::Form10, [s] { return new maint_test::BasicStandIn(s); });
        }
        return windows().get(WindowId::Form10)->findChild<StatusBar *>(QStringLiteral("StatusBar1"));
    }
    // As the basic conditions toolbar does: the window's panel text, its own panel " ", the
    // window shown modally. Nothing is sent.
    template <class W> W *openModal(WindowId id, const char *panel = nullptr)
    {
        StatusBar *basic = basicPanel();
        auto *w = windows().get<W>(id);
        if (panel) {
            w->StatusBar1->setPanelText(2, QString::fromUtf8(panel));
            basic->setPanelText(2, QStringLiteral(" "));
        }
        w->setWindowModality(Qt::ApplicationModal);
        windows().show(id);
        sent(0);
        return w;
    }
    template <class T = QWidget> static T *child(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QString::fromLatin1(name));
    }
    static void click(QWidget *w, const char *button) { child<QPushButton>(w, button)->click(); }
    QByteArray frame(const QByteArray &text) { return "\x02" + text + "\x03"; }
};
