#include "UnitSettingsChangeDialog.h"

#include "MaintLayout.h"
#include "UnitSettingsCodec.h"

#include "common/AppState.h"
#include "ui/Prompt.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString ChangeCaption = QStringLiteral("子機設定の変更");
const QString EraseCaption = QStringLiteral("子機ﾛｸﾞの消去");

} // namespace

UnitSettingsChangeDialog::UnitSettingsChangeDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form16, QStringLiteral("子機設定変更"))
{
    placed(addLabel(QStringLiteral("Label2"), QStringLiteral("子機設定変更")), 360, 120, 2400, 300);
    auto *read = placed(new QPushButton(QStringLiteral("読取"), this), 3600, 120, 720, 375);
    read->setObjectName(QStringLiteral("Command2"));

    const auto action = [this](const char *name, const QString &caption, int top) {
        auto *button = placed(new QPushButton(caption, this), 120, top, 3000, 375);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    auto *speed = action("Command3", QStringLiteral("RS_485 通信速度"), 600);
    auto *alarm = action("Command4", QStringLiteral("警報 制御 実行"), 1080);
    auto *channel = action("Command5", QStringLiteral("温度 子機 ＣＨ_NO"), 1560);
    auto *erase = action("Command6", QStringLiteral("子機 モニターの全消去"), 2040);

    // A list whose shown text the "KS" answer overwrites: editable, the line edit read-only.
    Combo1 = placed(new QComboBox(this), 3240, 600, 1080, 375);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->lineEdit()->setReadOnly(true);
    for (const LineSpeed &s : LineSpeeds())
        Combo1->addItem(QString::fromLatin1(s.entry));
    Command1 = placed(new QPushButton(QStringLiteral("ON"), this), 3240, 1080, 1080, 375);
    Command1->setObjectName(QStringLiteral("Command1"));
    Text3 = placed(addDigitField(QStringLiteral("Text3"), 2, QStringLiteral("00")), 3240, 1560, 1080, 375);
    Text3->installEventFilter(this);
    Label1 = placed(addLabel(QStringLiteral("Label1"), QString()), 120, 2520, 4200, 300);
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    FixClientArea(*this, 4440, 2940, false, 2000, 3200);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, [this] { Label1->setText(m_services.state.UnitSettingStatus); });

    connect(read, &QPushButton::clicked, this, &UnitSettingsChangeDialog::read);
    connect(speed, &QPushButton::clicked, this, &UnitSettingsChangeDialog::changeSpeed);
    connect(alarm, &QPushButton::clicked, this, &UnitSettingsChangeDialog::changeAlarmControl);
    connect(channel, &QPushButton::clicked, this, &UnitSettingsChangeDialog::changeChannel);
    connect(erase, &QPushButton::clicked, this, &UnitSettingsChangeDialog::eraseLog);
    connect(Combo1, &QComboBox::activated, this, &UnitSettingsChangeDialog::pickSpeed);
    connect(Command1, &QPushButton::clicked, this, &UnitSettingsChangeDialog::toggleAlarm);

    Combo1->setCurrentIndex(1);
    pickSpeed(1);
    setUnitSettingStatus(QString());
    Timer1->start();
}

void UnitSettingsChangeDialog::setUnitSettingStatus(const QString &text)
{
    m_services.state.UnitSettingStatus = text;
}

void UnitSettingsChangeDialog::pickSpeed(int index)
{
    if (index < 0 || index >= int(LineSpeeds().size()))
        return;
    m_speedCode = LineSpeeds()[size_t(index)].code;
    Label1->clear();
}

void UnitSettingsChangeDialog::toggleAlarm()
{
    const bool wasOn = Command1->text() == QLatin1String("ON");
    Command1->setText(QLatin1String(wasOn ? "OFF" : "ON"));
    m_alarmFlag = wasOn ? "OF" : "ON";
}

