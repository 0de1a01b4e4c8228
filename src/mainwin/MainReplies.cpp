// The replies the main window owns: unit selection, execution, the unit settings progress,
// the live monitoring and clock replies, and the download replies it hands to the download chain.
#include "LiveDisplay.h"
#include "MainWindow.h"

#include "logstore/Downloads.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

void MainWindow::onID(const QByteArray &)
{
    Label19->setText(QStringLiteral("ID ﾃﾞｰﾀ設定完了"));
    // The dialogs' status panels (" ID ﾃﾞｰﾀ設定完了") are written here once they exist.
}

void MainWindow::onEX(const QByteArray &)
{
    Label19->setText(QStringLiteral("設定完了"));
    // The basic conditions window's panel (" 設定完了") is written here once it exists.
}

// The unit settings replies leave their progress in UnitSettingStatus; the unit settings
// change window copies it into its status line.
void MainWindow::onKK(const QByteArray &)
{
    m_state.UnitSettingStatus = QStringLiteral(" 子機ﾃﾞｰﾀ設定完了");
}

void MainWindow::onKS(const QByteArray &)
{
    // The unit settings change window takes characters 3-8 here, before the status.
    m_state.UnitSettingStatus = QStringLiteral(" 子機設定ﾃﾞｰﾀ読み取り完了");
}

void MainWindow::onKM(const QByteArray &)
{
    m_state.UnitSettingStatus = QStringLiteral(" ﾓﾆﾀｰﾃﾞｰﾀ消去中");
}

void MainWindow::onKE(const QByteArray &)
{
    m_state.UnitSettingStatus = QStringLiteral(" ﾓﾆﾀｰﾃﾞｰﾀ消去完了");
}

void MainWindow::onE(const QByteArray &)
{
    if (m_state.Download.RangeDownload == 0)
        Label21->setText(QStringLiteral(" 通信中"));
    // The DSP and continuous-mode windows take the rest of this reply.
}

void MainWindow::onD(const QByteArray &)
{
    if (m_state.Download.RangeDownload == 0)
        Label21->setText(QStringLiteral(" 通信中"));
    // The control-rate window takes the rates.
}

void MainWindow::onQ(const QByteArray &reply)
{
    ShowMonitoringReply(reply);
}

void MainWindow::onC(const QByteArray &)
{
    // The time band window fills the first half of its grid here; then the second half is
    // asked for, whichever window is open.
    m_link.SendFrame(m_state.UnitTypeCode == QLatin1String("WJ") ? "BKID" : "RKID");
}
void MainWindow::onA(const QByteArray &reply)
{
    ShowClockReply(reply);
}
void MainWindow::onY(const QByteArray &reply)
{
    m_downloads->onHeader(reply);
}
void MainWindow::onM(const QByteArray &reply)
{
    m_downloads->onRecord(reply);
}
void MainWindow::onO(const QByteArray &reply)
{
    m_downloads->onEndOfDay(reply);
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
    // The dialogs that echo the live values (group/channel labels of the basic conditions
    // windows, their unit ID lists, the current labels of the current value and DSP windows)
    // are written here, from t, once they exist. The channel-name label follows UnitChNo.
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
    // The unit clock window's labels (c.clockDate, c.clockTime) are written here once it exists.
    if (m_state.Download.RangeDownload == 0)
        Label19->setText(c.band);
}
