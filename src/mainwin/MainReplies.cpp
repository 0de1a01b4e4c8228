// The replies the main window shows.
#include "link/LiveDisplay.h"
#include "MainWindow.h"

#include "link/ReplyRoutes.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

void MainWindow::addReplySteps(ReplyRoutes &routes)
{
    const auto setStatus = [this](const char *text) {
        return [this, text](const QByteArray &) { Label19->setText(QString::fromUtf8(text)); };
    };
    // The unit settings replies leave their progress in UnitSettingStatus; the unit settings
    // change window copies it into its status line.
    const auto setUnitSettingStatus = [this](const char *text) {
        return [this, text](const QByteArray &) { m_state.UnitSettingStatus = QString::fromUtf8(text); };
    };
    routes.add(Reply::ID, setStatus("ID ﾃﾞｰﾀ設定完了"));
    routes.add(Reply::EX, setStatus("設定完了"));
    routes.add(Reply::KK, setUnitSettingStatus(" 子機ﾃﾞｰﾀ設定完了"));
    routes.add(Reply::KS, setUnitSettingStatus(" 子機設定ﾃﾞｰﾀ読み取り完了"));
    routes.add(Reply::KM, setUnitSettingStatus(" ﾓﾆﾀｰﾃﾞｰﾀ消去中"));
    routes.add(Reply::KE, setUnitSettingStatus(" ﾓﾆﾀｰﾃﾞｰﾀ消去完了"));
    routes.add(Reply::E, [this](const QByteArray &) { showLinkBusy(); });
    routes.add(Reply::D, [this](const QByteArray &) { showLinkBusy(); });
    routes.add(Reply::Q, [this](const QByteArray &t) { ShowMonitoringReply(t); });
    routes.add(Reply::A, [this](const QByteArray &t) { ShowClockReply(t); });
}

void MainWindow::showLinkBusy()
{
    if (m_state.Download.RangeDownload == 0)
        Label21->setText(QStringLiteral(" 通信中"));
}

void MainWindow::ShowMonitoringReply(const QByteArray &reply)
{
    const MonitoringTexts t = DecodeMonitoringReply(reply, m_state.UnitTypeCode);
    if (m_state.Download.RangeDownload == 0)
        Label21->setText(t.link);
    restartNoReplyWatchdog();
    if (t.powerKind)
        return;

    Label15->setText(t.temperature);
    Label3->setText(t.current);
    if (m_state.UnitTypeCode == QLatin1String("WJ"))
        m_state.SprayNo = t.sprayNo;
    Label9->setText(t.channelLabel);
    m_state.UnitChNo = t.unitChNo;
    Label13->setText(t.version);
    Combo1->setEditText(t.unitIdText);
    // The dialogs that echo the live values (group/channel labels, unit ID lists, current
    // labels) do so in their own steps, which run after this one and read UnitChNo and
    // SprayNo as set here.
    showChannelName();
    Label8->setText(t.state);
}

void MainWindow::ShowClockReply(const QByteArray &reply)
{
    UnitClockText &clock = m_state.UnitClock;
    const ClockTexts c = DecodeClockReply(reply, m_state.UnitTypeCode, clock.weekdayName);
    clock.hh = c.hh;
    clock.mi = c.mi;
    clock.ss = c.ss;
    clock.mm = c.mm;
    clock.dd = c.dd;
    clock.yy = c.yy;
    clock.weekdayDigit = c.weekdayDigit;
    clock.weekdayName = UnitWeekdayName(c.weekdayDigit, clock.weekdayName);
    Label18->setText(c.dateTime);
    // The unit clock window writes its labels in its own step, after this one has taken
    // the weekday name.
    if (m_state.Download.RangeDownload == 0)
        Label19->setText(c.band);
}
