#include "ContinuousModeDialog.h"

#include "ContinuousModeCodec.h"
#include "SettingsFiles.h"
#include "ui/StatusBar.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ContinuousModeDialog::ContinuousModeDialog(const WindowServices &services)
    : SettingsWindow(services, WindowId::Form24, QStringLiteral("連続ﾓｰﾄﾞの設定"))
{
    setClearsMainStatusOnClose(false);
    addUnitSelector(SelectingShows::MainLabel | SelectingShows::OwnPanel);
    auto field = [this](const char *name) {
        QLineEdit *edit = addDigitField(QLatin1String(name), 4, QStringLiteral("0000"));
        edit->setAlignment(Qt::AlignCenter);
        return edit;
    };
    Text1 = field("Text1");
    Text2 = field("Text2");
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    Command3 = button("Command3", QStringLiteral("連続制御時間"));
    Command4 = button("Command4", QStringLiteral("限界警報再起動"));
    Command2 = button("Command2", QStringLiteral("読取"));

    // Each write button above its own field.
    auto *values = new QGridLayout;
    values->setHorizontalSpacing(10);
    values->addWidget(Command3, 0, 0, 1, 2);
    values->addWidget(Command4, 0, 3, 1, 2);
    values->addWidget(Text1, 1, 0);
    values->addWidget(addLabel(QStringLiteral("Label1"), QStringLiteral("_Sec")), 1, 1);
    values->setColumnMinimumWidth(2, 16);
    values->addWidget(Text2, 1, 3);
    values->addWidget(addLabel(QStringLiteral("Label2"), QStringLiteral("_Sec")), 1, 4);

    auto *top = new QHBoxLayout;
    top->addWidget(unitSelector());
    top->addStretch(1);
    top->addWidget(Command2);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 8);
    body->addLayout(top);
    body->addSpacing(10);
    body->addLayout(values);
    setBody(body);

    moveTwips(this, 3000, 3000);
    // Each field from its own file only; a missing file leaves its field empty.
    for (auto [edit, which] : {std::pair{Text1, ContinuousTimeValue}, std::pair{Text2, RestartTimeValue}})
        edit->setText(StoredContinuousValue(
            SettingsFiles::ReadQuotedLine(SettingsFiles::controlPath(ContinuousValueOf(which).file))));

    connect(Command3, &QPushButton::clicked, this, [this] { writeValue(ContinuousTimeValue); });
    connect(Command4, &QPushButton::clicked, this, [this] { writeValue(RestartTimeValue); });
    connect(Command2, &QPushButton::clicked, this, &ContinuousModeDialog::read);
}

void ContinuousModeDialog::wire(const WindowServices &s)
{
    constexpr WindowId id = WindowId::Form24;
    s.windows.registerWindow(id, [s] { return new ContinuousModeDialog(s); });
    addStep<ContinuousModeDialog>(s, id, Reply::E,
                                  [](ContinuousModeDialog &w, const QByteArray &reply) { w.showDspReply(reply); });
    addUnitSelectedStep(s, id);
    addMonitoredUnitIdStep(s, id);
}

void ContinuousModeDialog::read()
{
    sendWhenOpen("ADRDDTID");
}

void ContinuousModeDialog::writeValue(int which)
{
    const ContinuousValue &value = ContinuousValueOf(which);
    QLineEdit *edit = which == RestartTimeValue ? Text2 : Text1;
    const auto code = ContinuousCode(edit->text());
    if (!code)
        return refuseWrite(BadValue{edit->objectName()});
    const QString file = SettingsFiles::controlPath(value.file);
    reportIfUnwritten(SettingsFiles::WriteQuotedLine(file, QString::fromLatin1(*code)), file);
    if (sendWhenOpen(value.code + *code + "ID"))
        setStatus(value.writingText);
}

void ContinuousModeDialog::showDspReply(const QByteArray &reply)
{
    if (!IsDspReadReply(reply))
        return showReplyStatus(QStringLiteral(" 書込み完了"));
    const ContinuousModeTexts t = DecodeContinuousModeReply(reply);
    Text1->setText(t.Text1);
    Text2->setText(t.Text2);
    showReplyStatus(QStringLiteral(" 読み取り完了"));
}
