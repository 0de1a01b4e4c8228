#include "MainWindow.h"

#include "DownloadFront.h"
#include "UnitKinds.h"
#include "common/DriveMap.h"
#include "common/TextFile.h"
#include "common/Vb.h"
#include "link/PortAccess.h"
#include "link/PortSettings.h"
#include "link/PortSettingsDialog.h"
#include "logstore/DownloadSession.h"
#include "logstore/StorePaths.h"
#include "registry/ChannelNames.h"
#include "registry/GroupAssign.h"
#include "registry/GroupNames.h"
#include "ui/ClickableLabel.h"
#include "ui/Prompt.h"
#include "ui/Twips.h"
#include "ui/UnitIdList.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
const QColor SelectedDateColour(255, 128, 128);
const QColor OtherDateColour(128, 255, 128);

void setBackColour(QLabel *label, const QColor &colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
    label->setAutoFillBackground(true);
}

template <class Label>
Label *placedLabel(QWidget *parent, const char *name, const QString &caption, int l, int t, int w, int h)
{
    auto *label = new Label(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    placeTwips(label, l, t, w, h);
    return label;
}

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
} // namespace

MainWindow::MainWindow(AppState &state, SerialLink &link, WindowSet &windows, DownloadSession &downloads)
    : m_state(state), m_link(link), m_windows(windows), m_downloads(downloads)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("子機専用 ﾃﾞｰﾀ ﾀﾞｳﾝﾛｰﾄﾞ & 設定 for WinXP(& Qspr)"));
    endProgram = [] { QApplication::quit(); };

    buildControls();
    buildMenus();
    buildToolbar();

    Timer1 = &m_downloads.watchdog(); // the download session's; 3000 ms whenever it runs
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(15000);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(3000);
    connect(Timer2, &QTimer::timeout, this, [this] { Label21->setText(QStringLiteral("子機未接続")); });
    connect(Timer3, &QTimer::timeout, this, &MainWindow::pollTick);

    DownloadControls controls;
    controls.Label1 = Label1;
    controls.Label9 = Label9;
    controls.Label19 = Label19;
    controls.Label21 = Label21;
    controls.ProgressBar1 = ProgressBar1;
    controls.Timer2 = Timer2;
    controls.dialogParent = this;
    m_downloadFront = new DownloadFront(m_downloads, controls, this);
    m_downloadFront->reloadChannelNames = [this] { showChannelName(); };
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    central->setFixedSize(twipsToPixels(6900), twipsToPixels(6800));
    setCentralWidget(central);

    auto label = [central](auto... a) { return placedLabel<QLabel>(central, a...); };
    auto clickable = [central](auto... a) { return placedLabel<ClickableLabel>(central, a...); };

    Label10 = label("Label10", QString(), 60, 720, 2175, 375);
    Label5 = label("Label5", QString(), 2280, 720, 1740, 375);
    Label6 = label("Label6", QStringLiteral("　"), 4080, 720, 2295, 375);
    Label14 = label("Label14", QStringLiteral("子機ＩＤ番号(2M,4M)"), 120, 1200, 2175, 375);
    Label13 = label("Label13", QStringLiteral("Ver_No. ： **"), 2280, 1200, 2055, 315);
    Label16 = label("Label16", QStringLiteral("　現在温度"), 4320, 1200, 1815, 255);
    Label9 = label("Label9", QStringLiteral("CH番号 : 01"), 2280, 1560, 2055, 405);
    Label15 = label("Label15", QStringLiteral("00.0_℃"), 4560, 1560, 1815, 375);
    Label4 = label("Label4", QStringLiteral("機種別設定"), 4320, 2040, 1695, 255);
    Label2 = label("Label2", QStringLiteral(" 現在電流値"), 4080, 3120, 2055, 255);
    Label3 = label("Label3", QStringLiteral(" 000.00_A"), 4200, 3405, 2475, 405);
    Label8 = label("Label8", QString(), 4200, 3840, 2475, 375);
    Label11 = clickable("Label11", QStringLiteral("開始 年/月/日"), 4200, 4320, 2475, 375);
    Label1 = clickable("Label1", QStringLiteral("００年００月００日"), 4200, 4680, 2475, 390);
    Label12 = clickable("Label12", QStringLiteral("終了 年/月/日"), 4200, 5160, 2475, 375);
    Label7 = clickable("Label7", QStringLiteral("００年００月００日"), 4200, 5520, 2475, 390);
    Label18 = label("Label18", QStringLiteral("00年00月00日00時00分"), 40, 6315, 2480, 375);
    Label19 = label("Label19", QString(), 2565, 6315, 2250, 375);
    Label21 = label("Label21", QString(), 4875, 6315, 1725, 375);

    QFont big = Label3->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    Label3->setFont(big);
    Label15->setFont(big);
    for (QLabel *frame : {Label1, Label7, Label3, Label15, Label8, Label18, Label19, Label21})
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    for (QLabel *centred : {Label1, Label7, Label11, Label12, Label3, Label15, Label8})
        centred->setAlignment(Qt::AlignCenter);

    m_startLabels[0] = static_cast<ClickableLabel *>(Label1);
    m_startLabels[1] = static_cast<ClickableLabel *>(Label11);
    m_endLabels[0] = static_cast<ClickableLabel *>(Label7);
    m_endLabels[1] = static_cast<ClickableLabel *>(Label12);
    for (ClickableLabel *l : m_startLabels)
        connect(l, &ClickableLabel::clicked, this, [this] { selectDateMode(QStringLiteral("1")); });
    for (ClickableLabel *l : m_endLabels)
        connect(l, &ClickableLabel::clicked, this, [this] { selectDateMode(QStringLiteral("2")); });

    Combo1 = new QComboBox(central);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    placeTwips(Combo1, 50, 1560, 2150, 360);
    SetUpUnitIdCombo(Combo1, QStringLiteral(" ＩＤ_Ｎｏ ： ＊＊"));
    connect(Combo1, qOverload<int>(&QComboBox::activated), this, &MainWindow::selectUnitId);

    List1 = new QListWidget(central);
    List1->setObjectName(QStringLiteral("List1"));
    placeTwips(List1, 4200, 2400, 2535, 540);
    for (const UnitKind &kind : UnitKinds)
        List1->addItem(QString::fromUtf8(kind.item));
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            selectUnitKind(row);
    });

    MonthView1 = new QCalendarWidget(central);
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView1->setLocale(QLocale(QLocale::Japanese, QLocale::Japan)); // as on the users' systems
    placeTwips(MonthView1, 20, 1970, 3660, 4020);
    connect(MonthView1, &QCalendarWidget::clicked, this, &MainWindow::calendarClicked);

    ProgressBar1 = new QProgressBar(central);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    placeTwips(ProgressBar1, 120, 6000, 6255, 300);
}

