#include "StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(int panels, QWidget *parent) : QStatusBar(parent)
{
    for (int i = 1; i <= panels; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(label, 1);
        m_panels << label;
    }
}

QString StatusBar::panelText(int panel) const
{
    if (panel < 1 || panel > m_panels.size())
        return QString();
    return m_panels[panel - 1]->text();
}

void StatusBar::setPanelText(int panel, const QString &text)
{
    if (panel >= 1 && panel <= m_panels.size())
        m_panels[panel - 1]->setText(text);
}
