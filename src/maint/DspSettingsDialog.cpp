#include "DspSettingsDialog.h"

#include "MaintLayout.h"

#include "common/AppState.h"
#include "control/SettingsFiles.h"
#include "link/LiveDisplay.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Place {
    int left, top;
};
// Each value's button and, 480 twips below it, its field.
constexpr std::array<Place, 5> ButtonPlaces{
    {{1800, 600}, {3240, 600}, {360, 1800}, {1680, 1800}, {3240, 1800}}};

} // namespace

DspSettingsDialog::DspSettingsDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form13, QStringLiteral("DSP動作設定"))
{
    setClearsMainStatusOnClose(false);
    placed(addUnitSelector(SelectingShows::MainLabel | SelectingShows::OwnPanel), 480, 120, 2175, 375);
    Command2 = placed(new QPushButton(QStringLiteral("読取"), this), 3840, 120, 660, 375);
    Command2->setObjectName(QStringLiteral("Command2"));
    placed(addLabel(QStringLiteral("Label1"), QStringLiteral("現在電流")), 120, 720, 1400, 300);
    Label2 = placed(addLabel(QStringLiteral("Label2"), QStringLiteral("000.0_A")), 240, 1080, 1400, 300);

    for (size_t i = 0; i < DspSettings().size(); ++i) {
        const DspSetting &setting = DspSettings()[i];
        const Place at = ButtonPlaces[i];
        auto *button =
            placed(new QPushButton(QString::fromUtf8(setting.caption), this), at.left, at.top, 1260, 375);
        button->setObjectName(QLatin1String(setting.button));
        placed(addDigitField(QLatin1String(setting.field), 4, QStringLiteral("0000")), at.left, at.top + 480,
               1095, 375);
        connect(button, &QPushButton::clicked, this, [this, &setting] { write(setting); });
    }
    // The control check value is in amperes.
    placed(addLabel(QStringLiteral("Label3"), QStringLiteral("_A")), 4380, 1140, 400, 300);
    FixClientArea(*this, 4800, 2880, true, 3000, 3000);

    for (const char *file : DspLoadOrder()) {
        for (const DspSetting &setting : DspSettings()) {
            if (qstrcmp(setting.file, file) != 0)
                continue;
            const auto line = SettingsFiles::ReadQuotedLine(SettingsFiles::controlPath(QLatin1String(file)));
            field(setting)->setText(line ? DspFromFileLine(*line) : QString());
        }
    }

    connect(Command2, &QPushButton::clicked, this, &DspSettingsDialog::read);
}

QLineEdit *DspSettingsDialog::field(const DspSetting &setting) const
{
    return findChild<QLineEdit *>(QLatin1String(setting.field));
}

void DspSettingsDialog::read()
{
    sendWhenOpen("ADRDDTID");
}

void DspSettingsDialog::write(const DspSetting &setting)
{
    QLineEdit *edit = field(setting);
    const auto request = DspWriteRequest(setting, edit->text());
    if (!request) {
        refuseWrite(BadValue{edit->objectName()});
        return;
    }
    const QString path = SettingsFiles::controlPath(QLatin1String(setting.file));
    // The four digits sit between the code and "ID".
    const QByteArray digits = request->mid(qstrlen(setting.code), 4);
    reportIfUnwritten(SettingsFiles::WriteQuotedLine(path, QString::fromLatin1(digits)), path);
    if (sendWhenOpen(*request))
        setStatus(QString::fromUtf8(setting.writingText));
}

void DspSettingsDialog::showReading(const DspReading &r)
{
    const auto set = [this](const char *name, const QString &text) {
        findChild<QLineEdit *>(QLatin1String(name))->setText(text);
    };
    set("Text8", r.Text8);
    set("Text7", r.Text7);
    set("Text4", r.Text4);
    set("Text1", r.Text1);
    set("Text2", r.Text2);
}

void DspSettingsDialog::closeEvent(QCloseEvent *event)
{
    SetBasicConditionsPanel(m_services.windows, QString());
    SettingsWindow::closeEvent(event);
}

void DspSettingsDialog::wire(const WindowServices &s)
{
    const WindowId id = WindowId::Form13;
    s.windows.registerWindow(id, [s] { return new DspSettingsDialog(s); });
    addStep<DspSettingsDialog>(s, id, Reply::E, [](DspSettingsDialog &w, const QByteArray &reply) {
        if (const auto reading = DecodeDspReply(reply)) {
            w.showReading(*reading);
            w.showReplyStatus(QStringLiteral(" 読み取り完了"));
        } else {
            w.showReplyStatus(QStringLiteral(" 書込み完了"));
        }
    });
    addUnitSelectedStep(s, id);
    // The present current echoes the live values of a window that exists; it creates none.
    s.routes->add(Reply::Q, [&windows = s.windows, &state = s.state](const QByteArray &reply) {
        auto *w = windows.existing<DspSettingsDialog>(WindowId::Form13);
        const MonitoringTexts t = DecodeMonitoringReply(reply, state.UnitTypeCode);
        if (w && !t.powerKind)
            w->Label2->setText(t.currentFine);
    });
    addMonitoredUnitIdStep(s, id);
}