QString MainWindow::dateLabelText(const DateText &d) const
{
    return d.yy + QStringLiteral("年") + d.mm + QStringLiteral("月") + d.dd + QStringLiteral("日");
}

void MainWindow::startUp(const QDateTime &now)
{
    // 1. Placement.
    moveTwips(this, 2000, 2600);

    // 2. Shared values from the PC clock.
    m_state.SlotLabels = MakeSlotLabels();
    const QDate today = now.date();
    m_state.PickedDate = {two(today.year() % 100), two(today.month()), two(today.day())};
    UnitClockText &clock = m_state.UnitClock;
    clock.yy = m_state.PickedDate.yy;
    clock.mm = m_state.PickedDate.mm;
    clock.dd = m_state.PickedDate.dd;
    clock.hh = two(now.time().hour());
    clock.mi = two(now.time().minute());
    clock.ss = two(now.time().second());
    clock.weekdayDigit = QStringLiteral("0");
    clock.weekdayName = QStringLiteral("日");

    // 3. Date and time labels.
    const QString dateText = dateLabelText(m_state.PickedDate);
    Label18->setText(dateText);
    Label1->setText(dateText);
    Label7->setText(dateText);
    Label18->setText(dateText + clock.hh + QStringLiteral("時") + clock.mi + QStringLiteral("分"));

    // 4. Range, unit and page values.
    m_state.StartDate = m_state.PickedDate;
    m_state.EndDate = m_state.PickedDate;
    m_state.SelectedUnitId = QStringLiteral("01");
    m_state.UnitChNo = QStringLiteral("01");
    m_state.SprayNo = QStringLiteral("01");
    m_state.ChNamePage = QStringLiteral("01");
    m_state.StartDateFlag = QStringLiteral("0");

    // 5. The port, with the port settings window created hidden to show what is in force.
    const PortSettingsInForce inForce = ApplyPortSettings(m_link, m_state);
    if (auto *form2 = m_windows.get<PortSettingsDialog>(WindowId::Form2))
        form2->showInForce(inForce);
    // A port refused for lack of access says how to get it, on the status line: a box
    // before the window would stop a start that may not need the line at all.
    if (!m_link.isOpen() && !m_link.groupToJoin().isEmpty())
        showLineNotice(joinGroupNotice(m_link.deviceFor(m_link.portNumber()), m_link.groupToJoin()));

    // 6.
    Timer3->stop();
    m_state.GroupIndex = 1;
    m_state.UnitTypeCode = QStringLiteral("A");
    m_state.DateMode = QStringLiteral("1");

    // 7. The start date is the one the next click sets.
    selectDateMode(QStringLiteral("1"));

    // 8.
    m_state.UnitKindIndex = 0;
    m_state.GroupNo = QStringLiteral("01");
    m_state.GroupDir = QStringLiteral("C:\\GRP01");

    // 9. The stored group, then the names: the group name and the channel name follow it.
    Label10->setText(GroupAssign::restore(m_state));
    showGroupName();
    showChannelName();

    // 10.
    m_state.Download.DayDownload = 0;
    m_state.DateMode = QStringLiteral("1");

    // 11.
    MonthView1->setSelectedDate(today);

    // 12.
    createWorkingDirectories();

    // 13. The standard unit kind.
    if (List1->currentRow() == 0)
        selectUnitKind(0);
    else
        List1->setCurrentRow(0);

    Timer2->start();
}

