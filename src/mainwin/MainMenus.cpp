// The main window's menu tree and toolbar, and the common steps before a window opens.
#include "MainWindow.h"

#include "ui/Prompt.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"
#include "link/PortSettingsDialog.h"
#include "DownloadFront.h"
#include "logstore/GroupClear.h"
#include "report/MonthReportDialog.h"
#include "viewers/LogFiles.h"
#include "viewers/PrintSetup.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QToolBar>
#include <optional>

namespace {

struct MenuItem {
    const char *name;    // control name
    const char *caption; // nullptr: a separator
};

struct MenuBarEntry {
    const char *name;
    const char *caption;
    std::vector<MenuItem> items; // empty: a command directly on the bar
};

const std::vector<MenuBarEntry> &menuTree()
{
    static const std::vector<MenuBarEntry> tree{
        {"mnuFile",
         "ﾌｧｲﾙ",
         {{"sep1", nullptr},
          {"mnuPrinter", "印刷設定"},
          {"sprReport", nullptr},
          {"mnuReport", "月報"},
          {"SEP7", nullptr},
          {"mnuEnd", "終了"}}},
        {"mnuREG", "登録", {{"mnuCH_name", "ＣＨ名登録"}, {"sprREd", nullptr}, {"mnuGrp", "ｸﾞﾙｰﾌﾟ名登録"}}},
        {"mnuCont1", "季節別制御条件", {}},
        {"mnuSeason", "季節帯条件", {}},
        {"mnuZone", "時間帯条件", {}},
        {"mnuMente",
         "ﾒﾝﾃﾅﾝｽ",
         {{"mnuGroup_Set", "ｸﾞﾙｰﾌﾟ 設定"},
          {"sp9", nullptr},
          {"mnuDel_Group", "ｸﾞﾙｰﾌﾟ の消去"},
          {"sp10", nullptr},
          {"mnuRenzoku", "子機連続ﾓｰﾄﾞ設定"},
          {"sprrenzk", nullptr},
          {"mnuKoki_Set", "子機各種設定"},
          {"spr_Temp1", nullptr},
          {"mnuTemp_Range", "温度範囲設定"},
          {"spr_Temp2", nullptr},
          {"mnuTemp_CH", "温度センサー番号 設定"},
          {"sprMonitor", nullptr},
          {"mnuMonitor", "通信モニター"}}},
    };
    return tree;
}

// What a menu entry does after CloseSecondaryWindows and ProgressBar1 = 1.
struct Opening {
    const char *name;
    WindowId window;
    const char *status;      // Label19; nullptr leaves it unchanged
    const char *sprayStatus; // Label19 for a water-spray unit
    const char *panel;       // panel 2 of the opened window; nullptr: none
    const char *sprayPanel;
};

const std::vector<Opening> &openings()
{
    static const std::vector<Opening> table{
        {"mnuCH_name", WindowId::Form14, "ＣＨ名の登録", "ＣＨ名の登録", nullptr, nullptr},
        {"mnuGrp", WindowId::Form9, "ｸﾞﾙｰﾌﾟ名の登録", "ｸﾞﾙｰﾌﾟ名の登録", nullptr, nullptr},
        {"mnuCont1", WindowId::Form5, "制御率設定", "水噴射 制御率設定", " 制御率設定", " 水噴射 制御率設定"},
        {"mnuSeason", WindowId::Form6, "季節帯設定", "水噴射 季節帯設定", " 季節帯設定",
         " 水噴射 季節帯設定"},
        {"mnuZone", WindowId::Form7, "時間帯設定", "水噴射 時間帯設定", " 時間帯設定", " 水噴射 時間帯設定"},
        {"mnuGroup_Set", WindowId::Form12, nullptr, nullptr, nullptr, nullptr},
        {"mnuRenzoku", WindowId::Form24, "子機連続ﾓｰﾄﾞの設定", "子機連続ﾓｰﾄﾞの設定", nullptr, nullptr},
        {"mnuKoki_Set", WindowId::Form16, "子機各種設定変更", "子機各種設定変更", nullptr, nullptr},
        {"mnuTemp_Range", WindowId::Form17, "温度制御範囲設定", "温度制御範囲設定", nullptr, nullptr},
        {"mnuTemp_CH", WindowId::Form18, "温度ｾﾝｻｰ番号設定", "温度ｾﾝｻｰ番号設定", nullptr, nullptr},
    };
    return table;
}

struct ToolButton {
    const char *caption;
    const char *key;
    const char *toolTip;
    QChar glyph; // drawn into the button's image
    QColor colour;
};

const std::array<ToolButton, 6> &toolButtons()
{
    static const std::array<ToolButton, 6> buttons{{
        {"通信環境", "環境", "COM ﾎﾟｰﾄの設定", QChar(0x21C4), QColor(70, 110, 180)},
        {"月ﾃﾞｰﾀ取得", "mnuMnth_Log", "月ﾀﾞｳﾝﾛｰﾄﾞの開始", QChar(0x6708), QColor(40, 140, 80)},
        {"月ﾃﾞｰﾀ表示", "mnuLOGT", "月ﾀﾞｳﾝﾛｰﾄﾞﾃﾞｰﾀの表示", QChar(0x6708), QColor(200, 130, 30)},
        {"日ﾃﾞｰﾀ取得 ", "mnuDay_Log", "一日月ﾀﾞｳﾝﾛｰﾄﾞの開始", QChar(0x65E5), QColor(40, 140, 80)},
        {"日ﾃﾞｰﾀ表示", "mnuFinish_Date", "一日ﾀﾞｳﾝﾛｰﾄﾞﾃﾞｰﾀの表示", QChar(0x65E5), QColor(200, 130, 30)},
        {"基本条件", "mnuBase_cont", nullptr, QChar(0x8A2D), QColor(150, 70, 150)},
    }};
    return buttons;
}

// ImageList1: small images of our own, a glyph on a coloured tile.
QIcon toolImage(const ToolButton &b)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(b.colour);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont f = p.font();
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(b.glyph));
    return QIcon(pm);
}

