#include "SeasonBandsDialog.h"

#include "SeasonBandsCodec.h"
#include "SettingsFiles.h"
#include "common/AppState.h"
#include "ui/Grid.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace {
constexpr int Rows = 4;

BandsWindow::Layout seasonLayout()
{
    return {QStringLiteral("季節別条件の設定"),
            QStringLiteral("月"),
            QStringLiteral("日"),
            TwoDigitItems(12),
            TwoDigitItems(31),
            Rows + 1,
            {2000, 2000, 2000},
            {QStringLiteral("季節帯"), QStringLiteral("開始月日"), QStringLiteral("終了月日")},
            {QStringLiteral("第一季節帯"), QStringLiteral("第二季節帯"), QStringLiteral("第三季節帯"),
             QStringLiteral("第四季節帯")},
            DateCell};
}
} // namespace

SeasonBandsDialog::SeasonBandsDialog(const WindowServices &services)
    : BandsWindow(services, WindowId::Form6, QString(), seasonLayout())
{
    const SeasonCommands commands = SeasonCommandsFor(waterSpray());
    setWindowTitle(commands.caption);
    moveTwips(this, 2000, 3200);
    SettingsFiles::LoadGridFile(*MSFlexGrid1, SettingsFiles::controlPath(commands.file));
    connect(Command2, &QPushButton::clicked, this, &SeasonBandsDialog::write);
    connect(Command3, &QPushButton::clicked, this, &SeasonBandsDialog::read);
}

void SeasonBandsDialog::wire(const WindowServices &s)
{
    constexpr WindowId id = WindowId::Form6;
    s.windows.registerWindow(id, [s] { return new SeasonBandsDialog(s); });
    addStep<SeasonBandsDialog>(s, id, Reply::S,
                               [](SeasonBandsDialog &w, const QByteArray &reply) { w.showSeasonsReply(reply); });
    addStatusStep(s, id, Reply::WS, QStringLiteral(" 書込み完了"));
    addUnitSelectedStep(s, id);
    addMonitoredUnitIdStep(s, id);
}

void SeasonBandsDialog::read()
{
    const SeasonCommands commands = SeasonCommandsFor(waterSpray());
    if (sendWhenOpen(commands.read))
        setStatus(commands.readingText);
}

void SeasonBandsDialog::write()
{
    const SeasonCommands commands = SeasonCommandsFor(waterSpray());
    const auto encoded = EncodeSeasons(cellsFrom(1, SeasonCells));
    if (const auto *bad = std::get_if<BadValue>(&encoded))
        return refuseWrite(*bad);

    const QString file = SettingsFiles::controlPath(commands.file);
    reportIfUnwritten(SettingsFiles::SaveGridFile(*MSFlexGrid1, file, Rows), file);
    MSFlexGrid1->setCurrentCell(1, 1);
    if (sendWhenOpen(commands.write + std::get<QByteArray>(encoded) + "ID"))
        setStatus(commands.writingText);
}

void SeasonBandsDialog::showSeasonsReply(const QByteArray &reply)
{
    setCellsFrom(1, DecodeSeasonsReply(reply));
    MSFlexGrid1->setCurrentCell(1, 1);
    showReplyStatus(QStringLiteral(" 読み取り完了"));
}