bool UnitSettingsChangeDialog::confirm(const QString &title, const QString &text, const QString &caption)
{
    Label1->setText(title);
    const Prompt::Message question{text, caption, Prompt::Buttons::OkCancel, Prompt::Icon::Warning,
                                   Prompt::Answer::Cancel};
    return Prompt::ask(question, this) == Prompt::Answer::Ok;
}

void UnitSettingsChangeDialog::read()
{
    setUnitSettingStatus(QStringLiteral("子機設定条件読み込み"));
    sendWhenOpen("KKID");
    setUnitSettingStatus(QStringLiteral("子機設定条件読み込み中"));
}

void UnitSettingsChangeDialog::changeSpeed()
{
    if (!confirm(QStringLiteral("子機RS485通信速度変更"), QStringLiteral("子機RS485通信速度を変更します"),
                 ChangeCaption))
        return;
    setUnitSettingStatus(QStringLiteral("  RS485 通信速度 変更中 "));
    sendWhenOpen(LineSpeedRequest(m_speedCode));
    Label1->setText(LineSpeedStatusLine(m_speedCode));
}

void UnitSettingsChangeDialog::changeAlarmControl()
{
    if (!confirm(QStringLiteral("警報制御の設定変更"), QStringLiteral(" 警報制御の設定を変更します"),
                 ChangeCaption))
        return;
    setUnitSettingStatus(QStringLiteral("  警報制御の実行設定を変更中 "));
    sendWhenOpen(AlarmControlRequest(m_alarmFlag));
}

void UnitSettingsChangeDialog::changeChannel()
{
    // An empty channel would make a short frame: refused before the user is asked.
    const auto request = TemperatureChannelRequest(Text3->text());
    if (!request) {
        refuseWrite(BadValue{QStringLiteral("Text3")});
        return;
    }
    if (!confirm(QStringLiteral("子機温度 CH_NO 変更"), QStringLiteral("子機温度 CH を変更します"),
                 ChangeCaption))
        return;
    setUnitSettingStatus(QStringLiteral(" 温度 CH 変更中 "));
    sendWhenOpen(*request);
}

void UnitSettingsChangeDialog::eraseLog()
{
    if (!confirm(QStringLiteral("子機ﾛｸﾞﾃﾞｰﾀ消去"), QStringLiteral("  子機ﾛｸﾞﾃﾞｰﾀを全て消去します"),
                 EraseCaption))
        return;
    const Prompt::Message again{QStringLiteral("ﾃﾞｰﾀを全て消去します 本当に宜しいですか??"), EraseCaption,
                                Prompt::Buttons::OkCancel, Prompt::Icon::Warning, Prompt::Answer::Cancel};
    if (Prompt::ask(again, this) != Prompt::Answer::Ok)
        return;
    setUnitSettingStatus(QStringLiteral("  子機ﾛｸﾞﾃﾞｰﾀを全て消去中 "));
    sendWhenOpen("CLID");
}

bool UnitSettingsChangeDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text3 && event->type() == QEvent::MouseButtonPress)
        setUnitSettingStatus(QStringLiteral(" 温度子機 CH の設定"));
    return SettingsWindow::eventFilter(watched, event);
}

void UnitSettingsChangeDialog::wire(const WindowServices &s)
{
    s.windows.registerWindow(WindowId::Form16, [s] { return new UnitSettingsChangeDialog(s); });
    // The answer sets the shown texts only: the codes sent next keep their values. A window
    // this answer creates must not wipe the status the main window has just set for it.
    s.routes->add(Reply::KS, [&windows = s.windows, &state = s.state](const QByteArray &reply) {
        const QString status = state.UnitSettingStatus;
        auto *w = windows.get<UnitSettingsChangeDialog>(WindowId::Form16);
        state.UnitSettingStatus = status;
        if (!w)
            return;
        const UnitSettingsReading r = DecodeUnitSettingsReply(reply);
        if (r.Command1)
            w->Command1->setText(*r.Command1);
        if (r.Text3)
            w->Text3->setText(*r.Text3);
        w->Combo1->setEditText(r.speedText);
    });
}
