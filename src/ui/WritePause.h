#pragma once
// The moment after a settings window sends a write: its status panel shows the writing
// text, is cleared a short while later, and an acknowledgement from the unit that arrives
// meanwhile is shown after the clear, never wiped by it. The window stays alive throughout.
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class StatusBar;

class WritePause : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 300;

    // The timer is a child named objectName (tests make it fire instead of waiting).
    WritePause(StatusBar &bar, int panel, const QString &timerName, QObject *parent);

    // Shows the text on the panel; the clear follows after IntervalMs.
    void start(const QString &writingText);
    // Shows the text now, or right after the pending clear.
    void show(const QString &text);
    bool isPending() const { return m_timer.isActive(); }
    QTimer &timer() { return m_timer; }

private:
    void clear();

    StatusBar &m_bar;
    int m_panel;
    QTimer m_timer;
    std::optional<QString> m_held;
};
