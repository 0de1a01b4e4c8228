#pragma once
// A status bar with numbered text panels (panels count from 1), as every dialog has.
#include <QStatusBar>
#include <QVector>

class QLabel;

class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(int panels = 2, QWidget *parent = nullptr);
    Q_INVOKABLE QString panelText(int panel) const;
    Q_INVOKABLE void setPanelText(int panel, const QString &text);

private:
    QVector<QLabel *> m_panels;
};
