#pragma once
// Form12 "子機ｸﾞﾙｰﾌﾟ設定": picks the data group the system works on.
#include "MainLabels.h"

#include <QWidget>

struct AppState;
struct WindowServices;
class QLabel;
class QListWidget;
class QPushButton;

class GroupAssignDialog : public QWidget {
    Q_OBJECT
public:
    GroupAssignDialog(AppState &state, MainLabels main, QWidget *parent = nullptr);
    static void wire(const WindowServices &services, const MainLabels &main);

    QLabel *Label1 = nullptr;        // "ｸﾞﾙｰﾌﾟ番号"
    QPushButton *Command1 = nullptr; // "設定": asks, sets the group, closes
    QListWidget *List1 = nullptr;    // "ＧＲＰ＿０１" .. "ＧＲＰ＿５０"

    void Command1_Click();

private:
    AppState &m_state;
    MainLabels m_main;
};
