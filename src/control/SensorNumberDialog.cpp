#include "SensorNumberDialog.h"

#include "TemperatureCodec.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SensorNumberDialog::SensorNumberDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form18, QStringLiteral("温度 センサー 番号設定"))
{
    QLabel *label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("温度 センサー番号"));
    Text1 = addDigitField(QStringLiteral("Text1"), 2, QStringLiteral("01"));
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    Command2 = new QPushButton(QStringLiteral("書込"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(QStringLiteral("読取"), this);
    Command3->setObjectName(QStringLiteral("Command3"));

    auto *fields = new QGridLayout;
    fields->addWidget(label1, 0, 0);
    fields->addWidget(Text1, 1, 0, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    fields->addWidget(Command3, 0, 2);
    fields->addWidget(Command2, 1, 2);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 8);
    body->addLayout(fields);
    setBody(body);
    setMinimumWidth(280);

    moveTwips(this, 2000, 3000);
    setStatus(QString());
    connect(Command2, &QPushButton::clicked, this, &SensorNumberDialog::write);
    connect(Command3, &QPushButton::clicked, this, &SensorNumberDialog::read);
}

void SensorNumberDialog::wire(const WindowServices &s)
{
    constexpr WindowId id = WindowId::Form18;
    s.windows.registerWindow(id, [s] { return new SensorNumberDialog(s); });
    addStatusStep(s, id, Reply::TK, QStringLiteral(" ﾃﾞｰﾀ設定完了 "));
    addStep<SensorNumberDialog>(s, id, Reply::TQ,
                                [](SensorNumberDialog &w, const QByteArray &reply) { w.showSensorReply(reply); });
}

void SensorNumberDialog::read()
{
    if (sendWhenOpen("TQID"))
        setStatus(QStringLiteral("データの読み込み中"));
}

void SensorNumberDialog::write()
{
    const auto code = SensorNumberCode(Text1->text());
    if (!code)
        return refuseWrite(BadValue{Text1->objectName()});
    if (sendWhenOpen("TP" + *code + "ID"))
        setStatus(QStringLiteral("データの書込み中"));
}

void SensorNumberDialog::showSensorReply(const QByteArray &reply)
{
    Text1->setText(DecodeSensorNumberReply(reply));
    showReplyStatus(QStringLiteral(" 読み取り完了"));
}
