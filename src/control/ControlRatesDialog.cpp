#include "ControlRatesDialog.h"

#include "BasicConditionsCodec.h"
#include "ControlRatesCodec.h"
#include "RateCells.h"
#include "SettingsFiles.h"
#include "common/AppState.h"
#include "ui/Grid.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int Rows = 12;

QStringList rowTitles()
{
    QStringList titles;
    for (const char *season : {"第二季節", "第三季節", "第四季節"})
        for (const char *band : {"第一時間帯", "第二時間帯", "第三時間帯", "第四時間帯"})
            titles << QString::fromUtf8(season) + QLatin1Char('_') + QString::fromUtf8(band);
    return titles;
}
} // namespace

ControlRatesDialog::ControlRatesDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form5, QStringLiteral("制御条件設定"))
{
    addUnitSelector(SelectingShows::MainLabel);
    QLabel *label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("制御ﾃﾞｰﾀ設定"));
    Text1 = addDigitField(QStringLiteral("Text1"), 3, QStringLiteral("000"));
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    QLabel *label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("_秒"));
    Command1 = new QPushButton(QStringLiteral("書込"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command3 = new QPushButton(QStringLiteral("読取"), this);
    Command3->setObjectName(QStringLiteral("Command3"));

    const bool spray = waterSpray();
    if (spray)
        setWindowTitle(QStringLiteral("水噴射 制御条件設定"));
    MSFlexGrid1 = addGrid(QStringLiteral("MSFlexGrid1"), Rows + 1, {3400, 1500, 1500},
                          {QStringLiteral("季節時間帯,曜日別"),
                           spray ? QStringLiteral("噴射時間") : QStringLiteral("第一回制御"),
                           spray ? QStringLiteral("休止時間") : QStringLiteral("第二回制御")},
                          rowTitles());

    auto *top = new QHBoxLayout;
    top->addWidget(unitSelector());
    top->addSpacing(16);
    top->addWidget(label4);
    top->addWidget(Text1);
    top->addWidget(label1);
    top->addStretch(1);
    top->addWidget(Command3);
    top->addWidget(Command1);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 6);
    body->addLayout(top);
    body->addSpacing(6);
    body->addWidget(MSFlexGrid1, 0, Qt::AlignHCenter);
    setBody(body);

    moveTwips(this, 2000, 3200);
    SettingsFiles::LoadGridFile(*MSFlexGrid1, SettingsFiles::controlPath(RateCommandsFor(spray).file));

    MSFlexGrid1->setEntryBox(Text1);
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString &t) { fillSelectedCells(*MSFlexGrid1, RateCells::cellFromEntry(t)); });
    connect(Command1, &QPushButton::clicked, this, &ControlRatesDialog::write);
    connect(Command3, &QPushButton::clicked, this, &ControlRatesDialog::read);
}

void ControlRatesDialog::wire(const WindowServices &s)
{
    constexpr WindowId id = WindowId::Form5;
    s.windows.registerWindow(id, [s] { return new ControlRatesDialog(s); });
    addStep<ControlRatesDialog>(
        s, id, Reply::D, [](ControlRatesDialog &w, const QByteArray &reply) { w.showRatesReply(reply); });
    addStatusStep(s, id, Reply::WD, QStringLiteral(" 書込み完了"));
    addUnitSelectedStep(s, id);
    addMonitoredUnitIdStep(s, id);
}

bool ControlRatesDialog::waterSpray() const
{
    return m_services.state.UnitTypeCode == QLatin1String("WJ");
}

void ControlRatesDialog::read()
{
    const RateCommands commands = RateCommandsFor(waterSpray());
    if (sendWhenOpen(commands.read))
        setStatus(commands.readingText);
}

void ControlRatesDialog::write()
{
    const RateCommands commands = RateCommandsFor(waterSpray());
    RateGridCells cells;
    for (int i = 0; i < 24; ++i)
        cells[i] = MSFlexGrid1->textMatrix(rateCellRow(i), rateCellCol(i));
    const auto encoded = EncodeRates(cells);
    if (const auto *bad = std::get_if<BadValue>(&encoded))
        return refuseWrite(*bad);

    setStatus(commands.writingText);
    const QString file = SettingsFiles::controlPath(commands.file);
    reportIfUnwritten(SettingsFiles::SaveGridFile(*MSFlexGrid1, file, Rows), file);
    MSFlexGrid1->setCurrentCell(1, 1);
    sendWhenOpen(commands.write + std::get<QByteArray>(encoded) + "ID");
}

void ControlRatesDialog::showRatesReply(const QByteArray &reply)
{
    const RateGridCells cells = DecodeRatesReply(reply);
    for (int i = 0; i < 24; ++i)
        MSFlexGrid1->setTextMatrix(rateCellRow(i), rateCellCol(i), cells[i]);
    MSFlexGrid1->setCurrentCell(1, 1);
    showReplyStatus(QStringLiteral(" 読み取り完了"));
}
