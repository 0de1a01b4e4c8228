#include "UnitClockDialog.h"

#include "MaintLayout.h"
#include "UnitClockCodec.h"

#include "common/AppState.h"
#include "link/LiveDisplay.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

std::function<QDateTime()> &pcClock()
{
    static std::function<QDateTime()> clock;
    return clock;
}

QDateTime pcNow()
{
    return pcClock() ? pcClock()() : QDateTime::currentDateTime();
}

// A clock reply must reach the year (positions 18-19) to be shown.
constexpr int ClockReplyLength = 19;

} // namespace

void UnitClockDialog::setPcClock(std::function<QDateTime()> clock)
{
    pcClock() = std::move(clock);
}

UnitClockDialog::UnitClockDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form8, QStringLiteral("時計設定"))
{
    setClearsMainStatusOnClose(false);
    placed(addLabel(QStringLiteral("Label1"), QStringLiteral("子機時計設定")), 120, 120, 2600, 300);
    Command1 = placed(new QPushButton(QStringLiteral("設定"), this), 2880, 120, 840, 375);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = placed(new QPushButton(QStringLiteral("終了"), this), 3840, 120, 840, 375);
    Command2->setObjectName(QStringLiteral("Command2"));
    placed(addLabel(QStringLiteral("Label3"), QStringLiteral("子機現在年月日時刻")), 480, 600, 3600, 300);
    Label2 =
        placed(addLabel(QStringLiteral("Label2"), QStringLiteral("00年00月00日_日")), 120, 960, 2400, 300);
    Label4 = placed(addLabel(QStringLiteral("Label4"), QStringLiteral("00時00分00秒")), 2640, 960, 2040, 300);
    placed(addLabel(QStringLiteral("Label5"), QStringLiteral("子機時刻設定用パソコン時計")), 480, 1560, 3600,
           300);
    Label6 = placed(addLabel(QStringLiteral("Label6"), QString()), 240, 2040, 2300, 300);
    Label7 = placed(addLabel(QStringLiteral("Label7"), QString()), 2640, 2040, 2040, 300);
    FixClientArea(*this, 4800, 2520, false, 3000, 3000);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &UnitClockDialog::showPcClock);
    connect(Command1, &QPushButton::clicked, this, &UnitClockDialog::setUnitClock);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    showPcClock();
}

void UnitClockDialog::showPcClock()
{
    const QDateTime now = pcNow();
    Label6->setText(PcDateText(now.date()));
    Label7->setText(PcTimeText(now.time()));
}

void UnitClockDialog::setUnitClock()
{
    showPcClock(); // the time of the press, not of the last tick
    sendWhenOpen("WT" + ClockSetText(Label6->text(), Label7->text()) + "ID");
}

void UnitClockDialog::showEvent(QShowEvent *event)
{
    showPcClock();
    Timer1->start();
    SettingsWindow::showEvent(event);
}

void UnitClockDialog::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    SettingsWindow::hideEvent(event);
}

void UnitClockDialog::wire(const WindowServices &s)
{
    s.windows.registerWindow(WindowId::Form8, [s] { return new UnitClockDialog(s); });
    // The unit's clock echoes into a window that exists; it creates none. The main window's
    // step has already taken the weekday name from this reply.
    s.routes->add(Reply::A, [&windows = s.windows, &state = s.state](const QByteArray &reply) {
        auto *w = windows.existing<UnitClockDialog>(WindowId::Form8);
        if (!w || reply.size() < ClockReplyLength)
            return;
        const ClockTexts c = DecodeClockReply(reply, state.UnitTypeCode, state.UnitClock.weekdayName);
        w->Label2->setText(c.clockDate);
        w->Label4->setText(c.clockTime);
    });
}
