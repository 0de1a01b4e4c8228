#pragma once
// Form1, the main window: a view of the shared values, the port, the window set and the
// download session, which the program owns; shows the selected unit's live state.
#include "common/AppState.h"
#include "link/SerialLink.h"
#include "ui/WindowSet.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class ClickableLabel;
class DownloadFront;
class DownloadSession;
class ReplyRoutes;
class QAction;
class QCalendarWidget;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QTimer;
class QToolBar;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState &state, SerialLink &link, WindowSet &windows, DownloadSession &downloads);
    ~MainWindow() override;

    // The replies the main window shows: unit selection and execution, the unit settings
    // progress, the monitoring and clock replies, the link label of "E" and "D".
    // (The request for the second half of the time bands after "C" is the wiring's.)
    void addReplySteps(ReplyRoutes &routes);

    // The load steps, in their order. today/now stand for the PC clock.
    void startUp(const QDateTime &now);

    AppState &state() { return m_state; }
    SerialLink &link() { return m_link; }
    WindowSet &windows() { return m_windows; }
    DownloadSession &downloads() { return m_downloads; }
    DownloadFront &downloadFront() { return *m_downloadFront; }

    // A word on the line beside the system's own texts (the port vanished, it is back), in
    // a status bar of its own that appears with the first of them.
    void showLineNotice(const QString &text);

    // Ends the program (the window set goes, the port is released). Replaceable by tests.
    std::function<void()> endProgram;

    // Unit context
    void selectUnitKind(int index); // List1
    void selectUnitId(int entry);   // Combo1
    // The common opening steps of the menus and the toolbar.
    void CloseSecondaryWindows();
    void toolbarButton(int index); // 1..6
    void calendarClicked(const QDate &date);
    void selectDateMode(const QString &mode); // "1" start, "2" end

    void ShowMonitoringReply(const QByteArray &reply);
    // Label10 (group number) and Label5 (group name) for GroupNo.
    void showGroupLabels();
    void showGroupName(); // Label5 alone
    // Reloads the group's channel names and shows the name of UnitChNo in Label6.
    void showChannelName();
    void ShowClockReply(const QByteArray &reply);

    // Controls, by their names.
    QToolBar *Toolbar1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr,
           *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr,
           *Label16 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label21 = nullptr;
    QComboBox *Combo1 = nullptr;
    QListWidget *List1 = nullptr;
    QCalendarWidget *MonthView1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr, *Timer2 = nullptr, *Timer3 = nullptr;
    // Menu and toolbar actions by control name or key.
    QAction *action(const QString &name) const { return m_actions.value(name); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildToolbar();
    void menuEntry(const QString &name);
    void menuEnd();
    void menuClearGroup();
    void createWorkingDirectories();
    void restartNoReplyWatchdog();
    void pollTick();
    QString dateLabelText(const DateText &date) const;

    void showLinkBusy(); // "E" and "D": " 通信中" unless a range download runs

    AppState &m_state;
    SerialLink &m_link;
    WindowSet &m_windows;
    DownloadSession &m_downloads;
    DownloadFront *m_downloadFront = nullptr;
    QHash<QString, QAction *> m_actions;
    ClickableLabel *m_startLabels[2] = {};
    ClickableLabel *m_endLabels[2] = {};
    bool m_ending = false;
};
