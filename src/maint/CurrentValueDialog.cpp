#include "CurrentValueDialog.h"

#include "CurrentValueCodec.h"
#include "MaintLayout.h"

#include "common/AppState.h"
#include "control/SettingsFiles.h"
#include "link/LiveDisplay.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString ctLevelPath()
{
    return SettingsFiles::controlPath(QStringLiteral("CTLEVEL.TXT"));
}

} // namespace

CurrentValueDialog::CurrentValueDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form11, QStringLiteral("電流値設定"))
{
    setClearsMainStatusOnClose(false);
    placed(addUnitSelector(SelectingShows::MainLabel | SelectingShows::OwnPanel), 120, 120, 2175, 375);
    Command3 = placed(new QPushButton(QStringLiteral("読取"), this), 2400, 120, 660, 375);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command2 = placed(new QPushButton(QStringLiteral("書込"), this), 3120, 120, 660, 375);
    Command2->setObjectName(QStringLiteral("Command2"));

    placed(addLabel(QStringLiteral("Label2"), QStringLiteral("CTレベル")), 240, 720, 1500, 300);
    Text1 = placed(addDigitField(QStringLiteral("Text1"), 3, QStringLiteral("000")), 240, 1080, 795, 375);
    placed(addLabel(QStringLiteral("Label6"), QStringLiteral("1/10_A")), 1080, 1200, 1000, 300);
    placed(addLabel(QStringLiteral("Label5"), QStringLiteral("電流調整値")), 2280, 720, 1500, 300);
    // The adjustment field has no key filter; it is only kept to the field's width.
    Text2 = placed(new QLineEdit(QStringLiteral("000"), this), 2400, 1080, 915, 375);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaxLength(3);
    Text2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placed(addLabel(QStringLiteral("Label7"), QStringLiteral("_x")), 3360, 1200, 400, 300);
    placed(addLabel(QStringLiteral("Label9"), QStringLiteral("現在 電流値")), 120, 1680, 1600, 300);
    Label3 = placed(addLabel(QStringLiteral("Label3"), QStringLiteral("000.0_A")), 1800, 1680, 1400, 300);
    FixClientArea(*this, 3960, 2160, true, 3000, 3000);

    if (const auto line = SettingsFiles::ReadQuotedLine(ctLevelPath())) {
        const CtReading stored = CtFromFileLine(*line);
        if (!stored.Text1.isEmpty())
            Text1->setText(stored.Text1);
        if (!stored.Text2.isEmpty())
            Text2->setText(stored.Text2);
    }

    connect(Command3, &QPushButton::clicked, this, &CurrentValueDialog::read);
    connect(Command2, &QPushButton::clicked, this, &CurrentValueDialog::write);
}

void CurrentValueDialog::read()
{
    if (sendWhenOpen("RPID"))
        setStatus(QStringLiteral("データの取り込み中"));
}

void CurrentValueDialog::write()
{
    BadValue bad;
    const auto digits = CtSettingDigits(Text1->text(), Text2->text(), &bad);
    if (!digits) {
        refuseWrite(bad);
        return;
    }
    reportIfUnwritten(SettingsFiles::RewriteQuotedLine(ctLevelPath(), QString::fromLatin1(*digits)),
                      ctLevelPath());
    if (sendWhenOpen("WP" + CtPayload(*digits) + "ID"))
        startWritePause(QStringLiteral("データの書込み中"));
}

void CurrentValueDialog::closeEvent(QCloseEvent *event)
{
    SetBasicConditionsPanel(m_services.windows, QStringLiteral(" "));
    SettingsWindow::closeEvent(event);
}

void CurrentValueDialog::wire(const WindowServices &s)
{
    const WindowId id = WindowId::Form11;
    s.windows.registerWindow(id, [s] { return new CurrentValueDialog(s); });
    addStep<CurrentValueDialog>(s, id, Reply::P, [](CurrentValueDialog &w, const QByteArray &reply) {
        const CtReading r = DecodeCtReply(reply);
        w.Text1->setText(r.Text1);
        w.Text2->setText(r.Text2);
        w.showReplyStatus(QStringLiteral(" 取り込み完了"));
    });
    addStatusStep(s, id, Reply::WP, QStringLiteral(" 書込み完了"));
    addUnitSelectedStep(s, id);
    // The present current echoes the live values of a window that exists; it creates none.
    s.routes->add(Reply::Q, [&windows = s.windows, &state = s.state](const QByteArray &reply) {
        auto *w = windows.existing<CurrentValueDialog>(WindowId::Form11);
        const MonitoringTexts t = DecodeMonitoringReply(reply, state.UnitTypeCode);
        if (w && !t.powerKind)
            w->Label3->setText(t.current);
    });
    addMonitoredUnitIdStep(s, id);
}