void MainWindow::showGroupLabels()
{
    Label10->setText(GroupAssign::groupLabelText(m_state.GroupNo));
    showGroupName();
}

void MainWindow::showGroupName()
{
    Label5->setText(GroupNames::nameLabelText(GroupNames::load(), m_state.GroupNo));
    Label5->setToolTip(Label5->text()); // a long name is cut by the label's width
}

void MainWindow::showChannelName()
{
    ChannelNames::load(m_state);
    Label6->setText(ChannelNames::nameLabelText(m_state, m_state.UnitChNo));
    Label6->setToolTip(Label6->text());
}

void MainWindow::createWorkingDirectories()
{
    const QString yy = m_state.PickedDate.yy;
    const QString group = m_state.GroupDir;
    const QStringList folders{
        QStringLiteral("C:\\ZRLOG"),
        QStringLiteral("C:\\ZRLOG\\TEMP"),
        QStringLiteral("C:\\ZRLOG\\CONTORL"),
        QStringLiteral("C:\\ZRLOG\\CONTROL\\ID_01"),
        QStringLiteral("C:\\ZRLOG\\COM"),
        group,
        group + QStringLiteral("\\CHNAME"),
        group + QStringLiteral("\\ZR1"),
        group + QStringLiteral("\\ZR1\\Y20") + yy,
        group + QStringLiteral("\\ZR1\\Y20") + yy + QStringLiteral("\\DAY"),
        group + QStringLiteral("\\ZR3"),
        group + QStringLiteral("\\ZR3\\Y20") + yy,
        group + QStringLiteral("\\ZR3\\Y20") + yy + QStringLiteral("\\DAY"),
    };
    QStringList failed;
    for (const QString &folder : folders)
        if (!DriveMap::ensureDir(folder))
            failed << folder;
    if (failed.isEmpty())
        return;
    // The program stays usable without them; the user learns once which ones are missing.
    Prompt::Message m;
    m.text = QStringLiteral("次の作業フォルダを作成できません。\n") + failed.join(QLatin1Char('\n'));
    m.title = QStringLiteral("作業フォルダの作成");
    m.buttons = Prompt::Buttons::Ok;
    m.icon = Prompt::Icon::Warning;
    Prompt::ask(m, this);
}

