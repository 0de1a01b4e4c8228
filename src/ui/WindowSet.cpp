#include "WindowSet.h"

#include <algorithm>
#include <utility>

void WindowSet::registerWindow(WindowId id, Factory factory)
{
    m_factories.insert(id, std::move(factory));
}

std::vector<WindowId> WindowSet::registered() const
{
    std::vector<WindowId> ids(m_factories.keyBegin(), m_factories.keyEnd());
    std::sort(ids.begin(), ids.end());
    return ids;
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
    // A window the user closes is unloaded; the next touch creates it anew.
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

bool WindowSet::unload(WindowId id)
{
    QPointer<QWidget> w = m_windows.value(id);
    if (!w)
        return true;
    // close() runs the window's own closing code, which may refuse.
    if (!w->close() && w)
        return false;
    m_windows.remove(id);
    delete w.data(); // at once, not later: the next touch creates it anew
    return true;
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
    for (WindowId id : closingOrder())
        unload(id);
}

void WindowSet::deleteAll()
{
    const auto windows = std::exchange(m_windows, {});
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
}
