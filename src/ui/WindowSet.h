#pragma once
// Owns the secondary windows: creates one on demand (hidden when a reply is the first to
// touch it), shows it when a menu opens it, closes them in a fixed order, and deletes
// them before the shared values and the port they use go.
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

struct AppState;
class SerialLink;
class ReplyRoutes;
class WindowSet;

// The secondary windows, by their own names: each value is the window's form number.
enum class WindowId {
    Form2 = 2,   // port settings
    Form3 = 3,   // monthly view
    Form4 = 4,   // daily view
    Form5 = 5,   // control rates
    Form6 = 6,   // season bands
    Form7 = 7,   // time bands
    Form8 = 8,   // unit clock
    Form9 = 9,   // group names
    Form10 = 10, // basic conditions
    Form11 = 11, // current value
    Form12 = 12, // group assignment
    Form13 = 13, // DSP settings
    Form14 = 14, // channel names
    Form16 = 16, // unit settings change
    Form17 = 17, // temperature range
    Form18 = 18, // temperature sensor number
    Form20 = 20, // channel-name table (never shown)
    Form22 = 22, // channel-name table (never shown)
    Form23 = 23, // water-spray basic conditions
    Form24 = 24, // continuous mode
    // Windows of our own beside the system's: not in the closing order.
    Monitor = 100, // frame monitor "通信モニター"
    Report = 101,  // month report "月報"
};

// What a window is made with. The shared values, the port and the window set outlive
// every window.
struct WindowServices {
    AppState &state;
    SerialLink &link;
    WindowSet &windows;
    QWidget *mainWindow = nullptr; // parent of the secondary windows
    ReplyRoutes *routes = nullptr; // where each window registers its reply steps
};

class WindowSet {
public:
    using Factory = std::function<QWidget *()>;

    WindowSet() = default;
    WindowSet(const WindowSet &) = delete;
    WindowSet &operator=(const WindowSet &) = delete;
    ~WindowSet() { deleteAll(); }

    // A window becomes available once its factory is registered.
    void registerWindow(WindowId id, Factory factory);
    bool isRegistered(WindowId id) const { return m_factories.contains(id); }
    std::vector<WindowId> registered() const;

    // The window if it exists (open or hidden), else nullptr.
    QWidget *existing(WindowId id) const;
    // The window, created hidden when it does not exist yet; nullptr when not registered.
    QWidget *get(WindowId id);
    template <class T> T *get(WindowId id) { return qobject_cast<T *>(get(id)); }
    template <class T> T *existing(WindowId id) const { return qobject_cast<T *>(existing(id)); }

    // Shows the window modeless (creating it first) and raises it.
    QWidget *show(WindowId id);

    // Closes (unloads) one window: its own closing code runs; a window that accepts is
    // deleted, one that refuses stays as it is. True when it is gone (or never existed).
    bool unload(WindowId id);
    // Unloads every window of the closing order that exists. The water-spray basic
    // conditions window is not part of that order.
    void CloseSecondaryWindows();
    static const std::vector<WindowId> &closingOrder();

    // Deletes every window without asking (the program is ending).
    void deleteAll();

    static QString nameOf(WindowId id) { return QStringLiteral("Form%1").arg(int(id)); }

private:
    QHash<WindowId, Factory> m_factories;
    QHash<WindowId, QPointer<QWidget>> m_windows;
};
