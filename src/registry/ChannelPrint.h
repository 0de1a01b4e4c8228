#pragma once
// The printed channel name page: landscape, three blank lines, the title line at 14 points,
// then the grid's header row and ten rows at 11 points, each column at its own position,
// the rows spread over the rest of the page. One Japanese font prints every character.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace ChannelPrint {

struct Page {
    QString groupLabel;      // Label1
    QString pageText;        // Combo1
    QList<QStringList> rows; // grid rows 0..10, columns 0..6
};

// Left edge of each column, in twips from the printable area's left.
QList<int> columnPositionsTwips();

// Draws the page on the printer. False when the printer cannot start (none installed, an
// output file that cannot be made).
bool paint(QPrinter &printer, const Page &page);

// paint(), and a message to the user when the printer fails.
bool printOn(QPrinter &printer, const Page &page, QWidget *parent);

// Sets up the printer chosen in print setup, landscape.
void preparePrinter(QPrinter &printer);

// Writes the page as a PDF file (logical path). False on failure.
bool savePdf(const Page &page, const QString &logicalPath);

// Shows the page in a print preview, from which it goes to the printer or, for a user
// without one, into a PDF file. Failures are said.
void preview(const Page &page, QWidget *parent);

} // namespace ChannelPrint
