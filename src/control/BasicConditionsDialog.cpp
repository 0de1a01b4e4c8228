#include "BasicConditionsDialog.h"

#include "RateCells.h"
#include "SettingsFiles.h"
#include "common/AppState.h"
#include "link/LiveDisplay.h"
#include "ui/Grid.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"
#include "ui/WritePause.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int RateRows = 5;
const QString BaseFile = QStringLiteral("BASE.TXT");
const QString RatesFile = QStringLiteral("CONT1.TXT");
const QString WeekFile = QStringLiteral("WEEK.TXT");

// Text1..Text7.
const TitledField titledFields[7] = {
    {"子機ＣＨ 番号 ：", "_CH", "01", 2, "制御子機個別認識番号の設定"},
    {"1_ｓｔ　START ：", "_秒", "0000", 4, "制御開始時間＿１の設定"},
    {"2_ｎｄ  START ：", "_秒", "0000", 4, "制御開始時間＿２の設定"},
    {"圧縮機保護時間 ：", "_秒", "180", 3, "圧縮機保護時間の設定"},
    {"デフロON ：", "_分", "20", 2, "デフロモード開始時間（分）の設定"},
    {"デフロOFF ：", "_分", "15", 2, "デフロモードからの復帰時間（分）の設定"},
    {"交互制御ﾓｰﾄﾞ ：", "", "0", 1, "交互制御モードの設定"},
};

const char *const toolCaptions[7] = {"",         "電流値調整", "ＤＳＰ設定", "時計設定",
                                     "ﾃﾞｰﾀ読取", "ﾃﾞｰﾀ書込",   "終了"};
} // namespace

