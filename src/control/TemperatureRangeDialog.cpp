#include "TemperatureRangeDialog.h"

#include "TemperatureCodec.h"
#include "common/AppState.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TemperatureRangeDialog::TemperatureRangeDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form17, QStringLiteral("制御温度範囲設定"))
{
    QLabel *label15 = addLabel(QStringLiteral("Label15"), QStringLiteral("温度範囲設定"));
    auto field = [this](const char *name, const char *text) {
        auto *edit = new QLineEdit(QString::fromLatin1(text), this);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(5);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("+00.00")) + 16);
        return edit;
    };
    Text8 = field("Text8", "+35.0");
    Text2 = field("Text2", "-99.9");
    Command1 = new QPushButton(QStringLiteral("書込"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("読取"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto *fields = new QGridLayout;
    fields->addWidget(label15, 0, 0, 1, 3);
    fields->addWidget(addLabel(QStringLiteral("Label1"), QStringLiteral("上限 温度 ：")), 1, 0);
    fields->addWidget(Text8, 1, 1);
    fields->addWidget(addLabel(QStringLiteral("Label3"), QStringLiteral("_℃")), 1, 2);
    fields->addWidget(addLabel(QStringLiteral("Label2"), QStringLiteral("下限 温度 ：")), 2, 0);
    fields->addWidget(Text2, 2, 1);
    fields->addWidget(addLabel(QStringLiteral("Label4"), QStringLiteral("_℃")), 2, 2);
    fields->setColumnStretch(3, 1);
    fields->addWidget(Command2, 1, 4);
    fields->addWidget(Command1, 2, 4);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 8);
    body->addLayout(fields);
    setBody(body);
    setMinimumWidth(320);

    moveTwips(this, 2000, 3200);
    setStatus(QString());
    m_services.state.UnitSettingStatus.clear();
    connect(Command1, &QPushButton::clicked, this, &TemperatureRangeDialog::write);
    connect(Command2, &QPushButton::clicked, this, &TemperatureRangeDialog::read);
}

void TemperatureRangeDialog::wire(const WindowServices &s)
{
    constexpr WindowId id = WindowId::Form17;
    s.windows.registerWindow(id, [s] { return new TemperatureRangeDialog(s); });
    addStep<TemperatureRangeDialog>(s, id, Reply::TW, [](TemperatureRangeDialog &w, const QByteArray &reply) {
        w.showRangeReply(reply);
    });
    addStatusStep(s, id, Reply::TK, QStringLiteral(" ﾃﾞｰﾀ設定完了 "));
}

void TemperatureRangeDialog::read()
{
    sendWhenOpen("TRID");
}

void TemperatureRangeDialog::write()
{
    const auto encoded = EncodeTemperatureRange(Text8->text(), Text2->text());
    if (const auto *bad = std::get_if<BadValue>(&encoded))
        return refuseWrite(*bad);
    if (!sendWhenOpen("TC" + std::get<QByteArray>(encoded) + "ID"))
        return;
    const QString writing = QStringLiteral(" 書き込み中");
    setStatus(writing);
    m_services.state.UnitSettingStatus = writing;
}

void TemperatureRangeDialog::showRangeReply(const QByteArray &reply)
{
    const TemperatureRangeTexts t = DecodeTemperatureRangeReply(reply);
    Text8->setText(t.Text8);
    Text2->setText(t.Text2);
    showReplyStatus(QStringLiteral(" 読み取り完了"));
}
