#pragma once
// Owns the secondary windows: creates one on demand (hidden when a reply handler is the
// first to touch it), shows it when a menu opens it, and closes them in a fixed order.
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

// The secondary windows, by their own names.
enum class WindowId {
    Form2,  // port settings
    Form3,  // monthly view
    Form4,  // daily view
    Form5,  // control rates
    Form6,  // season bands
    Form7,  // time bands
    Form8,  // unit clock
    Form9,  // group names
    Form10, // basic conditions
    Form11, // current value
    Form12, // group assignment
    Form13, // DSP settings
    Form14, // channel names
    Form16, // unit settings change
    Form17, // temperature range
    Form18, // temperature sensor number
    Form20, // channel-name table (never shown)
    Form22, // channel-name table (never shown)
    Form24, // continuous mode
    Form23, // water-spray basic conditions
};

class WindowSet {
public:
    using Factory = std::function<QWidget *()>;

    // A window becomes available once its factory is registered.
    void registerWindow(WindowId id, Factory factory);
    bool isRegistered(WindowId id) const { return m_factories.contains(id); }

    // The window if it exists (open or hidden), else nullptr.
    QWidget *existing(WindowId id) const;
    // The window, created hidden when it does not exist yet; nullptr when not registered.
    QWidget *get(WindowId id);
    template <class T> T *get(WindowId id) { return qobject_cast<T *>(get(id)); }
    template <class T> T *existing(WindowId id) const { return qobject_cast<T *>(existing(id)); }

    // Shows the window modeless (creating it first) and raises it.
    QWidget *show(WindowId id);

    // Closes (unloads) every window of the closing order that exists; their own closing
    // code runs. The water-spray basic conditions window is not part of that order.
    void CloseSecondaryWindows();
    static const std::vector<WindowId> &closingOrder();
    static QString nameOf(WindowId id); // "Form5"

private:
    QHash<WindowId, Factory> m_factories;
    QHash<WindowId, QPointer<QWidget>> m_windows;
};
