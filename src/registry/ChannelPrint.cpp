#include "ChannelPrint.h"

#include "common/DriveMap.h"
#include "ui/Prompt.h"
#include "viewers/PrintSetup.h"

#include <QAction>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace ChannelPrint {

namespace {

constexpr int TitleSize = 14, RowSize = 11;
// A TAB moves to the next print zone of fourteen character widths.
constexpr int ZoneChars = 14;
// The rows share out the page below the title, though never more than this many lines each.
constexpr double MaxRowLines = 3.0;

// One font draws every character, Latin and Japanese alike, so they share one baseline (a
// font without Japanese would leave those characters to another font with other metrics).
QFont printFont(int pointSize)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Yu Gothic"), QStringLiteral("MS Gothic")});
    font.setPointSize(pointSize);
    // Plain glyphs, one per character: shaped ones (a digit after "_") lose their text in
    // the PDF, so a search or a copy of the page would miss them.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

QList<int> columnPositionsTwips()
{
    return {1200, 2800, 5600, 7080, 8900, 11000, 12800};
}

bool paint(QPrinter &printer, const Page &page)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    const double dotsPerTwip = printer.resolution() / 1440.0;
    QFont font = printFont(TitleSize);
    p.setFont(font);
    QFontMetricsF title(font, &printer);
    double y = 0;
    y += 3 * title.lineSpacing(); // three blank lines
    const double zone = ZoneChars * title.averageCharWidth();
    // TAB, TAB, the group, TAB, the page: the group starts in the third zone, the page in
    // the zone after its end.
    double x = 2 * zone;
    p.drawText(QPointF(x, y + title.ascent()), page.groupLabel);
    x += title.horizontalAdvance(page.groupLabel);
    x = (int(x / zone) + 1) * zone;
    p.drawText(QPointF(x, y + title.ascent()), page.pageText);
    y += 2 * title.lineSpacing(); // the title's line and a blank one

    font = printFont(RowSize);
    p.setFont(font);
    QFontMetricsF row(font, &printer);
    const QList<int> positions = columnPositionsTwips();
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const double step = page.rows.isEmpty() ? 0
                                            : qBound(row.lineSpacing(), (pageHeight - y) / page.rows.size(),
                                                     MaxRowLines * row.lineSpacing());
    // Each row's text in the middle of its share.
    const double baseline = (step - row.lineSpacing()) / 2 + row.ascent();
    for (const QStringList &cells : page.rows) {
        for (int c = 0; c < positions.size() && c < cells.size(); ++c)
            p.drawText(QPointF(positions[c] * dotsPerTwip, y + baseline), cells[c]);
        y += step;
    }
    return p.end();
}

bool printOn(QPrinter &printer, const Page &page, QWidget *parent)
{
    if (paint(printer, page))
        return true;
    Prompt::ask({QStringLiteral("印刷できません。プリンタを確認してください。"), QStringLiteral("CH名の印刷"),
                 Prompt::Buttons::Ok, Prompt::Icon::Warning, Prompt::Answer::Ok},
                parent);
    return false;
}

void preparePrinter(QPrinter &printer)
{
    PrintSetup::applyTo(printer);
    printer.setPageOrientation(QPageLayout::Landscape);
}

bool savePdf(const Page &page, const QString &logicalPath)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(DriveMap::toNative(logicalPath));
    return paint(printer, page);
}

void preview(const Page &page, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("CH名の印刷"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { printOn(*target, page, &dialog); });
    // Without a printer the page can still be kept, as a PDF file.
    if (auto *bar = dialog.findChild<QToolBar *>()) {
        bar->addSeparator();
        QAction *pdf = bar->addAction(QStringLiteral("PDFで保存"));
        pdf->setObjectName(QStringLiteral("cmdPdf"));
        QObject::connect(pdf, &QAction::triggered, &dialog, [&] {
            Prompt::FileDialog file;
            file.mode = Prompt::FileDialog::Save;
            file.title = QStringLiteral("PDFで保存");
            file.initialDir = QStringLiteral("C:\\AMPDAT");
            file.filter = QStringLiteral("PDFﾌｧｲﾙ(*.pdf)");
            file.fileName = QStringLiteral("C:\\AMPDAT\\CHNAME.pdf");
            const QString path = Prompt::chooseFile(file, &dialog);
            if (!path.isEmpty() && !savePdf(page, path))
                Prompt::fileNotWritten(path, &dialog);
        });
    }
    dialog.exec();
}

} // namespace ChannelPrint
