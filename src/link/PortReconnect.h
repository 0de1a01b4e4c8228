#pragma once
// Reconnecting by itself: after the port vanished (closed by its error), the device is
// looked for once a second and, once it is back, opened again with the port number and
// settings in force. A port closed on purpose is left closed.
#include <QObject>
#include <QTimer>

class SerialLink;

class PortReconnect : public QObject {
    Q_OBJECT
public:
    explicit PortReconnect(SerialLink &link, QObject *parent = nullptr);

    bool isWaiting() const { return m_timer.isActive(); }
    // Looks for the device once a second while waiting.
    QTimer &timer() { return m_timer; }

    // What the user is told.
    static QString waitingText();     // "回線切断 - 再接続待ち"
    static QString reconnectedText(); // "再接続しました"

signals:
    void waiting();     // the port vanished
    void reconnected(); // it is open again

private:
    void look();

    SerialLink &m_link;
    QTimer m_timer;
};