void MainWindow::selectDateMode(const QString &mode)
{
    m_state.DateMode = mode;
    const bool start = mode == QLatin1String("1");
    for (ClickableLabel *l : m_startLabels)
        setBackColour(l, start ? SelectedDateColour : OtherDateColour);
    for (ClickableLabel *l : m_endLabels)
        setBackColour(l, start ? OtherDateColour : SelectedDateColour);
}

void MainWindow::calendarClicked(const QDate &date)
{
    CloseSecondaryWindows();
    // The date comes from the calendar itself, whatever the locale's date format.
    m_state.PickedDate = {two(date.year() % 100), two(date.month()), two(date.day())};
    const QString text = dateLabelText(m_state.PickedDate);
    if (m_state.DateMode == QLatin1String("2")) {
        Label7->setText(text);
        m_state.EndDate = m_state.PickedDate;
    } else {
        Label1->setText(text);
        m_state.StartDate = m_state.PickedDate;
    }
    EnsureCalendarFolders(m_state, date);
    ProgressBar1->setValue(1);
}

void MainWindow::selectUnitKind(int index)
{
    if (index < 0 || index >= int(UnitKinds.size()))
        return;
    const UnitKind &kind = UnitKinds[size_t(index)];
    m_state.UnitKindIndex = index;
    m_state.UnitTypeCode = QString::fromLatin1(kind.typeCode);
    Label2->setText(QString::fromUtf8(kind.title));
    Timer3->stop();
    if (kind.polled) {
        Timer3->setInterval(10000);
        Timer3->start();
    }
}

void MainWindow::showLineNotice(const QString &text)
{
    statusBar()->setObjectName(QStringLiteral("LineNotice"));
    statusBar()->showMessage(text);
}

void MainWindow::selectUnitId(int entry)
{
    if (entry < 0)
        return;
    m_state.SelectedUnitId = UnitIdForEntry(entry);
    if (!m_link.isOpen())
        return;
    m_link.SendFrame("ID" + m_state.SelectedUnitId.toLatin1() + "ID");
    Label19->setText(QStringLiteral("ID ﾃﾞｰﾀ設定中"));
}

void MainWindow::pollTick()
{
    if (m_link.isOpen())
        m_link.SendFrame("E101RS01ID");
}

void MainWindow::restartNoReplyWatchdog()
{
    Timer2->stop();
    Timer2->setInterval(25000);
    Timer2->start();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_ending) {
        Prompt::Message m;
        m.text = QStringLiteral("ソフトウェアを終了します。よろしいですか？");
        m.title = QStringLiteral("TORVA_設定ソフト");
        m.buttons = Prompt::Buttons::YesNo;
        m.icon = Prompt::Icon::None;
        m.defaultButton = Prompt::Answer::No;
        if (Prompt::ask(m, this) != Prompt::Answer::Yes) {
            event->ignore();
            return;
        }
    }
    m_ending = true;
    m_windows.CloseSecondaryWindows();
    if (QWidget *w = m_windows.existing(WindowId::Form23))
        w->close();
    m_link.close();
    event->accept();
    endProgram();
}

void MainWindow::menuEnd()
{
    Prompt::Message m;
    m.text = QStringLiteral("ﾌﾟﾛｸﾞﾗﾑを終了します");
    m.title = QStringLiteral("ﾌﾟﾛｸﾞﾗﾑの終了");
    m.buttons = Prompt::Buttons::OkCancel;
    m.icon = Prompt::Icon::Exclamation;
    m.defaultButton = Prompt::Answer::Cancel;
    if (Prompt::ask(m, this) != Prompt::Answer::Ok)
        return;
    m_ending = true;
    close();
}
