#include "WaterSprayBasicDialog.h"

#include "RateCells.h"
#include "SettingsFiles.h"
#include "common/AppState.h"
#include "link/LiveDisplay.h"
#include "ui/Grid.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int Rows = 5;
const QString BaseFile = QStringLiteral("BASE_WJ.TXT");
const QString CellsFile = QStringLiteral("CONT_WJ1.TXT");

// Text1..Text6.
const TitledField titledFields[6] = {
    {"水噴射　番号 ：", "_CH", "01", 2, "水噴射 子機ＣＨ番号の設定"},
    {"噴射開始温度 ：", "_℃", "0000", 4, "水噴射開始温度の設定"},
    {"噴射終了温度 ：", "_℃", "0000", 4, "水噴射終了温度の設定"},
    {"動作確認時間 ：", "_秒", "180", 3, "圧縮機動作確認時間の設定"},
    {"No.1 テスト 月：", "_月", "20", 2, "第一 テスト月の設定"},
    {"No.2 テスト 月 ：", "_月", "15", 2, "第二 テスト月の設定"},
};
} // namespace

WaterSprayBasicDialog::WaterSprayBasicDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form23, QStringLiteral("水噴射 基本条件 設定"))
{
    Label16 = addLabel(QStringLiteral("Label16"), QStringLiteral("GRP_01 ：  CH_01"));
    Command1 = new QPushButton(QStringLiteral("読取"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("書込"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto *fieldGrid = new QGridLayout;
    fieldGrid->setHorizontalSpacing(6);
    const auto place = [&](int row, int column, QLineEdit *field, const QString &title, const QString &unit,
                           const QString &name) {
        fieldGrid->addWidget(addLabel(name + QStringLiteral("Title"), title), row, column, Qt::AlignRight);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        fieldGrid->addWidget(field, row, column + 1);
        fieldGrid->addWidget(addLabel(name + QStringLiteral("Unit"), unit), row, column + 2);
    };
    QLineEdit **texts[6] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
    for (int n = 1; n <= 6; ++n) {
        const TitledField &field = titledFields[n - 1];
        const QString name = QStringLiteral("Text%1").arg(n);
        *texts[n - 1] =
            addDigitField(name, field.maxLength, QString::fromUtf8(field.text), QString::fromUtf8(field.hint));
        place((n - 1) / 2, (n - 1) % 2 * 3, *texts[n - 1], QString::fromUtf8(field.title),
              QString::fromUtf8(field.unit), name);
    }
    Text8 = addDigitField(QStringLiteral("Text8"), 3, QStringLiteral("000"));
    place(3, 0, Text8, QStringLiteral("制御ﾃﾞｰﾀ設定  ："), QStringLiteral("_秒"), QStringLiteral("Text8"));
    fieldGrid->setColumnMinimumWidth(2, 48); // unit labels, and the gap between the columns
    fieldGrid->setColumnStretch(6, 1);

    MSFlexGrid1 =
        addGrid(QStringLiteral("MSFlexGrid1"), Rows + 1, {3120, 1520, 1520},
                {QStringLiteral("季節時間帯,曜日別"), QStringLiteral("噴射時間"), QStringLiteral("休止時間")},
                {QStringLiteral("第一季節_第一時間帯"), QStringLiteral("第一季節_第二時間帯"),
                 QStringLiteral("第一季節_第三時間帯"), QStringLiteral("第一季節_第四時間帯")});

    auto *top = new QHBoxLayout;
    top->addWidget(Label16);
    top->addStretch(1);
    top->addWidget(Command1);
    top->addWidget(Command2);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 6);
    body->addLayout(top);
    body->addSpacing(6);
    body->addLayout(fieldGrid);
    body->addSpacing(6);
    body->addWidget(MSFlexGrid1);
    setBody(body);

    moveTwips(this, 2000, 3000);
    AppState &state = m_services.state;
    SettingsFiles::LoadWaterSprayBasicFiles(state.WaterSprayBasicFieldTexts, *MSFlexGrid1);
    for (int i = 0; i < 6; ++i)
        fields()[i]->setText(state.WaterSprayBasicFieldTexts[i]);

    MSFlexGrid1->setEntryBox(Text8);
    connect(Text8, &QLineEdit::textChanged, this, [this](const QString &t) {
        fillSelectedCells(*MSFlexGrid1, RateCells::secondsCellFromEntry(t));
    });
    connect(Command1, &QPushButton::clicked, this, &WaterSprayBasicDialog::read);
    connect(Command2, &QPushButton::clicked, this, &WaterSprayBasicDialog::write);
}

void WaterSprayBasicDialog::wire(const WindowServices &s)
{
    constexpr WindowId id = WindowId::Form23;
    s.windows.registerWindow(id, [s] { return new WaterSprayBasicDialog(s); });
    s.routes->add(Reply::B, [&windows = s.windows, &state = s.state](const QByteArray &reply) {
        if (state.UnitTypeCode != QLatin1String("WJ"))
            return; // the basic conditions window takes it
        if (auto *w = windows.get<WaterSprayBasicDialog>(id))
            w->showBlock(DecodeWaterSprayReply(reply));
    });
    addStatusStep(s, id, Reply::WC, QStringLiteral(" 書込み完了"));
    s.routes->add(Reply::Q, [&windows = s.windows, &state = s.state](const QByteArray &) {
        auto *w = windows.existing<WaterSprayBasicDialog>(id);
        if (w && state.UnitTypeCode == QLatin1String("WJ"))
            w->Label16->setText(GroupChannelText(state.GroupNo, state.SprayNo));
    });
}

void WaterSprayBasicDialog::read()
{
    if (sendWhenOpen("BCID"))
        setStatus(QStringLiteral("水噴射 基本条件設定データ読み取り中"));
}

WaterSprayBlock WaterSprayBasicDialog::block() const
{
    WaterSprayBlock b;
    for (int i = 0; i < 6; ++i)
        b.fields[i] = fields()[i]->text();
    for (int i = 0; i < 10; ++i)
        b.cells[i] = MSFlexGrid1->textMatrix(rateCellRow(i), rateCellCol(i));
    return b;
}

void WaterSprayBasicDialog::write()
{
    const auto encoded = EncodeWaterSprayBlock(block());
    if (const auto *bad = std::get_if<BadValue>(&encoded))
        return refuseWrite(*bad);
    const WaterSprayWrite &w = std::get<WaterSprayWrite>(encoded);

    setStatus(QStringLiteral("水噴射 基本条件設定データ書き込み"));
    sendWhenOpen("DC" + w.payload + "ID");
    const QString base = SettingsFiles::controlPath(BaseFile);
    reportIfUnwritten(SettingsFiles::WriteQuotedLine(base, w.fileLine), base);
    const QString cells = SettingsFiles::controlPath(CellsFile);
    reportIfUnwritten(SettingsFiles::SaveGridFile(*MSFlexGrid1, cells, Rows), cells);
}

void WaterSprayBasicDialog::showBlock(const WaterSprayBlock &block)
{
    for (int i = 0; i < 6; ++i)
        fields()[i]->setText(block.fields[i]);
    for (int i = 0; i < 10; ++i)
        MSFlexGrid1->setTextMatrix(rateCellRow(i), rateCellCol(i), block.cells[i]);
    MSFlexGrid1->setCurrentCell(1, 1);
    showReplyStatus(QStringLiteral(" 読み取り完了"));
}
