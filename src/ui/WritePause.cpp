#include "WritePause.h"

#include "StatusBar.h"

WritePause::WritePause(StatusBar &bar, int panel, const QString &timerName, QObject *parent)
    : QObject(parent), m_bar(bar), m_panel(panel), m_timer(this)
{
    m_timer.setObjectName(timerName);
    m_timer.setSingleShot(true);
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &WritePause::clear);
}

void WritePause::start(const QString &writingText)
{
    m_held.reset();
    m_bar.setPanelText(m_panel, writingText);
    m_timer.start();
}

void WritePause::show(const QString &text)
{
    if (m_timer.isActive())
        m_held = text;
    else
        m_bar.setPanelText(m_panel, text);
}

void WritePause::clear()
{
    m_bar.setPanelText(m_panel, QString());
    if (m_held) {
        m_bar.setPanelText(m_panel, *m_held);
        m_held.reset();
    }
}
