#include "WindowSet.h"

void WindowSet::registerWindow(WindowId id, Factory factory)
{
    m_factories.insert(id, std::move(factory));
}

QWidget *WindowSet::existing(WindowId id) const
{
    return m_windows.value(id).data();
}

QWidget *WindowSet::get(WindowId id)
{
    if (QWidget *w = existing(id))
        return w;
    auto factory = m_factories.find(id);
    if (factory == m_factories.end())
        return nullptr;
    QWidget *w = (*factory)();
    if (!w)
        return nullptr;
    // Closing a secondary window unloads it; the next touch creates it anew.
    w->setAttribute(Qt::WA_DeleteOnClose);
    m_windows.insert(id, w);
    return w;
}

QWidget *WindowSet::show(WindowId id)
{
    QWidget *w = get(id);
    if (w) {
        w->show();
        w->raise();
        w->activateWindow();
    }
    return w;
}

const std::vector<WindowId> &WindowSet::closingOrder()
{
    static const std::vector<WindowId> order{
        WindowId::Form2,  WindowId::Form3,  WindowId::Form4,  WindowId::Form5,  WindowId::Form6,
        WindowId::Form7,  WindowId::Form8,  WindowId::Form9,  WindowId::Form10, WindowId::Form11,
        WindowId::Form12, WindowId::Form13, WindowId::Form14, WindowId::Form16, WindowId::Form17,
        WindowId::Form18, WindowId::Form20, WindowId::Form22, WindowId::Form24,
    };
    return order;
}

void WindowSet::CloseSecondaryWindows()
{
    for (WindowId id : closingOrder()) {
        QPointer<QWidget> w = m_windows.take(id);
        if (w) {
            w->close(); // runs the window's own closing code
            delete w.data();
        }
    }
}

QString WindowSet::nameOf(WindowId id)
{
    static const int numbers[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 20, 22, 24, 23};
    return QStringLiteral("Form%1").arg(numbers[int(id)]);
}
