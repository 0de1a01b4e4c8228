#include "DownloadFront.h"

#include "logstore/DownloadSession.h"
#include "ui/Prompt.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

bool agreed(const DownloadQuestion &q, QWidget *parent)
{
    return Prompt::ask(
               {q.text, q.title, Prompt::Buttons::OkCancel, Prompt::Icon::Warning, Prompt::Answer::Cancel},
               parent) == Prompt::Answer::Ok;
}

void connectText(DownloadSession &session, void (DownloadSession::*signal)(const QString &), QLabel *label)
{
    if (label)
        QObject::connect(&session, signal, label, &QLabel::setText);
}

} // namespace

DownloadFront::DownloadFront(DownloadSession &session, const DownloadControls &controls, QObject *parent)
    : QObject(parent), m_session(session), m_controls(controls)
{
    connectText(session, &DownloadSession::statusText, controls.Label19);
    connectText(session, &DownloadSession::progressText, controls.Label21);
    connectText(session, &DownloadSession::channelText, controls.Label9);
    connectText(session, &DownloadSession::startDateText, controls.Label1);
    if (QProgressBar *bar = controls.ProgressBar1) {
        connect(&session, &DownloadSession::progressChanged, bar, [bar](int value, int maximum) {
            bar->setMaximum(maximum);
            bar->setValue(value);
        });
    }
    if (QTimer *timer2 = controls.Timer2) {
        connect(&session, &DownloadSession::noReplyWatchdogPaused, timer2, [timer2](bool paused) {
            if (paused)
                timer2->stop();
            else
                timer2->start();
        });
    }
    connect(&session, &DownloadSession::channelNamesNeeded, this, [this] {
        if (reloadChannelNames)
            reloadChannelNames();
    });
    connect(&session, &DownloadSession::failed, this, &DownloadFront::showFailure);
    connect(&session, &DownloadSession::damagedDays, this, [this](const QList<DamagedDay> &days) {
        showFailure(DownloadSession::damagedDaysMessage(days));
    });
}

void DownloadFront::startDay()
{
    if (agreed(DownloadSession::dayQuestion(), m_controls.dialogParent))
        m_session.startDay();
}

void DownloadFront::startMonth()
{
    if (m_controls.ProgressBar1)
        m_controls.ProgressBar1->setValue(1);
    if (agreed(DownloadSession::monthQuestion(), m_controls.dialogParent))
        m_session.startMonth();
}

void DownloadFront::showFailure(const DownloadFailure &f)
{
    Prompt::ask({f.text, f.title, f.okCancel ? Prompt::Buttons::OkCancel : Prompt::Buttons::Ok,
                 Prompt::Icon::Warning, f.okCancel ? Prompt::Answer::Cancel : Prompt::Answer::Ok},
                m_controls.dialogParent);
}
