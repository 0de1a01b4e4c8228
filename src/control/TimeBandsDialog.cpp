#include "TimeBandsDialog.h"

#include "SettingsFiles.h"
#include "TimeBandWriter.h"
#include "TimeBandsCodec.h"
#include "ui/Grid.h"
#include "ui/Twips.h"

#include <QPushButton>

namespace {
constexpr int Rows = 16;

QStringList rowTitles()
{
    QStringList titles;
    for (const char *season : {"季節１", "季節２", "季節３", "季節４"})
        for (const char *band : {"第一時間帯", "第二時間帯", "第三時間帯", "第四時間帯"})
            titles << QString::fromUtf8(season) + QString::fromUtf8(band);
    return titles;
}

BandsWindow::Layout timeBandLayout()
{
    return {QStringLiteral("時間帯条件の設定"),
            QStringLiteral("時"),
            QStringLiteral("分"),
            TwoDigitItems(23),
            {QStringLiteral("00"), QStringLiteral("29"), QStringLiteral("30"), QStringLiteral("59")},
            Rows + 1,
            {2580, 1700, 1700},
            {QStringLiteral("季節別時間帯"), QStringLiteral("開始時刻"), QStringLiteral("終了時刻")},
            rowTitles(),
            TimeCell};
}
} // namespace

TimeBandsDialog::TimeBandsDialog(const WindowServices &services)
    : BandsWindow(services, WindowId::Form7, QString(), timeBandLayout())
{
    writer = new TimeBandWriter(
        [this](const QByteArray &payload) {
            return sendWhenOpen(TimeBandCommandsFor(waterSpray()).writeSecond + payload + "ID");
        },
        this);
    connect(writer, &TimeBandWriter::secondFrameSent, this, [this] { setStatus(WritingSecondText); });

    const TimeBandCommands commands = TimeBandCommandsFor(waterSpray());
    setWindowTitle(commands.caption);
    moveTwips(this, 2000, 3200);
    SettingsFiles::LoadGridFile(*MSFlexGrid1, SettingsFiles::controlPath(commands.file));
    connect(Command2, &QPushButton::clicked, this, &TimeBandsDialog::write);
    connect(Command3, &QPushButton::clicked, this, &TimeBandsDialog::read);
}

void TimeBandsDialog::wire(const WindowServices &s)
{
    constexpr WindowId id = WindowId::Form7;
    s.windows.registerWindow(id, [s] { return new TimeBandsDialog(s); });
    addStep<TimeBandsDialog>(s, id, Reply::C,
                             [](TimeBandsDialog &w, const QByteArray &reply) { w.showFirstHalf(reply); });
    addStep<TimeBandsDialog>(s, id, Reply::K,
                             [](TimeBandsDialog &w, const QByteArray &reply) { w.showSecondHalf(reply); });
    addStatusStep(s, id, Reply::WJ, QStringLiteral(" 書込み1/2完了"));
    addStep<TimeBandsDialog>(s, id, Reply::WK, [](TimeBandsDialog &w, const QByteArray &) { w.secondHalfWritten(); });
    addUnitSelectedStep(s, id);
    addMonitoredUnitIdStep(s, id);
}

void TimeBandsDialog::read()
{
    if (writer->isPending())
        return; // the second frame of a write is still on its way
    const TimeBandCommands commands = TimeBandCommandsFor(waterSpray());
    if (sendWhenOpen(commands.read))
        setStatus(commands.readingText);
}

void TimeBandsDialog::write()
{
    const TimeBandCommands commands = TimeBandCommandsFor(waterSpray());
    const auto encoded = EncodeTimeBands(cellsFrom(1, TimeBandCells));
    if (const auto *bad = std::get_if<BadValue>(&encoded))
        return refuseWrite(*bad);
    const TimeBandPayloads &payloads = std::get<TimeBandPayloads>(encoded);

    const QString file = SettingsFiles::controlPath(commands.file);
    reportIfUnwritten(SettingsFiles::SaveGridFile(*MSFlexGrid1, file, Rows), file);
    MSFlexGrid1->setCurrentCell(1, 1);
    if (sendWhenOpen(commands.writeFirst + payloads.first + "ID"))
        setStatus(commands.writingFirstText);
    writer->start(payloads.second);
    setStatus(WritingSecondText);
}

void TimeBandsDialog::showFirstHalf(const QByteArray &reply)
{
    setCellsFrom(FirstHalfRow, DecodeFirstHalfReply(reply));
    showReplyStatus(QStringLiteral("OK"));
}

void TimeBandsDialog::showSecondHalf(const QByteArray &reply)
{
    setCellsFrom(SecondHalfRow, DecodeSecondHalfReply(reply));
    showReplyStatus(QStringLiteral(" 読み取り完了"));
    MSFlexGrid1->setCurrentCell(1, 1);
}

void TimeBandsDialog::secondHalfWritten()
{
    writer->acknowledged();
    showReplyStatus(QStringLiteral(" 書込み完了"));
}