// A button without a tool tip: Qt would show its caption instead.
class NoToolTip : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::ToolTip; }
};

void setOpenedPanel(QWidget *window, const char *text)
{
    if (!window || !text)
        return;
    if (auto *bar = window->findChild<StatusBar *>(QStringLiteral("StatusBar1")))
        bar->setPanelText(2, QString::fromUtf8(text));
}

} // namespace

void MainWindow::buildMenus()
{
    for (const MenuBarEntry &entry : menuTree()) {
        const QString caption = QString::fromUtf8(entry.caption);
        if (entry.items.empty()) {
            QAction *a = menuBar()->addAction(caption);
            a->setObjectName(QString::fromLatin1(entry.name));
            m_actions.insert(a->objectName(), a);
            connect(a, &QAction::triggered, this, [this, name = a->objectName()] { menuEntry(name); });
            continue;
        }
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(entry.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(entry.name));
        m_actions.insert(menu->objectName(), menu->menuAction());
        for (const MenuItem &item : entry.items) {
            QAction *a =
                item.caption ? menu->addAction(QString::fromUtf8(item.caption)) : menu->addSeparator();
            a->setObjectName(QString::fromLatin1(item.name));
            m_actions.insert(a->objectName(), a);
            if (item.caption)
                connect(a, &QAction::triggered, this, [this, name = a->objectName()] { menuEntry(name); });
        }
    }
}

void MainWindow::buildToolbar()
{
    Toolbar1 = new QToolBar(centralWidget());
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setMovable(false);
    Toolbar1->setGeometry(twipsRect(0, 0, 6825, 615));
    int index = 0;
    for (const ToolButton &b : toolButtons()) {
        QAction *a = Toolbar1->addAction(toolImage(b), QString::fromUtf8(b.caption));
        a->setObjectName(QString::fromUtf8(b.key));
        if (b.toolTip)
            a->setToolTip(QString::fromUtf8(b.toolTip));
        else
            Toolbar1->widgetForAction(a)->installEventFilter(new NoToolTip(a));
        m_actions.insert(a->objectName(), a);
        connect(a, &QAction::triggered, this, [this, i = ++index] { toolbarButton(i); });
    }
}

void MainWindow::CloseSecondaryWindows()
{
    m_windows.CloseSecondaryWindows();
}

void MainWindow::menuEntry(const QString &name)
{
    if (name == QLatin1String("mnuEnd"))
        return menuEnd();
    if (name == QLatin1String("mnuDel_Group"))
        return menuClearGroup();
    if (name == QLatin1String("mnuMonitor")) {
        // Watched beside the dialogs: nothing is closed for it.
        m_windows.show(WindowId::Monitor);
        return;
    }
    if (name == QLatin1String("mnuReport")) {
        // Beside the dialogs, as the frame monitor: nothing is closed for it.
        if (auto *report = m_windows.get<MonthReportDialog>(WindowId::Report); report && !report->isVisible())
            report->prepareToShow();
        m_windows.show(WindowId::Report);
        return;
    }
    if (name == QLatin1String("mnuPrinter")) {
        CloseSecondaryWindows();
        ProgressBar1->setValue(1);
        PrintSetup::run(this);
        return;
    }
    for (const Opening &o : openings()) {
        if (name != QLatin1String(o.name))
            continue;
        const bool spray = m_state.UnitTypeCode == QLatin1String("WJ");
        CloseSecondaryWindows();
        ProgressBar1->setValue(1);
        if (const char *status = spray ? o.sprayStatus : o.status)
            Label19->setText(QString::fromUtf8(status));
        // A window opens once it is part of the program; until then the steps above are all.
        if (m_windows.isRegistered(o.window)) {
            QWidget *w = m_windows.get(o.window);
            setOpenedPanel(w, spray ? o.sprayPanel : o.panel);
            m_windows.show(o.window);
        }
        return;
    }
}

void MainWindow::menuClearGroup()
{
    ProgressBar1->setValue(1);
    const Prompt::Message question{GroupClearQuestionText(m_state), GroupClearQuestionTitle(),
                                   Prompt::Buttons::OkCancel, Prompt::Icon::Warning, Prompt::Answer::Cancel};
    if (Prompt::ask(question, this) == Prompt::Answer::Ok)
        ClearGroupYear(m_state);
}

void MainWindow::toolbarButton(int index)
{
    CloseSecondaryWindows();
    switch (index) {
    case 1:
        ProgressBar1->setValue(1);
        if (QWidget *w = m_windows.get(WindowId::Form2)) {
            static_cast<PortSettingsDialog *>(w)->prepareToShow();
            m_windows.show(WindowId::Form2);
        }
        break;
    case 2:
        m_downloadFront->startMonth();
        break;
    case 3:
    case 5:
        ProgressBar1->setValue(1);
        LogFiles::openStoredLog(m_state, m_windows, index == 3 ? LogView::View::Monthly : LogView::View::Daily,
                                this);
        break;
    case 4:
        m_downloadFront->startDay();
        break;
    case 6: {
        ProgressBar1->setValue(1);
        Label19->setText(QStringLiteral("制御基本条件設定"));
        const WindowId id = m_state.UnitTypeCode == QLatin1String("WJ") ? WindowId::Form23 : WindowId::Form10;
        if (m_windows.isRegistered(id)) {
            setOpenedPanel(m_windows.get(id), " 制御基本条件設定");
            m_windows.show(id);
        }
        break;
    }
    default:
        break;
    }
}
