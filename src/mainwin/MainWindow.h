#pragma once
// Form1, the main window: owns the port, the shared values, the window set and the
// download chain; shows the selected unit's live state.
#include "WindowSet.h"
#include "common/AppState.h"
#include "link/ReplyHandlers.h"
#include "link/SerialLink.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class ClickableLabel;
class DownloadController;
class QAction;
class QCalendarWidget;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QTimer;
class QToolBar;

class MainWindow : public QMainWindow, public ReplyHandlers {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The load steps, in their order. today/now stand for the PC clock.
    void startUp(const QDateTime &now);

    AppState &state() { return m_state; }
    SerialLink &link() { return m_link; }
    WindowSet &windows() { return m_windows; }
    DownloadController &downloads() { return *m_downloads; }

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

    // Reply handlers owned by the main window.
    void onID(const QByteArray &reply) override;
    void onEX(const QByteArray &reply) override;
    void onKK(const QByteArray &reply) override;
    void onKS(const QByteArray &reply) override;
    void onKM(const QByteArray &reply) override;
    void onKE(const QByteArray &reply) override;
    void onE(const QByteArray &reply) override;
    void onD(const QByteArray &reply) override;
    void onQ(const QByteArray &reply) override;
    void onC(const QByteArray &reply) override;
    void onA(const QByteArray &reply) override;
    void onY(const QByteArray &reply) override;
    void onM(const QByteArray &reply) override;
    void onO(const QByteArray &reply) override;

    void ShowMonitoringReply(const QByteArray &reply);
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
    void createWorkingDirectories();
    void restoreGroup();
    void restartNoReplyWatchdog();
    void pollTick();
    QString dateLabelText(const DateText &date) const;

    AppState m_state;
    SerialLink m_link;
    WindowSet m_windows;
    std::unique_ptr<DownloadController> m_downloads;
    QHash<QString, QAction *> m_actions;
    ClickableLabel *m_startLabels[2] = {};
    ClickableLabel *m_endLabels[2] = {};
    bool m_ending = false;
};
