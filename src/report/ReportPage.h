#pragma once
// The printed month report: landscape A4, the title, the table (its header on every page),
// the footnotes, then every channel's per-day chart as small multiples, the page number and
// the time printed at the foot of each page. Drawn on any paged device, so the window's
// printer, its print preview and the PDF of "unitdesk report" get the same pages.
#include "MonthReport.h"

class QPagedPaintDevice;

namespace ReportPage {

struct Document {
    QString title;     // ReportStore::titleText
    QDateTime printed; // the time printed at the foot
    MonthReport::Report report;
};

// Footnotes under the table: how missing and damaged half hours are counted and, when an
// estimate is shown, its formula.
QStringList footnotes(const MonthReport::Report &report);

// Paints the document on the device as it is set up (page size, orientation, margins).
// False when painting cannot start (no printer, a file that cannot be made).
bool paint(QPagedPaintDevice &device, const Document &document);
// The pages as a PDF file at a native path: A4, landscape, 10 mm margins. The file is
// complete or not there.
bool writePdf(const Document &document, const QString &nativePath);

} // namespace ReportPage