BasicConditionsDialog::BasicConditionsDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form10, QStringLiteral("基本条件設定"))
{
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Toolbar1->setMovable(false);
    for (int i = 1; i <= 7; ++i) {
        QAction *a = Toolbar1->addAction(QString::fromUtf8(toolCaptions[i - 1]));
        a->setObjectName(QStringLiteral("Button%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { toolbarButton(i); });
    }

    QLabel *comboTitle = addLabel(QStringLiteral("Label15"), QStringLiteral("子機ＩＤ番号の選定"));
    addUnitSelector(SelectingShows::MainLabel | SelectingShows::OwnPanel);
    Label16 = addLabel(QStringLiteral("Label16"), QStringLiteral("GRP_01 ：  CH_01"));

    // Two columns of four rows: title, field, unit.
    auto *fieldGrid = new QGridLayout;
    fieldGrid->setHorizontalSpacing(6);
    const auto place = [&](int n, QLineEdit *field, const QString &title, const QString &unit) {
        const int row = (n - 1) / 2, column = (n - 1) % 2 * 3;
        fieldGrid->addWidget(addLabel(QStringLiteral("Title%1").arg(n), title), row, column, Qt::AlignRight);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        fieldGrid->addWidget(field, row, column + 1);
        fieldGrid->addWidget(addLabel(QStringLiteral("Unit%1").arg(n), unit), row, column + 2);
    };
    QLineEdit **texts[7] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7};
    for (int n = 1; n <= 7; ++n) {
        const TitledField &field = titledFields[n - 1];
        *texts[n - 1] = addDigitField(QStringLiteral("Text%1").arg(n), field.maxLength,
                                      QString::fromUtf8(field.text), QString::fromUtf8(field.hint));
        place(n, *texts[n - 1], QString::fromUtf8(field.title), QString::fromUtf8(field.unit));
    }
    Text8 = addDigitField(QStringLiteral("Text8"), 3, QStringLiteral("000"));
    place(8, Text8, QStringLiteral("制御ﾃﾞｰﾀ設定  ："), QStringLiteral("_秒"));
    fieldGrid->setColumnMinimumWidth(2, 48); // unit labels, and the gap between the columns
    fieldGrid->setColumnStretch(6, 1);

    MSFlexGrid1 = addGrid(
        QStringLiteral("MSFlexGrid1"), 6, {3120, 1520, 1520},
        {QStringLiteral("季節時間帯,曜日別"), QStringLiteral("第一回制御"), QStringLiteral("第二回制御")},
        {QStringLiteral("第一季節_第一時間帯"), QStringLiteral("第一季節_第二時間帯"),
         QStringLiteral("第一季節_第三時間帯"), QStringLiteral("第一季節_第四時間帯"),
         QStringLiteral("設定曜日制御率")});
    MSFlexGrid2 = addGrid(QStringLiteral("MSFlexGrid2"), 2, {1230, 716, 716, 716, 716, 716, 716, 716},
                          {QString(), QStringLiteral("日曜"), QStringLiteral("月曜"), QStringLiteral("火曜"),
                           QStringLiteral("水曜"), QStringLiteral("木曜"), QStringLiteral("金曜"),
                           QStringLiteral("土曜")},
                          {QStringLiteral("曜日設定")});

    Label14 = addLabel(QStringLiteral("Label14"), QStringLiteral("曜日制御設定"));
    Command1 = new QPushButton(QStringLiteral("設定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("解除"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Label20 = addLabel(QStringLiteral("Label20"), QStringLiteral("外部制御_%"));
    Label19 = addLabel(QStringLiteral("Label19"), QStringLiteral("00_% 00_%"));
    Label19->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label19->setAlignment(Qt::AlignCenter);
    Label19->setMinimumWidth(Label19->fontMetrics().horizontalAdvance(QStringLiteral("00_% 00_%")) + 16);

    // Layout: selector and group/channel, the fields, the rate grid, then the weekdays with
    // their buttons and the external control percentages.
    auto *selector = new QHBoxLayout;
    auto *selectorColumn = new QVBoxLayout;
    selectorColumn->addWidget(comboTitle);
    selectorColumn->addWidget(unitSelector());
    selector->addLayout(selectorColumn);
    selector->addSpacing(24);
    selector->addWidget(Label16, 0, Qt::AlignBottom);
    selector->addStretch(1);

    auto *weekButtons = new QVBoxLayout;
    weekButtons->addWidget(Command1);
    weekButtons->addWidget(Command2);
    auto *external = new QVBoxLayout;
    external->addWidget(Label20);
    external->addWidget(Label19);
    external->addStretch(1);
    auto *weekRow = new QHBoxLayout;
    weekRow->addWidget(MSFlexGrid2);
    weekRow->addLayout(weekButtons);
    weekRow->addSpacing(12);
    weekRow->addLayout(external);
    weekRow->addStretch(1);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 6);
    body->addLayout(selector);
    body->addSpacing(6);
    body->addLayout(fieldGrid);
    body->addSpacing(6);
    body->addWidget(MSFlexGrid1);
    body->addSpacing(6);
    body->addWidget(Label14);
    body->addLayout(weekRow);

    setBody(body, Toolbar1);

    // On load: placed, the fields and grids filled from the files.
    moveTwips(this, 2000, 3000);
    AppState &state = m_services.state;
    SettingsFiles::LoadBasicConditionFiles(state.BasicFieldTexts, *MSFlexGrid1, *MSFlexGrid2);
    for (int i = 0; i < 7; ++i)
        fields()[i]->setText(state.BasicFieldTexts[i]);

    MSFlexGrid1->setEntryBox(Text8);
    connect(Text8, &QLineEdit::textChanged, this,
            [this](const QString &t) { fillSelectedCells(*MSFlexGrid1, RateCells::cellFromEntry(t)); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { fillSelectedCells(*MSFlexGrid2, QStringLiteral("設定")); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { fillSelectedCells(*MSFlexGrid2, QStringLiteral("解除")); });
    // After the write pause both grids go home.
    connect(&writePause().timer(), &QTimer::timeout, this, [this] {
        MSFlexGrid1->setCurrentCell(1, 1);
        MSFlexGrid2->setCurrentCell(1, 1);
    });
}

void BasicConditionsDialog::wire(const WindowServices &s)
{
    constexpr WindowId id = WindowId::Form10;
    s.windows.registerWindow(id, [s] { return new BasicConditionsDialog(s); });
    s.routes->add(Reply::B, [&windows = s.windows, &state = s.state](const QByteArray &reply) {
        if (state.UnitTypeCode == QLatin1String("WJ"))
            return; // the water-spray basic window takes it
        if (auto *w = windows.get<BasicConditionsDialog>(id))
            w->showBlock(DecodeBasicReply(reply));
    });
    addStatusStep(s, id, Reply::WC, QStringLiteral(" 書込み完了"));
    addUnitSelectedStep(s, id);
    addStatusStep(s, id, Reply::EX, QStringLiteral(" 設定完了"));
    addMonitoredUnitIdStep(s, id);
    s.routes->add(Reply::Q, [&windows = s.windows, &state = s.state](const QByteArray &reply) {
        auto *w = windows.existing<BasicConditionsDialog>(id);
        if (w && !DecodeMonitoringReply(reply, state.UnitTypeCode).powerKind)
            w->Label16->setText(GroupChannelText(state.GroupNo, state.UnitChNo));
    });
}

void BasicConditionsDialog::toolbarButton(int index)
{
    switch (index) {
    case 2:
        openModal(WindowId::Form11, " 電流値 調整");
        break;
    case 3:
        openModal(WindowId::Form13, " ＤＳＰ 動作条件設定");
        break;
    case 4:
        openModal(WindowId::Form8, nullptr);
        break;
    case 5:
        read();
        break;
    case 6:
        write();
        break;
    case 7:
        close();
        break;
    default:
        break;
    }
}

void BasicConditionsDialog::openModal(WindowId id, const char *panelText)
{
    WindowSet &windows = m_services.windows;
    QWidget *w = windows.isRegistered(id) ? windows.get(id) : nullptr;
    if (panelText) {
        if (w) {
            if (auto *bar = w->findChild<StatusBar *>(QStringLiteral("StatusBar1")))
                bar->setPanelText(2, QString::fromUtf8(panelText));
        }
        setStatus(QStringLiteral(" "));
    }
    if (w) {
        w->setWindowModality(Qt::ApplicationModal);
        windows.show(id);
    }
}

void BasicConditionsDialog::read()
{
    if (sendWhenOpen("RCID"))
        setStatus(QStringLiteral("基本条件設定データ読み取り中"));
}

BasicBlock BasicConditionsDialog::block() const
{
    BasicBlock b;
    for (int i = 0; i < 7; ++i)
        b.fields[i] = fields()[i]->text();
    for (int i = 0; i < 10; ++i)
        b.rateCells[i] = MSFlexGrid1->textMatrix(rateCellRow(i), rateCellCol(i));
    for (int d = 0; d < 7; ++d)
        b.weekdays[d] = MSFlexGrid2->textMatrix(1, d + 1);
    return b;
}

void BasicConditionsDialog::write()
{
    const auto encoded = EncodeBasicBlock(block());
    if (const auto *bad = std::get_if<BadValue>(&encoded))
        return refuseWrite(*bad);
    const BasicWrite &w = std::get<BasicWrite>(encoded);

    startWritePause(QStringLiteral("基本条件設定データ書き込み"));
    sendWhenOpen("WC" + w.payload + "ID");
    const QString base = SettingsFiles::controlPath(BaseFile);
    reportIfUnwritten(SettingsFiles::RewriteQuotedLine(base, w.fileLine), base);
    const QString rates = SettingsFiles::controlPath(RatesFile);
    reportIfUnwritten(SettingsFiles::SaveGridFile(*MSFlexGrid1, rates, RateRows), rates);
    const QString week = SettingsFiles::controlPath(WeekFile);
    reportIfUnwritten(SettingsFiles::SaveGridFile(*MSFlexGrid2, week, 1), week);
}

void BasicConditionsDialog::showBlock(const BasicReply &reply)
{
    for (int i = 0; i < 7; ++i)
        fields()[i]->setText(reply.block.fields[i]);
    for (int i = 0; i < 10; ++i)
        MSFlexGrid1->setTextMatrix(rateCellRow(i), rateCellCol(i), reply.block.rateCells[i]);
    for (int d = 0; d < 7; ++d)
        MSFlexGrid2->setTextMatrix(1, d + 1, reply.block.weekdays[d]);
    Label19->setText(reply.Label19);
    MSFlexGrid1->setCurrentCell(1, 1);
    showReplyStatus(QStringLiteral(" 読み取り完了"));
}
